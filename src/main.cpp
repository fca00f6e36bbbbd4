#include "app/commandline.h"
#include "app/frmmain.h"
#include "gamefolders/gamepaths.h"
#include "language/language.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QScreen>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version need no display: answered before the application
    // connects to one. Anything else waits until Qt has taken its own options
    // (-platform, -style...) from the command line. The command line is read
    // once for its language, then again in it.
    QtSettings settings;
    const CommandLine early = parseCommandLine(argumentsOf(argc, argv));
    if (!early.startWindow && early.exitCode == 0) {
        QCoreApplication app(argc, argv);
        const Translations translations(runLanguage(early.language, settings.language()));
        printMessage(parseCommandLine(argumentsOf(argc, argv)));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    const Translations translations(runLanguage(
            parseCommandLine(QCoreApplication::arguments()).language, settings.language()));
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    if (!commandLine.startWindow) {
        printMessage(commandLine);
        return commandLine.exitCode;
    }

    QtDialogs dialogs;
    QtRandomSource random;
    QtLauncher launcher;
    const Platform platform{&dialogs, &random, &launcher, &settings,
            shippedFilesFolder(programFolder()), userFolders()};
    dialogs.setPathResolver(
            [&platform](const QString &typed) { return resolvePath(typed, platform.folders); });

    VersionHistory versions;
    Editor editor;
    FileCommands fileCommands(editor, platform, versions);
    FrmMain window(editor, fileCommands, platform);
    dialogs.setParent(&window);
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    window.start(versions, commandLine.gamePath);
    return app.exec();
}
