#pragma once

#include "platform/userfolders.h"

#include <QString>

#include <optional>

// Where the game installs itself on Windows; the prompts offer it.
inline const QString DefaultGameDirectory
        = QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\");

// Whether a typed path ends in a separator ("\" or "/"), and so names a folder.
bool endsInSeparator(const QString &typedPath);

// The typed game directory with a separator at its end, unless it already ends
// in "\" or "/": the last one it is written with, else the system's.
QString withSeparator(const QString &typedDirectory);

// The game's pedgrp.dat below a directory that ends in a separator, written the
// way the user typed the directory (for messages).
QString gameFilePath(const QString &gameDirectory);

// A typed path as a path on this system. Outside Windows "~" and "~/" at its
// start are the home folder, "\" separates folders too, and a folder or file
// name that is not there as typed is matched without regard to case, as the
// game's files often come from Windows with other capitals. Where the path goes
// on below a name, or ends in a separator, only a folder will do for it. A path
// that begins with a drive letter is looked up in the Wine prefix
// (winepaths.h). Names that cannot be found are kept as typed, so that errors
// can name the path tried.
QString resolvePath(const QString &typedPath, const UserFolders &folders = userFolders());

// The file or folder at relativePath ("/"-separated) below folder, each name
// taken as written where it is there and else matched without regard to case,
// as the game's files often come from Windows with other capitals. On
// Windows, whose names match so already, the path as written.
QString pathBelowInAnyCase(const QString &folder, const QString &relativePath);

// An existing absolute path with each name written as it lies on disk. Outside
// Windows resolvePath has already found those names, so the path stays as it is.
QString spelledAsOnDisk(const QString &absolutePath);

// The file that a typed Load answer names, and how to speak of it.
struct GameFileLocation
{
    // Where the file lies on this system: read it, and write it back, here.
    QString path;
    // The file as the user knows it, for messages: the typed file, or
    // data/pedgrp.dat below the game folder written the way it was typed.
    QString shownPath;
    // The typed path named the file itself rather than a game folder.
    bool direct = false;
    // The game folder as typed, ending in a separator; for a file opened
    // directly the folder above its data folder, and empty without one.
    QString gameDirectory;

    // What to offer the next time: the game folder, or the file opened directly.
    QString rememberedText() const { return direct ? shownPath : gameDirectory; }
};

// The game's data/pedgrp.dat below a typed game folder.
GameFileLocation gameFileIn(const QString &typedFolder, const UserFolders &folders = userFolders());

// An existing file that is not a folder is read directly; anything else is
// taken for a game folder, as gameFileIn does.
GameFileLocation locateGameFile(const QString &typed, const UserFolders &folders = userFolders());

// A typed path that leads from the current folder, with that folder put before
// it; any other as it is. What is remembered must not depend on the folder
// Varnel was started in.
QString absoluteTypedPath(const QString &typedPath);

// The file that a path from the system names (the command line, a drop, the
// file manager's Open With), all of it absolute. Such a path names a real
// place: where it exists it is used as given, and only data/pedgrp.dat below a
// folder is matched without regard to case. A path that does not exist as
// given is read as a typed one.
GameFileLocation locateGivenPath(
        const QString &givenPath, const UserFolders &folders = userFolders());

// The game folder of a file opened directly, written the way the file was
// typed and ending in a separator, when the file lies in a folder named data
// (in any case) below a typed folder.
std::optional<QString> gameFolderAboveData(const QString &typedFile);
