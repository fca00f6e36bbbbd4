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
