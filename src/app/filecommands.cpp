#include "app/filecommands.h"

#include "app/frmmain.h"
#include "document/gamepaths.h"
#include "document/pedgrpfile.h"
#include "document/savefile.h"

#include <QAction>

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

// Writes the document to path; shownPath is the path as the user knows it.
// The old file stays as it was on any failure, which is reported.
bool writeDocument(FrmMain &window, const QString &path, const QString &shownPath)
{
    AreaTable &table = window.table();
    const std::optional<QByteArray> bytes = encodeLatin1(table.composeFile());
    const QString error
            = bytes ? writeFileSafely(path, *bytes) : describeUnwritableCharacter(table);
    if (!error.isEmpty()) {
        window.dialogs().message(QStringLiteral("An error occured while saving '") + shownPath
                        + QStringLiteral("', the error was: ") + error + u'.',
                QStringLiteral("Error"), MessageIcon::Warning, MessageButtons::Ok);
        return false;
    }
    table.modified = false;
    return true;
}

void showSaved(FrmMain &window, const QString &shownPath)
{
    window.dialogs().message(
            QStringLiteral("File save complete for '") + shownPath + QStringLiteral("'."),
            QStringLiteral("Saved"), MessageIcon::Information, MessageButtons::Ok);
}

} // namespace

void saveCommand(FrmMain &window)
{
    if (!window.hasDocument())
        return;
    const QString shownPath = gameFilePath(window.table().gameDirectory);
    if (writeDocument(window, resolvePath(shownPath), shownPath))
        showSaved(window, shownPath);
}

void saveAsCommand(FrmMain &window)
{
    if (!window.hasDocument())
        return;
    const QString typed = window.dialogs().input(QStringLiteral("Enter file name to save as."),
            QStringLiteral("Save As..."), DefaultSaveAsName, Completion::Paths);
    if (typed.isEmpty())
        return;
    if (!writeDocument(window, resolvePath(typed), typed))
        return;
    showSaved(window, typed);
    window.menu().mnusave->setEnabled(false);
}

void restoreBackupCommand(FrmMain &window)
{
    const QString gameDirectory = window.table().gameDirectory;
    const QString typed = window.dialogs().input(
            QStringLiteral("Enter your GTA3 directory or press cancel."),
            QStringLiteral("Restore BackUp"),
            gameDirectory.isEmpty() ? DefaultGameDirectory : gameDirectory, Completion::Paths);
    if (typed.isEmpty())
        return;
    const QString error
            = copyFileSafely(window.platform().shippedFilesFolder + QStringLiteral("/backup.file"),
                    resolvePath(gameFilePath(withSeparator(typed))));
    if (!error.isEmpty()) {
        window.dialogs().message(
                QStringLiteral("An error occured during the backup process, the error was '")
                        + error + QStringLiteral(".'"),
                window.windowTitle(), MessageIcon::None, MessageButtons::Ok);
        return;
    }
    window.dialogs().message(QStringLiteral("Backup file 'pedgrp.dat' restored."),
            QStringLiteral("Completed."), MessageIcon::Information, MessageButtons::Ok);
}
