#include "help/helpcommands.h"

#include "platform/platform.h"

#include <QDir>

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

void readmeCommand(const Platform &platform)
{
    const QString path = platform.shippedFilesFolder + QStringLiteral("/readme.txt");
    if (platform.launcher->openFile(path))
        return;
    platform.dialogs->message(QStringLiteral("The read-me file could not be opened:") + CrLf
                    + QDir::toNativeSeparators(path),
            QStringLiteral("Readme File"), MessageIcon::Warning, MessageButtons::Ok);
}

void quickInfoCommand(const Platform &platform)
{
    platform.dialogs->message(QStringLiteral("Varnel V1.0 By ''Oskin''.") + CrLf + CrLf
                    + QStringLiteral("View the readme file for more information."),
            QStringLiteral("Quick Info"), MessageIcon::Information, MessageButtons::Ok);
}

void authorsSiteCommand(const Platform &platform)
{
    platform.launcher->openUrl(QUrl(QStringLiteral("http://www.varnel.example")));
}
