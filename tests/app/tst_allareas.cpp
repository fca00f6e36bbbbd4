#include "app/areatablemodel.h"
#include "app/boxes.h"
#include "format/pedcatalogue.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
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

QTEST_MAIN(TestAllAreas)
#include "tst_allareas.moc"
