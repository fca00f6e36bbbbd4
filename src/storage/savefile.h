#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes bytes to a file that replaces the one at path only once every byte is
// written and the disk holds them; on any failure the old file stays as it
// was. Returns the failure's description, or the empty text on success.
QString writeFileSafely(const QString &path, const QByteArray &bytes);

// The same without waiting for the disk: for files whose loss to a power cut
// loses nothing that is not held elsewhere too. Fails when a file lies at path
// already, so that two writers never take one name.
QString writeNewFileQuickly(const QString &path, const QByteArray &bytes);

// The same, replacing a file at path in one step: for a file that only one
// writer at a time writes.
QString replaceFileQuickly(const QString &path, const QByteArray &bytes);

// Why no file can be written at path (a missing folder, a folder in its place,
// no permission), found by opening it for writing and writing nothing; the
// empty text when it can be written.
QString writeFailure(const QString &path);

// Gives the file at existing a second name, link, on the same file system: both
// names then hold the very same bytes, and replacing the file at one name (a
// rename over it) leaves the other with the old bytes. Returns the failure's
// description: where the file system has no such links too.
QString makeHardLink(const QString &existing, const QString &link);

// How many names the file at path has (its hard links); 0 when that cannot
// be found.
qint64 nameCount(const QString &path);

// Renames the file at from to to, replacing a file there in one step.
QString renameOver(const QString &from, const QString &to);

// The system's lock on the file at path (made when it is not there), held
// from lock() to this object's end. The system frees it when its process ends,
// however it ends, and takes no time to wait for the disk.
class FileLock
{
public:
    explicit FileLock(const QString &path) : m_file(path) { }
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits at most waitMs for another holder to let it go.
    bool lock(int waitMs);
    // The lock's file also holds a short record that only its holder reads
    // and writes; a record of another length than the last may leave that
    // one's end behind it.
    QByteArray record();
    void setRecord(const QByteArray &bytes);

private:
    QFile m_file;
    bool m_locked = false;
};

// A name beside path that no file is likely to have: path, a full stop and
// six random letters or digits.
QString temporaryNameBeside(const QString &path);

// The system's description of the file's last error. Messages end in a full
// stop of their own, so one that the system ends its description with is left
// out.
QString fileError(const QFileDevice &file);
