#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class QFileDevice;

// What a file on disk was when this program last read or wrote it, so that a
// change made by another program since can be told apart from its own.
struct FileStamp
{
    // False for a place where no regular file could be read.
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray hash;

    // The stamp of an open file whose bytes were just read whole.
    static FileStamp ofOpenFile(const QFileDevice &file, const QByteArray &bytes);
    // The stamp of the file at path just written with bytes; only its size and
    // time are read from the disk.
    static FileStamp ofWrittenFile(const QString &path, const QByteArray &bytes);

    friend bool operator==(const FileStamp &a, const FileStamp &b);
    friend bool operator!=(const FileStamp &a, const FileStamp &b) { return !(a == b); }
};

// A whole file read once, with its stamp.
struct FileContents
{
    FileStamp stamp;
    QByteArray bytes;
    QString error; // empty when the file was read; stamp.exists is false otherwise
};

// Reads the regular file at path. Pipes and devices are refused unopened, as
// reading them could wait forever.
FileContents readFileWhole(const QString &path);

struct FileCheck
{
    // Differs in existence, size, time or bytes from the stamp.
    bool changed = false;
    // The bytes there now, when a regular file could be read there.
    std::optional<QByteArray> currentBytes;

    const QByteArray *bytes() const { return currentBytes ? &*currentBytes : nullptr; }
};

// Compares the file at path now with stamp, reading it once; a file that has
// disappeared or can no longer be read counts as changed.
FileCheck checkFile(const QString &path, const FileStamp &stamp);
