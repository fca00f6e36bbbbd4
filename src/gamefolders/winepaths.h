#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where a Windows path such as "c:/program files/rockstar games/gtaiii" lies in
// a Wine prefix: the folder its drive stands for, and the ways the path may
// continue below that folder, most likely first.
struct WineLocation
{
    QString driveFolder;
    QStringList pathsBelowDrive;
};

// Empty unless the path begins with a drive letter and a colon, followed by a
// separator ("\" or "/") or nothing. As on Windows, ".." stops at the drive's
// root. A path that ends in a separator keeps one at its end.
std::optional<WineLocation> wineLocation(const QString &typedPath, const QString &winePrefix);
