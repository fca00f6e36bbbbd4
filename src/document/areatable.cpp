#include "document/areatable.h"

#include "document/gamereader.h"

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString NameMark = QStringLiteral("# ");

// Text positions in a line are 16-bit counters: a line whose TABs or name (or
// end, when it has no "#") lie further in than this cannot be parsed.
constexpr qsizetype MaxPosition = 32767;

// One TAB after a name of oneTabFrom or more characters, two after a shorter one.
void appendTabs(QStringView name, qsizetype oneTabFrom, QString &text)
{
    text += u'\t';
    if (name.size() < oneTabFrom)
        text += u'\t';
}

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
        return QStringLiteral("Area '%1' holds a line break (U+%2), which would split the area's "
                              "line in the file")
                .arg(areaName, code);
    if (c == U'#')
        return QStringLiteral("Area '%1' holds the character '#' (U+%2), which would start the "
                              "area's name or a comment in the file")
                .arg(areaName, code);
    return QStringLiteral("Area '%1' holds the character '%2' (U+%3), which an 8-bit file cannot "
                          "hold")
            .arg(areaName, QString::fromUcs4(&c, 1), code);
}

} // namespace

std::optional<PedSlots> splitSlots(const QString &modelList)
{
    PedSlots pieces;
    qsizetype start = 0;
    for (int slot = 0; slot < SlotCount - 1; ++slot) {
        const qsizetype comma = modelList.indexOf(u',', start);
        if (comma < 0)
            return std::nullopt;
        pieces[slot] = modelList.mid(start, comma - start);
        start = comma + 1;
    }
    pieces[SlotCount - 1] = modelList.mid(start);
    return pieces;
}

QString joinSlots(const PedSlots &pieces)
{
    QString list = pieces[0];
    for (int slot = 1; slot < SlotCount; ++slot)
        list += u',' + pieces[slot];
    return list;
}

void AreaTable::reset()
{
    *this = AreaTable();
}

bool AreaTable::takeLine(const QString &line, int &areaCounter, QString *error)
{
    if (line.startsWith(u'#')) {
        headerText += line + CrLf;
        return true;
    }
    if (std::all_of(line.cbegin(), line.cend(), isGameBlank))
        return true;
    ++areaCounter;
    return parseAreaLine(line, areaCounter, error);
}

bool AreaTable::parseAreaLine(const QString &line, int area, QString *error)
{
    if (hasTabBeyondLimit(line)) {
        *error = QStringLiteral("Overflow: area line %1 has a TAB beyond character %2")
                         .arg(area)
                         .arg(MaxPosition);
        return false;
    }
    const AreaLineParts parts = splitAreaLine(line);
    if (parts.hashPosition + 1 > MaxPosition) {
        const QString text = parts.hasHash
                ? QStringLiteral("Overflow: area line %1 has its name beyond character %2")
                : QStringLiteral("Overflow: area line %1 has no '#' and runs beyond character %2");
        *error = text.arg(area).arg(MaxPosition);
        return false;
    }
    if (area < 1 || area > AreaCapacity) {
        *error = QStringLiteral("Index out of range: the file holds more than %1 area lines")
                         .arg(AreaCapacity);
        return false;
    }
    m_areaNames.at(area - 1) = line.mid(parts.nameStart).remove(u'\t');
    m_areaPeds.at(area - 1) = modelList(QStringView(line).left(parts.listEnd));
    m_areaCount = area;
    return true;
}

QString AreaTable::describeUnwritableCharacter() const
{
    for (int area = 1; area <= AreaCapacity; ++area) {
        const QString &list = m_areaPeds.at(area - 1);
        const auto found = std::find_if(list.cbegin(), list.cend(), isUnwritable);
        if (found != list.cend())
            return unwritableCharacterText(
                    m_areaNames.at(area - 1), codePointAt(list, found - list.cbegin()));
    }
    return QString();
}

void AreaTable::appendAreaLine(int area, QString &text) const
{
    // The slots as splitSlots() gives them, without making a string of each.
    const QStringView list = m_areaPeds.at(area - 1);
    qsizetype start = 0;
    if (list.count(u',') >= SlotCount - 1) {
        for (int slot = 0; slot < SlotCount - 1; ++slot) {
            const qsizetype comma = list.indexOf(u',', start);
            const QStringView name = list.sliced(start, comma - start);
            text += name;
            text += u',';
            appendTabs(name, 7, text);
            start = comma + 1;
        }
    }
    // A short list is kept whole, laid out like a last slot, so nothing is lost.
    text += list.sliced(start);
    appendTabs(list.sliced(start), 8, text);
    text += NameMark;
    text += m_areaNames.at(area - 1);
    text += CrLf;
}

QString AreaTable::composeAreaLine(int area) const
{
    QString line;
    appendAreaLine(area, line);
    return line;
}

QString AreaTable::composeFile() const
{
    qsizetype size = headerText.size() + 2;
    for (int area = 0; area < AreaCapacity; ++area)
        size += m_areaPeds[area].size() + m_areaNames[area].size() + 2 * SlotCount + 4;
    QString text;
    text.reserve(size);
    text += headerText;
    text += CrLf;
    for (int area = 1; area <= AreaCapacity; ++area) {
        if (!m_areaPeds.at(area - 1).isEmpty())
            appendAreaLine(area, text);
    }
    return text;
}
