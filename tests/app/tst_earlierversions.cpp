#include "app/earlierversions.h"
#include "file/pedgrpfile.h"
#include "format/areareader.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

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
    void editsAreKeptWhileEditingUntilSaved();
    void aRunThatEndedWithUnsavedChangesIsToldOfOnce();

private:
    QStringList rowTexts(QTableWidget *table, int row) const;
    // The entries of runs that are editing now, or ended while editing.
    QStringList editingEntries() const;
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

// One entry left by a run that ended while editing, one of a window still open.
void TestEarlierVersions::aRunThatEndedWithUnsavedChangesIsToldOfOnce()
{
#ifdef Q_OS_WIN
    QSKIP("A run that ended is left by a forked child");
#else
    const QString file = path(QStringLiteral("game/data/pedgrp.dat"));
    const QString shown = QStringLiteral("~/game/data/pedgrp.dat");
    const pid_t child = fork();
    if (child == 0) {
        VersionHistory ended(m_dataDir->path());
        ended.keepWhileEditing(file, shown, "# unsaved\r\n");
        _exit(0);
    }
    QVERIFY(child > 0);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    VersionHistory stillOpen(m_dataDir->path());
    QCOMPARE(
            stillOpen.keepWhileEditing(path("other.dat"), "other.dat", "# editing\r\n"), QString());

    tellOfEndedRuns(*m_versions, m_fake->dialogs);
    tellOfEndedRuns(*m_versions, m_fake->dialogs);

    const ShownMessage told{QStringLiteral("Varnel ended with unsaved changes to '") + shown
                    + QStringLiteral("'. They are kept in File > Earlier Versions."),
            QStringLiteral("Varnel"), MessageIcon::Information, MessageButtons::Ok};
    QCOMPARE(m_fake->dialogs.messages, QList<ShownMessage>{told});
    const QList<KeptVersion> versions = m_versions->versions();
    QCOMPARE(versions.size(), 1);
    QCOMPARE(versions.first().file, file);
    QCOMPARE(versions.first().reason, VersionReason::KeptWhileEditing);
    QCOMPARE(readFile(versions.first().entryPath), QByteArray("# unsaved\r\n"));
    QCOMPARE(editingEntries().size(), 1);
#endif
}

QTEST_MAIN(TestEarlierVersions)
#include "tst_earlierversions.moc"
