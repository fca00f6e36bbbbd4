#include "help/helpcommands.h"

#include "app/frmmain.h"

#include <QDir>

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

void readmeCommand(FrmMain &window)
{
    const QString path = window.platform().shippedFilesFolder + QStringLiteral("/readme.txt");
    if (window.platform().launcher->openFile(path))
        return;
    window.dialogs().message(QStringLiteral("The read-me file could not be opened:") + CrLf
                    + QDir::toNativeSeparators(path),
            QStringLiteral("Readme File"), MessageIcon::Warning, MessageButtons::Ok);
}

void quickInfoCommand(FrmMain &window)
{
    window.dialogs().message(QStringLiteral("Varnel V1.0 By ''Oskin''.") + CrLf + CrLf
                    + QStringLiteral("View the readme file for more information."),
            QStringLiteral("Quick Info"), MessageIcon::Information, MessageButtons::Ok);
}

void authorsSiteCommand(FrmMain &window)
{
    window.platform().launcher->openUrl(QUrl(QStringLiteral("http://www.varnel.example")));
}
