#include "gamereading/zonefile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The game makes every control character and comma a blank before it scans a line.
bool isBlank(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code <= 0x20 || code == 0x7f || c == ',';
}

QByteArrayView withoutLeadingBlanks(QByteArrayView line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    return line.sliced(start);
}

// Reads the fields of a zone line one after another, as a scanf format of
// "%s %d %f ..." does: each field starts after blanks and takes the longest
// start that is a number of its kind; the next field goes on from there.
class FieldScanner
{
public:
    explicit FieldScanner(QByteArrayView line) : m_line(line) { }

    std::optional<QByteArrayView> word()
    {
        skipBlanks();
        const qsizetype start = m_at;
        while (m_at < m_line.size() && !isBlank(m_line[m_at]))
            ++m_at;
        if (m_at == start)
            return std::nullopt;
        return m_line.sliced(start, m_at - start);
    }

    std::optional<int> integer()
    {
        skipBlanks();
        const qsizetype start = m_at;
        skipSign();
        if (skipDigits() == 0)
            return std::nullopt;
        bool ok = false;
        const int value = m_line.sliced(start, m_at - start).toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    // A decimal number with an optional point and exponent; one that is not
    // finite as a float is no number for a box.
    std::optional<float> number()
    {
        skipBlanks();
        const qsizetype start = m_at;
        skipSign();
        qsizetype digits = skipDigits();
        if (m_at < m_line.size() && m_line[m_at] == '.') {
            ++m_at;
            digits += skipDigits();
        }
        if (digits == 0)
            return std::nullopt;
        skipExponent();
        // from_chars takes a minus sign only.
        const char *first = m_line.data() + start + (m_line[start] == '+' ? 1 : 0);
        float value = 0;
        const auto [end, error] = std::from_chars(first, m_line.data() + m_at, value);
        if (error != std::errc() || end != m_line.data() + m_at || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

private:
    void skipBlanks()
    {
        while (m_at < m_line.size() && isBlank(m_line[m_at]))
            ++m_at;
    }

    void skipSign()
    {
        if (m_at < m_line.size() && (m_line[m_at] == '+' || m_line[m_at] == '-'))
            ++m_at;
    }

    qsizetype skipDigits()
    {
        const qsizetype start = m_at;
        while (m_at < m_line.size() && isDigit(m_line[m_at]))
            ++m_at;
        return m_at - start;
    }

    // An exponent counts only with a digit: "1e" is the number 1 and a word "e".
    void skipExponent()
    {
        if (m_at >= m_line.size() || (m_line[m_at] != 'e' && m_line[m_at] != 'E'))
            return;
        const qsizetype mark = m_at;
        ++m_at;
        skipSign();
        if (skipDigits() == 0)
            m_at = mark;
    }

    QByteArrayView m_line;
    qsizetype m_at = 0;
};

QString labelOf(QByteArrayView name)
{
    QString label
            = QString::fromLatin1(name.first(std::min(name.size(), qsizetype(ZoneLabelLength))));
    for (QChar &c : label) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return label;
}

ZoneBox boxBetween(const float corners[6])
{
    return {std::min(corners[0], corners[3]), std::min(corners[1], corners[4]),
            std::min(corners[2], corners[5]), std::max(corners[0], corners[3]),
            std::max(corners[1], corners[4]), std::max(corners[2], corners[5])};
}

// The zone a line of the zone section gives, when it holds all its fields.
std::optional<ZoneEntry> zoneOfLine(QByteArrayView line)
{
    FieldScanner fields(line);
    const std::optional<QByteArrayView> name = fields.word();
    const std::optional<int> type = fields.integer();
    if (!name || !type)
        return std::nullopt;
    float corners[6];
    for (float &corner : corners) {
        const std::optional<float> value = fields.number();
        if (!value)
            return std::nullopt;
        corner = *value;
    }
    const std::optional<int> level = fields.integer();
    if (!level)
        return std::nullopt;
    return ZoneEntry{labelOf(*name), *type, boxBetween(corners), *level};
}

bool carriesGroups(const ZoneEntry &zone)
{
    return zone.type >= 0 && zone.type <= 2;
}

} // namespace

QList<ZoneEntry> readZoneFile(QByteArrayView bytes)
{
    QList<ZoneEntry> zones;
    bool inSection = false;
    qsizetype start = 0;
    while (start < bytes.size() && zones.size() < GameZoneCapacity - 1) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = withoutLeadingBlanks(bytes.sliced(start, end - start));
        start = end + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!inSection) {
            inSection = line.startsWith("zone");
            continue;
        }
        if (line.startsWith("end")) {
            inSection = false;
            continue;
        }
        const std::optional<ZoneEntry> zone = zoneOfLine(line);
        if (zone && carriesGroups(*zone))
            zones.append(*zone);
    }
    return zones;
}
