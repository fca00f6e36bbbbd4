#pragma once

#include <QString>

// Where the game installs itself on Windows; the prompts offer it.
inline const QString DefaultGameDirectory
        = QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\");

// The typed game directory with a separator at its end: nothing is added when
// it already ends in one ("\" always counts; "/" too where it is the system's).
QString withSeparator(const QString &typedDirectory);

// The game's pedgrp.dat below a directory that ends in a separator, written the
// way the user typed the directory (for messages).
QString gameFilePath(const QString &gameDirectory);

// A typed path as a path on this system. Outside Windows "\" separates folders
// too, and each folder and the file are matched without regard to case, as the
// game's files often come from Windows with other capitals. A path that begins
// with a drive letter is looked up in the Wine prefix (winepaths.h).
QString resolvePath(const QString &typedPath);
