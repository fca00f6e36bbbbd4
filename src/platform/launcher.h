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
