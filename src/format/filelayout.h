#pragma once

#include "format/areatable.h"

#include <QByteArray>
#include <QList>

// Where one area line stands in the bytes it was read from.
struct AreaLineSpan
{
    qsizetype start = 0;
    // Its text, without its line end.
    qsizetype length = 0;
    // Counted from 1.
    int line = 0;
    // The stretch between two LFs that holds the line (a CR before the closing
    // LF left out): a reader that ends lines only at LF, as the game does,
    // reads it as one line.
    qsizetype stretchStart = 0;
    qsizetype stretchEnd = 0;
    // The first line of that stretch holding more than blanks, when it lies
    // before this one; else 0.
    int joinedToLine = 0;
};

// The bytes a document was read from and where its area lines stand in them,
// so that a Save can write the file's own layout back. The bytes are shared
// with those handed to the reader.
struct FileLayout
{
    QByteArray bytes;
    // Where the text begins: past a UTF-8 byte order mark, which is dropped.
    qsizetype textStart = 0;
    // Area n stands on areaLines[n - 1] and was read as areasRead[n - 1].
    QList<AreaLineSpan> areaLines;
    QList<Area> areasRead;

    // False for a document that was not read from bytes.
    bool isRead() const { return !bytes.isEmpty(); }
};
