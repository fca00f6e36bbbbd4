#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How GTA III itself reads pedgrp.dat, as far as it is known: a line is split
// at commas, blanks, control characters and bytes 0x80 to 0xFF (its 8-bit
// characters are signed, so they count as less than a blank); a NUL, or a
// name that starts with "#", ends the line; a line that gives eight or more
// names is a group of its first eight, and groups are numbered by position.
// The text after "#" is never read. A line is read into 1,024 bytes, so a
// longer one goes on as a line of its own.

// The longest line text the game reads whole: 1,022 characters and the LF
// that its text-mode read makes of CR LF fill its buffer, but for the NUL.
constexpr qsizetype GameLineLimit = 1022;

// Every name the game takes from one line (without its LF), in order, as views
// into line.
QList<QStringView> gameLineNameViews(QStringView line);
QStringList gameLineNames(const QString &line);

// The groups the game makes of a whole file (8-bit text as Latin-1, lines
// ending at LF; a CR before the LF is dropped, any other is a separator like a
// blank), eight names each.
QList<QStringList> gameGroups(const QString &fileText);
