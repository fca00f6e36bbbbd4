#include "app/areatablemodel.h"
#include "app/boxes.h"
#include "format/pedcatalogue.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

#include <algorithm>

// The All Areas window over the real main window: its table, its edits and
// keys, and how it and the main window follow each other.
class TestAllAreas : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cellsShowHowTheGameReadsTheFile_data();
    void cellsShowHowTheGameReadsTheFile();
    void aCellEditIsOneNamedStepAndTheMainWindowFollows();
    void theCellBeingEditedIsKeptFirst_data();
    void theCellBeingEditedIsKeptFirst();
    void theTableFollowsEveryChange();
    void enterOnAnAreaSelectsItMovingDoesNot();
    void searchKeepsRowsByNameOrSlot();
    void countsCopyAndScreenReaderTexts();
    void opensBesideTheMainWindowWithinTheScreen_data();
    void opensBesideTheMainWindowWithinTheScreen();
    void problemListShowsEachProblemOnItsLine();
    void whereFollowsTheZonesAndTheGroupNumbers();

private:
    void openAllAreas();
    QWidget *window() const { return child<QWidget>(QStringLiteral("frmallareas")); }
    QTableView *table() const { return child<QTableView>(QStringLiteral("areatable")); }
    QString cell(int row, int column) const
    {
        return table()->model()->index(row, column).data().toString();
    }
};

void TestAllAreas::init()
{
    QVERIFY(createEditor());
}

void TestAllAreas::cleanup()
{
    destroyEditor();
}

// Every change the table follows from then on is checked against the rules
// of Qt's models.
void TestAllAreas::openAllAreas()
{
    action("mnuallareas")->trigger();
    QTRY_VERIFY(QApplication::activeWindow() == window());
    auto *search = qobject_cast<QSortFilterProxyModel *>(table()->model());
    if (!search->sourceModel()->findChild<QAbstractItemModelTester *>())
        new QAbstractItemModelTester(search->sourceModel(),
                QAbstractItemModelTester::FailureReportingMode::QtTest, search->sourceModel());
}

namespace {

// Whether the last change the model announced covers the cell.
bool announced(const QSignalSpy &changed, int row, int column)
{
    if (changed.isEmpty())
        return false;
    const auto first = changed.last().at(0).value<QModelIndex>();
    const auto last = changed.last().at(1).value<QModelIndex>();
    return first.row() <= row && row <= last.row() && first.column() <= column
            && column <= last.column();
}

// Each row of a view as its cells' texts joined by "|".
QStringList rowTexts(const QAbstractItemModel *model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

QByteArray letterLines(int count)
{
    QByteArray lines;
    for (int area = 0; area < count; ++area)
        lines += areaLine("a,b,c,d,e,f,g,h", "Area" + QByteArray::number(area));
    return lines;
}

} // namespace

void TestAllAreas::cellsShowHowTheGameReadsTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("red");
    QTest::addColumn<bool>("editable");

    const QByteArray shortLine = "a,b,c,d,e,f,g,\t# Short\r\n" + letterLines(1);
    const QString noGroup = "The game reads %1 names here, so this line is no group.";
    QTest::newRow("known names") << threeAreas() << 1 << 2 << "st_man"
                                 << "" << false << true;
    QTest::newRow("unknown name") << threeAreas() << 2 << 3 << "b"
                                  << "Not a model the game knows: b" << true << true;
    QTest::newRow("group number") << threeAreas() << 2 << 0 << "2"
                                  << "" << false << false;
    QTest::newRow("short line") << shortLine << 0 << 0 << "" << noGroup.arg(7) << false << false;
    QTest::newRow("group after a short line") << shortLine << 1 << 0 << "0"
                                              << "" << false << false;
    QTest::newRow("31st group") << letterLines(32) << 30 << 0 << "30"
                                << "" << false << false;
    QTest::newRow("32nd group") << letterLines(32) << 31 << 0 << "31"
                                << "The game holds 31 groups; this one is written past its table."
                                << true << false;
    const QByteArray damaged = "a,b,c\t# Broken\r\n";
    QTest::newRow("damaged list") << damaged << 0 << 2 << "a,b,c"
                                  << "This list cannot be split into eight names." << false
                                  << false;
    QTest::newRow("damaged list, other slots") << damaged << 0 << 9 << ""
                                               << "" << false << false;
    QTest::newRow("damaged list, group")
            << damaged << 0 << 0 << "" << noGroup.arg(3) << false << false;
}

void TestAllAreas::cellsShowHowTheGameReadsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(bool, red);
    QFETCH(bool, editable);
    m_fake->dialogs.messageAnswers = {Answer::Yes};
    loadGame(file);
    openAllAreas();
    const QModelIndex index = table()->model()->index(row, column);
    QCOMPARE(index.data().toString(), text);
    QCOMPARE(index.data(Qt::ToolTipRole).toString(), toolTip);
    QCOMPARE(index.data(Qt::ForegroundRole).value<QColor>() == ErrorColour, red);
    QCOMPARE(bool(index.flags() & Qt::ItemIsEditable), editable);
}

// A cell of an area the main window does not show.
void TestAllAreas::aCellEditIsOneNamedStepAndTheMainWindowFollows()
{
    loadGame(threeAreas());
    openAllAreas();
    const QModelIndex harbourPed3 = table()->model()->index(1, 4);
    table()->setCurrentIndex(harbourPed3);
    QTest::keyClick(table(), Qt::Key_F2);
    auto *editor = table()->findChild<QComboBox *>();
    QVERIFY(editor);
    // One Enter on the list of names takes the name and keeps the edit.
    QTest::keyClicks(editor, QStringLiteral("pi"));
    QAbstractItemView *names = editor->completer()->popup();
    QVERIFY(names->isVisible());
    QTest::keyClick(names, Qt::Key_Down);
    QTest::keyClick(names, Qt::Key_Return);
    QTRY_COMPARE(cell(1, 4), QStringLiteral("pimp"));
    QCOMPARE(cmbareas()->currentIndex(), 1);
    QCOMPARE(cmbped(2)->currentText(), QStringLiteral("pimp"));
    QCOMPARE(m_editor->history().count(), 1);
    QCOMPARE(action("mnuundo")->text(), QStringLiteral("&Undo Choice in Ped 3"));
}

void TestAllAreas::theCellBeingEditedIsKeptFirst_data()
{
    QTest::addColumn<bool>("closing");
    QTest::newRow("by Ctrl+S") << false;
    QTest::newRow("by closing the main window") << true;
}

void TestAllAreas::theCellBeingEditedIsKeptFirst()
{
    QFETCH(bool, closing);
    loadGame(threeAreas());
    openAllAreas();
    table()->setCurrentIndex(table()->model()->index(0, 2));
    QTest::keyClick(table(), Qt::Key_F2);
    QTest::keyClicks(table()->findChild<QComboBox *>(), QStringLiteral("cop"));
    m_fake->dialogs.messageAnswers = {Answer::No};
    if (closing)
        m_window->close();
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(m_editor->table().areas[0].areaPeds.startsWith(QStringLiteral("cop,")));
    QCOMPARE(m_editor->isModified(), closing);
    QCOMPARE(m_fake->dialogs.messages.value(0).title,
            closing ? QStringLiteral("Really Quit?") : QStringLiteral("Saved"));
}

void TestAllAreas::theTableFollowsEveryChange()
{
    loadGame(threeAreas());
    openAllAreas();
    QSignalSpy changed(table()->model(), &QAbstractItemModel::dataChanged);
    QTest::keyClicks(cmbped(1)->lineEdit(), QStringLiteral("x"));
    QCOMPARE(cell(0, 3), QStringLiteral("female01x"));
    QVERIFY(announced(changed, 0, 3));
    // Downtown gives seven names: the groups after it move up one.
    cmbped(7)->lineEdit()->clear();
    QCOMPARE(cell(2, 0), QStringLiteral("1"));
    QVERIFY(announced(changed, 2, 0));

    m_fake->random.numbers = {0.0f};
    action("mnurandom")->trigger();
    QCOMPARE(cell(2, 2), pedCatalogue().first());
    action("mnuundo")->trigger();
    QCOMPARE(cell(2, 2), QStringLiteral("a"));

    loadGame(letterLines(5));
    QCOMPARE(table()->model()->rowCount(), 5);
    QCOMPARE(cell(4, 1), QStringLiteral("Area4"));
}

void TestAllAreas::enterOnAnAreaSelectsItMovingDoesNot()
{
    loadGame(threeAreas());
    openAllAreas();
    table()->setCurrentIndex(table()->model()->index(0, AreaTableModel::AreaColumn));
    QTest::keyClick(table(), Qt::Key_Down);
    QTest::keyClick(table(), Qt::Key_Down);
    QCOMPARE(cmbareas()->currentIndex(), 0);
    QTest::keyClick(table(), Qt::Key_Return);
    QCOMPARE(cmbareas()->currentIndex(), 2);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Letters]"));
    QVERIFY(table()->model()->index(2, 5).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!table()->model()->index(0, 5).data(Qt::FontRole).value<QFont>().bold());
}

// Group numbers are not searched: "2" finds fan_man2 of Harbour, not group 2.
void TestAllAreas::searchKeepsRowsByNameOrSlot()
{
    loadGame(threeAreas());
    openAllAreas();
    auto *search = child<QLineEdit>(QStringLiteral("search"));
    QCOMPARE(search->accessibleName(), QStringLiteral("Search"));
    QTest::keyClicks(search, QStringLiteral("HARB"));
    QCOMPARE(table()->model()->rowCount(), 1);
    search->clear();
    QTest::keyClicks(search, QStringLiteral("2"));
    QCOMPARE(table()->model()->rowCount(), 1);
    QCOMPARE(cell(0, 1), QStringLiteral("Harbour"));
    QTest::keyClick(search, Qt::Key_Escape);
    QCOMPARE(search->text(), QString());
    QCOMPARE(table()->model()->rowCount(), 3);
}

void TestAllAreas::countsCopyAndScreenReaderTexts()
{
    loadGame(letterLines(1));
    openAllAreas();
    auto *counts = child<QLabel>(QStringLiteral("counts"));
    QCOMPARE(counts->text(), QStringLiteral("1 area, 1 group the game reads, 1 problem"));
    loadGame(threeAreas());
    QCOMPARE(counts->text(), QStringLiteral("3 areas, 3 groups the game reads, 1 problem"));
    QCOMPARE(window()->windowTitle(), QStringLiteral("All Areas - Varnel"));

    // Ctrl+C is Set All In Liberty City in the main window.
    openAllAreas();
    const QAbstractItemModel *model = table()->model();
    // Cells of other columns in other rows keep their places.
    for (const QModelIndex &cell : {model->index(0, 1), model->index(1, 1), model->index(1, 2)})
        table()->selectionModel()->select(cell, QItemSelectionModel::Select);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Downtown\t\nHarbour\tst_man\n"));

    QAccessibleTableInterface *cells
            = QAccessible::queryAccessibleInterface(table())->tableInterface();
    QCOMPARE(cells->cellAt(1, 4)->text(QAccessible::Name), QStringLiteral("fan_man1"));
    QCOMPARE(cells->cellAt(1, 4)->text(QAccessible::Description),
            QStringLiteral("Ped 3 of Harbour"));

    window()->close();
    QVERIFY(!m_fake->settings.geometry.isEmpty());
}

void TestAllAreas::opensBesideTheMainWindowWithinTheScreen_data()
{
    QTest::addColumn<bool>("mainAtLeft");
    QTest::addColumn<bool>("rememberedOffScreen");
    QTest::newRow("main window at the left edge") << true << false;
    QTest::newRow("main window at the right edge") << false << false;
    QTest::newRow("a remembered place off every screen") << true << true;
}

// Also run with the platform's own windows, on X11 and under Wine, whose
// frames and screens these are.
void TestAllAreas::opensBesideTheMainWindowWithinTheScreen()
{
    QFETCH(bool, mainAtLeft);
    QFETCH(bool, rememberedOffScreen);
    if (rememberedOffScreen) {
        QWidget elsewhere;
        elsewhere.setGeometry(-20000, -20000, 640, 400);
        m_fake->settings.geometry = elsewhere.saveGeometry();
    }
    const QRect available = m_window->screen()->availableGeometry();
    const QRect mainFrame(mainAtLeft ? available.left()
                                     : available.right() + 1 - m_window->frameGeometry().width(),
            available.top(), m_window->frameGeometry().width(), m_window->frameGeometry().height());
    m_window->move(mainFrame.topLeft());
    QTRY_COMPARE(m_window->frameGeometry(), mainFrame);

    openAllAreas();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    const QRect frame = window()->frameGeometry();
    QCOMPARE(available.united(frame), available);
    // All of it beside the main window where it fits, else as little over it as can be.
    const int room = available.width() - mainFrame.width();
    QCOMPARE((frame & mainFrame).width(), std::clamp(frame.width() - room, 0, mainFrame.width()));
}

// Comments and blank lines stand before, between and after the areas.
void TestAllAreas::problemListShowsEachProblemOnItsLine()
{
    loadGame("# Portland\r\n\r\n"
            + areaLine("male01,male01,male01,male01,male01,male01,male01,male01", "Downtown")
            + "# --- STAUNTON ---\na,b,c,d,e,f,g\t# Short\n \t\r\n"
              "male01,male01,male01,male01,male01,male01,male01,zz\r\n# end\r\n");
    openAllAreas();
    auto *list = child<QTreeView>(QStringLiteral("problemlist"));
    QVERIFY(!list->isVisible());
    child<QPushButton>(QStringLiteral("problems"))->click();
    QVERIFY(list->isVisible());
    const QString seven = "5|Short|the game sees 7 names (a, b, c, d, e, f, g), so no group; every "
                          "later group moves up one.";
    QCOMPARE(rowTexts(list->model()),
            (QStringList{seven, "5|Short|the game will not find a, b, c, d, e, f, g.",
                    "7|line 7|the game will not find zz."}));
    QCOMPARE(child<QLabel>(QStringLiteral("counts"))->text(),
            QStringLiteral("3 areas, 2 groups the game reads, 3 problems"));
    QCOMPARE(cell(2, AreaTableModel::AreaColumn), QStringLiteral("line 7"));
    const QAbstractItemModel *rows = table()->model();
    QCOMPARE(rows->index(1, 0).data(Qt::DecorationRole).value<QColor>(), ErrorColour);
    QVERIFY(!rows->index(0, 0).data(Qt::DecorationRole).isValid());

    child<QCheckBox>(QStringLiteral("onlyproblems"))->click();
    QCOMPARE(rows->rowCount(), 2);
    QTest::keyClicks(child<QLineEdit>(QStringLiteral("search")), QStringLiteral("short"));
    QCOMPARE(rows->rowCount(), 1);
    // A problem whose row the search hides shows it again.
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(cmbareas()->currentIndex(), 2);
    QCOMPARE(
            table()->currentIndex().siblingAtColumn(1).data().toString(), QStringLiteral("line 7"));

    // An edit that leaves the problems as they were keeps the list's row.
    list->setCurrentIndex(list->model()->index(1, 0));
    m_editor->editAreaSlot(0, 0, QStringLiteral("male02"));
    QCOMPARE(list->currentIndex().row(), 1);
    m_editor->editAreaSlot(2, 7, QStringLiteral("male01"));
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(rows->rowCount(), 1);
    // The TAB layout gathers the comments at the top: Short moves to line 6.
    m_files->save();
    QCOMPARE(rowTexts(list->model()).first(), QString(seven).replace(0, 1, u'6'));
}

// Alpha Park uses groups 1 and 2, Beta Docks 0 and 1, Gamma 5 by day.
void TestAllAreas::whereFollowsTheZonesAndTheGroupNumbers()
{
    const QString game = makeGameFolder(path(QStringLiteral("zoned")), fourAreasWithOneShort());
    writeSmallZoneGame(game);
    loadFolder(game);
    openAllAreas();
    const int where = AreaTableModel::WhereColumn;
    QCOMPARE(table()->model()->headerData(where, Qt::Horizontal).toString(),
            QStringLiteral("Where"));
    QCOMPARE(cell(0, where), QStringLiteral("Liberty City, Beta Docks (day), GAMMA (night)"));
    QCOMPARE(cell(1, where), QStringLiteral("Alpha Park (day), Beta Docks (night)"));
    QCOMPARE(cell(2, where), QString());
    QCOMPARE(cell(3, where), QStringLiteral("Alpha Park (night)"));
    QCOMPARE(table()->model()->index(3, where).data(Qt::ToolTipRole).toString(),
            QStringLiteral("Alpha Park (night): ALPHA, navigation zone, Portland"));
    // The short line and Gamma's group 5.
    QCOMPARE(child<QLabel>(QStringLiteral("counts"))->text(),
            QStringLiteral("4 areas, 3 groups the game reads, 2 problems"));
    // Gamma's problem is of no line: last, and Enter on it selects nothing.
    auto *problems = child<QTreeView>(QStringLiteral("problemlist"));
    const QString gamma = QStringLiteral(
            "||GAMMA uses group 5 by day, but the game reads only 3 groups from this file.");
    QCOMPARE(rowTexts(problems->model()).last(), gamma);
    m_editor->selectArea(1);
    problems->setCurrentIndex(problems->model()->index(1, 0));
    QTest::keyClick(problems, Qt::Key_Return);
    QCOMPARE(cmbareas()->currentIndex(), 1);

    auto *search = child<QLineEdit>(QStringLiteral("search"));
    QTest::keyClicks(search, QStringLiteral("beta"));
    QCOMPARE(table()->model()->rowCount(), 2);
    search->clear();

    // Short becomes group 2, Third group 3.
    m_editor->selectArea(2);
    cmbped(7)->setEditText(QStringLiteral("pimp"));
    QCOMPARE(cell(2, where), QStringLiteral("Alpha Park (night)"));
    QCOMPARE(cell(3, where), QStringLiteral("no zone uses it"));

    loadGame(threeAreas());
    QCOMPARE(cell(0, where), QString());
}

QTEST_MAIN(TestAllAreas)
#include "tst_allareas.moc"
