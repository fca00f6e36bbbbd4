#pragma once

#include <QString>
#include <QUrl>

// Starts the user's own programs for a file or a web address, without waiting.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // True when a program could be started.
    virtual bool openFile(const QString &path) = 0;
    virtual bool openUrl(const QUrl &url) = 0;
};

// Files open in Notepad on Windows and in the desktop's handler for their type
// elsewhere; addresses in the default browser. The path is one argument, never
// a shell command line.
class QtLauncher : public Launcher
{
public:
    bool openFile(const QString &path) override;
    bool openUrl(const QUrl &url) override;
};
