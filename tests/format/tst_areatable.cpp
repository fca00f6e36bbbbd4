#include "format/areareader.h"
#include "format/areawriter.h"
#include "format/pedcatalogue.h"

#include <QTest>

namespace {

// The lines as a file, each ending in CR LF.
ReadResult readLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + CrLf;
    return readAreaTable(text.toLatin1());
}

} // namespace

class TestAreaTable : public QObject
{
    Q_OBJECT

private slots:
    void catalogueHoldsTheKnownModels();
    void catalogueLookupIsExact_data();
    void catalogueLookupIsExact();

    void readsOneLine_data();
    void readsOneLine();
    void commentLinesGatherInOrderWhereverTheyStand();
    void theHundredFirstAreaFails_data();
    void theHundredFirstAreaFails();
    void positionsBeyond16BitsFail_data();
    void positionsBeyond16BitsFail();

    void splitsSlots_data();
    void splitsSlots();

    void writesAreaLines_data();
    void writesAreaLines();
    void writesHeaderBlankLineAndOnlyFilledAreas();

    void findsTheFirstCharacterALineCannotCarry_data();
    void findsTheFirstCharacterALineCannotCarry();
};

void TestAreaTable::catalogueHoldsTheKnownModels()
{
    const QStringList &names = pedCatalogue();
    QCOMPARE(names.size(), 57);
    QCOMPARE(names.first(), QStringLiteral("st_man"));
    QCOMPARE(names.at(28), QStringLiteral("male01"));
    QCOMPARE(names.last(), QStringLiteral("prostitute2"));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 57);
}

void TestAreaTable::catalogueLookupIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::newRow("exact") << "b_man1" << true;
    QTest::newRow("last entry") << "prostitute2" << true;
    QTest::newRow("capitals") << "B_MAN1" << false;
    QTest::newRow("leading blank") << " b_man1" << false;
    QTest::newRow("trailing blank") << "b_man1 " << false;
    QTest::newRow("prefix of a name") << "prostitute" << true;
    QTest::newRow("empty") << "" << false;
}

void TestAreaTable::catalogueLookupIsExact()
{
    QFETCH(QString, name);
    QFETCH(bool, known);
    QCOMPARE(catalogueContains(name), known);
}

void TestAreaTable::readsOneLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("areas");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("peds");
    QTest::addColumn<QString>("name");

    QTest::newRow("comment") << "# a comment" << 0 << "# a comment\r\n"
                             << ""
                             << "";
    QTest::newRow("hash alone is a comment") << "#" << 0 << "#\r\n"
                                             << ""
                                             << "";
    QTest::newRow("empty line skipped") << "" << 0 << ""
                                        << ""
                                        << "";
    QTest::newRow("only blanks and tabs skipped") << " \t \t" << 0 << ""
                                                  << ""
                                                  << "";
    QTest::newRow("line without hash is an area without a name, split at blanks")
            << "  b_man1 b_man2\tb_man3  " << 1 << ""
            << "b_man1,b_man2,b_man3"
            << "";
    QTest::newRow("blanks and tabs around names") << "b_man1, b_man2,\tb_man3 # Downtown" << 1 << ""
                                                  << "b_man1,b_man2,b_man3"
                                                  << "Downtown";
    QTest::newRow("tab and blanks between names are one comma")
            << "hos_man,\tp_wom1\t        male02,\tx # Hospital" << 1 << ""
            << "hos_man,p_wom1,male02,x"
            << "Hospital";
    QTest::newRow("blanks between two commas dropped") << "a, ,\tb , c # N" << 1 << ""
                                                       << "a,,b,c"
                                                       << "N";
    QTest::newRow("written layout")
            << "male01,\t\tfemale01,\tcriminal01,\tb_man1,\t\tst_wom,\t\tfatfemale01,\tp_man1,"
               "\t\tworker1\t\t# Sample"
            << 1 << ""
            << "male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1"
            << "Sample";
    QTest::newRow("hash blank twice splits at the first") << "a,b # North # South" << 1 << ""
                                                          << "a,b"
                                                          << "North # South";
    QTest::newRow("trailing blanks of the name kept") << "a # Docks  " << 1 << ""
                                                      << "a"
                                                      << "Docks  ";
    QTest::newRow("tabs inside the name removed") << "a # Po\trt" << 1 << ""
                                                  << "a"
                                                  << "Port";
    QTest::newRow("line starting with a blank is an area") << " # Docks" << 1 << ""
                                                           << ""
                                                           << "Docks";
    QTest::newRow("line starting with a tab is an area") << "\t# Docks" << 1 << ""
                                                         << ""
                                                         << "Docks";
    QTest::newRow("hash and tab before the name") << "a,b #\tDocks" << 1 << ""
                                                  << "a,b"
                                                  << "Docks";
    QTest::newRow("bare hashes split at the first") << "a#b#c" << 1 << ""
                                                    << "a"
                                                    << "b#c";
    QTest::newRow("bare hash before a hash blank stays in the list") << "a#b,c # Docks" << 1 << ""
                                                                     << "a#b,c"
                                                                     << "Docks";
    QTest::newRow("empty name") << "a,b # " << 1 << ""
                                << "a,b"
                                << "";
    QTest::newRow("bytes above 127 kept")
            << QString::fromLatin1("caf\xe9 # Bar\xff") << 1 << "" << QString::fromLatin1("caf\xe9")
            << QString::fromLatin1("Bar\xff");
}

void TestAreaTable::readsOneLine()
{
    QFETCH(QString, line);
    QFETCH(int, areas);
    const ReadResult read = readLines({line});
    QVERIFY(read.ok());
    const AreaTable &table = read.table;
    QCOMPARE(table.areas.size(), areas);
    QTEST(table.headerText, "header");
    if (areas == 1) {
        QTEST(table.areas.at(1 - 1).areaPeds, "peds");
        QTEST(table.areas.at(1 - 1).areaName, "name");
    }
}

void TestAreaTable::commentLinesGatherInOrderWhereverTheyStand()
{
    const ReadResult read
            = readLines({"# first", "a,b,c,d,e,f,g,h # One", "# second", "", "# third"});
    QCOMPARE(read.table.headerText, QStringLiteral("# first\r\n# second\r\n# third\r\n"));
    QCOMPARE(read.table.areas.size(), 1);
}

void TestAreaTable::theHundredFirstAreaFails_data()
{
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("named area") << "a,b # Area 101";
    QTest::newRow("line without hash") << "a b";
}

void TestAreaTable::theHundredFirstAreaFails()
{
    QFETCH(QString, lastLine);
    QStringList lines;
    for (int area = 1; area <= 99; ++area)
        lines << QStringLiteral("a,b # Area %1").arg(area);
    lines << QStringLiteral("c d") << lastLine;
    const ReadResult read = readLines(lines);
    QCOMPARE(read.table.areas.at(100 - 1).areaPeds, QStringLiteral("c,d"));
    QVERIFY2(read.error.startsWith(QStringLiteral("Index out of range")), qPrintable(read.error));
    QCOMPARE(read.table.areas.size(), 100);
}

void TestAreaTable::positionsBeyond16BitsFail_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    const QString longName(40000, u'x');
    QTest::newRow("long name after an early hash") << "a,b # " + longName << true;
    QTest::newRow("hash blank at 32767") << QString(32766, u'a') + "# N" << true;
    QTest::newRow("hash blank at 32768") << QString(32767, u'a') + "# N" << false;
    QTest::newRow("tab beyond 32767") << QString(32767, u'a') + "\t# N" << false;
    QTest::newRow("tab at 32767 once earlier tabs are gone")
            << QString(10, u'\t') + QString(32766, u'a') + "\t# N" << true;
    QTest::newRow("tab at 32768 once earlier tabs are gone")
            << QString(10, u'\t') + QString(32767, u'a') + "\t# N" << false;
    // Written back, such a line gets its "# " where its end was.
    QTest::newRow("line without hash of 32766 characters") << QString(32766, u'a') << true;
    QTest::newRow("line without hash of 32767 characters") << QString(32767, u'a') << false;
    QTest::newRow("blanks count toward the limit")
            << QString(32765, u'a') + QStringLiteral("  b") << false;
}

void TestAreaTable::positionsBeyond16BitsFail()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    const ReadResult read = readLines({line});
    QCOMPARE(read.ok(), ok);
    if (!ok)
        QVERIFY2(read.error.startsWith(QStringLiteral("Overflow")), qPrintable(read.error));
}

void TestAreaTable::splitsSlots_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("eight names") << "a,b,c,d,e,f,g,h"
                                 << QStringList{"a", "b", "c", "d", "e", "f", "g", "h"};
    QTest::newRow("ten names keep the rest in slot 7")
            << "a,b,c,d,e,f,g,h,i,j" << QStringList{"a", "b", "c", "d", "e", "f", "g", "h,i,j"};
    QTest::newRow("nothing after the seventh comma")
            << "a,b,c,d,e,f,g," << QStringList{"a", "b", "c", "d", "e", "f", "g", ""};
    QTest::newRow("two commas in a row")
            << "a,,c,d,e,f,g,h" << QStringList{"a", "", "c", "d", "e", "f", "g", "h"};
    QTest::newRow("three commas cannot be split") << "a,b,c,d" << QStringList();
    QTest::newRow("no comma cannot be split") << "abc" << QStringList();
    QTest::newRow("empty cannot be split") << "" << QStringList();
}

void TestAreaTable::splitsSlots()
{
    QFETCH(QString, list);
    QFETCH(QStringList, pieces);
    const auto split = splitSlots(list);
    QCOMPARE(split.has_value(), !pieces.isEmpty());
    if (split) {
        QCOMPARE(QStringList(split->begin(), split->end()), pieces);
        QCOMPARE(joinSlots(*split), list);
    }
}

void TestAreaTable::writesAreaLines_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("line");
    QTest::newRow("sample layout")
            << "male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1"
            << "male01,\t\tfemale01,\tcriminal01,\tb_man1,\t\tst_wom,\t\tfatfemale01,\tp_man1,"
               "\t\tworker1\t\t# N\r\n";
    QTest::newRow("six and seven characters")
            << "aaaaaa,bbbbbbb,c,d,e,f,g,h"
            << "aaaaaa,\t\tbbbbbbb,\tc,\t\td,\t\te,\t\tf,\t\tg,\t\th\t\t# N\r\n";
    QTest::newRow("last slot seven and eight characters")
            << "a,b,c,d,e,f,g,hhhhhhh"
            << "a,\t\tb,\t\tc,\t\td,\t\te,\t\tf,\t\tg,\t\thhhhhhh\t\t# N\r\n";
    QTest::newRow("last slot of eight characters")
            << "a,b,c,d,e,f,g,hhhhhhhh"
            << "a,\t\tb,\t\tc,\t\td,\t\te,\t\tf,\t\tg,\t\thhhhhhhh\t# N\r\n";
    QTest::newRow("nine names keep their comma")
            << "a,b,c,d,e,f,g,h,i"
            << "a,\t\tb,\t\tc,\t\td,\t\te,\t\tf,\t\tg,\t\th,i\t\t# N\r\n";
    QTest::newRow("short list written whole") << "a,b,c"
                                              << "a,b,c\t\t# N\r\n";
    QTest::newRow("long short list") << "female01,b"
                                     << "female01,b\t# N\r\n";
    QTest::newRow("typed blank kept") << "a b,b,c,d,e,f,g,h"
                                      << "a b,\t\tb,\t\tc,\t\td,\t\te,\t\tf,\t\tg,\t\th\t\t# N\r\n";
}

void TestAreaTable::writesAreaLines()
{
    QFETCH(QString, list);
    const AreaTable table{QString(), {{QStringLiteral("N"), list}}};
    const QString written = composeFile(table);
    QTEST(written.mid(2), "line");

    // What is written reads back as it was, blanks inside names aside.
    if (!list.contains(u' ')) {
        const ReadResult reread = readAreaTable(written.toLatin1());
        QVERIFY(reread.ok());
        QCOMPARE(reread.table.areas, table.areas);
    }
}

void TestAreaTable::writesHeaderBlankLineAndOnlyFilledAreas()
{
    AreaTable table;
    QCOMPARE(composeFile(table), QStringLiteral("\r\n"));

    table = readLines({"# head", "a,b,c,d,e,f,g,h # One", " # Empty", "i,j,k,l,m,n,o,p # Three"})
                    .table;
    QCOMPARE(table.areas.size(), 3);
    QCOMPARE(composeFile(table),
            QStringLiteral("# head\r\n\r\n"
                           "a,\t\tb,\t\tc,\t\td,\t\te,\t\tf,\t\tg,\t\th\t\t# One\r\n"
                           "i,\t\tj,\t\tk,\t\tl,\t\tm,\t\tn,\t\to,\t\tp\t\t# Three\r\n"));
}

void TestAreaTable::findsTheFirstCharacterALineCannotCarry_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("description");
    QTest::newRow("Latin-1 is writable") << QString::fromLatin1("caf\xe9,\xff,a b") << ","
                                         << "";
    QTest::newRow("character beyond 16 bits")
            << QStringLiteral("a\U0001F6B6") << ""
            << QStringLiteral("Area 'Downtown' holds the character '\U0001F6B6' (U+1F6B6), "
                              "which an 8-bit file cannot hold");
    QTest::newRow("line feed") << "pimp\n"
                               << ""
                               << "Area 'Downtown' holds a line break (U+000A), which would "
                                  "split the area's line in the file";
    QTest::newRow("carriage return") << ""
                                     << "a\rb"
                                     << "Area 'Harbour' holds a line break (U+000D), which would "
                                        "split the area's line in the file";
    QTest::newRow("earlier area first") << "a#" << QStringLiteral("\u20ac")
                                        << "Area 'Downtown' holds the character '#' (U+0023), "
                                           "which would start the area's name or a comment in "
                                           "the file";
    QTest::newRow("earlier character first")
            << QStringLiteral("\u0100,#") << ""
            << QStringLiteral("Area 'Downtown' holds the character '\u0100' (U+0100), which an "
                              "8-bit file cannot hold");
}

void TestAreaTable::findsTheFirstCharacterALineCannotCarry()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    // Names may hold what lists may not: only lists are typed.
    const AreaTable table{QString(),
            {{QStringLiteral("Downtown"), first}, {QStringLiteral("Harbour"), second},
                    {QString::fromLatin1("Docks #\xe9"), QStringLiteral("x")}}};
    QTEST(describeUnwritableCharacter(table), "description");
}

QTEST_APPLESS_MAIN(TestAreaTable)
#include "tst_areatable.moc"
