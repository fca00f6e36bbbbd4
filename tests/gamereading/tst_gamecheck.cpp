#include "format/areareader.h"
#include "format/areawriter.h"
#include "gamereading/gamecheck.h"
#include "support/testfiles.h"

#include <QTest>

namespace {

const QByteArray EightNames = "pimp,pimp,pimp,pimp,pimp,pimp,pimp,pimp";
const QByteArray SevenNames = "pimp,pimp,pimp,pimp,pimp,pimp,pimp";

// Areas named "Area 1" to "Area n"; those in shortAreas hold seven names.
AreaTable areas(int count, const QList<int> &shortAreas = {})
{
    QByteArray file = "# header\r\n";
    for (int area = 1; area <= count; ++area)
        file += areaLine(shortAreas.contains(area) ? SevenNames : EightNames,
                "Area " + QByteArray::number(area));
    return readAreaTable(file).table;
}

QStringList numbered(int count)
{
    QStringList lines;
    for (int line = 1; line <= count; ++line)
        lines << QStringLiteral("finding %1").arg(line);
    return lines;
}

} // namespace

class TestGameCheck : public QObject
{
    Q_OBJECT

private slots:
    void checksHowTheGameReadsAnArea_data();
    void checksHowTheGameReadsAnArea();
    void reportsALineTheGameReadsInPieces_data();
    void reportsALineTheGameReadsInPieces();
    void countsGroupsAsTheGameDoes_data();
    void countsGroupsAsTheGameDoes();
    void reportsZonesPastTheLastGroup_data();
    void reportsZonesPastTheLastGroup();
    void asksWithAtMostTenFindings();
    void readsAKeptLayoutAsTheGameDoes_data();
    void readsAKeptLayoutAsTheGameDoes();
    void callsAnAreaWithoutANameByItsLine();
};

void TestGameCheck::checksHowTheGameReadsAnArea_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("findings");
    const QString area = QStringLiteral("Area 2 (area 2): ");
    const QString moves = QStringLiteral(", so no group; every later group moves up one.");
    const QString ignores = QStringLiteral(" and ignores those after the eighth.");
    const QString nine = QStringLiteral("the game sees 9 names (pimp, pimp, pimp, pimp, pimp, "
                                        "pimp, pimp, pimp, ");

    QTest::newRow("names in other case and the game's own peds are found")
            << "PIMP,Pimp,MALE01,b_MAN1,NewPed,pimp,pimp,pimp" << QStringList();
    QTest::newRow("seven names")
            << QString(SevenNames)
            << QStringList{area + "the game sees 7 names (pimp, pimp, pimp, pimp, pimp, pimp, pimp)"
                       + moves};
    QTest::newRow("nine names, a comma missing between two")
            << "pimp,pimp,pimp,pimp,pimp,pimp,pimp,pimp male01"
            << QStringList{area + nine + "male01)" + ignores};
    QTest::newRow("a # stuck to a name ends the line")
            << "pimp,#pimp,pimp,pimp,pimp,pimp,pimp,pimp"
            << QStringList{area + "the game sees 1 name (pimp)" + moves};
    QTest::newRow("a # before the first name reads as a comment")
            << "#pimp,pimp,pimp,pimp,pimp,pimp,pimp,pimp"
            << QStringList{area + "the game sees no names" + moves};
    QTest::newRow("a short list is written whole")
            << "pimp,zz"
            << QStringList{area + "the game sees 2 names (pimp, zz)" + moves,
                       area + "the game will not find zz."};
    QTest::newRow("unknown names, each once")
            << "pimp,zz,pimp,Zz,zz,pimp,pimp,pimp"
            << QStringList{area + "the game will not find zz, Zz."};
    QTest::newRow("unknown name after the eighth is not looked up")
            << "pimp,pimp,pimp,pimp,pimp,pimp,pimp,pimp,zz"
            << QStringList{area + nine + "zz)" + ignores};
    QTest::newRow("a line break in a slot")
            << "pimp,pimp,pimp,pimp\npimp,pimp,pimp,pimp,pimp"
            << QStringList{area + "a line break in its list makes the game see 2 lines."};
}

void TestGameCheck::checksHowTheGameReadsAnArea()
{
    QFETCH(QString, list);
    AreaTable table = areas(3);
    table.areas[1].areaPeds = list;
    QTEST(gameCheckFindings(table, GameModels({QStringLiteral("newped")})), "findings");
}

// The text of a written line, before CR LF, made that long by its area's name.
void TestGameCheck::reportsALineTheGameReadsInPieces_data()
{
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<bool>("reported");
    QTest::newRow("1,022 characters") << 1022 << false;
    QTest::newRow("1,023 characters") << 1023 << true;
}

void TestGameCheck::reportsALineTheGameReadsInPieces()
{
    QFETCH(int, lineLength);
    QFETCH(bool, reported);
    // Written: seven times "pimp,<TAB><TAB>", then "pimp<TAB><TAB># " and the name.
    const QByteArray name(lineLength - 57, 'n');
    const AreaTable table = readAreaTable("# header\r\n" + areaLine(EightNames, name)).table;
    const QStringList findings{name
            + " (area 1): the game reads only the first 1,022 characters of this line; the rest "
              "becomes a line of its own."};
    QCOMPARE(gameCheckFindings(table, GameModels()), reported ? findings : QStringList());
}

void TestGameCheck::countsGroupsAsTheGameDoes_data()
{
    QTest::addColumn<int>("areaCount");
    QTest::addColumn<QList<int>>("shortAreas");
    QTest::addColumn<QString>("countFinding");
    QTest::newRow("31 groups") << 31 << QList<int>() << QString();
    QTest::newRow("32 groups") << 32 << QList<int>()
                               << "32 groups, but the game holds 31: the groups from Area 32 (area "
                                  "32) on write past its table.";
    QTest::newRow("32 areas, one no group") << 32 << QList<int>{5} << QString();
    QTest::newRow("34 areas, one no group")
            << 34 << QList<int>{2}
            << "33 groups, but the game holds 31: the groups from Area 33 (area 33) on write past "
               "its table.";
}

void TestGameCheck::countsGroupsAsTheGameDoes()
{
    QFETCH(int, areaCount);
    QFETCH(QList<int>, shortAreas);
    QFETCH(QString, countFinding);
    const QStringList findings = gameCheckFindings(areas(areaCount, shortAreas), GameModels());
    QCOMPARE(findings.size(), shortAreas.size() + (countFinding.isEmpty() ? 0 : 1));
    if (!countFinding.isEmpty())
        QCOMPARE(findings.first(), countFinding);
}

// Nine areas, one of them no group: a zone's group 8 is the first past the groups.
void TestGameCheck::reportsZonesPastTheLastGroup_data()
{
    QTest::addColumn<std::optional<int>>("day");
    QTest::addColumn<std::optional<int>>("night");
    QTest::addColumn<QStringList>("findings");
    const QString harbor = QStringLiteral("Portland Harbor uses group %1 by %2, but the game reads "
                                          "only 8 groups from this file.");
    QTest::newRow("within the groups")
            << std::optional<int>(7) << std::optional<int>(0) << QStringList();
    QTest::newRow("by night") << std::optional<int>(7) << std::optional<int>(8)
                              << QStringList{harbor.arg("8", "night")};
    QTest::newRow("by day and night, one group") << std::optional<int>(30) << std::optional<int>(30)
                                                 << QStringList{harbor.arg("30", "day and night")};
    QTest::newRow("by day and night, two groups")
            << std::optional<int>(9) << std::optional<int>(8)
            << QStringList{harbor.arg("9", "day"), harbor.arg("8", "night")};
    QTest::newRow("set while the game runs")
            << std::optional<int>() << std::optional<int>() << QStringList();
}

void TestGameCheck::reportsZonesPastTheLastGroup()
{
    QFETCH(std::optional<int>, day);
    QFETCH(std::optional<int>, night);
    GameZone city;
    city.label = city.name = CityZoneLabel;
    GameZone harbor;
    harbor.label = QStringLiteral("PORT_E");
    harbor.name = QStringLiteral("Portland Harbor");
    harbor.dayGroup = day;
    harbor.nightGroup = night;
    const QStringList findings
            = gameCheckFindings(areas(9, {4}), GameModels(), {}, nullptr, {city, harbor});
    QCOMPARE(findings.first(),
            QStringLiteral("Area 4 (area 4): the game sees 7 names (pimp, pimp, pimp, pimp, pimp, "
                           "pimp, pimp), so no group; every later group moves up one."));
    QTEST(findings.mid(1), "findings");
}

void TestGameCheck::asksWithAtMostTenFindings()
{
    const QString lead = QStringLiteral("Problems the game will have with this file:\r\n\r\n");
    const QString ask = QStringLiteral("\r\n\r\nSave anyway?");
    const QString ten = numbered(10).join(QStringLiteral("\r\n"));
    QCOMPARE(gameCheckQuestion(numbered(10)), lead + ten + ask);
    QCOMPARE(gameCheckQuestion(numbered(12)), lead + ten + "\r\n... and 2 more" + ask);
}

// The lines as read, not as the TAB layout would write them.
void TestGameCheck::readsAKeptLayoutAsTheGameDoes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<int>("groups");
    const QString joined = QStringLiteral(
            "the game takes a lone CR for no line end, so it reads this line as part of line 1.");

    QTest::newRow("a hash stuck to the last name is part of it")
            << EightNames + "#Town\r\n"
            << QStringList{"Town (area 1): the game will not find pimp#Town."} << 1;
    QTest::newRow("a lone CR after a comment")
            << "# note\r" + EightNames + "\t# One\r\n"
            << QStringList{"One (area 1): " + joined,
                       "One (area 1): the game sees no names, so no group; every later group moves "
                       "up one."}
            << 0;
    QTest::newRow("a lone CR between two areas")
            << EightNames + "\t# One\r" + EightNames + "\t# Two\r\n"
            << QStringList{"Two (area 2): " + joined} << 1;
    QTest::newRow("a lone CR after blanks joins nothing") << " \r" + EightNames + "\t# One\n"
                                                          << QStringList() << 1;
    QTest::newRow("blanks make the line too long")
            << EightNames + QByteArray(1000, ' ') + "# Long"
            << QStringList{"Long (area 1): the game reads only the first 1,022 characters of this "
                           "line; the rest becomes a line of its own."}
            << 1;
}

void TestGameCheck::readsAKeptLayoutAsTheGameDoes()
{
    QFETCH(QByteArray, file);
    QFETCH(int, groups);
    const ReadResult read = readAreaTable(file);
    QTEST(gameCheckFindings(read.table, GameModels(), {}, &read.layout), "findings");
    int counted = 0;
    for (const AreaReading &reading : gameAreaReadings(read.table, &read.layout))
        counted += reading.groups;
    QCOMPARE(counted, groups);
}

void TestGameCheck::callsAnAreaWithoutANameByItsLine()
{
    // A header line and an empty one, then 32 lines without "#": area n on line n + 2.
    QByteArray file = "# header\r\n\r\n";
    for (int area = 1; area <= 32; ++area)
        file += (area == 31 ? SevenNames + ",zz" : EightNames) + "\r\n";
    const AreaTable table = readAreaTable(file).table;
    const QList<int> lines = writtenAreaLines(table, nullptr);
    const QList<GameCheckFinding> findings = gameCheck(table, GameModels(), lines);
    QCOMPARE(findings.size(), 2);
    QCOMPARE(findings[0].area, 32);
    QCOMPARE(findings[0].text(),
            QStringLiteral("32 groups, but the game holds 31: the groups from line 34 (area 32) on "
                           "write past its table."));
    QCOMPARE(findings[1].area, 31);
    QCOMPARE(findings[1].areaCalled, QStringLiteral("line 33"));
    QCOMPARE(findings[1].text(), QStringLiteral("line 33 (area 31): the game will not find zz."));
    // Without a line the name stays as it is.
    QCOMPARE(calledArea(table, {}, 31), QString());
}

QTEST_GUILESS_MAIN(TestGameCheck)
#include "tst_gamecheck.moc"
