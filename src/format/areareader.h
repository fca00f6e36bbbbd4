#pragma once

#include "format/areatable.h"
#include "format/filelayout.h"

#include <QByteArray>
#include <QStringList>

// Splits 8-bit text into lines at CR LF, LF or a lone CR. Each byte becomes the
// character with the same code (Latin-1), so every byte read can be written back.
QStringList splitLines(const QByteArray &bytes);

struct ReadResult
{
    AreaTable table;
    // Where the areas stand in the bytes read.
    FileLayout layout;
    QString error; // empty when the whole file was read
    bool ok() const { return error.isEmpty(); }
};

// Reads the lines of a file in order: comment lines join the header, lines of
// only what the game takes for blanks are skipped, every other line is the next area. An area
// line's name is what follows the first "# " once TABs are gone (else the
// first "#", else nothing), TABs removed; its model list is what precedes it,
// the names joined by single commas. Reading stops at the first line that
// fails, keeping the areas before it. A UTF-8 byte order mark at the start is
// dropped: the game would read it as part of the first line.
ReadResult readAreaTable(const QByteArray &bytes);
