#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How GTA III itself reads pedgrp.dat, as far as it is known: a line is split
// at commas, blanks and control characters; a name that starts with "#" ends
// the line; a line that gives eight or more names is a group of its first
// eight, and groups are numbered by position. The text after "#" is never read.

// Every name the game takes from one line (without its LF), in order, as views
// into line.
QList<QStringView> gameLineNameViews(QStringView line);
QStringList gameLineNames(const QString &line);

// The groups the game makes of a whole file (8-bit text as Latin-1, lines
// ending at LF; a CR is a separator like a blank), eight names each.
QList<QStringList> gameGroups(const QString &fileText);
