#include "app/frmmain.h"
#include "format/areawriter.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

namespace {

const QByteArray EightNames = "a,b,c,d,e,f,g,h";

QString damagedText(const QString &name, const QString &list)
{
    return QStringLiteral("An error occured during processing of this area.\r\n\r\n"
                          "The original 'pedgrps.dat' is not written correctly, this is the most "
                          "likely cause of this error.\r\n\r\n"
                          "You can either restore the working backup from the file menu or add the "
                          "comma's manually yourself.\r\n\r\n"
                          "Damaged Area: ")
            + name + QStringLiteral(".\r\n\r\nDamaged Data: '") + list + QStringLiteral("'.");
}

} // namespace

class TestLoadAndEdit : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadAsksForTheFolderAndShowsTheFirstArea();
    void loadAcceptsTheFolderWithOrWithoutSeparator_data();
    void loadAcceptsTheFolderWithOrWithoutSeparator();
    void loadFindsFilesWhateverTheirCase();
    void loadReadsAHundredAreas();
    void loadOfAFileWithoutAreasEnablesAnEmptyList();
    void answeringNoToReallyLoadEndsTheLoad();
    void cancelledLoadKeepsTheOpenDocument();
    void failedLoadReportsAndKeepsTheOpenDocument_data();
    void failedLoadReportsAndKeepsTheOpenDocument();

    void showsTheSplitOfTheSelectedArea_data();
    void showsTheSplitOfTheSelectedArea();
    void damagedAreaIsReportedAndNotMixedWithOthers();
    void pickingAnAreaShowsIt();

    void namesTheGameDoesNotKnowAreMarked();
    void typingStoresTheTextAsTyped();
    void choosingFromTheListStoresTheName();
    void clearingABoxLeavesAnEmptySlot();
    void typingWithoutASelectedAreaChangesNothing();

    void closingAsksOnlyAfterAnEdit();
    void answeringNoKeepsTheWindowAndDocument();
    void exitRunsTheSameCheck();
};

void TestLoadAndEdit::init()
{
    QVERIFY(createEditor());
}

void TestLoadAndEdit::cleanup()
{
    destroyEditor();
}

void TestLoadAndEdit::loadAsksForTheFolderAndShowsTheFirstArea()
{
    loadGame(threeAreas());

    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
    const AskedInput &asked = m_fake->dialogs.inputs.first();
    QCOMPARE(asked.prompt, QStringLiteral("Enter the location of your GTA 3 Directory:"));
    QCOMPARE(asked.title, QStringLiteral("Enter Directory"));
    QCOMPARE(asked.defaultText, QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\"));
    QCOMPARE(asked.completion, Completion::PedgrpFile);
    QVERIFY(m_fake->dialogs.messages.isEmpty());

    QCOMPARE(cmbareas()->count(), 3);
    QCOMPARE(cmbareas()->itemText(1), QStringLiteral("Harbour"));
    QCOMPARE(m_editor->selectedArea(), 0);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Downtown]"));
    QCOMPARE(slotTexts().join(u','),
            QStringLiteral("male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1"));
    QCOMPARE(m_editor->table().headerText, QStringLiteral("# header\r\n"));
    QVERIFY(!m_editor->isModified());

    QVERIFY(cmbareas()->isEnabled());
    for (int slot = 0; slot < SlotCount; ++slot)
        QVERIFY(cmbped(slot)->isEnabled());
    for (QAction *action :
            {action("mnusave"), action("mnusaveas"), action("mnurandom"), action("mnurandomarea"),
                    action("mnuerrorscan"), action("mnusetarea"), action("mnusetliberty")})
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
}

void TestLoadAndEdit::loadAcceptsTheFolderWithOrWithoutSeparator_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("without") << "";
    QTest::newRow("with slash") << "/";
    QTest::newRow("with backslash") << "\\";
}

void TestLoadAndEdit::loadAcceptsTheFolderWithOrWithoutSeparator()
{
    QFETCH(QString, suffix);
    const QString folder = makeGameFolder(m_dir->path(), threeAreas());
    loadFolder(folder + suffix);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(m_files->documentFile().gameDirectory, folder + (suffix.isEmpty() ? "/" : suffix));
    QCOMPARE(cmbareas()->count(), 3);
}

void TestLoadAndEdit::loadFindsFilesWhateverTheirCase()
{
    writeFile(path(QStringLiteral("Game/Data/PEDGRP.DAT")), threeAreas());
    loadFolder(path(QStringLiteral("game")));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 3);
}

void TestLoadAndEdit::loadReadsAHundredAreas()
{
    QByteArray bytes;
    for (int area = 1; area <= 100; ++area)
        bytes += areaLine(EightNames, "Area " + QByteArray::number(area));
    loadGame(bytes);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 100);
    QCOMPARE(cmbareas()->itemText(99), QStringLiteral("Area 100"));
}

void TestLoadAndEdit::loadOfAFileWithoutAreasEnablesAnEmptyList()
{
    loadGame("# only a comment\r\n");
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 0);
    QCOMPARE(m_editor->selectedArea(), -1);
    QVERIFY(cmbareas()->isEnabled());
    QVERIFY(action("mnusave")->isEnabled());
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor"));
}

void TestLoadAndEdit::answeringNoToReallyLoadEndsTheLoad()
{
    loadGame(threeAreas());
    cmbped(3)->setEditText(QStringLiteral("pimp"));
    const QString before = composeFile(m_editor->table());
    m_fake->dialogs.messageAnswers << Answer::No;

    action("mnuload")->trigger();

    QCOMPARE(m_fake->dialogs.messages, QList{ReallyLoad});
    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
    QVERIFY(m_editor->isModified());
    QCOMPARE(composeFile(m_editor->table()), before);
}

void TestLoadAndEdit::cancelledLoadKeepsTheOpenDocument()
{
    loadGame(threeAreas());
    cmbped(3)->setEditText(QStringLiteral("pimp"));
    const QString edited = m_editor->table().areas.at(1 - 1).areaPeds;

    action("mnuload")->trigger(); // the fake answers Cancel
    QCOMPARE(m_fake->dialogs.inputs.size(), 2);
    QCOMPARE(m_fake->dialogs.messages, QList{ReallyLoad});
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds, edited);
    QVERIFY(m_editor->isModified());
    QCOMPARE(cmbareas()->count(), 3);
    QCOMPARE(m_editor->selectedArea(), 0);
}

void TestLoadAndEdit::failedLoadReportsAndKeepsTheOpenDocument_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("description");

    QByteArray hundredAndOne;
    for (int area = 1; area <= 101; ++area)
        hundredAndOne += areaLine(EightNames, "Area " + QByteArray::number(area));

    // An empty description is the system's own.
    QTest::newRow("blanks only") << "   " << QByteArray() << QString();
    QTest::newRow("missing file") << "nowhere" << QByteArray() << QString();
    QTest::newRow("empty file") << "other" << QByteArray() << "File does not exist";
    QTest::newRow("101 areas") << "other" << hundredAndOne << "Index out of range";
    QTest::newRow("long line") << "other" << QByteArray(40000, 'a') + "\t# Far\r\n"
                               << "Overflow";
}

void TestLoadAndEdit::failedLoadReportsAndKeepsTheOpenDocument()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, description);

    const QString good = makeGameFolder(m_dir->path(), threeAreas());
    loadFolder(good);
    m_editor->selectArea(1);
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    const QString composed = composeFile(m_editor->table());

    QString typed = folder;
    if (folder == QLatin1String("nowhere"))
        typed = path(folder);
    if (folder == QLatin1String("other")) {
        typed = path(folder);
        writeFile(typed + QStringLiteral("/data/pedgrp.dat"), bytes);
    }
    loadFolder(typed);
    if (description.isEmpty())
        description = openError(typed + QStringLiteral("/data/pedgrp.dat"));

    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    const ShownMessage &shown = m_fake->dialogs.messages.first();
    QVERIFY2(shown.text.startsWith(
                     QStringLiteral("An error occured, the error was: ") + description),
            qPrintable(shown.text));
    QVERIFY(shown.text.endsWith(u'.'));
    QCOMPARE(shown.title, QStringLiteral("Varnel"));
    QCOMPARE(shown.icon, MessageIcon::None);
    QCOMPARE(shown.buttons, MessageButtons::Ok);

    QCOMPARE(composeFile(m_editor->table()), composed);
    QCOMPARE(m_files->documentFile().gameDirectory, good + u'/');
    QVERIFY(m_editor->isModified());
    QCOMPARE(cmbareas()->count(), 3);
    QCOMPARE(m_editor->selectedArea(), 1);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Harbour]"));

    // The file was closed: the same folder loads once it is mended.
    if (folder == QLatin1String("other")) {
        writeFile(typed + QStringLiteral("/data/pedgrp.dat"), threeAreas());
        loadFolder(typed);
        QCOMPARE(m_fake->dialogs.messages.size(), 1);
        QVERIFY(!m_editor->isModified());
    }
}

void TestLoadAndEdit::showsTheSplitOfTheSelectedArea_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("eight names") << EightNames
                                 << QStringList{"a", "b", "c", "d", "e", "f", "g", "h"};
    QTest::newRow("ten names") << QByteArray("a,b,c,d,e,f,g,h,i,j")
                               << QStringList{"a", "b", "c", "d", "e", "f", "g", "h,i,j"};
    QTest::newRow("nothing after the seventh comma")
            << QByteArray("a,b,c,d,e,f,g,") << QStringList{"a", "b", "c", "d", "e", "f", "g", ""};
    QTest::newRow("two commas in a row")
            << QByteArray("a,,c,d,e,f,g,h") << QStringList{"a", "", "c", "d", "e", "f", "g", "h"};
}

void TestLoadAndEdit::showsTheSplitOfTheSelectedArea()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, shown);
    loadGame(areaLine("x,x,x,x,x,x,x,x", "First") + areaLine(list, "Second"));
    m_editor->selectArea(1);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(slotTexts(), shown);
    QCOMPARE(m_editor->table().areas.at(2 - 1).areaPeds, QString::fromLatin1(list));
    QVERIFY(!m_editor->isModified());
}

void TestLoadAndEdit::damagedAreaIsReportedAndNotMixedWithOthers()
{
    loadGame(areaLine("x,x,x,x,x,x,x,x", "Fine") + areaLine("a,b,c,d", "Four")
            + "noComma # One\r\n");

    QList<QStringList> boxesWhileWarning;
    m_fake->dialogs.onMessage = [this, &boxesWhileWarning](
                                        const ShownMessage &) { boxesWhileWarning << slotTexts(); };
    m_editor->selectArea(1);
    const ShownMessage warning{damagedText(QStringLiteral("Four"), QStringLiteral("a,b,c,d")),
            QStringLiteral("Error"), MessageIcon::Warning, MessageButtons::Ok};
    QCOMPARE(m_fake->dialogs.messages, QList{warning});
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Four]"));
    QCOMPARE(slotTexts(), (QStringList{"a", "b", "c", "d", "", "", "", ""}));
    QCOMPARE(m_editor->table().areas.at(2 - 1).areaPeds, QStringLiteral("a,b,c,d"));
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds, QStringLiteral("x,x,x,x,x,x,x,x"));
    QVERIFY(!m_editor->isModified());

    m_editor->selectArea(2);
    QCOMPARE(m_fake->dialogs.messages.last().text,
            damagedText(QStringLiteral("One"), QStringLiteral("noComma")));
    QCOMPARE(slotTexts(), (QStringList{"noComma", "", "", "", "", "", "", ""}));
    QCOMPARE(m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("noComma"));

    // Editing a damaged area stores the eight boxes.
    cmbped(1)->setEditText(QStringLiteral("b"));
    QCOMPARE(m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("noComma,b,,,,,,"));
    QVERIFY(m_editor->isModified());
}

void TestLoadAndEdit::pickingAnAreaShowsIt()
{
    loadGame(threeAreas());
    QComboBox *areas = cmbareas();
    areas->setFocus();
    QTest::keyClick(areas, Qt::Key_Down);
    QCOMPARE(m_editor->selectedArea(), 1);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Harbour]"));
    QCOMPARE(slotTexts().first(), QStringLiteral("st_man"));
    QVERIFY(!m_editor->isModified());

    // Picking the shown area again shows it again.
    frameeditor()->setTitle(QString());
    emit areas->activated(1);
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor: [Harbour]"));
}

void TestLoadAndEdit::namesTheGameDoesNotKnowAreMarked()
{
    writeFile(path(QStringLiteral("game/data/default.ide")),
            "peds\r\n200, mymod, mymod, CIVMALE, STAT_STREET_GUY, man, 1,0\r\nend\r\n");
    loadGame(areaLine("male01,ZZ_TOP,female01,mymod,st_wom,pimp,p_man1,worker1", "Mod"));
    auto marked = [this](int slot) {
        const QComboBox *box = cmbped(slot);
        return box->lineEdit()->palette().color(QPalette::Text)
                != box->palette().color(QPalette::Text);
    };
    QVERIFY(!marked(0));
    QVERIFY(marked(1));
    QCOMPARE(cmbped(1)->toolTip(), QStringLiteral("Not a model the game knows: ZZ_TOP"));
    QVERIFY(!marked(3)); // a model of the game's own default.ide
    QVERIFY(!m_editor->isModified());

    cmbped(0)->setEditText(QStringLiteral("male0"));
    QVERIFY(marked(0));
    cmbped(1)->setEditText(QString());
    QVERIFY(!marked(1));
    QCOMPARE(cmbped(1)->toolTip(), QString());
}

void TestLoadAndEdit::typingStoresTheTextAsTyped()
{
    loadGame(threeAreas());
    m_editor->selectArea(2);
    QComboBox *box = cmbped(3);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("B_MAN1, x"));
    QCOMPARE(m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("a,b,c,B_MAN1, x,e,f,g,h"));
    QVERIFY(m_editor->isModified());

    // Enter neither adds the text to the list nor swaps it for a listed name.
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(box->count(), 57);
    QCOMPARE(box->currentText(), QStringLiteral("B_MAN1, x"));
    QCOMPARE(m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("a,b,c,B_MAN1, x,e,f,g,h"));
}

void TestLoadAndEdit::choosingFromTheListStoresTheName()
{
    loadGame(threeAreas());
    m_editor->selectArea(2);
    QComboBox *box = cmbped(0);
    box->setFocus();
    box->setCurrentIndex(12); // b_man1, as a pick from the open list does
    QCOMPARE(m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("b_man1,b,c,d,e,f,g,h"));
    QVERIFY(m_editor->isModified());
}

void TestLoadAndEdit::clearingABoxLeavesAnEmptySlot()
{
    loadGame(threeAreas());
    m_editor->selectArea(2);
    cmbped(2)->lineEdit()->clear();
    QCOMPARE(m_editor->table().areas.at(3 - 1).areaPeds, QStringLiteral("a,b,,d,e,f,g,h"));
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds.count(u','), 7);
}

void TestLoadAndEdit::typingWithoutASelectedAreaChangesNothing()
{
    loadGame("# no areas\r\n");
    QTest::keyClicks(cmbped(0)->lineEdit(), QStringLiteral("pimp"));
    QVERIFY(!m_editor->isModified());
    QVERIFY(!action("mnuundo")->isEnabled());
    QVERIFY(m_editor->table().areas.isEmpty());
    QCOMPARE(composeFile(m_editor->table()), QStringLiteral("# no areas\r\n\r\n"));
}

void TestLoadAndEdit::closingAsksOnlyAfterAnEdit()
{
    QVERIFY(m_window->close());
    QVERIFY(m_fake->dialogs.messages.isEmpty());

    m_window->show();
    loadGame(threeAreas());
    QVERIFY(m_window->close());
    QVERIFY(m_fake->dialogs.messages.isEmpty());

    m_window->show();
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    m_fake->dialogs.messageAnswers << Answer::Yes;
    QVERIFY(m_window->close());
    const ShownMessage question{QStringLiteral("Unsaved changes have been made. Really Quit?"),
            QStringLiteral("Really Quit?"), MessageIcon::Warning, MessageButtons::YesNo};
    QCOMPARE(m_fake->dialogs.messages, QList{question});
}

void TestLoadAndEdit::answeringNoKeepsTheWindowAndDocument()
{
    loadGame(threeAreas());
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    const QString list = m_editor->table().areas.at(1 - 1).areaPeds;
    m_fake->dialogs.messageAnswers << Answer::No;
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_editor->isModified());
    QCOMPARE(m_editor->table().areas.at(1 - 1).areaPeds, list);
}

void TestLoadAndEdit::exitRunsTheSameCheck()
{
    loadGame(threeAreas());
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    m_fake->dialogs.messageAnswers << Answer::No << Answer::Yes;
    action("mnuclose")->trigger();
    QVERIFY(m_window->isVisible());
    action("mnuclose")->trigger();
    QCOMPARE(m_fake->dialogs.messages.size(), 2);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestLoadAndEdit)
#include "tst_loadandedit.moc"
