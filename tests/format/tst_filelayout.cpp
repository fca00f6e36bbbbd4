// A file written keeping its layout, over files made from seeds that mix every
// kind of line and line end: unchanged, it gives back the bytes read; with one
// slot edited, exactly the line of that area differs.

#include "format/areareader.h"
#include "format/areawriter.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

struct GeneratedFile
{
    QByteArray bytes;
    // The line each area stands on, counted from 1.
    QList<int> areaLines;
};

GeneratedFile generateFile(quint32 seed)
{
    static const QList<QByteArray> skipped{"", " \t ", "\f", "\x1a", QByteArray(1, '\0')};
    static const QList<QByteArray> comments{"# --- STAUNTON ISLAND ---", "#", "#\tno blank"};
    static const QList<QByteArray> areas{
            "male01,female01,b_man1,st_wom,p_man1,worker1,a,b\t\t# Tab",
            "a, b ,c,d,e,f,g,h # Spaced  ", "docker2    criminal01,b,c,d,e,f,g # No comma",
            "a,b,c,d,e,f,g,h#Stuck", "a,b,c,d,e,f,g,h", "  # Docks", "a,b,c # Short",
            "a,b,c,d,e,f,g,h,i # Nine", "\xe9,b,c,d,e,f,g,\x80 # \xa0\xfe",
            "\ta,b,c,d,e,f,g,h\t#\t Tabbed"};
    static const QList<QByteArray> ends{"\r\n", "\n", "\r"};
    QRandomGenerator random(seed);
    GeneratedFile file;
    if (random.bounded(4) == 0)
        file.bytes = "\xef\xbb\xbf";
    const int lineCount = 1 + random.bounded(30);
    QByteArray end;
    for (int line = 1; line <= lineCount; ++line) {
        QByteArray text;
        switch (random.bounded(3)) {
        case 0:
            text = skipped[random.bounded(skipped.size())];
            break;
        case 1:
            text = comments[random.bounded(comments.size())];
            break;
        default:
            text = areas[random.bounded(areas.size())];
            file.areaLines.append(line);
        }
        // An empty line after a lone CR ending in LF would make one CR LF of the two.
        const bool joinsCr = end == "\r" && text.isEmpty();
        end = ends[random.bounded(joinsCr ? 1 : ends.size())];
        if (line == lineCount && random.bounded(2) == 0)
            end.clear();
        file.bytes += text + end;
    }
    return file;
}

// The lines of 8-bit text, each with its end.
QList<QByteArray> linesWithEnds(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.append(bytes.sliced(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));
    return lines;
}

constexpr quint32 FileCount = 400;

} // namespace

class TestFileLayout : public QObject
{
    Q_OBJECT

private slots:
    void unchangedFileWritesBackByteForByte();
    void oneEditedSlotChangesExactlyItsLine();
};

void TestFileLayout::unchangedFileWritesBackByteForByte()
{
    for (quint32 seed = 1; seed <= FileCount; ++seed) {
        const GeneratedFile file = generateFile(seed);
        const ReadResult read = readAreaTable(file.bytes);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(writtenAreaLines(read.table, &read.layout), file.areaLines);
        const QByteArray withoutMark
                = file.bytes.startsWith("\xef\xbb\xbf") ? file.bytes.sliced(3) : file.bytes;
        QCOMPARE(composeKeepingLayout(read.table, read.layout).toLatin1(), withoutMark);
    }
}

void TestFileLayout::oneEditedSlotChangesExactlyItsLine()
{
    for (quint32 seed = 1; seed <= FileCount; ++seed) {
        const GeneratedFile file = generateFile(seed);
        const ReadResult read = readAreaTable(file.bytes);
        if (read.table.areas.isEmpty())
            continue;
        const int area = 1 + int(seed % read.table.areas.size());
        AreaTable edited = read.table;
        PedSlots texts = shownSlotsOf(edited.areas[area - 1].areaPeds);
        texts[seed % SlotCount] = QStringLiteral("pimp");
        edited.areas[area - 1].areaPeds = joinSlots(texts);

        const QByteArray written = composeKeepingLayout(edited, read.layout).toLatin1();
        const QList<QByteArray> before = linesWithEnds(file.bytes.mid(read.layout.textStart));
        const QList<QByteArray> after = linesWithEnds(written);
        QCOMPARE(after.size(), before.size());
        const int line = file.areaLines[area - 1];
        for (int i = 0; i < before.size(); ++i) {
            if (i + 1 != line)
                QCOMPARE(after[i], before[i]);
        }
        QCOMPARE(after[line - 1],
                composeAreaLine(edited.areas[area - 1]).toLatin1()
                        + before[line - 1].sliced(read.layout.areaLines[area - 1].length));
        QCOMPARE(readAreaTable(written).table.areas, edited.areas);
    }
}

QTEST_GUILESS_MAIN(TestFileLayout)
#include "tst_filelayout.moc"
