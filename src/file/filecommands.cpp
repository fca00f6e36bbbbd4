#include "file/filecommands.h"

#include "document/gamecheck.h"
#include "document/gamedetect.h"
#include "document/gamepaths.h"
#include "document/pedgrpfile.h"
#include "document/savefile.h"
#include "editor/editor.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const QString DefaultSaveAsName = QStringLiteral("c:\\pedgrp.dat");

bool ask(Dialogs &dialogs, const QString &question, const QString &title)
{
    return dialogs.message(question, title, MessageIcon::Warning, MessageButtons::YesNoDefaultNo)
            == Answer::Yes;
}

// Loading replaces the document: unsaved changes go only when the user says so.
bool mayDropChanges(const Editor &editor, Dialogs &dialogs)
{
    return !editor.isModified()
            || ask(dialogs, QStringLiteral("Unsaved changes have been made. Really Load?"),
                    QStringLiteral("Really Load?"));
}

QString withPathTried(const QString &error, const QString &path)
{
    return error + QStringLiteral(" (") + path + u')';
}

// A failure's description, naming the path tried when it is another than the
// one typed (a Windows path found in the Wine prefix, "~", other capitals).
QString describeFailure(const QString &error, const QString &typedPath, const QString &path)
{
    return typedPath == path ? error : withPathTried(error, path);
}

// What the prompts offer: the game of the last load, else the first install found.
QString offeredGame(const Platform &platform)
{
    const QString remembered = platform.settings->rememberedGame();
    return remembered.isEmpty() ? detectGame(platform.folders).folder : remembered;
}

// Whether a failure to load names the path tried always, or only when it is
// another than the one typed.
enum class PathInFailure { Always, WhereNotTyped };

void load(Editor &editor, const Platform &platform, const GameFileLocation &location,
        PathInFailure pathInFailure)
{
    // The file is read whole into a table of its own: the open document stays
    // as it is until the read has succeeded.
    ReadResult read = readPedgrpFile(location.path);
    if (!read.ok()) {
        const QString error = pathInFailure == PathInFailure::Always
                ? withPathTried(read.error, location.path)
                : describeFailure(read.error, location.shownPath, location.path);
        platform.dialogs->message(
                QStringLiteral("An error occured, the error was: ") + error + u'.', ProgramTitle,
                MessageIcon::None, MessageButtons::Ok);
        return;
    }
    read.table.gameDirectory = location.gameDirectory;
    editor.openDocument(std::move(read.table),
            {location.path, location.shownPath, read.stamp, GameModels::beside(location.path)});
    platform.settings->setRememberedGame(absoluteTypedPath(location.rememberedText()));
}

void showSavingFailed(Dialogs &dialogs, const QString &shownPath, const QString &error)
{
    dialogs.message(QStringLiteral("An error occured while saving '") + shownPath
                    + QStringLiteral("', the error was: ") + error + u'.',
            QStringLiteral("Error"), MessageIcon::Warning, MessageButtons::Ok);
}

void showSaved(Dialogs &dialogs, const QString &shownPath)
{
    dialogs.message(QStringLiteral("File save complete for '") + shownPath + QStringLiteral("'."),
            QStringLiteral("Saved"), MessageIcon::Information, MessageButtons::Ok);
}

// True when the game reads the file as the groups the user sees, or the user
// wants it written all the same.
bool gameMayReadIt(const Editor &editor, Dialogs &dialogs)
{
    const QStringList findings = gameCheckFindings(editor.table(), editor.file().models);
    return findings.isEmpty() || ask(dialogs, gameCheckQuestion(findings), GameCheckTitle);
}

// The bytes of the file the document makes, unless it holds a character that
// the file cannot, which has then been said.
std::optional<QByteArray> writableBytes(
        const Editor &editor, Dialogs &dialogs, const QString &shownPath)
{
    const QString unwritable = editor.table().describeUnwritableCharacter();
    if (!unwritable.isEmpty()) {
        showSavingFailed(dialogs, shownPath, unwritable);
        return std::nullopt;
    }
    return editor.table().composeFile().toLatin1();
}

// Another program (a mod installer, a text editor, Restore BackUp) may have
// replaced the file since it was read; the user decides which version stays.
bool mayOverwrite(const DocumentFile &file, const FileCheck &check, Dialogs &dialogs)
{
    return !check.changed
            || ask(dialogs,
                    QStringLiteral("'") + file.shownPath
                            + QStringLiteral("' has been changed by another program since Varnel "
                                             "read it. Overwrite it?"),
                    QStringLiteral("Save"));
}

// True unless a file lies at path and the user would rather keep it. The
// question names the file as it lies on disk, since the typed name may differ
// from it in case.
bool mayReplace(const QString &path, Dialogs &dialogs)
{
    const QFileInfo target(path);
    return !target.isFile()
            || ask(dialogs,
                    QStringLiteral("'") + QDir::toNativeSeparators(target.absoluteFilePath())
                            + QStringLiteral("' already exists. Replace it?"),
                    QStringLiteral("Save As..."));
}

// The folder Restore BackUp offers: the open document's game, else the last
// one loaded (a file's game folder) or found. Folders end in a separator.
QString offeredRestoreFolder(const Editor &editor, const Platform &platform)
{
    if (!editor.table().gameDirectory.isEmpty())
        return editor.table().gameDirectory;
    const QString offered = offeredGame(platform);
    if (endsInSeparator(offered))
        return offered;
    return gameFolderAboveData(offered).value_or(detectGame(platform.folders).folder);
}

} // namespace

void loadCommand(Editor &editor, const Platform &platform)
{
    if (!mayDropChanges(editor, *platform.dialogs))
        return;
    const QString typed
            = platform.dialogs->input(QStringLiteral("Enter the location of your GTA 3 Directory:"),
                    QStringLiteral("Enter Directory"), offeredGame(platform), Completion::Paths);
    if (!typed.isEmpty())
        load(editor, platform, locateGameFile(typed, platform.folders),
                PathInFailure::WhereNotTyped);
}

void openPathCommand(Editor &editor, const Platform &platform, const QString &givenPath)
{
    if (mayDropChanges(editor, *platform.dialogs))
        load(editor, platform, locateGivenPath(givenPath, platform.folders), PathInFailure::Always);
}

void saveCommand(Editor &editor, const Platform &platform)
{
    if (!editor.hasDocument())
        return;
    const DocumentFile &file = editor.file();
    Dialogs &dialogs = *platform.dialogs;
    const std::optional<QByteArray> bytes = writableBytes(editor, dialogs, file.shownPath);
    if (!bytes)
        return;
    const FileCheck check = checkFile(file.path, file.stamp);
    if (!mayOverwrite(file, check, dialogs) || !gameMayReadIt(editor, dialogs))
        return;
    const QString error = editor.keptCopies().replaceFile(file.path, *bytes, check.bytes());
    if (!error.isEmpty()) {
        showSavingFailed(
                dialogs, file.shownPath, describeFailure(error, file.shownPath, file.path));
        return;
    }
    editor.markSaved(FileStamp::ofWrittenFile(file.path, *bytes));
    showSaved(dialogs, file.shownPath);
}

void saveAsCommand(Editor &editor, const Platform &platform)
{
    if (!editor.hasDocument())
        return;
    Dialogs &dialogs = *platform.dialogs;
    const QString typed = dialogs.input(QStringLiteral("Enter file name to save as."),
            QStringLiteral("Save As..."), DefaultSaveAsName, Completion::Paths);
    if (typed.isEmpty())
        return;
    if (endsInSeparator(typed)) {
        showSavingFailed(dialogs, typed,
                QStringLiteral("The name ends in a folder separator, so it names a folder, not a "
                               "file"));
        return;
    }
    const std::optional<QByteArray> bytes = writableBytes(editor, dialogs, typed);
    if (!bytes)
        return;
    const QString path = resolvePath(typed, platform.folders);
    // A write that cannot happen is said before any question about it.
    if (const QString failure = writeFailure(path); !failure.isEmpty()) {
        showSavingFailed(dialogs, typed, describeFailure(failure, typed, path));
        return;
    }
    if (!mayReplace(path, dialogs) || !gameMayReadIt(editor, dialogs))
        return;
    const QString error = editor.keptCopies().replaceFile(path, *bytes);
    if (!error.isEmpty()) {
        showSavingFailed(dialogs, typed, describeFailure(error, typed, path));
        return;
    }
    editor.markSaved();
    showSaved(dialogs, typed);
    editor.setSaveAvailable(false);
}

void restoreBackupCommand(Editor &editor, const Platform &platform)
{
    const QString typed
            = platform.dialogs->input(QStringLiteral("Enter your GTA3 directory or press cancel."),
                    QStringLiteral("Restore BackUp"), offeredRestoreFolder(editor, platform),
                    Completion::Paths);
    if (typed.isEmpty())
        return;
    const GameFileLocation target = gameFileIn(typed, platform.folders);
    const QString error = editor.keptCopies().copyFile(
            platform.shippedFilesFolder + QStringLiteral("/backup.file"), target.path);
    if (!error.isEmpty()) {
        platform.dialogs->message(
                QStringLiteral("An error occured during the backup process, the error was '")
                        + describeFailure(error, target.shownPath, target.path)
                        + QStringLiteral(".'"),
                ProgramTitle, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    platform.dialogs->message(QStringLiteral("Backup file 'pedgrp.dat' restored."),
            QStringLiteral("Completed."), MessageIcon::Information, MessageButtons::Ok);
}
