#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where a Windows path such as "c:/program files/rockstar games/gtaiii" lies in
// the Wine prefix ($WINEPREFIX, else ~/.wine): the folder its drive stands for,
// and the ways the path may continue below that folder, most likely first.
struct WineLocation
{
    QString driveFolder;
    QStringList pathsBelowDrive;
};

// Empty unless the path begins with a drive letter and a colon, followed by a
// separator ("\" or "/") or nothing.
std::optional<WineLocation> wineLocation(const QString &typedPath);
