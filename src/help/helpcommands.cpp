#include "help/helpcommands.h"

#include "platform/platform.h"

#include <QDir>

namespace {

const QString CrLf = QStringLiteral("\r\n");

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
        showNotOpened(platform, QStringLiteral("The read-me file could not be opened:"),
                QDir::toNativeSeparators(path), QStringLiteral("Readme File"));
}

void quickInfoCommand(const Platform &platform)
{
    platform.dialogs->message(QStringLiteral("Varnel V1.0 By ''Oskin''.") + CrLf + CrLf
                    + QStringLiteral("View the readme file for more information."),
            QStringLiteral("Quick Info"), MessageIcon::Information, MessageButtons::Ok);
}

void authorsSiteCommand(const Platform &platform)
{
    const QUrl site(QStringLiteral("http://www.varnel.example"));
    if (!platform.launcher->openUrl(site))
        showNotOpened(platform, QStringLiteral("The author's site could not be opened:"),
                site.toString(), QStringLiteral("Author's Site"));
}
