#include "help/helpcommands.h"

#include "format/crlf.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The context of the Help menu's texts.
class HelpCommands
{
    Q_DECLARE_TR_FUNCTIONS(HelpCommands)
};

void showNotOpened(
        const Platform &platform, const QString &what, const QString &where, const QString &title)
{
    platform.dialogs->message(what + CrLf + where, title, MessageIcon::Warning, MessageButtons::Ok);
}

} // namespace

void readmeCommand(const Platform &platform)
{
    const QString path = platform.shippedFilesFolder + QStringLiteral("/readme.txt");
    if (!platform.launcher->openFile(path))
        showNotOpened(platform, HelpCommands::tr("The read-me file could not be opened:"),
                QDir::toNativeSeparators(path), HelpCommands::tr("Readme File"));
}

void quickInfoCommand(const Platform &platform)
{
    platform.dialogs->message(HelpCommands::tr("Varnel V1.0 By ''Oskin''.") + CrLf + CrLf
                    + HelpCommands::tr("View the readme file for more information."),
            HelpCommands::tr("Quick Info"), MessageIcon::Information, MessageButtons::Ok);
}

void authorsSiteCommand(const Platform &platform)
{
    const QUrl site(QStringLiteral("http://www.varnel.example"));
    if (!platform.launcher->openUrl(site))
        showNotOpened(platform, HelpCommands::tr("The author's site could not be opened:"),
                site.toString(), HelpCommands::tr("Author's Site"));
}
