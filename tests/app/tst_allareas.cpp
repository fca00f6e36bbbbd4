#include "app/areatablemodel.h"
#include "app/boxes.h"
#include "format/pedcatalogue.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

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
    void theTableFollowsEveryChange();
    void enterOnAnAreaSelectsItMovingDoesNot();
    void searchKeepsRowsByNameOrSlot();
    void countsCopyAndScreenReaderTexts();
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

void TestAllAreas::openAllAreas()
{
    action("mnuallareas")->trigger();
    QTRY_VERIFY(QApplication::activeWindow() == window());
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
    QTest::keyClicks(editor, QStringLiteral("pimp"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cell(1, 4), QStringLiteral("pimp"));
    QCOMPARE(cmbareas()->currentIndex(), 1);
    QCOMPARE(cmbped(2)->currentText(), QStringLiteral("pimp"));
    QCOMPARE(m_editor->history().count(), 1);
    QCOMPARE(action("mnuundo")->text(), QStringLiteral("&Undo Choice in Ped 3"));

    QTest::keyClick(window(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(1, 4), QStringLiteral("fan_man1"));
    QCOMPARE(cmbped(2)->currentText(), QStringLiteral("fan_man1"));
    QVERIFY(!m_editor->isModified());
    QTest::keyClick(window(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(cell(1, 4), QStringLiteral("pimp"));
    QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_editor->isModified());

    // Save takes the text of a cell still being edited.
    table()->setCurrentIndex(table()->model()->index(0, 2));
    QTest::keyClick(table(), Qt::Key_F2);
    QTest::keyClicks(table()->findChild<QComboBox *>(), QStringLiteral("cop"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_editor->isModified());
    QVERIFY(readFile(path(QStringLiteral("game/data/pedgrp.dat"))).contains("\ncop,\t"));
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
    table()->selectionModel()->select(
            QItemSelection(model->index(0, 1), model->index(1, 2)), QItemSelectionModel::Select);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
            QStringLiteral("Downtown\tmale01\nHarbour\tst_man\n"));

    QAccessibleTableInterface *cells
            = QAccessible::queryAccessibleInterface(table())->tableInterface();
    QCOMPARE(cells->cellAt(1, 4)->text(QAccessible::Name), QStringLiteral("fan_man1"));
    QCOMPARE(cells->cellAt(1, 4)->text(QAccessible::Description),
            QStringLiteral("Ped 3 of Harbour"));

    window()->close();
    QVERIFY(!m_fake->settings.geometry.isEmpty());
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
