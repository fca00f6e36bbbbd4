#pragma once

#include "format/areatable.h"
#include "storage/filestamp.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

// Splits 8-bit text into lines at CR LF, LF or a lone CR. Each byte becomes the
// character with the same code (Latin-1), so every byte read can be written back.
QStringList splitLines(const QByteArray &bytes);

struct ReadResult
{
    AreaTable table;
    QString error; // empty when the whole file was read
    FileStamp stamp; // of the file whose bytes were read
    bool ok() const { return error.isEmpty(); }
};

// Reads every line into a fresh table; stops at the first line that fails. A
// UTF-8 byte order mark at the start is dropped: the game would read it as part
// of the first line.
ReadResult readTable(const QByteArray &bytes);

// Reads the file at path (a path on this system). An empty file is an error.
ReadResult readPedgrpFile(const QString &path);

// The text as Latin-1 bytes, or nothing when it holds a character that an 8-bit
// file cannot hold.
std::optional<QByteArray> encodeLatin1(const QString &text);
