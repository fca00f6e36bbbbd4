#include "app/earlierversions.h"
#include "file/pedgrpfile.h"
#include "format/areareader.h"
#include "storage/filestamp.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

class TestEarlierVersions : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openBringsAVersionBackAsAnUnsavedDocument();
    void aVersionTypedFromAnotherFolderOpensAtItsRealPath();
    void editsAreKeptWhileEditingUntilSaved();
    void aKeepThatFailsIsToldOnceTypingHasEnded();
    void aRunThatEndedWithUnsavedChangesIsToldOfOnce();
    void openItOpensWhatTheEndedRunsKept_data();
    void openItOpensWhatTheEndedRunsKept();
    void thePreviewComparesWithTheOpenDocumentOfItsFile_data();
    void thePreviewComparesWithTheOpenDocumentOfItsFile();

private:
    QStringList rowTexts(QTableWidget *table, int row) const;
    // The entries of runs that are editing now, or ended while editing.
    QStringList editingEntries() const;
    // Leaves the entry of a run that ended while editing file (not on Windows).
    void leaveEndedRun(const QString &file, const QString &shown, const QByteArray &bytes);
};

void TestEarlierVersions::init()
{
    QVERIFY(createEditor());
}

void TestEarlierVersions::cleanup()
{
    destroyEditor();
}

QStringList TestEarlierVersions::rowTexts(QTableWidget *table, int row) const
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->item(row, column)->text();
    return texts;
}

QStringList TestEarlierVersions::editingEntries() const
{
    return QDir(m_dataDir->filePath(QStringLiteral("editing")))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

void TestEarlierVersions::leaveEndedRun(
        const QString &file, const QString &shown, const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    Q_UNUSED(shown);
    Q_UNUSED(bytes);
#else
    const pid_t child = fork();
    if (child == 0) {
        VersionHistory ended(m_dataDir->path());
        ended.keepWhileEditing(file, shown, bytes);
        _exit(0);
    }
    QVERIFY(child > 0);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
#endif
}

void TestEarlierVersions::openBringsAVersionBackAsAnUnsavedDocument()
{
    const QString game = loadGame(threeAreas());
    const QString file = QFileInfo(game + QStringLiteral("/data/pedgrp.dat")).canonicalFilePath();
    const QByteArray loaded = readFile(file);
    const QByteArray loadedAsWritten = bytesToKeep(readAreaTable(loaded).table);
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    m_files->save();
    cmbped(0)->setEditText(QStringLiteral("hooker"));
    const QByteArray letGo = bytesToKeep(m_editor->table());
    forgetDialogs();

    action("mnuversions")->trigger();
    auto *dialog = m_window->findChild<EarlierVersionsDialog *>();
    QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Earlier Versions"));
    auto *table = dialog->findChild<QTableWidget *>();
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(headers, (QStringList{"When", "File", "What", "Size"}));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(rowTexts(table, 0).mid(1),
            (QStringList{m_files->documentFile().shownPath, "Replaced by Save",
                    QString::number(loaded.size())}));
    QVERIFY(table->selectionModel()->isRowSelected(0, QModelIndex()));
    // Tab reaches the list and leaves it; a screen reader reads a row's four cells.
    QVERIFY((table->focusPolicy() & Qt::TabFocus) && !table->tabKeyNavigation());
    QAccessibleTableInterface *spoken
            = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QStringList cells;
    for (int column = 0; column < 4; ++column)
        cells << spoken->cellAt(0, column)->text(QAccessible::Name);
    QCOMPARE(cells, rowTexts(table, 0));
    auto *open = dialog->findChild<QPushButton *>(QStringLiteral("cmdopen"));
    QVERIFY(open->isEnabled() && open->isDefault());
    QCOMPARE(open->text(), QStringLiteral("Open"));

    open->click();

    QCOMPARE(m_fake->dialogs.messages, QList<ShownMessage>{ReallyLoad});
    QCOMPARE(bytesToKeep(m_editor->table()), loadedAsWritten);
    QCOMPARE(m_files->documentFile().path, file);
    QVERIFY(m_editor->isModified() && m_window->isWindowModified());
    QVERIFY(!m_editor->history().canUndo());
    QVERIFY(action("mnusave")->isEnabled());
    const QList<KeptVersion> versions = m_versions->versions();
    QCOMPARE(versions.first().reason, VersionReason::LetGoByLoad);
    QCOMPARE(readFile(versions.first().entryPath), letGo);

    // Save writes it back without a question: the file has not changed since the Open.
    forgetDialogs();
    m_files->save();
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().title, QStringLiteral("Saved"));
    QCOMPARE(readFile(file), loadedAsWritten);

    // Closing the window lets an edit go as well.
    cmbped(0)->setEditText(QStringLiteral("criminal01"));
    m_window->close();
    QCOMPARE(m_versions->versions().first().reason, VersionReason::LetGoByExit);
}

// Typed as "game/data/pedgrp.dat" in a run started elsewhere.
void TestEarlierVersions::aVersionTypedFromAnotherFolderOpensAtItsRealPath()
{
    const QString file = makeGameFolder(path(QStringLiteral("game")), threeAreas())
            + QStringLiteral("/data/pedgrp.dat");
    const QString typed = QStringLiteral("game/data/pedgrp.dat");
    QCOMPARE(m_versions->keep(file, typed, "# kept\r\n", VersionReason::ReplacedBySave), QString());
    m_files->openVersion(m_versions->versions().first());
    const QString shown = QDir::toNativeSeparators(realFilePath(file));
    QCOMPARE(m_files->documentFile().shownPath, shown);
    QCOMPARE(m_fake->settings.remembered, shown);
}

void TestEarlierVersions::editsAreKeptWhileEditingUntilSaved()
{
    loadGame(threeAreas());
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    QTRY_COMPARE_WITH_TIMEOUT(editingEntries().size(), 1, EditingKeeper::DelayMs + 1000);
    const QString entry
            = m_dataDir->filePath(QStringLiteral("editing/") + editingEntries().first());
    QCOMPARE(readFile(entry + QStringLiteral("/bytes")), bytesToKeep(m_editor->table()));

    m_files->save();
    QCOMPARE(editingEntries(), QStringList());
}

// The data folder cannot hold the run's entry while "editing" is a file.
void TestEarlierVersions::aKeepThatFailsIsToldOnceTypingHasEnded()
{
    const QString editing = m_dataDir->filePath(QStringLiteral("editing"));
    const int keepMs = EditingKeeper::DelayMs + 1000;
    loadGame(threeAreas());
    action("mnuallareas")->trigger();
    auto *counts = child<QLabel>(QStringLiteral("counts"));
    writeFile(editing, "not a folder");

    QTest::keyClicks(cmbped(0)->lineEdit(), QStringLiteral("pimp"));
    const QString warning = QStringLiteral("Unsaved changes are not being kept: ");
    QTRY_VERIFY_WITH_TIMEOUT(counts->text().contains(QStringLiteral(". ") + warning), keepMs);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    const QList<ShownMessage> warned{{counts->text().mid(counts->text().indexOf(warning)),
            QStringLiteral("Varnel"), MessageIcon::Warning, MessageButtons::Ok}};
    m_editor->endTyping();
    QTRY_COMPARE(m_fake->dialogs.messages, warned);

    // Not again while keeps fail; again after one has worked.
    cmbped(1)->setEditText(QStringLiteral("hooker"));
    QTest::qWait(keepMs);
    QFile::remove(editing);
    cmbped(1)->setEditText(QStringLiteral("criminal01"));
    QTRY_VERIFY_WITH_TIMEOUT(!counts->text().contains(warning), keepMs);
    QCOMPARE(m_fake->dialogs.messages, warned);
    m_files->save();
    forgetDialogs();
    QVERIFY(QDir(editing).removeRecursively());
    writeFile(editing, "not a folder");
    cmbped(2)->setEditText(QStringLiteral("pimp"));
    QTRY_COMPARE_WITH_TIMEOUT(m_fake->dialogs.messages, warned, keepMs);
}

// One entry left by a run that ended while editing, one of a window still open.
void TestEarlierVersions::aRunThatEndedWithUnsavedChangesIsToldOfOnce()
{
#ifdef Q_OS_WIN
    QSKIP("A run that ended is left by a forked child");
#endif
    const QString file = path(QStringLiteral("game/data/pedgrp.dat"));
    const QString shown = QStringLiteral("~/game/data/pedgrp.dat");
    leaveEndedRun(file, shown, "# unsaved\r\n");
    VersionHistory stillOpen(m_dataDir->path());
    QCOMPARE(
            stillOpen.keepWhileEditing(path("other.dat"), "other.dat", "# editing\r\n"), QString());

    tellOfEndedRuns(*m_versions, m_fake->dialogs);
    tellOfEndedRuns(*m_versions, m_fake->dialogs);

    const ShownMessage told{QStringLiteral("Varnel ended with unsaved changes to '") + shown
                    + QStringLiteral("'. They are kept in File > Earlier Versions."),
            QStringLiteral("Varnel"), MessageIcon::Information, MessageButtons::Ok,
            QStringLiteral("&Open It")};
    QCOMPARE(m_fake->dialogs.messages, QList<ShownMessage>{told});
    const QList<KeptVersion> versions = m_versions->versions();
    QCOMPARE(versions.size(), 1);
    QCOMPARE(versions.first().file, file);
    QCOMPARE(versions.first().reason, VersionReason::KeptWhileEditing);
    QCOMPARE(readFile(versions.first().entryPath), QByteArray("# unsaved\r\n"));
    QCOMPARE(editingEntries().size(), 1);
}

// Runs that ended while editing these files of the game folder; the command
// line names another game.
void TestEarlierVersions::openItOpensWhatTheEndedRunsKept_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::newRow("one file: opened at once") << QStringList{"pedgrp.dat"};
    QTest::newRow("several: Earlier Versions, the newest of them selected")
            << QStringList{"night.dat", "pedgrp.dat"};
}

void TestEarlierVersions::openItOpensWhatTheEndedRunsKept()
{
#ifdef Q_OS_WIN
    QSKIP("A run that ended is left by a forked child");
#endif
    QFETCH(QStringList, files);
    const QByteArray kept = bytesToKeep(readAreaTable(threeAreas()).table);
    for (const QString &file : files)
        leaveEndedRun(path(QStringLiteral("game/data/") + file), file, kept);
    // A version of another file, which the list may show before the runs'.
    m_versions->keep(
            path("other.dat"), path("other.dat"), "# other\r\n", VersionReason::ReplacedBySave);
    m_fake->dialogs.messageAnswers << Answer::Offered;

    m_window->start(*m_versions, makeGameFolder(path(QStringLiteral("other")), threeAreas()));

    const QList<KeptVersion> versions = m_versions->versions();
    const auto newest
            = std::find_if(versions.begin(), versions.end(), [&](const KeptVersion &version) {
                  return files.contains(QFileInfo(version.file).fileName());
              });
    auto *dialog = m_window->findChild<EarlierVersionsDialog *>();
    if (files.size() == 1) {
        QVERIFY(!dialog && m_editor->isModified());
        QCOMPARE(m_files->documentFile().path, newest->file);
        QCOMPARE(bytesToKeep(m_editor->table()), kept);
    } else {
        QVERIFY(dialog && !m_editor->hasDocument());
        QCOMPARE(dialog->chosen()->entryPath, newest->entryPath);
    }
}

// A version of the game's pedgrp.dat holding these bytes; the game's own
// three areas open, or those of another game.
void TestEarlierVersions::thePreviewComparesWithTheOpenDocumentOfItsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("preview");
    const QByteArray harbour = "st_man,st_wom,fan_man1,fan_man2,fan_wom,stud_man,stud_wom,";
    const QByteArray list = QByteArray(threeAreas()).replace("shopper1", "pimp");
    QTest::newRow("a list, an area more")
            << list + areaLine("h,g,f,e,d,c,b,a", "Fourth") << "game"
            << QStringList{"Harbour | " + harbour + "pimp | " + harbour + "shopper1",
                       "Fourth | h,g,f,e,d,c,b,a | "};
    QTest::newRow("a name") << QByteArray(threeAreas()).replace("# Letters", "# Lettres") << "game"
                            << QStringList{"Letters | Lettres: a,b,c,d,e,f,g,h | Letters: "
                                           "a,b,c,d,e,f,g,h"};
    QTest::newRow("the same areas")
            << threeAreas() << "game" << QStringList{"Same as the open document."};
    QTest::newRow("another file open")
            << threeAreas() << "other"
            << QStringList{"No open document of this file to compare with."};
#ifndef Q_OS_WIN
    QTest::newRow("its file open through a linked folder")
            << list << "linked"
            << QStringList{"Harbour | " + harbour + "pimp | " + harbour + "shopper1"};
#endif
}

void TestEarlierVersions::thePreviewComparesWithTheOpenDocumentOfItsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, opened);
    QFETCH(QStringList, preview);
    const QString game = makeGameFolder(m_dir->path(), threeAreas());
    makeGameFolder(path(QStringLiteral("other")), threeAreas());
    if (opened == QLatin1String("linked"))
        QVERIFY(QFile::link(game, path(opened)));
    loadFolder(path(opened));
    const QString file = game + QStringLiteral("/data/pedgrp.dat");
    QCOMPARE(m_versions->keep(file, file, bytes, VersionReason::ReplacedBySave), QString());

    action("mnuversions")->trigger();

    // The note, or the rows with their cells joined by " | ".
    auto *note = m_window->findChild<QLabel *>(QStringLiteral("previewnote"));
    auto *table = m_window->findChild<QTableWidget *>(QStringLiteral("preview"));
    QStringList shown{note->text()};
    if (table->isVisible()) {
        shown.clear();
        for (int row = 0; row < table->rowCount(); ++row)
            shown << rowTexts(table, row).join(QStringLiteral(" | "));
    }
    QCOMPARE(shown, preview);
}

QTEST_MAIN(TestEarlierVersions)
#include "tst_earlierversions.moc"
