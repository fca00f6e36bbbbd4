#include "app/zonemap.h"
#include "gamereading/gamecheck.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolTip>

// The Zone Map window over the real main window, on a small game: Alpha Park
// (groups 1 by day, 2 by night) in the west half of the map, Beta Docks (0
// and 1) in the east half.
class TestZoneMap : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saysWhyItShowsNoZones();
    void captionSaysWhereTheSelectedAreasGroupWalks();
    void groupsFollowTheLayoutSaveKeeps();
    void clickSelectsTheAreaOfTheZonesGroup();
    void wheelZoomsAtThePointerDragPansHomeFits();
    void tooltipNamesTheZoneAndItsGroups();
    void zonesArriveAfterTheDocumentShows();
    void keysOfTheDocumentWorkAndItClosesWithTheMainWindow();
    void opensOnTheSideAllAreasLeaves_data();
    void opensOnTheSideAllAreasLeaves();

private:
    QString loadZoneGame();
    void openZoneMap();
    QWidget *mapWindow() const { return child<QWidget>(QStringLiteral("frmzonemap")); }
    ZoneMap *map() const { return child<ZoneMap>(QStringLiteral("zonemap")); }
    QString caption() const { return child<QLabel>(QStringLiteral("caption"))->text(); }
    // The middle of Alpha Park and of Beta Docks, however the map fits them.
    QPoint west() const { return QPoint(map()->width() * 3 / 10, map()->height() / 2); }
    QPoint east() const { return QPoint(map()->width() * 7 / 10, map()->height() / 2); }
};

void TestZoneMap::init()
{
    QVERIFY(createEditor());
}

void TestZoneMap::cleanup()
{
    destroyEditor();
}

QString TestZoneMap::loadZoneGame()
{
    const QString game = makeGameFolder(path(QStringLiteral("zoned")), fourAreasWithOneShort());
    writeSmallZoneGame(game);
    loadFolder(game);
    return game;
}

void TestZoneMap::openZoneMap()
{
    QTest::keyClick(m_window.get(), Qt::Key_M, Qt::ControlModifier);
    QTRY_VERIFY(QApplication::activeWindow() == mapWindow());
}

void TestZoneMap::saysWhyItShowsNoZones()
{
    openZoneMap();
    QCOMPARE(mapWindow()->windowTitle(), QStringLiteral("Zone Map - Varnel"));
    QCOMPARE(map()->accessibleName(), QStringLiteral("Zone Map"));
    QCOMPARE(map()->accessibleDescription(),
            QStringLiteral("Load a game's pedgrp.dat to see its zones."));
    loadGame(threeAreas());
    QCOMPARE(caption(), QString());
    QCOMPARE(map()->accessibleDescription(),
            QStringLiteral("Varnel reads the zones from data/gta3.zon and data/main.scm in the "
                           "game folder; they were not found there."));
}

void TestZoneMap::captionSaysWhereTheSelectedAreasGroupWalks()
{
    loadZoneGame();
    openZoneMap();
    QCOMPARE(caption(),
            QStringLiteral("First, group 0: Liberty City, Beta Docks (day), GAMMA (night)"));
    QCOMPARE(map()->accessibleDescription(), caption());
    m_editor->selectArea(2);
    QCOMPARE(caption(), QStringLiteral("Short: the game makes no group of this line"));
    // Short becomes group 2.
    cmbped(7)->setEditText(QStringLiteral("pimp"));
    QCOMPARE(caption(), QStringLiteral("Short, group 2: Alpha Park (night)"));
}

// A lone CR ends no line for the game: in the file's own layout First and
// Second are one line, one group, and Third is group 1.
void TestZoneMap::groupsFollowTheLayoutSaveKeeps()
{
    const QByteArray eight = "pimp,pimp,pimp,pimp,pimp,pimp,pimp,pimp";
    const QString game = makeGameFolder(path(QStringLiteral("joined")),
            "# header\r\n" + eight + "\t# First\r" + areaLine(eight, "Second")
                    + areaLine(eight, "Third"));
    writeSmallZoneGame(game);
    loadFolder(game);
    openZoneMap();
    m_editor->selectArea(2);
    QCOMPARE(caption(), QStringLiteral("Third, group 2: Alpha Park (night)"));
    action("mnukeeplayout")->trigger();
    QCOMPARE(caption(), QStringLiteral("Third, group 1: Alpha Park (day), Beta Docks (night)"));
}

void TestZoneMap::clickSelectsTheAreaOfTheZonesGroup()
{
    loadZoneGame();
    openZoneMap();
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, west());
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("Second"));
    QTest::mouseClick(map(), Qt::LeftButton, Qt::ShiftModifier, west());
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("Third"));
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, east());
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("First"));
    QVERIFY(!m_editor->isModified());
}

void TestZoneMap::wheelZoomsAtThePointerDragPansHomeFits()
{
    loadZoneGame();
    openZoneMap();
    auto wheel = [this](const QPoint &at, int steps) {
        QWheelEvent event(at, map()->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(map(), &event);
    };
    // Zoomed out from a point near Alpha's west edge, that point stays in Alpha.
    const QPoint nearEdge(map()->width() * 6 / 100, map()->height() / 2);
    wheel(nearEdge, -10);
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, nearEdge);
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("Second"));
    // Dragged from west to east, Alpha lies in the east half; the drag selects nothing.
    QTest::keyClick(map(), Qt::Key_Home);
    m_editor->selectArea(3);
    QTest::mousePress(map(), Qt::LeftButton, Qt::NoModifier, west());
    QTest::mouseMove(map(), east());
    QTest::mouseRelease(map(), Qt::LeftButton, Qt::NoModifier, east());
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("Third"));
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, east());
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("Second"));
    QTest::keyClick(map(), Qt::Key_Home);
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, east());
    QCOMPARE(cmbareas()->currentText(), QStringLiteral("First"));
}

void TestZoneMap::tooltipNamesTheZoneAndItsGroups()
{
    loadZoneGame();
    openZoneMap();
    QHelpEvent help(QEvent::ToolTip, west(), map()->mapToGlobal(west()));
    QApplication::sendEvent(map(), &help);
    QCOMPARE(QToolTip::text(),
            QStringLiteral(
                    "Alpha Park (ALPHA)\nBy day: group 1, Second\nBy night: group 2, Third"));
}

void TestZoneMap::zonesArriveAfterTheDocumentShows()
{
    openZoneMap();
    const QString game = makeGameFolder(path(QStringLiteral("zoned")), fourAreasWithOneShort());
    writeSmallZoneGame(game);
    m_fake->dialogs.inputAnswers << game;
    action("mnuload")->trigger();
    // Reading is no "not found".
    QVERIFY(m_editor->zones().isEmpty());
    QCOMPARE(map()->accessibleDescription(), QString());
    QTRY_COMPARE(caption(),
            QStringLiteral("First, group 0: Liberty City, Beta Docks (day), GAMMA (night)"));

    // Save right after a Load checks the zones too.
    m_fake->dialogs.inputAnswers << game;
    action("mnuload")->trigger();
    m_fake->dialogs.messages.clear();
    m_fake->dialogs.passedQuestions.clear();
    action("mnusave")->trigger();
    QCOMPARE(m_fake->dialogs.messages.first().title, gameCheckTitle());
    QVERIFY(m_fake->dialogs.messages.first().text.contains(
            QStringLiteral("GAMMA uses group 5 by day, but the game reads only 3 groups from this "
                           "file.")));
}

void TestZoneMap::keysOfTheDocumentWorkAndItClosesWithTheMainWindow()
{
    loadZoneGame();
    openZoneMap();
    cmbped(0)->setEditText(QStringLiteral("cop"));
    QTest::keyClick(mapWindow(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cmbped(0)->currentText(), QStringLiteral("pimp"));
    m_window->close();
    QVERIFY(!mapWindow()->isVisible());
    QVERIFY(!m_fake->settings.mapGeometry.isEmpty());
}

void TestZoneMap::opensOnTheSideAllAreasLeaves_data()
{
    QTest::addColumn<bool>("allAreasMovedLeft");
    QTest::newRow("All Areas on its own side, the right") << false;
    QTest::newRow("All Areas moved to the left") << true;
}

// Run on a virtual X server wide enough for the three windows side by side.
void TestZoneMap::opensOnTheSideAllAreasLeaves()
{
    QFETCH(bool, allAreasMovedLeft);
    const QRect available = m_window->screen()->availableGeometry();
    if (available.width() < 2400)
        QSKIP("The screen is too narrow for the three windows side by side");
    m_window->move(available.center() - m_window->rect().center());
    QTRY_VERIFY(m_window->frameGeometry().center().x() > available.center().x() - 10);
    const QRect mainFrame = m_window->frameGeometry();
    action("mnuallareas")->trigger();
    auto *allAreas = child<QWidget>(QStringLiteral("frmallareas"));
    QVERIFY(QTest::qWaitForWindowExposed(allAreas));
    if (allAreasMovedLeft) {
        allAreas->move(available.left(), available.top());
        QTRY_VERIFY(allAreas->frameGeometry().right() < mainFrame.left());
    }

    action("mnuzonemap")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(mapWindow()));
    const QRect map = mapWindow()->frameGeometry();
    QVERIFY(!map.intersects(mainFrame));
    QVERIFY(!map.intersects(allAreas->frameGeometry()));
    QCOMPARE(map.center().x() > mainFrame.center().x(), allAreasMovedLeft);
}

QTEST_MAIN(TestZoneMap)
#include "tst_zonemap.moc"
