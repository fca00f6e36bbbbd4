#include "app/commandline.h"
#include "app/frmmain.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    if (!commandLine.startWindow) {
        printMessage(commandLine);
        return commandLine.exitCode;
    }

    QtDialogs dialogs;
    QtRandomSource random;
    QtLauncher launcher;
    QtSettings settings;
    const Platform platform{&dialogs, &random, &launcher, &settings,
            shippedFilesFolder(programFolder()), userFolders()};

    Editor editor;
    FileCommands fileCommands(editor, platform);
    FrmMain window(editor, fileCommands, platform);
    dialogs.setParent(&window);
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    if (!commandLine.gamePath.isEmpty())
        fileCommands.openPath(commandLine.gamePath);
    return app.exec();
}
