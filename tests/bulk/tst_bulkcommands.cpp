#include "app/frmmain.h"
#include "bulk/randomize.h"
#include "bulk/scan.h"
#include "bulk/setall.h"
#include "format/areareader.h"
#include "format/pedcatalogue.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QComboBox>
#include <QGroupBox>
#include <QTest>

#include <cmath>

namespace {

const QByteArray Downtown = "male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1";
const QByteArray NineNames
        = "st_man,st_wom,fan_man1,fan_man2,fan_wom,stud_man,stud_wom,shopper1,pimp";
const QByteArray Damaged = "b_man1,b_man2,b_man3";

// Area 3 is damaged; areas 1 and 4 carry the same name.
const QByteArray FourAreas = "# Pedestrian groups\r\n" + areaLine(Downtown, "Downtown")
        + areaLine(NineNames, "Harbour") + Damaged + " # Broken\r\n"
        + areaLine(Downtown, "Downtown");

const float LargestBelowOne = std::nextafter(1.0f, 0.0f);

QString eightTimes(const QString &name)
{
    return QStringList(SlotCount, name).join(u',');
}

QStringList areaLists(const AreaTable &table)
{
    QStringList lists;
    for (int area = 1; area <= table.areas.size(); ++area)
        lists.append(table.areas.at(area - 1).areaPeds);
    return lists;
}

} // namespace

class TestBulkCommands : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setAllRejectsWithoutChange_data();
    void setAllRejectsWithoutChange();
    void setAllInAreaFillsOnlyTheSelectedArea();
    void setAllInLibertyCityFillsEveryAreaOnce();

    void drawPosition_data();
    void drawPosition();
    void randomizeInAreaDrawsEightFromTheBoxLists();
    void randomizeInAllAreasDrawsAreaByArea();
    void bulkCommandsOnAnEmptyListChangeNothing();

    void scanReport_data();
    void scanReport();
    void scanShowsItsReportAndChangesNothing();

private:
    // Loads a game folder whose pedgrp.dat holds bytes, forgetting the load's dialogs.
    bool load(const QByteArray &bytes);
};

void TestBulkCommands::init()
{
    QVERIFY(createEditor());
}

void TestBulkCommands::cleanup()
{
    destroyEditor();
}

bool TestBulkCommands::load(const QByteArray &bytes)
{
    loadGame(bytes);
    forgetDialogs();
    return m_editor->hasDocument();
}

void TestBulkCommands::setAllRejectsWithoutChange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("reported");
    QTest::newRow("capitals") << "PIMP" << true;
    QTest::newRow("leading blank") << " pimp" << true;
    QTest::newRow("trailing blank") << "pimp " << true;
    QTest::newRow("cancel or empty") << "" << false;
}

void TestBulkCommands::setAllRejectsWithoutChange()
{
    QFETCH(QString, typed);
    QFETCH(bool, reported);
    QVERIFY(load(FourAreas));
    m_editor->selectArea(1);
    m_fake->dialogs.messages.clear();
    const QStringList before = areaLists(m_editor->table());

    m_fake->dialogs.inputAnswers << typed << typed;
    setAllInAreaCommand(*m_editor, m_fake->dialogs);
    setAllInLibertyCityCommand(*m_editor, m_fake->dialogs);

    QCOMPARE(areaLists(m_editor->table()), before);
    QCOMPARE(m_editor->isModified(), false);
    QCOMPARE(m_editor->selectedArea(), 1);
    QCOMPARE(cmbped(0)->currentText(), QStringLiteral("st_man"));
    const ShownMessage refusal{"Error: Could not find the pedestrian '" + typed + "'.",
            QStringLiteral("Error"), MessageIcon::Warning, MessageButtons::Ok};
    QCOMPARE(
            m_fake->dialogs.messages, (reported ? QList{refusal, refusal} : QList<ShownMessage>()));
}

void TestBulkCommands::setAllInAreaFillsOnlyTheSelectedArea()
{
    QVERIFY(load(FourAreas));
    m_editor->selectArea(1);
    m_fake->dialogs.inputAnswers << QStringLiteral("pimp");

    setAllInAreaCommand(*m_editor, m_fake->dialogs);

    const AskedInput asked = m_fake->dialogs.inputs.value(0);
    QCOMPARE(asked.prompt,
            QStringLiteral("Enter the name of the ped to use, it will be checked to "
                           "make sure it exists."));
    QCOMPARE(asked.title, QStringLiteral("Set All In Area"));
    QCOMPARE(asked.defaultText, QString());
    const QStringList expected{Downtown, eightTimes("pimp"), Damaged, Downtown};
    QCOMPARE(areaLists(m_editor->table()), expected);
    QVERIFY(m_editor->isModified());
    QCOMPARE(m_editor->selectedArea(), 1);
}

void TestBulkCommands::setAllInLibertyCityFillsEveryAreaOnce()
{
    QVERIFY(load(FourAreas));
    m_fake->dialogs.inputAnswers << QStringLiteral("b_wom2");
    const QStringList before = areaLists(m_editor->table());
    QStringList listsWhileWarning;
    m_fake->dialogs.onMessage
            = [&](const ShownMessage &) { listsWhileWarning = areaLists(m_editor->table()); };

    setAllInLibertyCityCommand(*m_editor, m_fake->dialogs);

    QCOMPARE(m_fake->dialogs.inputs.value(0).title, QStringLiteral("Set All In LIberty"));
    QCOMPARE(m_fake->dialogs.inputs.value(0).prompt,
            QStringLiteral("Enter the name of the ped to use in every area in every city, it will "
                           "be checked to make sure it exists."));
    // The damaged area is reported before any area changes, and replaced after that.
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QVERIFY(m_fake->dialogs.messages[0].text.contains("Damaged Area: Broken."));
    QCOMPARE(listsWhileWarning, before);
    QCOMPARE(areaLists(m_editor->table()), QStringList(4, eightTimes("b_wom2")));
    QCOMPARE(m_editor->selectedArea(), 3);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Downtown]"));
    QVERIFY(m_editor->isModified());
}

void TestBulkCommands::drawPosition_data()
{
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("position");
    QTest::newRow("zero picks the first") << 57 << 0.0f << 0;
    QTest::newRow("largest below one picks the last") << 57 << LargestBelowOne << 56;
    QTest::newRow("one is held to the last") << 57 << 1.0f << 56;
    QTest::newRow("rounds down, not to the nearest") << 57 << 27.9f / 57.0f << 27;
    QTest::newRow("half") << 57 << 0.5f << 28;
    QTest::newRow("one item") << 1 << LargestBelowOne << 0;
}

void TestBulkCommands::drawPosition()
{
    QFETCH(int, itemCount);
    QFETCH(float, r);
    QFETCH(int, position);
    QCOMPARE(::drawPosition(itemCount, r), position);
}

void TestBulkCommands::randomizeInAreaDrawsEightFromTheBoxLists()
{
    QVERIFY(load(FourAreas));
    m_editor->selectArea(1);
    m_fake->random.numbers = {0.0f, LargestBelowOne, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.75f};

    randomizeInAreaCommand(*m_editor, m_fake->random);

    QCOMPARE(m_fake->random.reseeds, 1);
    QCOMPARE(m_fake->random.draws, 8);
    const QStringList expected{Downtown,
            "st_man,prostitute2,male01,st_man,st_man,st_man,st_man,st_man", Damaged, Downtown};
    QCOMPARE(areaLists(m_editor->table()), expected);
    QCOMPARE(m_editor->selectedArea(), 1);
    QVERIFY(m_editor->isModified());
}

void TestBulkCommands::randomizeInAllAreasDrawsAreaByArea()
{
    QVERIFY(load(FourAreas));
    for (int draw = 0; draw < 4 * SlotCount; ++draw)
        m_fake->random.numbers.append(float(draw) / 57.0f + 0.001f);

    randomizeInAllAreasCommand(*m_editor, m_fake->random);

    QCOMPARE(m_fake->random.reseeds, 1);
    QCOMPARE(m_fake->random.draws, 4 * SlotCount);
    const QStringList &names = pedCatalogue();
    QStringList expected;
    for (int area = 0; area < 4; ++area)
        expected.append(names.mid(area * SlotCount, SlotCount).join(u','));
    QCOMPARE(areaLists(m_editor->table()), expected);
    QCOMPARE(m_fake->dialogs.messages.size(), 1); // the damaged area, before it was replaced
    QCOMPARE(m_editor->selectedArea(), 3);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Downtown]"));
}

void TestBulkCommands::bulkCommandsOnAnEmptyListChangeNothing()
{
    QVERIFY(load("# no areas\r\n"));
    m_fake->dialogs.inputAnswers << QStringLiteral("pimp");

    randomizeInAllAreasCommand(*m_editor, m_fake->random);
    setAllInLibertyCityCommand(*m_editor, m_fake->dialogs);

    QCOMPARE(m_fake->random.draws, 0);
    QCOMPARE(m_editor->isModified(), false);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

void TestBulkCommands::scanReport_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("report");
    const QString allClear = QStringLiteral("All peds in all areas exist. No errors found.");
    QTest::newRow("all known") << "# header\r\n" + areaLine(Downtown, "Downtown")
                    + areaLine(Downtown, "Docks")
                               << allClear;
    QTest::newRow("empty table") << QByteArray("# nothing\r\n") << allClear;
    QTest::newRow("area without models skipped")
            << "\t# Empty\r\n" + areaLine(Downtown, "Downtown") << allClear;
    QTest::newRow("capitals")
            << areaLine("st_man,st_wom,FAN_MAN1,b_man1,b_man1,b_man1,b_man1,b_man1", "Docks")
            << "The pedestrian 'FAN_MAN1' does not exist. This is ped number '3' in 'Docks'.";
    QTest::newRow("empty name between commas")
            << areaLine("st_man,,st_wom,b_man1,b_man1,b_man1,b_man1,b_man1", "Docks")
            << "The pedestrian '' does not exist. This is ped number '2' in 'Docks'.";
    QTest::newRow("nine names are ped number 8") << areaLine(NineNames, "Harbour")
                                                 << "The pedestrian 'shopper1,pimp' does not "
                                                    "exist. This is ped number '8' in 'Harbour'.";
    QTest::newRow("lower slot first")
            << areaLine("st_man,st_wom,zed,b_man1,yak,b_man1,b_man1,b_man1", "Docks")
            << "The pedestrian 'zed' does not exist. This is ped number '3' in 'Docks'.";
    QTest::newRow("lower area first")
            << areaLine(Downtown, "One")
                    + areaLine("zed,b_man1,b_man1,b_man1,b_man1,b_man1,b_man1,b_man1", "Two")
                    + areaLine("yak,b_man1,b_man1,b_man1,b_man1,b_man1,b_man1,b_man1", "Three")
            << "The pedestrian 'zed' does not exist. This is ped number '1' in 'Two'.";
    QTest::newRow("damaged list")
            << areaLine(Downtown, "One") + Damaged + " # Broken\r\n"
            << "The area 'Broken' does not hold eight peds: 'b_man1,b_man2,b_man3'.";
}

void TestBulkCommands::scanReport()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, report);
    const ReadResult read = readAreaTable(file);
    QVERIFY(read.ok());
    QCOMPARE(::scanReport(read.table), report);
}

void TestBulkCommands::scanShowsItsReportAndChangesNothing()
{
    QVERIFY(load(areaLine(Downtown, "Downtown") + areaLine(NineNames, "Harbour")));
    m_editor->selectArea(0);
    const QStringList before = areaLists(m_editor->table());

    scanCommand(*m_editor, m_fake->dialogs);

    const ShownMessage report{QStringLiteral("The pedestrian 'shopper1,pimp' does not exist. "
                                             "This is ped number '8' in 'Harbour'."),
            QStringLiteral("Error Scan"), MessageIcon::Information, MessageButtons::Ok};
    QCOMPARE(m_fake->dialogs.messages, QList{report});
    QCOMPARE(areaLists(m_editor->table()), before);
    QCOMPARE(m_editor->isModified(), false);
    QCOMPARE(m_editor->selectedArea(), 0);
}

QTEST_MAIN(TestBulkCommands)
#include "tst_bulkcommands.moc"
