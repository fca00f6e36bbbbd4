#include "app/frmmain.h"
#include "file/filecommands.h"
#include "file/pedgrpfile.h"
#include "format/areawriter.h"
#include "gamereading/gamecheck.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

const QByteArray BackupBytes = QByteArrayLiteral("# the shipped backup\r\n\r\n")
        + areaLine("male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1", "Backup");
const QByteArray OtherBytes = QByteArrayLiteral("# some other file\r\n");
const QString SavedTitle = QStringLiteral("Saved");
const QString SavingFailed = QStringLiteral("An error occured while saving '%1', the error was: ");
const QString BackupFailed
        = QStringLiteral("An error occured during the backup process, the error was '");

QByteArray testData(const char *name)
{
    return readFile(QStringLiteral(VARNEL_TEST_DATA "/") + QLatin1String(name));
}

} // namespace

class TestFileCommands : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWritesTheGoldenFileBeforeSayingSo();
    void savedFilesLoadAndSaveToTheSameBytes();
    void saveWritesTheFileLoadFoundWhateverItsCase();
    void saveWithoutALoadedDocumentDoesNothing_data();
    void saveWithoutALoadedDocumentDoesNothing();
    void saveFailureKeepsTheOldFileAndModified_data();
    void saveFailureKeepsTheOldFileAndModified();

    void saveAsWritesTheTypedNameAndTurnsSaveOff_data();
    void saveAsWritesTheTypedNameAndTurnsSaveOff();
    void saveAsAsksBeforeReplacingAFile_data();
    void saveAsAsksBeforeReplacingAFile();
    void saveAsCancelledChangesNothing();
    void nextLoadTurnsSaveBackOnForTheGameFile();
    void saveAsFailureKeepsSaveOnAndTheOldFile_data();
    void saveAsFailureKeepsSaveOnAndTheOldFile();

    void saveAsksWhenTheFileChangedOnDisk_data();
    void saveAsksWhenTheFileChangedOnDisk();
    void aChangeDuringAQuestionIsLookedAtAgain_data();
    void aChangeDuringAQuestionIsLookedAtAgain();
    void whatWasNotKeptFollowsTheCompletion_data();
    void whatWasNotKeptFollowsTheCompletion();
    void gameCheckNoWritesNothing_data();
    void gameCheckNoWritesNothing();
    void keepFileLayoutWritesTheLinesAsRead();

    void restoreOffersTheLastGameFolder();
    void restoreCopiesTheBackupAndLeavesTheDocument_data();
    void restoreCopiesTheBackupAndLeavesTheDocument();
    void restoreCancelledDoesNothing();
    void restoreFailureLeavesTheGameFile_data();
    void restoreFailureLeavesTheGameFile();

private:
    // A typed text whose "<tmp>" stands for this test's temporary folder.
    QString inTemporaryFolder(QString typed) const
    {
        return typed.replace(QLatin1String("<tmp>"), m_dir->path());
    }
    // Loads and forgets the load's own questions and messages.
    void loadFolder(const QString &typed) override;
    // An edit, so that Modified is true.
    void editFirstSlot(const QString &text);
    // An edit that leaves the content as it was.
    void editAndUndo();
    void verifyOnlyMessage(const QString &text, const QString &title, MessageIcon icon);
    // The one message shown starts with prefix, names a description and ends in suffix.
    void verifyOnlyFailure(
            const QString &prefix, const QString &suffix, const QString &title, MessageIcon icon);

    QString m_startFolder;
};

void TestFileCommands::init()
{
    QVERIFY(createEditor());
    writeFile(path(QStringLiteral("program/backup.file")), BackupBytes);
    m_startFolder = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void TestFileCommands::cleanup()
{
    QDir::setCurrent(m_startFolder);
    destroyEditor();
}

void TestFileCommands::loadFolder(const QString &typed)
{
    EditorTest::loadFolder(typed);
    QVERIFY(m_fake->dialogs.inputAnswers.isEmpty());
    forgetDialogs();
}

void TestFileCommands::editFirstSlot(const QString &text)
{
    cmbped(0)->setEditText(text);
    QVERIFY(m_editor->isModified());
}

void TestFileCommands::editAndUndo()
{
    const QString text = cmbped(0)->currentText();
    editFirstSlot(QStringLiteral("changed"));
    editFirstSlot(text);
}

void TestFileCommands::verifyOnlyMessage(
        const QString &text, const QString &title, MessageIcon icon)
{
    const ShownMessage expected{text, title, icon, MessageButtons::Ok};
    QCOMPARE(m_fake->dialogs.messages, QList{expected});
}

void TestFileCommands::verifyOnlyFailure(
        const QString &prefix, const QString &suffix, const QString &title, MessageIcon icon)
{
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    const ShownMessage &shown = m_fake->dialogs.messages.first();
    QVERIFY2(shown.text.startsWith(prefix), qPrintable(shown.text));
    QVERIFY2(shown.text.endsWith(suffix), qPrintable(shown.text));
    QVERIFY2(shown.text.size() > prefix.size() + suffix.size(), "no description of the failure");
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
}

void TestFileCommands::saveWritesTheGoldenFileBeforeSayingSo()
{
    const QString game = loadGame(testData("roundtrip.txt"));
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    editAndUndo();
    QByteArray onDiskWhileShown;
    bool modifiedWhileShown = true;
    m_fake->dialogs.onMessage = [&](const ShownMessage &) {
        onDiskWhileShown = readFile(gameFile);
        modifiedWhileShown = m_editor->isModified();
    };

    m_files->save();

    verifyOnlyMessage(QStringLiteral("File save complete for '") + gameFile + QStringLiteral("'."),
            SavedTitle, MessageIcon::Information);
    QCOMPARE(onDiskWhileShown, testData("roundtrip.ref"));
    QVERIFY(!modifiedWhileShown);
    QVERIFY(action("mnusave")->isEnabled());
}

void TestFileCommands::savedFilesLoadAndSaveToTheSameBytes()
{
    const QString game = loadGame(testData("roundtrip.txt"));
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    const QByteArray golden = testData("roundtrip.ref");

    m_files->save();
    m_files->save();
    QCOMPARE(readFile(gameFile), golden);

    loadFolder(game);
    QCOMPARE(cmbareas()->count(), 7);
    m_files->save();
    QCOMPARE(readFile(gameFile), golden);
    // The first Save of the run kept the file as it was before it; no later one replaced that.
    QCOMPARE(readFile(gameFile + QStringLiteral(".bak")), testData("roundtrip.txt"));
}

void TestFileCommands::saveWritesTheFileLoadFoundWhateverItsCase()
{
    const QString realFile = path(QStringLiteral("Game/Data/PedGrp.DAT"));
    writeFile(realFile, testData("roundtrip.txt"));
    loadFolder(path(QStringLiteral("game")));
    QVERIFY(m_editor->hasDocument());

    m_files->save();

    verifyOnlyMessage(QStringLiteral("File save complete for '") + path(QStringLiteral("game"))
                    + QStringLiteral("/data/pedgrp.dat'."),
            SavedTitle, MessageIcon::Information);
    QCOMPARE(readFile(realFile), testData("roundtrip.ref"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList({QStringLiteral("Game"), QStringLiteral("program")}));
}

void TestFileCommands::saveWithoutALoadedDocumentDoesNothing_data()
{
    QTest::addColumn<QString>("loadAnswer");
    QTest::newRow("no load at all") << QString();
    QTest::newRow("after a failed load") << QStringLiteral("nowhere");
}

void TestFileCommands::saveWithoutALoadedDocumentDoesNothing()
{
    QFETCH(QString, loadAnswer);
    if (!loadAnswer.isNull())
        loadFolder(loadAnswer);
    const QStringList before
            = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    m_files->save();
    m_fake->dialogs.inputAnswers << QStringLiteral("saved.dat");
    m_files->saveAs();

    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestFileCommands::saveFailureKeepsTheOldFileAndModified_data()
{
    QTest::addColumn<QString>("slotText");
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<QString>("description");
    QTest::newRow("character beyond Latin-1")
            << QStringLiteral("male\u0100") << QString()
            << QStringLiteral("Area 'Sample' holds the character '\u0100' (U+0100), which an "
                              "8-bit file cannot hold");
    QTest::newRow("character beyond 16 bits")
            << QStringLiteral("male\U0001F600") << QString()
            << QStringLiteral("Area 'Sample' holds the character '\U0001F600' (U+1F600), which an "
                              "8-bit file cannot hold");
    QTest::newRow("folder in the place of the file")
            << QStringLiteral("male02") << QStringLiteral("folder") << QString();
    QTest::newRow("game folder gone")
            << QStringLiteral("male02") << QStringLiteral("gone") << QString();
}

void TestFileCommands::saveFailureKeepsTheOldFileAndModified()
{
    QFETCH(QString, slotText);
    QFETCH(QString, breakage);
    QFETCH(QString, description);
    const QByteArray oldBytes = testData("roundtrip.txt");
    const QString game = loadGame(oldBytes);
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    editFirstSlot(slotText);
    if (breakage == QLatin1String("folder")) {
        QVERIFY(QFile::remove(gameFile));
        QVERIFY(QDir().mkdir(gameFile));
    } else if (breakage == QLatin1String("gone")) {
        QVERIFY(QDir(game).removeRecursively());
    }

    m_files->save();

    if (!breakage.isEmpty())
        QCOMPARE(m_fake->dialogs.messages.takeFirst(), changedOnDisk(gameFile));
    const QString prefix = SavingFailed.arg(gameFile);
    if (!description.isEmpty())
        verifyOnlyMessage(
                prefix + description + u'.', QStringLiteral("Error"), MessageIcon::Warning);
    else
        verifyOnlyFailure(
                prefix, QStringLiteral("."), QStringLiteral("Error"), MessageIcon::Warning);
    QVERIFY(m_editor->isModified());
    if (breakage.isEmpty())
        QCOMPARE(readFile(gameFile), oldBytes);
    if (breakage == QLatin1String("folder"))
        QVERIFY(QFileInfo(gameFile).isDir());
    if (breakage == QLatin1String("gone"))
        QVERIFY(!QFileInfo::exists(game));
}

void TestFileCommands::saveAsWritesTheTypedNameAndTurnsSaveOff_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("absolute") << QStringLiteral("<tmp>/out/saved.dat")
                              << QStringLiteral("out/saved.dat");
    QTest::newRow("relative to the current folder")
            << QStringLiteral("out/saved.dat") << QStringLiteral("out/saved.dat");
    QTest::newRow("final blank kept")
            << QStringLiteral("saved.dat ") << QStringLiteral("saved.dat ");
}

void TestFileCommands::saveAsWritesTheTypedNameAndTurnsSaveOff()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    typed = inTemporaryFolder(typed);
    const QByteArray input = testData("roundtrip.txt");
    const QString game = loadGame(input);
    writeFile(path(QStringLiteral("out/old.dat")), OtherBytes);
    editAndUndo();
    m_fake->dialogs.inputAnswers << typed;

    m_files->saveAs();

    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
    QCOMPARE(m_fake->dialogs.inputs.first().prompt, QStringLiteral("Enter file name to save as."));
    QCOMPARE(m_fake->dialogs.inputs.first().title, QStringLiteral("Save As..."));
    QCOMPARE(m_fake->dialogs.inputs.first().defaultText, QStringLiteral("c:\\pedgrp.dat"));
    QCOMPARE(m_fake->dialogs.inputs.first().completion, Completion::FileToWrite);
    verifyOnlyMessage(QStringLiteral("File save complete for '") + typed + QStringLiteral("'."),
            SavedTitle, MessageIcon::Information);
    QCOMPARE(readFile(path(written)), testData("roundtrip.ref"));
    QCOMPARE(readFile(game + QStringLiteral("/data/pedgrp.dat")), input);
    QVERIFY(!m_editor->isModified());
    QVERIFY(!action("mnusave")->isEnabled());
    QVERIFY(action("mnusaveas")->isEnabled());
}

void TestFileCommands::saveAsAsksBeforeReplacingAFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("yes replaces it") << QStringLiteral("out/old.dat") << Answer::Yes;
    QTest::newRow("named as it lies on disk") << QStringLiteral("<tmp>/OUT/Old.Dat") << Answer::No;
}

void TestFileCommands::saveAsAsksBeforeReplacingAFile()
{
    QFETCH(QString, typed);
    QFETCH(Answer, answer);
    typed = inTemporaryFolder(typed);
    loadGame(testData("roundtrip.txt"));
    writeFile(path(QStringLiteral("out/old.dat")), OtherBytes);
    editAndUndo();
    m_fake->dialogs.inputAnswers << typed;
    m_fake->dialogs.messageAnswers << answer;

    m_files->saveAs();

    const ShownMessage question{QStringLiteral("'%1' already exists. Replace it?")
                                        .arg(QDir::toNativeSeparators(path("out/old.dat"))),
            QStringLiteral("Save As..."), MessageIcon::Warning, MessageButtons::YesNoDefaultNo};
    QCOMPARE(m_fake->dialogs.messages.value(0), question);
    QCOMPARE(m_fake->dialogs.messages.size(), answer == Answer::Yes ? 2 : 1);
    QCOMPARE(readFile(path(QStringLiteral("out/old.dat"))),
            answer == Answer::Yes ? testData("roundtrip.ref") : OtherBytes);
    QCOMPARE(readFile(path(QStringLiteral("out/old.dat.bak"))),
            answer == Answer::Yes ? OtherBytes : QByteArray());
    QCOMPARE(m_editor->isModified(), answer == Answer::No);
    QCOMPARE(action("mnusave")->isEnabled(), answer == Answer::No);
}

void TestFileCommands::saveAsCancelledChangesNothing()
{
    loadGame(testData("roundtrip.txt"));
    editAndUndo();
    const QStringList before
            = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    m_files->saveAs();

    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QVERIFY(m_editor->isModified());
    QVERIFY(action("mnusave")->isEnabled());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestFileCommands::nextLoadTurnsSaveBackOnForTheGameFile()
{
    const QString game = loadGame(testData("roundtrip.txt"));
    m_fake->dialogs.inputAnswers << QStringLiteral("saved.dat");
    m_files->saveAs();
    QVERIFY(!action("mnusave")->isEnabled());

    loadFolder(game);
    QVERIFY(action("mnusave")->isEnabled());
    QVERIFY(action("mnusaveas")->isEnabled());
    editFirstSlot(QStringLiteral("pimp"));
    action("mnusave")->trigger();

    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(readFile(path(QStringLiteral("saved.dat"))), testData("roundtrip.ref"));
    QVERIFY(readFile(game + QStringLiteral("/data/pedgrp.dat")).contains("\npimp,\t\tfemale01,"));
}

void TestFileCommands::saveAsFailureKeepsSaveOnAndTheOldFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("slotText");
    QTest::addColumn<QString>("description");
    QTest::newRow("folder in the place of the file")
            << QStringLiteral("taken") << QStringLiteral("pimp") << QString();
    QTest::newRow("missing folder")
            << QStringLiteral("nowhere/saved.dat") << QStringLiteral("pimp") << QString();
    QTest::newRow("final separator")
            << QStringLiteral("out/") << QStringLiteral("pimp")
            << QStringLiteral("The name ends in a folder separator, so it names a folder, not a "
                              "file");
    QTest::newRow("character beyond Latin-1")
            << QStringLiteral("out/new.dat") << QStringLiteral("\u20acmale01")
            << QStringLiteral("Area 'Sample' holds the character '\u20ac' (U+20AC), which an "
                              "8-bit file cannot hold");
}

void TestFileCommands::saveAsFailureKeepsSaveOnAndTheOldFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, slotText);
    QFETCH(QString, description);
    loadGame(testData("roundtrip.txt"));
    writeFile(path(QStringLiteral("out/old.dat")), OtherBytes);
    writeFile(path(QStringLiteral("taken/inside.dat")), OtherBytes);
    editFirstSlot(slotText);
    m_fake->dialogs.inputAnswers << typed;
    // The document has problems for the game: a write that cannot happen is
    // said before the Game Check asks.
    m_fake->dialogs.passedQuestions.clear();

    m_files->saveAs();

    const QString prefix = SavingFailed.arg(typed);
    if (!description.isEmpty())
        verifyOnlyMessage(
                prefix + description + u'.', QStringLiteral("Error"), MessageIcon::Warning);
    else
        verifyOnlyFailure(
                prefix, QStringLiteral("."), QStringLiteral("Error"), MessageIcon::Warning);
    QVERIFY(m_editor->isModified());
    QVERIFY(action("mnusave")->isEnabled());
    QCOMPARE(readFile(path(QStringLiteral("out/old.dat"))), OtherBytes);
    QCOMPARE(QDir(path(QStringLiteral("out"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("old.dat")});
    QCOMPARE(readFile(path(QStringLiteral("taken/inside.dat"))), OtherBytes);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("nowhere"))));
}

void TestFileCommands::restoreOffersTheLastGameFolder()
{
    const QString game = loadGame(testData("roundtrip.txt"));
    m_files->restoreBackup();

    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
    const AskedInput &asked = m_fake->dialogs.inputs.first();
    QCOMPARE(asked.prompt, QStringLiteral("Enter your GTA3 directory or press cancel."));
    QCOMPARE(asked.title, QStringLiteral("Restore BackUp"));
    QCOMPARE(asked.defaultText, game + u'/');
    QCOMPARE(asked.completion, Completion::Folder);
}

void TestFileCommands::restoreCopiesTheBackupAndLeavesTheDocument_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("gameFile");
    // What the copy kept beside the file holds; none when there was no file.
    QTest::addColumn<QByteArray>("kept");
    const QByteArray loaded = testData("roundtrip.txt");
    QTest::newRow("no final separator")
            << QStringLiteral("<tmp>/game") << QStringLiteral("game/data/pedgrp.dat") << loaded;
    QTest::newRow("final slash") << QStringLiteral("<tmp>/game/")
                                 << QStringLiteral("game/data/pedgrp.dat") << loaded;
    QTest::newRow("final backslash")
            << QStringLiteral("<tmp>/game\\") << QStringLiteral("game/data/pedgrp.dat") << loaded;
    QTest::newRow("relative") << QStringLiteral("game") << QStringLiteral("game/data/pedgrp.dat")
                              << loaded;
    QTest::newRow("other capitals on disk")
            << QStringLiteral("<tmp>/caps") << QStringLiteral("Caps/DATA/PEDGRP.dat") << OtherBytes;
    QTest::newRow("no pedgrp.dat yet") << QStringLiteral("<tmp>/fresh")
                                       << QStringLiteral("fresh/data/pedgrp.dat") << QByteArray();
}

void TestFileCommands::restoreCopiesTheBackupAndLeavesTheDocument()
{
    QFETCH(QString, typed);
    QFETCH(QString, gameFile);
    QFETCH(QByteArray, kept);
    typed = inTemporaryFolder(typed);
    loadGame(testData("roundtrip.txt"));
    writeFile(path(QStringLiteral("Caps/DATA/PEDGRP.dat")), OtherBytes);
    QVERIFY(QDir().mkpath(path(QStringLiteral("fresh/data"))));
    m_editor->selectArea(4);
    editFirstSlot(QStringLiteral("pimp"));
    const QString listBefore = m_editor->table().areas.at(5 - 1).areaPeds;
    const QStringList slotsBefore = slotTexts();
    m_fake->dialogs.inputAnswers << typed;

    m_files->restoreBackup();

    QCOMPARE(m_fake->dialogs.inputs.first().defaultText, path(QStringLiteral("game/")));
    verifyOnlyMessage(QStringLiteral("Backup file 'pedgrp.dat' restored."),
            QStringLiteral("Completed."), MessageIcon::Information);
    QCOMPARE(readFile(path(gameFile)), BackupBytes);
    QCOMPARE(readFile(path(gameFile) + QStringLiteral(".bak")), kept);
    QCOMPARE(QDir(QFileInfo(path(gameFile)).path()).entryList(QDir::Files | QDir::Hidden).size(),
            kept.isEmpty() ? 1 : 2);
    QVERIFY(m_editor->isModified());
    QCOMPARE(m_editor->table().areas.at(5 - 1).areaPeds, listBefore);
    QCOMPARE(m_editor->selectedArea(), 4);
    QCOMPARE(slotTexts(), slotsBefore);
}

void TestFileCommands::restoreCancelledDoesNothing()
{
    m_files->restoreBackup();

    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
    QCOMPARE(m_fake->dialogs.inputs.first().defaultText,
            QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\"));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

void TestFileCommands::restoreFailureLeavesTheGameFile_data()
{
    QTest::addColumn<QString>("breakage");
    QTest::newRow("backup.file missing") << QStringLiteral("no backup");
    QTest::newRow("no data folder") << QStringLiteral("no data");
    QTest::newRow("folder in the place of pedgrp.dat") << QStringLiteral("folder");
}

void TestFileCommands::restoreFailureLeavesTheGameFile()
{
    QFETCH(QString, breakage);
    const QByteArray oldBytes = testData("roundtrip.txt");
    const QString game = makeGameFolder(m_dir->path(), oldBytes);
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    const QString backup = path(QStringLiteral("program/backup.file"));
    if (breakage == QLatin1String("no backup")) {
        QVERIFY(QFile::remove(backup));
    } else if (breakage == QLatin1String("no data")) {
        QVERIFY(QDir(game + QStringLiteral("/data")).removeRecursively());
    } else {
        QVERIFY(QFile::remove(gameFile));
        QVERIFY(QDir().mkdir(gameFile));
    }
    m_fake->dialogs.inputAnswers << game;

    m_files->restoreBackup();

    verifyOnlyFailure(
            BackupFailed, QStringLiteral(".'"), QStringLiteral("Varnel"), MessageIcon::None);
    if (breakage == QLatin1String("no backup")) {
        QCOMPARE(m_fake->dialogs.messages.first().text,
                BackupFailed + openError(backup) + QStringLiteral(".'"));
        QCOMPARE(readFile(gameFile), oldBytes);
    }
    if (breakage == QLatin1String("no data"))
        QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    if (breakage == QLatin1String("folder"))
        QVERIFY(QFileInfo(gameFile).isDir());
}

void TestFileCommands::saveAsksWhenTheFileChangedOnDisk_data()
{
    QTest::addColumn<bool>("restored");
    QTest::newRow("rewritten by another program") << false;
    QTest::newRow("restored from the backup") << true;
}

void TestFileCommands::saveAsksWhenTheFileChangedOnDisk()
{
    QFETCH(bool, restored);
    const QString game = loadGame(testData("roundtrip.txt"));
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    editFirstSlot(QStringLiteral("pimp"));
    if (restored) {
        m_fake->dialogs.inputAnswers << game;
        m_files->restoreBackup();
        forgetDialogs();
    } else {
        writeFile(gameFile, OtherBytes);
    }
    const QByteArray onDisk = readFile(gameFile);
    m_fake->dialogs.messageAnswers << Answer::No;

    m_files->save();

    QCOMPARE(m_fake->dialogs.messages, QList{changedOnDisk(gameFile)});
    QCOMPARE(readFile(gameFile), onDisk);
    QVERIFY(m_editor->isModified());
}

// While the Game Check question is open another program changes the target
// ("bytes", "touch": only its time, "appears": it makes it). The question about
// it comes again for a change of bytes only, is answered with "overwrite", and
// the bytes replaced are those on disk at the write.
void TestFileCommands::aChangeDuringAQuestionIsLookedAtAgain_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("titles");
    const QString check = gameCheckTitle();
    QTest::newRow("Save, other bytes, overwritten")
            << "save"
            << "bytes" << true << QStringList{check, "Save"};
    QTest::newRow("Save, other bytes, kept") << "save"
                                             << "bytes" << false << QStringList{check, "Save"};
    QTest::newRow("Save, touched") << "save"
                                   << "touch" << true << QStringList{check};
    QTest::newRow("Save As, the target appears")
            << "saveas"
            << "appears" << false << QStringList{check, "Save As..."};
    QTest::newRow("Save As, the target changes after its question")
            << "saveas"
            << "bytes" << true << QStringList{"Save As...", check, "Save As..."};
}

void TestFileCommands::aChangeDuringAQuestionIsLookedAtAgain()
{
    QFETCH(QString, command);
    QFETCH(QString, change);
    QFETCH(bool, overwrite);
    QFETCH(QStringList, titles);
    const QString game = loadGame(threeAreas());
    const bool save = command == QLatin1String("save");
    const QString target = save ? game + QStringLiteral("/data/pedgrp.dat") : path("other.dat");
    if (!save && change != QLatin1String("appears"))
        writeFile(target, OtherBytes);
    const QByteArray before = readFile(target);
    editFirstSlot(QStringLiteral("pimp"));
    const QByteArray document = bytesToKeep(m_editor->table());
    const QByteArray changed = QByteArrayLiteral("# another program's change\r\n");
    m_fake->dialogs.passedQuestions.clear();
    m_fake->dialogs.onMessage = [&](const ShownMessage &shown) {
        if (shown.title != gameCheckTitle())
            return;
        if (change == QLatin1String("touch")) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(
                    QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        } else {
            writeFile(target, changed);
        }
    };
    m_fake->dialogs.messageAnswers = QList<Answer>(titles.size() - 1, Answer::Yes)
            << (overwrite ? Answer::Yes : Answer::No);
    m_fake->dialogs.inputAnswers << target;

    save ? m_files->save() : m_files->saveAs();

    QStringList asked;
    for (const ShownMessage &shown : std::as_const(m_fake->dialogs.messages))
        asked << shown.title;
    QCOMPARE(asked, overwrite ? titles << SavedTitle : titles);
    const QByteArray replaced = change == QLatin1String("touch") ? before : changed;
    QCOMPARE(readFile(target), overwrite ? document : replaced);
    if (overwrite)
        QCOMPARE(readFile(m_versions->versions().first().entryPath), replaced);
}

// The command's completion text stays as it is; what was not kept of the file
// it replaced follows it.
void TestFileCommands::whatWasNotKeptFollowsTheCompletion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::newRow("Save beside a read-only .bak")
            << "save"
            << "File save complete for '<file>'.\r\n\r\nNo .bak copy was made: 'pedgrp.dat.bak' "
               "is read-only.";
    QTest::newRow("Restore BackUp over a file over 16 MiB")
            << "restore"
            << "Backup file 'pedgrp.dat' restored.\r\n\r\n'<file>' was larger than 16 MiB and "
               "was not kept.";
}

void TestFileCommands::whatWasNotKeptFollowsTheCompletion()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    const QString game = loadGame(threeAreas());
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    if (command == QLatin1String("save")) {
        writeFile(gameFile + QStringLiteral(".bak"), OtherBytes);
        QVERIFY(QFile::setPermissions(
                gameFile + QStringLiteral(".bak"), QFile::ReadOwner | QFile::ReadUser));
        m_files->save();
    } else {
        writeFile(gameFile, QByteArray(KeptCopies::MaxKeptSize + 1, '#'));
        m_fake->dialogs.inputAnswers << game;
        m_files->restoreBackup();
    }

    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(
            m_fake->dialogs.messages.first().text, text.replace(QLatin1String("<file>"), gameFile));
}

void TestFileCommands::gameCheckNoWritesNothing_data()
{
    QTest::addColumn<QString>("saveAsName");
    QTest::newRow("save") << QString();
    QTest::newRow("save as") << QStringLiteral("other.dat");
}

void TestFileCommands::gameCheckNoWritesNothing()
{
    QFETCH(QString, saveAsName);
    // One group of seven names; upper-case names are fine for the game.
    const QString game = loadGame(
            areaLine("MALE01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1", "Short"));
    const QString target
            = saveAsName.isEmpty() ? game + QStringLiteral("/data/pedgrp.dat") : path(saveAsName);
    if (!saveAsName.isEmpty())
        m_fake->dialogs.inputAnswers << target;
    const QByteArray onDisk = readFile(target);
    editFirstSlot(QStringLiteral("male01"));
    m_fake->dialogs.passedQuestions.clear();
    m_fake->dialogs.messageAnswers << Answer::No;

    if (saveAsName.isEmpty())
        m_files->save();
    else
        m_files->saveAs();

    const ShownMessage question{QStringLiteral("Problems the game will have with this file:\r\n\r\n"
                                               "Short (area 1): the game sees 7 names (male01, "
                                               "female01, criminal01, b_man1, st_wom, fatfemale01, "
                                               "p_man1), so no group; every later group moves up "
                                               "one.\r\n\r\nSave anyway?"),
            gameCheckTitle(), MessageIcon::Warning, MessageButtons::YesNoDefaultNo};
    QCOMPARE(m_fake->dialogs.messages, QList{question});
    QCOMPARE(readFile(target), onDisk);
    QVERIFY(m_editor->isModified());
    QVERIFY(action("mnusave")->isEnabled());
}

// On, Save writes back the bytes read but a byte order mark, a "#" in a kept
// list included, and the Game Check reads the lines as they stand; an edit
// rewrites only its area's line, in Save As and in the version kept of a
// document let go. Off, the list's "#" cannot be written.
void TestFileCommands::keepFileLayoutWritesTheLinesAsRead()
{
    const QByteArray park = "male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1";
    const QByteArray read = "# Portland\n\nmale01,male01,male01,male01,male01,male01,male01,"
                            "male01#Stuck # Town\n# --- STAUNTON ---\r\n \r"
            + areaLine(park, "Park") + "  \t";
    const QString gameFile = loadGame("\xef\xbb\xbf" + read) + QStringLiteral("/data/pedgrp.dat");
    QAction *keep = action("mnukeeplayout");
    QVERIFY(keep->isCheckable() && !keep->isChecked());
    keep->trigger();
    QVERIFY(m_fake->settings.keepLayout);
    QVERIFY(FrmMain(*m_editor, *m_files, m_fake->platform())
                    .findChild<QAction *>(QStringLiteral("mnukeeplayout"))
                    ->isChecked());

    m_fake->dialogs.passedQuestions.clear();
    m_files->save();
    QCOMPARE(m_fake->dialogs.messages.first().text,
            QStringLiteral("Problems the game will have with this file:\r\n\r\nTown (area 1): the "
                           "game will not find male01#Stuck.\r\n\r\nSave anyway?"));
    QCOMPARE(readFile(gameFile), read);

    m_editor->editAreaSlot(1, 0, QStringLiteral("pimp"));
    QByteArray edited = read;
    edited.replace(park + "\t# Park", composeAreaLine(m_editor->table().areas[1]).toLatin1());
    m_fake->dialogs.inputAnswers << path(QStringLiteral("copy.dat"));
    m_files->saveAs();
    QCOMPARE(readFile(path(QStringLiteral("copy.dat"))), edited);
    m_editor->editAreaSlot(1, 0, QStringLiteral("male01"));
    m_files->letGo(VersionReason::LetGoByExit);
    QCOMPARE(readFile(m_versions->versions().first().entryPath), read);

    keep->trigger();
    forgetDialogs();
    m_files->save();
    QVERIFY(m_fake->dialogs.messages.first().text.startsWith(SavingFailed.arg(gameFile)
            + "Area 'Town' holds the character '#'"));
    QCOMPARE(readFile(gameFile), read);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
