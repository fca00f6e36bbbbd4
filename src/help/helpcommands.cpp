#include "help/helpcommands.h"

#include "format/crlf.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HelpCommands", text);
}

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
        showNotOpened(platform, tr("The read-me file could not be opened:"),
                QDir::toNativeSeparators(path), tr("Readme File"));
}

void quickInfoCommand(const Platform &platform)
{
    platform.dialogs->message(tr("Varnel V1.0 By ''Oskin''.") + CrLf + CrLf
                    + tr("View the readme file for more information."),
            tr("Quick Info"), MessageIcon::Information, MessageButtons::Ok);
}

void authorsSiteCommand(const Platform &platform)
{
    const QUrl site(QStringLiteral("http://www.varnel.example"));
    if (!platform.launcher->openUrl(site))
        showNotOpened(platform, tr("The author's site could not be opened:"), site.toString(),
                tr("Author's Site"));
}
