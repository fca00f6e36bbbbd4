#include "app/frmmain.h"
#include "format/areawriter.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

// The Edit menu and the keys and mouse in the slot boxes, through the window.
class TestUndo : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void undoAndRedoNameTheirStepAndFollowTheHistory();
    void undoKeysInASlotBoxUndoTheDocument();
    void typingMergesUntilTheFocusMoves();
    void downGoesOnFromTheShownName();
    void theWheelChangesOnlyTheFocusedBox();

private:
    QComboBox *box(int slot) const { return cmbped(slot); }
};

void TestUndo::init()
{
    QVERIFY(createEditor());
    loadGame(threeAreas());
}

void TestUndo::cleanup()
{
    destroyEditor();
}

// The caption marks unsaved changes as the history moves.
void TestUndo::undoAndRedoNameTheirStepAndFollowTheHistory()
{
    QWindow *frame = m_window->windowHandle();
    QVERIFY(!action("mnuundo")->isEnabled());
    QVERIFY(!action("mnuredo")->isEnabled());
    QCOMPARE(frame->title(), QStringLiteral("Varnel"));

    QTest::keyClicks(box(2)->lineEdit(), QStringLiteral("x"));
    QCOMPARE(action("mnuundo")->text(), QStringLiteral("&Undo Typing in Ped 3"));
    QCOMPARE(frame->title(), QStringLiteral("Varnel*"));

    m_fake->random.numbers = {0.5f};
    action("mnurandom")->trigger();
    QCOMPARE(action("mnuundo")->text(), QStringLiteral("&Undo Randomize In All Areas"));
    action("mnuundo")->trigger();
    QCOMPARE(action("mnuredo")->text(), QStringLiteral("&Redo Randomize In All Areas"));
    QCOMPARE(box(2)->currentText(), QStringLiteral("criminal01x"));
    action("mnuundo")->trigger();
    QCOMPARE(frame->title(), QStringLiteral("Varnel"));
}

void TestUndo::undoKeysInASlotBoxUndoTheDocument()
{
    box(0)->setFocus();
    QTest::keyClicks(box(0), QStringLiteral("zz"));

    QTest::keyClick(box(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box(0)->currentText(), QStringLiteral("male01"));
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds.section(u',', 0, 0),
            QStringLiteral("male01"));
    QTest::keyClick(box(0), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(box(0)->currentText(), QStringLiteral("male01zz"));
    QCOMPARE(m_editor->history().count(), 1);
}

void TestUndo::typingMergesUntilTheFocusMoves()
{
    box(3)->setFocus();
    QTest::keyClicks(box(3), QStringLiteral("ab"));
    QTest::keyClick(box(3), Qt::Key_Tab);
    QVERIFY(box(4)->hasFocus());
    box(3)->setFocus();
    QTest::keyClicks(box(3), QStringLiteral("cd"));
    QCOMPARE(m_editor->history().count(), 2);
    action("mnuundo")->trigger();
    QCOMPARE(box(3)->currentText(), QStringLiteral("b_man1ab"));
}

void TestUndo::downGoesOnFromTheShownName()
{
    m_editor->selectArea(2);
    box(0)->setFocus();
    box(0)->setEditText(QStringLiteral("pimp"));
    QTest::keyClick(box(0), Qt::Key_Down);
    QCOMPARE(box(0)->currentText(), QStringLiteral("prostitute"));
    QCOMPARE(
            m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("prostitute,b,c,d,e,f,g,h"));
}

void TestUndo::theWheelChangesOnlyTheFocusedBox()
{
    const QString before = composeFile(m_editor->table());
    auto wheel = [](QWidget *widget) {
        const QPointF at = widget->rect().center();
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &event);
    };
    cmbareas()->clearFocus();
    wheel(box(5));
    wheel(cmbareas());
    QCOMPARE(composeFile(m_editor->table()), before);
    QCOMPARE(m_editor->selectedArea(), 0);

    box(5)->setFocus();
    wheel(box(5));
    QCOMPARE(box(5)->currentText(), QStringLiteral("fatfemale02"));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
