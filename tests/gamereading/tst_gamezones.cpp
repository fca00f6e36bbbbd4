#include "gamereading/gamezones.h"
#include "gamereading/mainscript.h"
#include "support/gamefiles.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString described(const ZoneEntry &zone)
{
    const ZoneBox &b = zone.box;
    return QStringLiteral("%1 %2 %3,%4,%5-%6,%7,%8 %9")
            .arg(zone.label)
            .arg(zone.type)
            .arg(b.minX)
            .arg(b.minY)
            .arg(b.minZ)
            .arg(b.maxX)
            .arg(b.maxY)
            .arg(b.maxZ)
            .arg(zone.level);
}

QString groupText(const std::optional<int> &group)
{
    return group ? QString::number(*group) : QStringLiteral("?");
}

QString described(const ZoneGroupCommand &command)
{
    return command.label + u' ' + groupText(command.dayFlag) + u' ' + groupText(command.group);
}

QString described(const GameZone &zone)
{
    return QStringLiteral("%1 \"%2\" %3/%4")
            .arg(zone.label, zone.name, groupText(zone.dayGroup), groupText(zone.nightGroup));
}

template <typename T> QStringList describedAll(const QList<T> &items)
{
    QStringList texts;
    for (const T &item : items)
        texts << described(item);
    return texts;
}

const QByteArray Corners = " 1 2 3 4 5 6 ";

QByteArray zoneSection(const QByteArray &lines)
{
    return "zone\r\n" + lines + "end\r\n";
}

GameZone zone(const QString &label, const QString &name, std::optional<int> day,
        std::optional<int> night, int type = 1, int level = 1)
{
    GameZone zone;
    zone.label = label;
    zone.name = name;
    zone.type = type;
    zone.level = level;
    zone.dayGroup = day;
    zone.nightGroup = night;
    return zone;
}

} // namespace

class TestGameZones : public QObject
{
    Q_OBJECT

private slots:
    void readsTheZoneFileAsTheGame_data();
    void readsTheZoneFileAsTheGame();
    void findsTheZoneGroupCommandsInTheCode_data();
    void findsTheZoneGroupCommandsInTheCode();
    void findsTextsByKey_data();
    void findsTextsByKey();
    void givesEachZoneItsGroupsAndName_data();
    void givesEachZoneItsGroupsAndName();
    void readsTheFilesOfTheGameFolder();
    void saysWhereAGroupWalks_data();
    void saysWhereAGroupWalks();

private:
    QTemporaryDir m_dir;
};

void TestGameZones::readsTheZoneFileAsTheGame_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("zones");
    QTest::newRow("commas, TABs and blanks separate fields") << zoneSection(
            "CHINA,\t1,1.5, 2,3 ,4,5,6,\t1\r\n") << QStringList{"CHINA 1 1.5,2,3-4,5,6 1"};
    QTest::newRow("leading blanks, comments, empty lines; no end reads to the last line")
            << QByteArray("  zone\n\n# A 0" + Corners + "1\n \t B 0" + Corners + "1")
            << QStringList{"B 0 1,2,3-4,5,6 1"};
    QTest::newRow("only lines between zone and end") << QByteArray(
            "A 0" + Corners + "1\nzone\nB 0" + Corners + "1\nend\nC 0" + Corners + "1\n")
                                                     << QStringList{"B 0 1,2,3-4,5,6 1"};
    QTest::newRow("a line with fewer fields, or a field that is no number, is skipped")
            << zoneSection("A 0" + Corners + "\nB 0 1 2 x 4 5 6 1\nC 0" + Corners + "1\n")
            << QStringList{"C 0 1,2,3-4,5,6 1"};
    QTest::newRow("the 7-character cut, upper case") << zoneSection(
            "Industrial 0" + Corners + "1\n") << QStringList{"INDUSTR 0 1,2,3-4,5,6 1"};
    QTest::newRow("corners in either order")
            << zoneSection("A 2 4 -5 6 1 2 -3 3\n") << QStringList{"A 2 1,-5,-3-4,2,6 3"};
    QTest::newRow("types other than 0 to 2 carry no groups")
            << zoneSection("MAP 3" + Corners + "1\nNEG -1" + Corners + "1\n") << QStringList();
    QByteArray sixty;
    QStringList fortyNine;
    for (int line = 0; line < 60; ++line) {
        sixty += "Z" + QByteArray::number(line) + " 0" + Corners + "0\n";
        if (line < GameZoneCapacity - 1)
            fortyNine << QStringLiteral("Z%1 0 1,2,3-4,5,6 0").arg(line);
    }
    QTest::newRow("49 zones beside CITYZON at most") << zoneSection(sixty) << fortyNine;
}

void TestGameZones::readsTheZoneFileAsTheGame()
{
    QFETCH(QByteArray, file);
    QTEST(describedAll(readZoneFile(file)), "zones");
}

void TestGameZones::findsTheZoneGroupCommandsInTheCode_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("commands");
    const QByteArray wait = "\x01\x00" + int16Value(250);
    const QByteArray china = setZoneGroup("CHINA", true, 5);

    ScriptParts sizes;
    sizes.main = wait + setZoneGroup("CHINA", int8Value(1), int8Value(5))
            + setZoneGroup("PORT_E", int16Value(0), int16Value(8)) + wait
            + setZoneGroup("IND_ZON", int32Value(1), int32Value(-1));
    QTest::newRow("numbers of 8, 16 and 32 bits")
            << scriptBytes(sizes) << QStringList{"CHINA 1 5", "PORT_E 0 8", "IND_ZON 1 -1"};

    ScriptParts variables;
    variables.main = setZoneGroup("CHINA", globalVariable(3), int8Value(5))
            + setZoneGroup("PARK", int8Value(0), QByteArray("\x03\x02\x00", 3));
    QTest::newRow("variables") << scriptBytes(variables) << QStringList{"CHINA ? 5", "PARK 0 ?"};

    ScriptParts decoys;
    decoys.globals = china + QByteArray(4, '\0');
    decoys.models = {"\x24\x03"
                     "CHINA",
            china.left(24)};
    decoys.main = setZoneGroup("PARK", false, 26);
    QTest::newRow("decoys in the header blocks") << scriptBytes(decoys) << QStringList{"PARK 0 26"};

    ScriptParts missions;
    missions.main = wait;
    missions.missions = {wait, wait + setZoneGroup("PARK", true, 25)};
    QTest::newRow("missions are code") << scriptBytes(missions) << QStringList{"PARK 1 25"};

    ScriptParts invalid;
    invalid.main = setZoneGroup("china", true, 5) + setZoneGroup("CHINATOW", true, 5)
            + setZoneGroup("", true, 5) + setZoneGroup("CHI NA", true, 5)
            + setZoneGroup("CHINA", QByteArray("\x06\x01", 2), int8Value(5))
            + setZoneGroup("CHINA", int8Value(1), QByteArray("\x00\x05", 2))
            + setZoneGroup(QByteArray("CHINA\0\xff\x24", 8), true, 6);
    QTest::newRow("invalid labels and values, bytes after the label's NUL")
            << scriptBytes(invalid) << QStringList{"CHINA 1 6"};

    ScriptParts cut;
    cut.main = china + china;
    QTest::newRow("a command cut by the end of the file")
            << scriptBytes(cut).chopped(1) << QStringList{"CHINA 1 5"};
    QTest::newRow("cut in the header blocks")
            << scriptBytes(cut).left(40) << QStringList{"not a script"};
    QTest::newRow("not a script") << QByteArray("CHINA" + china) << QStringList{"not a script"};
}

void TestGameZones::findsTheZoneGroupCommandsInTheCode()
{
    QFETCH(QByteArray, script);
    const auto commands = zoneGroupCommands(script);
    QTEST(commands ? describedAll(*commands) : QStringList{"not a script"}, "commands");
}

void TestGameZones::findsTextsByKey_data()
{
    QTest::addColumn<QByteArray>("gxt");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("text");
    const QByteArray two
            = gxtBytes({{"CHINA", QStringLiteral("Chinatown")}, {"PORT_E", "Portland Harbor"}});
    QTest::newRow("a key's text") << two << QByteArray("PORT_E") << "Portland Harbor";
    QTest::newRow("a missing key") << two << QByteArray("PARK") << QString();
    QTest::newRow("UTF-16 beyond Latin-1") << gxtBytes({{"A", QStringLiteral("Ça \u03A9 \u2192")}})
                                           << QByteArray("A") << QStringLiteral("Ça \u03A9 \u2192");
    QTest::newRow("other sections are skipped") << QByteArray("TABL\x03\x00\x00\x00xyz", 11) + two
                                                << QByteArray("CHINA") << "Chinatown";
    QTest::newRow("a text cut by the end of the file")
            << two.chopped(6) << QByteArray("PORT_E") << "Portland Harb";
    QByteArray pastTexts = two;
    pastTexts[8] = '\x7f';
    QTest::newRow("an offset past the texts") << pastTexts << QByteArray("CHINA") << QString();
    QMap<QByteArray, QString> many;
    for (int key = 0; key < 1000; ++key)
        many.insert("K" + QByteArray::number(key), QString::number(key));
    QTest::newRow("a thousand keys") << gxtBytes(many) << QByteArray("K737") << "737";
}

void TestGameZones::findsTextsByKey()
{
    QFETCH(QByteArray, gxt);
    QFETCH(QByteArray, key);
    QTEST(GameTexts(gxt).text(key).value_or(QString()), "text");
}

void TestGameZones::givesEachZoneItsGroupsAndName_data()
{
    QTest::addColumn<QByteArray>("zoneFile");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QStringList>("zones");
    const QByteArray oneZone = zoneSection("CHINA 1" + Corners + "1\n");
    const QString city = QStringLiteral("CITYZON \"Liberty City\" ");
    QTest::newRow("a zone never set uses group 0; a label of no zone does nothing")
            << oneZone << setZoneGroup("NOZONE", true, 4)
            << QStringList{city + "0/0", "CHINA \"Chinatown\" 0/0"};
    QTest::newRow("CITYZON's last command sets day and night")
            << oneZone << setZoneGroup("CITYZON", true, 3) + setZoneGroup("CITYZON", false, 4)
            << QStringList{city + "4/4", "CHINA \"Chinatown\" 0/0"};
    QTest::newRow("day and night")
            << oneZone
            << setZoneGroup("CHINA", int8Value(7), int8Value(5)) + setZoneGroup("CHINA", false, 6)
            << QStringList{city + "0/0", "CHINA \"Chinatown\" 5/6"};
    QTest::newRow("a day flag the script computes may set either")
            << oneZone
            << setZoneGroup("CHINA", true, 5)
                    + setZoneGroup("CHINA", globalVariable(0), int8Value(6))
            << QStringList{city + "0/0", "CHINA \"Chinatown\" ?/?"};
    QTest::newRow("the first zone of a label; names by label without a text or for information")
            << zoneSection("CHINA 1" + Corners + "1\nChina 1" + Corners + "1\nPARK 2" + Corners
                       + "2\nX 0" + Corners + "3\n")
            << setZoneGroup("CHINA", true, 5)
            << QStringList{city + "0/0", "CHINA \"Chinatown\" 5/0", "CHINA \"Chinatown\" 0/0",
                       "PARK \"PARK\" 0/0", "X \"X\" 0/0"};
}

void TestGameZones::givesEachZoneItsGroupsAndName()
{
    QFETCH(QByteArray, zoneFile);
    QFETCH(QByteArray, code);
    ScriptParts script;
    script.main = code;
    const GameTexts texts(gxtBytes(
            {{"CITYZON", "Liberty City"}, {"CHINA", "Chinatown"}, {"PARK", "Belleville Park"}}));
    QTEST(describedAll(gameZones(zoneFile, scriptBytes(script), texts)), "zones");
}

void TestGameZones::readsTheFilesOfTheGameFolder()
{
    const QString game = m_dir.filePath(QStringLiteral("game"));
    const QString document = game + QStringLiteral("/Data/pedgrp.dat");
    ScriptParts script;
    script.main = setZoneGroup("CHINA", true, 5);
    writeFile(game + QStringLiteral("/Data/GTA3.ZON"), zoneSection("CHINA 1" + Corners + "1\n"));
    writeFile(game + QStringLiteral("/Data/Main.Scm"), scriptBytes(script));
    writeFile(game + QStringLiteral("/TEXT/American.gxt"), gxtBytes({{"CHINA", "Chinatown"}}));
    QCOMPARE(describedAll(readGameZones(document)),
            QStringList({"CITYZON \"CITYZON\" 0/0", "CHINA \"Chinatown\" 5/0"}));

    writeFile(game + QStringLiteral("/pedgrp.dat"), "x");
    QVERIFY(readGameZones(game + QStringLiteral("/pedgrp.dat")).isEmpty());

    QVERIFY(QFile::remove(game + QStringLiteral("/TEXT/American.gxt")));
    QCOMPARE(readGameZones(document).last().name, QStringLiteral("CHINA"));

    // A script of more than 16 MiB is not read.
    script.missions = {QByteArray(16 * 1024 * 1024, '\0')};
    writeFile(game + QStringLiteral("/Data/Main.Scm"), scriptBytes(script));
    QVERIFY(readGameZones(document).isEmpty());
    QVERIFY(QFile::remove(game + QStringLiteral("/Data/Main.Scm")));
    QVERIFY(readGameZones(document).isEmpty());
}

void TestGameZones::saysWhereAGroupWalks_data()
{
    QTest::addColumn<GameZones>("zones");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("where");
    const GameZones zones{zone("CITYZON", "Liberty City", 0, 0, 0, 0),
            zone("IND_ZON", "Portland", 11, 12, 0), zone("PORT_E", "Harbor", 7, 8),
            zone("SUB_IND", "Pike Creek", 7, 8, 1, 3), zone("PORT_W", "Harbor", 8, 9),
            zone("ROADBR1", "Bridge", 11, 12), zone("ROADBR2", "Bridge", 11, 12, 1, 2),
            zone("VAR", "Var", std::nullopt, 3)};
    QTest::newRow("CITYZON by day and by night") << zones << 0 << "Liberty City";
    QTest::newRow("a name twice with one suffix") << zones << 11 << "Portland (day), Bridge (day)";
    QTest::newRow("a name by day from one zone, by night from another")
            << zones << 8 << "Harbor, Pike Creek (night)";
    QTest::newRow("a group beside a variable") << zones << 3 << "Var (night)";
    QTest::newRow("a group no zone uses") << zones << 13 << "no zone uses it";
    QTest::newRow("no zones") << GameZones() << 0 << "";
}

void TestGameZones::saysWhereAGroupWalks()
{
    QFETCH(GameZones, zones);
    QFETCH(int, group);
    QTEST(groupWhereText(zones, group), "where");
    if (group == 8)
        QCOMPARE(groupWhereDetails(zones, group),
                QStringLiteral("Harbor (night): PORT_E, navigation zone, Portland\n"
                               "Pike Creek (night): SUB_IND, navigation zone, Shoreside Vale\n"
                               "Harbor (day): PORT_W, navigation zone, Portland\n"
                               "Set while the game runs: Var (day)"));
}

QTEST_GUILESS_MAIN(TestGameZones)
#include "tst_gamezones.moc"
