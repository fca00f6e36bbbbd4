// The properties that fuzz/fuzz_reader.cpp checks, over inputs at the edges the
// fuzzer explores and over whatever it finds, so that they hold in every
// ordinary test run too: what was read comes back unchanged from the written
// file, and nothing lies beyond the listed areas. A new finding becomes a row.

#include "format/areareader.h"
#include "format/areawriter.h"

#include <QTest>

namespace {

QStringList storedAreas(const AreaTable &table)
{
    QStringList areas;
    for (const int area : writtenAreas(table))
        areas << table.areas[area - 1].areaPeds + u'|' + table.areas[area - 1].areaName;
    return areas;
}

} // namespace

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private slots:
    void writtenFileReadsBackUnchanged_data();
    void writtenFileReadsBackUnchanged();
    void listBeginningWithAHashReadsBackAsAComment();
};

void TestFuzzFindings::writtenFileReadsBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readsWhole");

    QTest::newRow("NUL bytes in list and name")
            << QByteArray("a\0,b,c,d,e,f,g,h # N\0me\r\n", 25) << true;
    QTest::newRow("bytes above 127 everywhere")
            << QByteArray("#\xff\r\n\xe9,b,c,d,e,f,g,\x80 # \xa0\xfe\r\n") << true;
    QTest::newRow("hash inside and at the end of the list")
            << QByteArray("a#b,c,d,e,f,g,h,i#\t# Name\r\n") << true;
    QTest::newRow("two hashes before the blank") << QByteArray("x,y## Name\r\n") << true;
    QTest::newRow("TABs between hash and blank joined")
            << QByteArray("a,b,c,d,e,f,g,h #\t\t Joined\r\n") << true;
    QTest::newRow("empty name") << QByteArray("a,b,c,d,e,f,g,h # \r\n") << true;
    QTest::newRow("only commas") << QByteArray(",,,,,,,,,,\t# Commas\n") << true;
    QTest::newRow("lone CRs between areas") << QByteArray("a # One\r\r\rb # Two\r# note\r") << true;
    QTest::newRow("list right below the position limit") << QByteArray(32766, 'a') + "# Edge\r\n"
                                                         << true;
    QTest::newRow("list one past the position limit") << "x # Kept\r\n" + QByteArray(32767, 'a')
                    + "# Over\r\n" << false;
    QTest::newRow("TAB right below the position limit") << QByteArray(32766, 'a') + "\t# Edge\r\n"
                                                        << true;
    QTest::newRow("failure keeps what came before") << "a,b # One\r\n" + QByteArray(32767, 'a')
                    + "\t# Two\r\nc # Three\r\n" << false;
    QTest::newRow("blank runs and TABs between names")
            << QByteArray("a\t  b c,\td e\tf,g  h\t#Name\r\n") << true;
    QTest::newRow("hash without a blank") << QByteArray("broken#line\r\nx,y#\t#z # N\r\n") << true;
    QTest::newRow("lines without hash") << QByteArray("a b\r\n \t\r\n,\r\n\0\r\n", 13) << true;
    QTest::newRow("line without hash right below the position limit") << QByteArray(32762, 'a')
                    + " b c\r\n" << true;
    QTest::newRow("line without hash one past the position limit") << QByteArray(32761, 'a')
                    + " b c d\r\n" << false;
    QTest::newRow("byte order marks") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                                                    "a # N\r\n\xef\xbb\xbf\r\n")
                                      << true;
}

void TestFuzzFindings::writtenFileReadsBackUnchanged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readsWhole);

    const ReadResult read = readAreaTable(bytes);
    QCOMPARE(read.ok(), readsWhole);
    QVERIFY(read.table.areas.size() <= AreaCapacity);

    const auto written = encodeLatin1(composeFile(read.table));
    QVERIFY(written);
    const ReadResult again = readAreaTable(*written);
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(again.table.headerText, read.table.headerText);
    QCOMPARE(storedAreas(again.table), storedAreas(read.table));
    QCOMPARE(composeFile(again.table), composeFile(read.table));
}

// An area line may begin with blanks before a hash, so its list can begin with
// "#"; written without them, the line is a comment. The format cannot tell the
// two apart, and the fuzz target leaves such tables out of its round trip.
void TestFuzzFindings::listBeginningWithAHashReadsBackAsAComment()
{
    const ReadResult read = readAreaTable(" #x,b,c,d,e,f,g,h # Hash\r\n");
    QVERIFY(read.ok());
    QCOMPARE(read.table.areas.at(1 - 1).areaPeds, QStringLiteral("#x,b,c,d,e,f,g,h"));

    const ReadResult again = readAreaTable(composeFile(read.table).toLatin1());
    QVERIFY(again.ok());
    QCOMPARE(again.table.areas.size(), 0);
    QCOMPARE(again.table.headerText,
            QStringLiteral("#x,\t\tb,\t\tc,\t\td,\t\te,\t\tf,\t\tg,\t\th\t\t# Hash\r\n"));
}

QTEST_APPLESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
