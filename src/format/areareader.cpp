#include "format/areareader.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AreaReader", text);
}

// Text positions in a line are 16-bit counters: a line whose TABs or name (or
// end, when it has no "#") lie further in than this cannot be parsed.
constexpr qsizetype MaxPosition = 32767;

bool isBlankOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Whether a TAB stands beyond MaxPosition of the line as it is while the TABs
// before it are gone.
bool hasTabBeyondLimit(QStringView line)
{
    qsizetype position = 0;
    for (const QChar c : line) {
        if (c != u'\t')
            ++position;
        else if (position + 1 > MaxPosition)
            return true;
    }
    return false;
}

// Where an area line divides into its model list and its name. The name
// follows the first "# " once TABs are gone, else the first "#"; a line
// without "#" is all model list.
struct AreaLineParts
{
    qsizetype listEnd;
    qsizetype nameStart;
    // Where the hash, or the end of a line without one, stands once TABs are gone.
    qsizetype hashPosition;
    bool hasHash;
};

AreaLineParts splitAreaLine(QStringView line)
{
    std::optional<AreaLineParts> firstHash;
    qsizetype position = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\t')
            continue;
        if (line[i] == u'#') {
            qsizetype next = i + 1;
            while (next < line.size() && line[next] == u'\t')
                ++next;
            if (next < line.size() && line[next] == u' ')
                return {i, next + 1, position, true};
            if (!firstHash)
                firstHash = AreaLineParts{i, i + 1, position, true};
        }
        ++position;
    }
    if (firstHash)
        return *firstHash;
    return {line.size(), line.size(), position, false};
}

// The names of a model list joined by commas. A run of blanks and TABs
// between two names stands for a comma, as the game reads it; next to a
// comma or at either end it is dropped.
QString modelList(QStringView text)
{
    QString list;
    list.reserve(text.size());
    bool gap = false;
    for (const QChar c : text) {
        if (isBlankOrTab(c)) {
            gap = !list.isEmpty();
            continue;
        }
        if (gap && c != u',' && list.back() != u',')
            list += u',';
        gap = false;
        list += c;
    }
    return list;
}

// The area line numbered area, or nothing with error filled.
std::optional<Area> parseAreaLine(const QString &line, int area, QString &error)
{
    if (hasTabBeyondLimit(line)) {
        error = tr("Overflow: area line %1 has a TAB beyond character %2")
                        .arg(area)
                        .arg(MaxPosition);
        return std::nullopt;
    }
    const AreaLineParts parts = splitAreaLine(line);
    if (parts.hashPosition + 1 > MaxPosition) {
        const QString text = parts.hasHash
                ? tr("Overflow: area line %1 has its name beyond character %2")
                : tr("Overflow: area line %1 has no '#' and runs beyond character %2");
        error = text.arg(area).arg(MaxPosition);
        return std::nullopt;
    }
    if (area > AreaCapacity) {
        error = tr("Index out of range: the file holds more than %1 area lines").arg(AreaCapacity);
        return std::nullopt;
    }
    return Area{line.mid(parts.nameStart).remove(u'\t'),
            modelList(QStringView(line).left(parts.listEnd))};
}

bool isBlankLine(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), isBlankOrTab);
}

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(bytes.constData() + start, i - start));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString::fromLatin1(bytes.constData() + start, size - start));
    return lines;
}

ReadResult readAreaTable(const QByteArray &bytes)
{
    const QByteArrayView byteOrderMark("\xef\xbb\xbf");
    const QByteArray text = bytes.startsWith(byteOrderMark)
            ? QByteArray::fromRawData(
                    bytes.constData() + byteOrderMark.size(), bytes.size() - byteOrderMark.size())
            : bytes;
    ReadResult result;
    for (const QString &line : splitLines(text)) {
        if (line.startsWith(u'#')) {
            result.table.headerText += line + CrLf;
            continue;
        }
        if (isBlankLine(line))
            continue;
        const auto area = parseAreaLine(line, int(result.table.areas.size()) + 1, result.error);
        if (!area)
            break;
        result.table.areas.append(*area);
    }
    return result;
}
