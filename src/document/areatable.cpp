#include "document/areatable.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Text positions in a line are 16-bit counters: a line whose TABs or "# " lie
// further in than this cannot be parsed.
constexpr qsizetype MaxPosition = 32767;

// One TAB after a name of oneTabFrom or more characters, two after a shorter one.
void appendTabs(const QString &name, qsizetype oneTabFrom, QString &text)
{
    text += name.size() >= oneTabFrom ? QLatin1String("\t") : QLatin1String("\t\t");
}

// Removes every TAB; fails when one stands beyond MaxPosition of the line as it
// is while the TABs before it are gone.
bool removeTabs(const QString &line, QString *withoutTabs)
{
    withoutTabs->clear();
    withoutTabs->reserve(line.size());
    for (const QChar c : line) {
        if (c != u'\t') {
            withoutTabs->append(c);
        } else if (withoutTabs->size() + 1 > MaxPosition) {
            return false;
        }
    }
    return true;
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
    if (!line.contains(u'#'))
        return true;
    ++areaCounter;
    return parseAreaLine(line, areaCounter, error);
}

bool AreaTable::parseAreaLine(const QString &line, int area, QString *error)
{
    QString clean;
    if (!removeTabs(line, &clean)) {
        *error = QStringLiteral("Overflow: area line %1 has a TAB beyond character %2")
                         .arg(area)
                         .arg(MaxPosition);
        return false;
    }
    const qsizetype hash = clean.indexOf(QLatin1String("# "));
    if (hash + 1 > MaxPosition) {
        *error = QStringLiteral("Overflow: area line %1 has its name beyond character %2")
                         .arg(area)
                         .arg(MaxPosition);
        return false;
    }
    if (area < 1 || area > AreaCapacity) {
        *error = QStringLiteral("Index out of range: the file holds more than %1 area lines")
                         .arg(AreaCapacity);
        return false;
    }
    if (hash < 0) {
        *error = QStringLiteral("Invalid argument: area line %1 has no '# ' before the area's name")
                         .arg(area);
        return false;
    }
    m_areaNames.at(area - 1) = clean.mid(hash + 2);
    m_areaPeds.at(area - 1) = clean.left(hash).remove(u' ');
    m_areaCount = area;
    return true;
}

void AreaTable::appendAreaLine(int area, QString &text) const
{
    const QString &list = m_areaPeds.at(area - 1);
    if (const auto pieces = splitSlots(list)) {
        for (int slot = 0; slot < SlotCount - 1; ++slot) {
            text += (*pieces)[slot];
            text += u',';
            appendTabs((*pieces)[slot], 7, text);
        }
        text += (*pieces)[SlotCount - 1];
        appendTabs((*pieces)[SlotCount - 1], 8, text);
    } else {
        // A short list is kept whole, laid out like a last slot, so nothing is lost.
        text += list;
        appendTabs(list, 8, text);
    }
    text += QLatin1String("# ");
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
