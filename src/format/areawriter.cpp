#include "format/areawriter.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AreaWriter", text);
}

const QString NameMark = QStringLiteral("# ");

// One TAB after a name of oneTabFrom or more characters, two after a shorter one.
void appendTabs(QStringView name, qsizetype oneTabFrom, QString &text)
{
    text += u'\t';
    if (name.size() < oneTabFrom)
        text += u'\t';
}

void appendAreaLine(const Area &area, QString &text)
{
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
    text += CrLf;
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
        return tr("Area '%1' holds a line break (U+%2), which would split the area's line in the "
                  "file")
                .arg(areaName, code);
    if (c == U'#')
        return tr("Area '%1' holds the character '#' (U+%2), which would start the area's name or "
                  "a comment in the file")
                .arg(areaName, code);
    return tr("Area '%1' holds the character '%2' (U+%3), which an 8-bit file cannot hold")
            .arg(areaName, QString::fromUcs4(&c, 1), code);
}

} // namespace

QString composeFile(const AreaTable &table)
{
    qsizetype size = table.headerText.size() + 2;
    for (const Area &area : table.areas)
        size += area.areaPeds.size() + area.areaName.size() + 2 * SlotCount + 4;
    QString text;
    text.reserve(size);
    text += table.headerText;
    text += CrLf;
    for (const int area : writtenAreas(table))
        appendAreaLine(table.areas[area - 1], text);
    return text;
}

QString describeUnwritableCharacter(const AreaTable &table)
{
    for (const int number : writtenAreas(table)) {
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
