#pragma once

#include <QDir>
#include <QString>

// The folders a typed path may start from: the home folder ("~") and the Wine
// prefix that Windows paths are looked up in.
struct UserFolders
{
    QString home;
    QString winePrefix;
};

// This user's: the home folder, and $WINEPREFIX, else ~/.wine.
inline UserFolders userFolders()
{
    const QString home = QDir::homePath();
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return {home, prefix.isEmpty() ? home + QLatin1String("/.wine") : prefix};
}
