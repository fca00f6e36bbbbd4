#include "file/filecommands.h"

#include "editor/editor.h"
#include "format/areawriter.h"
#include "format/crlf.h"
#include "gamefolders/gamedetect.h"
#include "gamefolders/gamepaths.h"
#include "gamereading/gamecheck.h"
#include "storage/savefile.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <optional>

namespace {

const QString DefaultSaveAsName = QStringLiteral("c:\\pedgrp.dat");

bool ask(Dialogs &dialogs, const QString &question, const QString &title)
{
    return dialogs.message(question, title, MessageIcon::Warning, MessageButtons::YesNoDefaultNo)
            == Answer::Yes;
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

// A path as the system takes it: a relative one leads from the current folder.
QString pathTried(const QString &path)
{
    return QDir::isRelativePath(path)
            ? QDir::toNativeSeparators(QDir::current().absoluteFilePath(path))
            : path;
}

void showSavingFailed(Dialogs &dialogs, const QString &shownPath, const QString &error)
{
    dialogs.message(FileCommands::tr("An error occured while saving '%1', the error was: %2.")
                            .arg(shownPath, error),
            FileCommands::tr("Error"), MessageIcon::Warning, MessageButtons::Ok);
}

// A completion text, followed by what was not kept of the file replaced.
QString withNote(const QString &text, const QString &note)
{
    return note.isEmpty() ? text : text + CrLf + CrLf + note;
}

void showSaved(Dialogs &dialogs, const QString &shownPath, const QString &note)
{
    dialogs.message(withNote(FileCommands::tr("File save complete for '%1'.").arg(shownPath), note),
            FileCommands::tr("Saved"), MessageIcon::Information, MessageButtons::Ok);
}

// True when the game reads the file as the groups the user sees, or the user
// wants it written all the same.
bool gameMayReadIt(const Editor &editor, Dialogs &dialogs)
{
    const QStringList findings = gameCheckFindings(editor.table(), editor.models(),
            editor.areaLines(), editor.keptLayout(), editor.zones());
    return findings.isEmpty() || ask(dialogs, gameCheckQuestion(findings), gameCheckTitle());
}

// The bytes of the file the document makes, unless it holds a character that
// the file cannot, which has then been said.
std::optional<QByteArray> writableBytes(
        const Editor &editor, Dialogs &dialogs, const QString &shownPath)
{
    const FileLayout *kept = editor.keptLayout();
    const QString unwritable = describeUnwritableCharacter(editor.table(), kept);
    if (!unwritable.isEmpty()) {
        showSavingFailed(dialogs, shownPath, unwritable);
        return std::nullopt;
    }
    return encodeLatin1(
            kept ? composeKeepingLayout(editor.table(), *kept) : composeFile(editor.table()));
}

// Another program (a mod installer, a text editor, Restore BackUp) may have
// replaced the file since it was read; the user decides which version stays.
bool mayOverwrite(const DocumentFile &file, bool changed, Dialogs &dialogs)
{
    return !changed
            || ask(dialogs,
                    FileCommands::tr("'%1' has been changed by another program since Varnel read "
                                     "it. Overwrite it?")
                            .arg(file.shownPath),
                    FileCommands::tr("Save"));
}

// True unless a file lies at path and the user would rather keep it. The
// question names the file as it lies on disk, since the typed name may differ
// from it in case.
bool mayReplace(const QString &path, Dialogs &dialogs)
{
    const QFileInfo target(path);
    return !target.isFile()
            || ask(dialogs,
                    FileCommands::tr("'%1' already exists. Replace it?")
                            .arg(QDir::toNativeSeparators(
                                    spelledAsOnDisk(target.absoluteFilePath()))),
                    FileCommands::tr("Save As..."));
}

// A question may stand open for minutes. Right before the write the file at
// path is looked at again; while it has changed since it was last seen, the
// question about it comes again.
bool stillMayWrite(const QString &path, FileStamp seen, const std::function<bool()> &askAgain)
{
    for (FileCheck look = checkFile(path, seen); look.changed; look = checkFile(path, seen)) {
        if (!askAgain())
            return false;
        seen = look.now;
    }
    return true;
}

// Where an earlier version belongs: its file, opened as a file.
GameFileLocation locationOf(const KeptVersion &version)
{
    // A path typed from the folder of an earlier run names nothing now.
    const QString shown = absoluteTypedPath(version.shownPath) == version.shownPath
            ? version.shownPath
            : QDir::toNativeSeparators(version.file);
    return {version.file, shown, true, gameFolderAboveData(shown).value_or(QString())};
}

} // namespace

FileCommands::FileCommands(Editor &editor, const Platform &platform, VersionHistory &versions)
    : m_editor(editor),
      m_platform(platform),
      m_versions(versions),
      m_keptCopies(versions),
      m_editingKeeper(editor, m_file, versions, *platform.dialogs),
      m_zoneReading(editor)
{ }

// Loading replaces the document: unsaved changes go only when the user says
// so, and are kept as a version then.
bool FileCommands::mayLetGo()
{
    if (m_editor.isModified()
            && !ask(*m_platform.dialogs, tr("Unsaved changes have been made. Really Load?"),
                    tr("Really Load?")))
        return false;
    letGo(VersionReason::LetGoByLoad);
    return true;
}

void FileCommands::letGo(VersionReason reason)
{
    // The user has said Yes already: a copy that cannot be kept stops nothing.
    if (m_editor.isModified())
        m_versions.keep(m_file.path, m_file.shownPath,
                bytesToKeep(m_editor.table(), m_editor.keptLayout()), reason);
}

// What the prompts offer: the game of the last load, else the first install found.
QString FileCommands::offeredGame() const
{
    const QString remembered = m_platform.settings->rememberedGame();
    return remembered.isEmpty() ? detectGame(m_platform.folders).folder : remembered;
}

// The folder Restore BackUp offers: the open document's game, else the last
// one loaded (a file's game folder) or found. Folders end in a separator.
QString FileCommands::offeredRestoreFolder() const
{
    if (!m_file.gameDirectory.isEmpty())
        return m_file.gameDirectory;
    const QString offered = offeredGame();
    if (endsInSeparator(offered))
        return offered;
    return gameFolderAboveData(offered).value_or(detectGame(m_platform.folders).folder);
}

void FileCommands::finishReadingZones()
{
    m_zoneReading.finish();
}

void FileCommands::showReadFailure(const QString &error)
{
    m_platform.dialogs->message(tr("An error occured, the error was: %1.").arg(error), ProgramTitle,
            MessageIcon::None, MessageButtons::Ok);
}

// Makes a table just read from location the open document.
void FileCommands::openRead(
        const GameFileLocation &location, ReadResult read, const FileStamp &stamp)
{
    m_file = {location.path, location.shownPath, stamp, location.gameDirectory};
    m_editor.openDocument(
            std::move(read.table), GameModels::beside(location.path), std::move(read.layout));
    m_zoneReading.start(location.path);
    m_platform.settings->setRememberedGame(absoluteTypedPath(location.rememberedText()));
}

void FileCommands::loadFrom(const GameFileLocation &location, PathInFailure pathInFailure)
{
    // The file is read whole into a table of its own: the open document stays
    // as it is until the read has succeeded.
    FileStamp stamp;
    ReadResult read = readPedgrpFile(location.path, &stamp);
    if (!read.ok()) {
        showReadFailure(pathInFailure == PathInFailure::Always
                        ? withPathTried(read.error, location.path)
                        : describeFailure(
                                read.error, location.shownPath, pathTried(location.path)));
        return;
    }
    openRead(location, std::move(read), stamp);
}

void FileCommands::load()
{
    if (!mayLetGo())
        return;
    const QString typed
            = m_platform.dialogs->input(tr("Enter the location of your GTA 3 Directory:"),
                    tr("Enter Directory"), offeredGame(), Completion::PedgrpFile);
    if (!typed.isEmpty())
        loadFrom(locateGameFile(typed, m_platform.folders), PathInFailure::WhereNotTyped);
}

void FileCommands::openPath(const QString &givenPath)
{
    if (mayLetGo())
        loadFrom(locateGivenPath(givenPath, m_platform.folders), PathInFailure::Always);
}

void FileCommands::save()
{
    if (!m_editor.hasDocument())
        return;
    Dialogs &dialogs = *m_platform.dialogs;
    const std::optional<QByteArray> bytes = writableBytes(m_editor, dialogs, m_file.shownPath);
    if (!bytes)
        return;
    finishReadingZones();
    const FileCheck look = checkFile(m_file.path, m_file.stamp);
    if (!mayOverwrite(m_file, look.changed, dialogs) || !gameMayReadIt(m_editor, dialogs)
            || !stillMayWrite(
                    m_file.path, look.now, [&] { return mayOverwrite(m_file, true, dialogs); }))
        return;
    const Replacement done = m_keptCopies.replaceFile(
            m_file.path, m_file.shownPath, *bytes, VersionReason::ReplacedBySave);
    if (!done.error.isEmpty()) {
        showSavingFailed(dialogs, m_file.shownPath,
                describeFailure(done.error, m_file.shownPath, m_file.path));
        return;
    }
    m_file.stamp = FileStamp::ofWrittenFile(m_file.path, *bytes);
    markWritten();
    showSaved(dialogs, m_file.shownPath, done.note);
}

void FileCommands::saveAs()
{
    if (!m_editor.hasDocument())
        return;
    Dialogs &dialogs = *m_platform.dialogs;
    const QString typed = dialogs.input(tr("Enter file name to save as."), tr("Save As..."),
            DefaultSaveAsName, Completion::FileToWrite);
    if (typed.isEmpty())
        return;
    if (endsInSeparator(typed)) {
        showSavingFailed(dialogs, typed,
                tr("The name ends in a folder separator, so it names a folder, not a file"));
        return;
    }
    const std::optional<QByteArray> bytes = writableBytes(m_editor, dialogs, typed);
    if (!bytes)
        return;
    const QString path = resolvePath(typed, m_platform.folders);
    // A write that cannot happen is said before any question about it.
    if (const QString failure = writeFailure(path); !failure.isEmpty()) {
        showSavingFailed(dialogs, typed, describeFailure(failure, typed, path));
        return;
    }
    const FileStamp asked = readFileWhole(path).stamp;
    finishReadingZones();
    if (!mayReplace(path, dialogs) || !gameMayReadIt(m_editor, dialogs)
            || !stillMayWrite(path, asked, [&] { return mayReplace(path, dialogs); }))
        return;
    const Replacement done
            = m_keptCopies.replaceFile(path, typed, *bytes, VersionReason::ReplacedBySaveAs);
    if (!done.error.isEmpty()) {
        showSavingFailed(dialogs, typed, describeFailure(done.error, typed, path));
        return;
    }
    markWritten();
    showSaved(dialogs, typed, done.note);
    m_editor.setSaveAvailable(false);
}

void FileCommands::markWritten()
{
    m_editor.markSaved(writtenAreaLines(m_editor.table(), m_editor.keptLayout()));
}

void FileCommands::restoreBackup()
{
    const QString typed
            = m_platform.dialogs->input(tr("Enter your GTA3 directory or press cancel."),
                    tr("Restore BackUp"), offeredRestoreFolder(), Completion::Folder);
    if (typed.isEmpty())
        return;
    const GameFileLocation target = gameFileIn(typed, m_platform.folders);
    const Replacement done
            = m_keptCopies.copyFile(m_platform.shippedFilesFolder + QStringLiteral("/backup.file"),
                    target.path, target.shownPath, VersionReason::ReplacedByRestoreBackup);
    if (!done.error.isEmpty()) {
        m_platform.dialogs->message(
                tr("An error occured during the backup process, the error was '%1.'")
                        .arg(describeFailure(done.error, target.shownPath, target.path)),
                ProgramTitle, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    m_platform.dialogs->message(withNote(tr("Backup file 'pedgrp.dat' restored."), done.note),
            tr("Completed."), MessageIcon::Information, MessageButtons::Ok);
}

void FileCommands::openVersion(const KeptVersion &version)
{
    // Read first: keeping the document let go may remove the oldest version.
    ReadResult read = readPedgrpFile(version.entryPath);
    if (!mayLetGo())
        return;
    const GameFileLocation location = locationOf(version);
    if (!read.ok()) {
        showReadFailure(describeFailure(read.error, location.shownPath, location.path));
        return;
    }
    // Save asks about the file only when it changes after this.
    openRead(location, std::move(read), readFileWhole(location.path).stamp);
    m_editor.markUnsaved();
}
