#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file, making its folders; fails the calling test otherwise.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// The system's own description of why path cannot be opened for reading, as
// messages show it: without a final full stop.
QString openError(const QString &path);

// A game folder below root whose data/pedgrp.dat holds bytes; returns the folder.
QString makeGameFolder(const QString &root, const QByteArray &bytes);

// An area line of eight names in the layout the program writes.
QByteArray areaLine(const QByteArray &models, const QByteArray &name);

// A document of three well-formed areas, Downtown, Harbour and Letters, under
// one comment line, with the given line ends.
QByteArray threeAreas(const QByteArray &lineEnd = "\r\n");

// The four areas of a small game: First (group 0), Second (group 1), Short
// (seven names, no group) and Third (group 2).
QByteArray fourAreasWithOneShort();

// Writes the zone files of a small game into the game folder: ALPHA, "Alpha
// Park", at (0,0)-(100,100) uses group 1 by day and 2 by night; BETA, "Beta
// Docks", at (100,0)-(200,100) uses 0 and 1; GAMMA, an information zone at
// (180,90)-(200,100), uses 5 by day and, never set by night, 0; CITYZON,
// "Liberty City", is never set.
void writeSmallZoneGame(const QString &gameFolder);
