#include "file/filecommands.h"

#include "document/gamecheck.h"
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

// The first character of text above Latin-1, or nothing.
std::optional<char32_t> firstWideCharacter(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c > 0xff)
            return c;
    }
    return std::nullopt;
}

QString unwritableCharacterText(char32_t c, const QString &where)
{
    return QStringLiteral("%1 holds the character '%2' (U+%3), which an 8-bit file cannot hold")
            .arg(where, QString::fromUcs4(&c, 1),
                    QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
}

// Says where the document holds a character that the file cannot take. Files
// are read as Latin-1, so such a character can only have been typed into a slot.
QString describeUnwritableCharacter(const AreaTable &table)
{
    for (int area = 1; area <= AreaCapacity; ++area) {
        if (const auto c = firstWideCharacter(table.areaPeds(area)))
            return unwritableCharacterText(
                    *c, QStringLiteral("Area '%1'").arg(table.areaName(area)));
    }
    return QStringLiteral("The document holds a character that an 8-bit file cannot hold");
}

void showSavingFailed(Dialogs &dialogs, const QString &shownPath, const QString &error)
{
    dialogs.message(QStringLiteral("An error occured while saving '") + shownPath
                    + QStringLiteral("', the error was: ") + error + u'.',
            QStringLiteral("Error"), MessageIcon::Warning, MessageButtons::Ok);
}

// True when the game reads the file as the groups the user sees, or the user
// wants it written all the same.
bool gameMayReadIt(const Editor &editor, Dialogs &dialogs)
{
    const QStringList findings = gameCheckFindings(editor.table(), editor.file().models);
    return findings.isEmpty()
            || dialogs.message(gameCheckQuestion(findings), GameCheckTitle, MessageIcon::Warning,
                       MessageButtons::YesNoDefaultNo)
            == Answer::Yes;
}

// Writes the document to path; shownPath is the path as the user knows it.
// The old file stays as it was on any failure, which is reported.
bool writeDocument(Editor &editor, Dialogs &dialogs, const QString &path, const QString &shownPath)
{
    const AreaTable &table = editor.table();
    const std::optional<QByteArray> bytes = encodeLatin1(table.composeFile());
    if (!bytes) {
        showSavingFailed(dialogs, shownPath, describeUnwritableCharacter(table));
        return false;
    }
    if (!gameMayReadIt(editor, dialogs))
        return false;
    const QString error = writeFileSafely(path, *bytes);
    if (!error.isEmpty()) {
        showSavingFailed(dialogs, shownPath, error);
        return false;
    }
    editor.markSaved();
    return true;
}

void showSaved(Dialogs &dialogs, const QString &shownPath)
{
    dialogs.message(QStringLiteral("File save complete for '") + shownPath + QStringLiteral("'."),
            QStringLiteral("Saved"), MessageIcon::Information, MessageButtons::Ok);
}

bool endsInSeparator(const QString &typedPath)
{
    return typedPath.endsWith(u'/') || typedPath.endsWith(u'\\');
}

// True unless a file lies at path and the user would rather keep it. The
// question names the file as it lies on disk, since the typed name may differ
// from it in case.
bool mayReplace(const QString &path, Dialogs &dialogs)
{
    const QFileInfo target(path);
    if (!target.isFile())
        return true;
    return dialogs.message(QStringLiteral("'") + QDir::toNativeSeparators(target.absoluteFilePath())
                           + QStringLiteral("' already exists. Replace it?"),
                   QStringLiteral("Save As..."), MessageIcon::Warning,
                   MessageButtons::YesNoDefaultNo)
            == Answer::Yes;
}

} // namespace

void loadCommand(Editor &editor, const Platform &platform)
{
    if (editor.isModified()
            && platform.dialogs->message(
                       QStringLiteral("Unsaved changes have been made. Really Load?"),
                       QStringLiteral("Really Load?"), MessageIcon::Warning,
                       MessageButtons::YesNoDefaultNo)
                    != Answer::Yes)
        return;
    const QString typed
            = platform.dialogs->input(QStringLiteral("Enter the location of your GTA 3 Directory:"),
                    QStringLiteral("Enter Directory"), DefaultGameDirectory, Completion::Paths);
    if (typed.isEmpty())
        return;
    const QString gameDirectory = withSeparator(typed);
    const QString shownPath = gameFilePath(gameDirectory);
    const QString path = resolvePath(shownPath);
    // The file is read whole into a table of its own: the open document stays
    // as it is until the read has succeeded.
    ReadResult read = readPedgrpFile(path);
    if (!read.ok()) {
        platform.dialogs->message(
                QStringLiteral("An error occured, the error was: ") + read.error + u'.',
                ProgramTitle, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    read.table.gameDirectory = gameDirectory;
    editor.openDocument(std::move(read.table), {path, shownPath, GameModels::beside(path)});
}

void saveCommand(Editor &editor, const Platform &platform)
{
    if (!editor.hasDocument())
        return;
    const DocumentFile &file = editor.file();
    if (writeDocument(editor, *platform.dialogs, file.path, file.shownPath))
        showSaved(*platform.dialogs, file.shownPath);
}

void saveAsCommand(Editor &editor, const Platform &platform)
{
    if (!editor.hasDocument())
        return;
    const QString typed = platform.dialogs->input(QStringLiteral("Enter file name to save as."),
            QStringLiteral("Save As..."), DefaultSaveAsName, Completion::Paths);
    if (typed.isEmpty())
        return;
    if (endsInSeparator(typed)) {
        showSavingFailed(*platform.dialogs, typed,
                QStringLiteral("The name ends in a folder separator, so it names a folder, not a "
                               "file"));
        return;
    }
    const QString path = resolvePath(typed);
    if (!mayReplace(path, *platform.dialogs))
        return;
    if (!writeDocument(editor, *platform.dialogs, path, typed))
        return;
    showSaved(*platform.dialogs, typed);
    editor.setSaveAvailable(false);
}

void restoreBackupCommand(const Editor &editor, const Platform &platform)
{
    const QString gameDirectory = editor.table().gameDirectory;
    const QString typed = platform.dialogs->input(
            QStringLiteral("Enter your GTA3 directory or press cancel."),
            QStringLiteral("Restore BackUp"),
            gameDirectory.isEmpty() ? DefaultGameDirectory : gameDirectory, Completion::Paths);
    if (typed.isEmpty())
        return;
    const QString error
            = copyFileSafely(platform.shippedFilesFolder + QStringLiteral("/backup.file"),
                    resolvePath(gameFilePath(withSeparator(typed))));
    if (!error.isEmpty()) {
        platform.dialogs->message(
                QStringLiteral("An error occured during the backup process, the error was '")
                        + error + QStringLiteral(".'"),
                ProgramTitle, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    platform.dialogs->message(QStringLiteral("Backup file 'pedgrp.dat' restored."),
            QStringLiteral("Completed."), MessageIcon::Information, MessageButtons::Ok);
}
