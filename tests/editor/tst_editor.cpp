#include "bulk/randomize.h"
#include "bulk/setall.h"
#include "editor/editor.h"
#include "format/areareader.h"
#include "format/areawriter.h"
#include "support/fakeplatform.h"
#include "support/testfiles.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

const QByteArray Damaged = "b_man1,b_man2,b_man3";
const QByteArray ThreeAreasOneDamaged = "# header\r\n" + areaLine("a,b,c,d,e,f,g,h", "One")
        + Damaged + " # Broken\r\n" + areaLine("s,t,u,v,w,x,y,z", "Three");

using Step = std::function<void(Editor &, FakePlatform &)>;

} // namespace

Q_DECLARE_METATYPE(Step)

// The editing core on its own, without a window: what each step changes and
// what undo and redo give back.
class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void bulkStepsUndoAndRedoToTheExactBytes_data();
    void bulkStepsUndoAndRedoToTheExactBytes();
    void undoShowsTheAreaAsItWasSelected();
    void typingMergesUntilTheRunEnds();
    void typingBackToTheOldTextLeavesNoStep();
    void aChoiceIsAStepOfItsOwn();
    void theSavedStepIsNotModified();
    void aLoadIsNotModifiedWhateverCameBefore();
    void withoutASelectedAreaNothingIsAStep();

private:
    void open(const QByteArray &bytes);
    void type(int slot, const QString &text);

    std::unique_ptr<Editor> m_editor;
    FakePlatform m_fake;
};

void TestEditor::init()
{
    m_editor = std::make_unique<Editor>();
    m_fake = FakePlatform();
    open(ThreeAreasOneDamaged);
}

void TestEditor::open(const QByteArray &bytes)
{
    ReadResult read = readAreaTable(bytes);
    QVERIFY(read.ok());
    m_editor->openDocument(std::move(read.table));
}

// Types text into a slot one key at a time, as the window reports it.
void TestEditor::type(int slot, const QString &text)
{
    QString typed = m_editor->shownSlots().at(slot);
    for (const QChar c : text)
        m_editor->editSlot(slot, typed += c, SlotEdit::Typing);
}

void TestEditor::bulkStepsUndoAndRedoToTheExactBytes_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("name");
    QTest::newRow("set all in area") << 1 << Step([](Editor &e, FakePlatform &f) {
        f.dialogs.inputAnswers << QStringLiteral("pimp");
        setAllInAreaCommand(e, f.dialogs);
    }) << "Set All In Area";
    QTest::newRow("set all in liberty city") << 0 << Step([](Editor &e, FakePlatform &f) {
        f.dialogs.inputAnswers << QStringLiteral("pimp");
        setAllInLibertyCityCommand(e, f.dialogs);
    }) << "Set All In Liberty City";
    QTest::newRow("randomize in area") << 2 << Step([](Editor &e, FakePlatform &f) {
        f.random.numbers = {0.1f, 0.2f, 0.3f};
        randomizeInAreaCommand(e, f.random);
    }) << "Randomize In Area";
    QTest::newRow("randomize in all areas") << 0 << Step([](Editor &e, FakePlatform &f) {
        f.random.numbers = {0.5f, 0.9f};
        randomizeInAllAreasCommand(e, f.random);
    }) << "Randomize In All Areas";
}

void TestEditor::bulkStepsUndoAndRedoToTheExactBytes()
{
    QFETCH(int, selected);
    QFETCH(Step, step);
    m_editor->selectArea(selected);
    const QString before = composeFile(m_editor->table());

    step(*m_editor, m_fake);
    const QString after = composeFile(m_editor->table());
    QVERIFY(after != before);
    QCOMPARE(m_editor->history().count(), 1);
    QTEST(m_editor->history().undoText(), "name");

    m_editor->history().undo();
    QCOMPARE(composeFile(m_editor->table()), before);
    QCOMPARE(m_editor->table().areas.at(2 - 1).areaPeds, QString::fromLatin1(Damaged));
    QVERIFY(!m_editor->isModified());
    m_editor->history().redo();
    QCOMPARE(composeFile(m_editor->table()), after);
    QVERIFY(m_editor->isModified());
}

void TestEditor::undoShowsTheAreaAsItWasSelected()
{
    m_editor->selectArea(1); // the damaged area: its pieces, then empty boxes
    const PedSlots damagedShown = m_editor->shownSlots();
    QSignalSpy selected(m_editor.get(), &Editor::areaSelected);
    QSignalSpy warned(m_editor.get(), &Editor::damagedArea);
    m_fake.dialogs.inputAnswers << QStringLiteral("pimp");
    setAllInLibertyCityCommand(*m_editor, m_fake.dialogs);
    QCOMPARE(warned.size(), 1);

    m_editor->history().undo();
    QCOMPARE(m_editor->selectedArea(), 1);
    QCOMPARE(selected.last().at(1).toString(), QStringLiteral("Broken"));
    QCOMPARE(m_editor->shownSlots(), damagedShown);
    QCOMPARE(warned.size(), 1);

    m_editor->history().redo();
    QCOMPARE(m_editor->selectedArea(), 2);
    QCOMPARE(m_editor->shownSlots().at(0), QStringLiteral("pimp"));
}

void TestEditor::typingMergesUntilTheRunEnds()
{
    type(2, QStringLiteral("xy"));
    QCOMPARE(m_editor->history().count(), 1);
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds, QStringLiteral("a,b,cxy,d,e,f,g,h"));

    m_editor->endTyping(); // the focus left the box
    type(2, QStringLiteral("z"));
    type(3, QStringLiteral("!")); // another box
    m_editor->selectArea(0);
    type(3, QStringLiteral("?")); // the area was shown anew
    QCOMPARE(m_editor->history().count(), 4);

    m_editor->history().setIndex(0);
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds, QStringLiteral("a,b,c,d,e,f,g,h"));
}

void TestEditor::typingBackToTheOldTextLeavesNoStep()
{
    type(0, QStringLiteral("x"));
    m_editor->editSlot(0, QStringLiteral("a"), SlotEdit::Typing);
    QCOMPARE(m_editor->history().count(), 0);
    QVERIFY(!m_editor->isModified());
}

void TestEditor::aChoiceIsAStepOfItsOwn()
{
    type(4, QStringLiteral("pi"));
    m_editor->editSlot(4, QStringLiteral("pimp"), SlotEdit::Choice);
    type(4, QStringLiteral("s"));
    QCOMPARE(m_editor->history().count(), 3);
    m_editor->history().undo();
    QCOMPARE(m_editor->history().undoText(), QStringLiteral("Choice in Ped 5"));
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds, QStringLiteral("a,b,c,d,pimp,f,g,h"));
}

void TestEditor::theSavedStepIsNotModified()
{
    type(0, QStringLiteral("1"));
    m_editor->endTyping();
    m_editor->markSaved(m_editor->areaLines());
    QVERIFY(!m_editor->isModified());
    type(0, QStringLiteral("2"));
    QVERIFY(m_editor->isModified());

    m_editor->history().undo();
    QVERIFY(!m_editor->isModified());
    m_editor->history().undo();
    QVERIFY(m_editor->isModified());
    // A new step in the place of the saved one is not saved.
    type(0, QStringLiteral("3"));
    QCOMPARE(m_editor->history().index(), 1);
    QVERIFY(m_editor->isModified());
}

// A saved document with a step, then a version opened from the earlier ones,
// whose history is empty.
void TestEditor::aLoadIsNotModifiedWhateverCameBefore()
{
    type(0, QStringLiteral("1"));
    m_editor->markSaved(m_editor->areaLines());
    QSignalSpy modified(m_editor.get(), &Editor::modifiedChanged);
    open(ThreeAreasOneDamaged);
    m_editor->markUnsaved();
    open(ThreeAreasOneDamaged);

    QVERIFY(!m_editor->isModified());
    QCOMPARE(modified, (QList<QVariantList>{{true}, {false}}));
}

void TestEditor::withoutASelectedAreaNothingIsAStep()
{
    open("# no areas\r\n");
    m_fake.dialogs.inputAnswers << QStringLiteral("pimp");
    setAllInAreaCommand(*m_editor, m_fake.dialogs);
    randomizeInAreaCommand(*m_editor, m_fake.random);

    QCOMPARE(m_editor->history().count(), 0);
    QVERIFY(!m_editor->isModified());
    QVERIFY(m_fake.dialogs.inputs.isEmpty());
    QCOMPARE(m_fake.random.draws, 0);
}

QTEST_GUILESS_MAIN(TestEditor)
#include "tst_editor.moc"
