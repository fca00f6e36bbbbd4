#include "format/areawriter.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The context of the writer's texts.
class AreaWriter
{
    Q_DECLARE_TR_FUNCTIONS(AreaWriter)
};

const QString NameMark = QStringLiteral("# ");

// One TAB after a name of oneTabFrom or more characters, two after a shorter one.
void appendTabs(QStringView name, qsizetype oneTabFrom, QString &text)
{
    text += u'\t';
    if (name.size() < oneTabFrom)
        text += u'\t';
}

// What an area line cannot carry: characters above Latin-1, a line break
// (which ends the line) and "#" (which starts a comment for the game, and a
// comment line when it begins the line).
bool isUnwritable(QChar c)
{
    return c.unicode() > 0xff || c == u'\r' || c == u'\n' || c == u'#';
}

// The character at index i, joined with its low surrogate where it has one.
char32_t codePointAt(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    return c.unicode();
}

QString unwritableCharacterText(const QString &areaName, char32_t c)
{
    const QString code = QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    if (c == U'\r' || c == U'\n')
        return AreaWriter::tr(
                "Area '%1' holds a line break (U+%2), which would split the area's line in the "
                "file")
                .arg(areaName, code);
    if (c == U'#')
        return AreaWriter::tr(
                "Area '%1' holds the character '#' (U+%2), which would start the area's name or "
                "a comment in the file")
                .arg(areaName, code);
    return AreaWriter::tr(
            "Area '%1' holds the character '%2' (U+%3), which an 8-bit file cannot hold")
            .arg(areaName, QString::fromUcs4(&c, 1), code);
}

} // namespace

QString composeAreaLine(const Area &area)
{
    QString text;
    text.reserve(area.areaPeds.size() + area.areaName.size() + 2 * SlotCount + 2);
    const SlotPieces split = slotPieces(area.areaPeds);
    QStringView last = area.areaPeds;
    if (split.isWhole()) {
        for (int slot = 0; slot < SlotCount - 1; ++slot) {
            text += split.pieces[slot];
            text += u',';
            appendTabs(split.pieces[slot], 7, text);
        }
        last = split.pieces[SlotCount - 1];
    }
    text += last;
    appendTabs(last, 8, text);
    text += NameMark;
    text += area.areaName;
    return text;
}

QString composeFile(const AreaTable &table)
{
    qsizetype size = table.headerText.size() + 2;
    for (const Area &area : table.areas)
        size += area.areaPeds.size() + area.areaName.size() + 2 * SlotCount + 4;
    QString text;
    text.reserve(size);
    text += table.headerText;
    text += CrLf;
    for (const int area : writtenAreas(table)) {
        text += composeAreaLine(table.areas[area - 1]);
        text += CrLf;
    }
    return text;
}

bool keepsLine(const FileLayout &layout, const AreaTable &table, int area)
{
    return area <= layout.areasRead.size() && table.areas[area - 1] == layout.areasRead[area - 1];
}

QString keptLayoutLine(const FileLayout &layout, const AreaTable &table, int area)
{
    if (!keepsLine(layout, table, area))
        return composeAreaLine(table.areas[area - 1]);
    const AreaLineSpan &span = layout.areaLines[area - 1];
    return QString::fromLatin1(layout.bytes.constData() + span.start, span.length);
}

QString composeKeepingLayout(const AreaTable &table, const FileLayout &layout)
{
    QString text;
    text.reserve(layout.bytes.size());
    qsizetype copied = layout.textStart;
    for (int area = 1; area <= layout.areaLines.size(); ++area) {
        const AreaLineSpan &span = layout.areaLines[area - 1];
        text += QLatin1String(layout.bytes.constData() + copied, span.start - copied);
        text += keptLayoutLine(layout, table, area);
        copied = span.start + span.length;
    }
    text += QLatin1String(layout.bytes.constData() + copied, layout.bytes.size() - copied);
    return text;
}

QList<int> writtenAreaLines(const AreaTable &table, const FileLayout *keptLayout)
{
    QList<int> lines(table.areas.size());
    if (keptLayout) {
        for (int area = 1; area <= lines.size(); ++area)
            lines[area - 1] = keptLayout->areaLines[area - 1].line;
        return lines;
    }
    // The header's lines, then one empty line.
    int line = int(table.headerText.count(u'\n')) + 1;
    for (const int area : writtenAreas(table))
        lines[area - 1] = ++line;
    return lines;
}

QString describeUnwritableCharacter(const AreaTable &table, const FileLayout *keptLayout)
{
    for (const int number : writtenAreas(table)) {
        if (keptLayout && keepsLine(*keptLayout, table, number))
            continue;
        const Area &area = table.areas[number - 1];
        const QString &list = area.areaPeds;
        const auto found = std::find_if(list.cbegin(), list.cend(), isUnwritable);
        if (found != list.cend())
            return unwritableCharacterText(area.areaName, codePointAt(list, found - list.cbegin()));
    }
    return QString();
}

std::optional<QByteArray> encodeLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return std::nullopt;
    }
    return text.toLatin1();
}
