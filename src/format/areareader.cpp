#include "format/areareader.h"

#include "format/gameblank.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

// The context of the reader's texts.
class AreaReader
{
    Q_DECLARE_TR_FUNCTIONS(AreaReader)
};

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
        error = AreaReader::tr("Overflow: area line %1 has a TAB beyond character %2")
                        .arg(area)
                        .arg(MaxPosition);
        return std::nullopt;
    }
    const AreaLineParts parts = splitAreaLine(line);
    if (parts.hashPosition + 1 > MaxPosition) {
        const QString text = parts.hasHash
                ? AreaReader::tr("Overflow: area line %1 has its name beyond character %2")
                : AreaReader::tr("Overflow: area line %1 has no '#' and runs beyond character %2");
        error = text.arg(area).arg(MaxPosition);
        return std::nullopt;
    }
    if (area > AreaCapacity) {
        error = AreaReader::tr("Index out of range: the file holds more than %1 area lines")
                        .arg(AreaCapacity);
        return std::nullopt;
    }
    return Area{line.mid(parts.nameStart).remove(u'\t'),
            modelList(QStringView(line).left(parts.listEnd))};
}

bool isBlankLine(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), isGameBlank);
}

// One line of 8-bit text: where its text starts, how long it is, and how many
// bytes its end takes (2 for CR LF, 1 for LF or a lone CR, 0 for a last line
// without one).
struct LineSpan
{
    qsizetype start;
    qsizetype length;
    qsizetype endLength;

    qsizetype next() const { return start + length + endLength; }
};

LineSpan lineAt(const QByteArray &bytes, qsizetype start)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype end = start;
    while (end < size && data[end] != '\r' && data[end] != '\n')
        ++end;
    if (end == size)
        return {start, end - start, 0};
    const bool crLf = data[end] == '\r' && end + 1 < size && data[end + 1] == '\n';
    return {start, end - start, crLf ? 2 : 1};
}

// Notes where the area lines stand, and the stretches between two LFs that
// hold them, while the reader goes through the lines.
class LayoutRecorder
{
public:
    explicit LayoutRecorder(FileLayout &layout) : m_layout(layout), m_stretchStart(layout.textStart)
    { }

    // The stretch is taken to end with the line until a later line ends it.
    void areaLine(const LineSpan &span, const Area &area)
    {
        m_layout.areaLines.append({span.start, span.length, m_line, m_stretchStart,
                span.start + span.length, m_firstFilledLine});
        m_layout.areasRead.append(area);
    }

    // Called after each line, the area line included.
    void lineDone(const LineSpan &span, bool blank)
    {
        if (!blank && m_firstFilledLine == 0)
            m_firstFilledLine = m_line;
        const qsizetype lineEnd = span.start + span.length;
        const bool endsAtLf = span.endLength > 0 && m_layout.bytes.at(span.next() - 1) == '\n';
        if (!endsAtLf && span.next() < m_layout.bytes.size())
            return;
        // A lone CR ending the file is read as part of the stretch.
        const qsizetype stretchEnd = endsAtLf ? lineEnd : span.next();
        for (qsizetype area = m_firstAreaOfStretch; area < m_layout.areaLines.size(); ++area)
            m_layout.areaLines[area].stretchEnd = stretchEnd;
        m_stretchStart = span.next();
        m_firstFilledLine = 0;
        m_firstAreaOfStretch = m_layout.areaLines.size();
    }

    void nextLine() { ++m_line; }

private:
    FileLayout &m_layout;
    int m_line = 0;
    qsizetype m_stretchStart = 0;
    int m_firstFilledLine = 0;
    qsizetype m_firstAreaOfStretch = 0;
};

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    for (qsizetype start = 0; start < bytes.size();) {
        const LineSpan span = lineAt(bytes, start);
        lines.append(QString::fromLatin1(bytes.constData() + span.start, span.length));
        start = span.next();
    }
    return lines;
}

ReadResult readAreaTable(const QByteArray &bytes)
{
    ReadResult result;
    FileLayout &layout = result.layout;
    layout.bytes = bytes;
    layout.textStart = bytes.startsWith(QByteArrayView("\xef\xbb\xbf")) ? 3 : 0;
    LayoutRecorder recorder(layout);
    for (qsizetype start = layout.textStart; start < bytes.size();) {
        const LineSpan span = lineAt(bytes, start);
        start = span.next();
        recorder.nextLine();
        const QString line = QString::fromLatin1(bytes.constData() + span.start, span.length);
        if (line.startsWith(u'#')) {
            result.table.headerText += line + CrLf;
            recorder.lineDone(span, false);
            continue;
        }
        if (isBlankLine(line)) {
            recorder.lineDone(span, true);
            continue;
        }
        const auto area = parseAreaLine(line, int(result.table.areas.size()) + 1, result.error);
        if (!area)
            break;
        result.table.areas.append(*area);
        recorder.areaLine(span, *area);
        recorder.lineDone(span, false);
    }
    return result;
}
