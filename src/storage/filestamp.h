#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

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

    // Both hold the same bytes, or neither is there; the time does not count.
    friend bool sameBytes(const FileStamp &a, const FileStamp &b);
};

// The path of the file at path with links and ".." resolved; for a file that
// is not there, the real path of its folder and its name (its clean absolute
// path when the folder is not there either).
QString realFilePath(const QString &path);

// The same text for every spelling of a file's path: its real path, and on
// Windows, where names match without regard to case, in one case.
QString fileIdentity(const QString &path);

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
    // Holds other bytes than the stamp says, or is there when it was not, or
    // the other way round. The time alone changes nothing.
    bool changed = false;
    // What the file is now.
    FileStamp now;
};

// Compares the file at path now with stamp. The bytes are read only when its
// size or time differ from the stamp's; a file that has disappeared or can no
// longer be read counts as not there.
FileCheck checkFile(const QString &path, const FileStamp &stamp);
