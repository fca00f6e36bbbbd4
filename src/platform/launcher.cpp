#include "platform/launcher.h"

#include <QDesktopServices>
#ifdef Q_OS_WIN
#include <QDir>
#include <QProcess>
#endif

bool QtLauncher::openFile(const QString &path)
{
#ifdef Q_OS_WIN
    // Every Windows has Notepad; the handler registered for .txt may be anything.
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {QDir::toNativeSeparators(path)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

bool QtLauncher::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
