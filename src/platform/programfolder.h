#pragma once

#include <QString>

// The folder that holds the program's executable.
QString programFolder();

// The folder that holds readme.txt and backup.file: the program's own folder
// (a build tree, Windows, a portable folder) unless it holds neither and the
// installed layout's data folder (share/varnel of the prefix) holds them.
QString shippedFilesFolder(const QString &programFolder);
