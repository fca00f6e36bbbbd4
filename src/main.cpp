#include "app/frmmain.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));

    QtDialogs dialogs;
    QtRandomSource random;
    QtLauncher launcher;
    const Platform platform{&dialogs, &random, &launcher, shippedFilesFolder(programFolder())};

    FrmMain window(platform);
    dialogs.setParent(&window);
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
