#include "storage/savefile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Writes until every byte is taken. A short write is retried, so that a full
// disk surfaces as the system's own error rather than as a truncated file.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return file.flush();
}

QString withoutFullStop(QString description)
{
    if (description.endsWith(u'.'))
        description.chop(1);
    return description;
}

// The thin layer over the calls Qt has no public form of. systemLink and
// systemRename return the system's error code, 0 on success.
#ifdef Q_OS_WIN
const wchar_t *nativePath(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

HANDLE nativeHandle(const QFile &file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
}

bool systemTryLock(const QFile &file)
{
    OVERLAPPED start{};
    return LockFileEx(nativeHandle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
            0, &start);
}

void systemUnlock(const QFile &file)
{
    OVERLAPPED start{};
    UnlockFileEx(nativeHandle(file), 0, 1, 0, &start);
}

int systemLink(const QString &existing, const QString &link)
{
    const QString from = QDir::toNativeSeparators(existing);
    const QString to = QDir::toNativeSeparators(link);
    return CreateHardLinkW(nativePath(to), nativePath(from), nullptr) ? 0 : int(GetLastError());
}

qint64 systemNameCount(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file = CreateFileW(nativePath(native), FILE_READ_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    return known ? qint64(information.nNumberOfLinks) : 0;
}

int systemRename(const QString &from, const QString &to)
{
    const QString source = QDir::toNativeSeparators(from);
    const QString target = QDir::toNativeSeparators(to);
    return MoveFileExW(nativePath(source), nativePath(target), MOVEFILE_REPLACE_EXISTING)
            ? 0
            : int(GetLastError());
}
#else
bool systemTryLock(const QFile &file)
{
    return flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
}

void systemUnlock(const QFile &file)
{
    flock(file.handle(), LOCK_UN);
}

int systemLink(const QString &existing, const QString &link)
{
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0
            ? 0
            : errno;
}

qint64 systemNameCount(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? qint64(status.st_nlink) : 0;
}

int systemRename(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
            ? 0
            : errno;
}
#endif

QString describeSystemError(int code)
{
    return code == 0 ? QString() : withoutFullStop(qt_error_string(code));
}

enum class Replace { No, Yes };

// Writes bytes without waiting for the disk under a temporary name beside
// path, then gives the file path's name, so that an interrupted write never
// leaves part of the bytes under it.
QString writeQuickly(const QString &path, const QByteArray &bytes, Replace replace)
{
    QFile file(temporaryNameBeside(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fileError(file);
    QString error = writeAll(file, bytes) ? QString() : fileError(file);
    // Closed first: Windows renames no file that is open.
    file.close();
    if (error.isEmpty() && replace == Replace::Yes)
        error = renameOver(file.fileName(), path);
    else if (error.isEmpty() && !file.rename(path))
        error = fileError(file);
    if (!error.isEmpty())
        file.remove();
    return error;
}

} // namespace

QString writeFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that each write reaches the system and reports its own count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fileError(file);
    if (!writeAll(file, bytes)) {
        const QString error = fileError(file);
        // Leaves the old file in place; the temporary one goes with the QSaveFile.
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return fileError(file);
    return QString();
}

QString writeNewFileQuickly(const QString &path, const QByteArray &bytes)
{
    return writeQuickly(path, bytes, Replace::No);
}

QString replaceFileQuickly(const QString &path, const QByteArray &bytes)
{
    return writeQuickly(path, bytes, Replace::Yes);
}

QString writeFailure(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(file);
    file.cancelWriting();
    return QString();
}

QString makeHardLink(const QString &existing, const QString &link)
{
    return describeSystemError(systemLink(existing, link));
}

qint64 nameCount(const QString &path)
{
    return systemNameCount(path);
}

QString renameOver(const QString &from, const QString &to)
{
    return describeSystemError(systemRename(from, to));
}

FileLock::~FileLock()
{
    if (m_locked)
        systemUnlock(m_file);
}

bool FileLock::lock(int waitMs)
{
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadWrite))
        return false;
    const QDeadlineTimer deadline(waitMs);
    while (!(m_locked = systemTryLock(m_file)) && !deadline.hasExpired())
        QThread::msleep(1);
    return m_locked;
}

QByteArray FileLock::record()
{
    return m_file.seek(0) ? m_file.readAll() : QByteArray();
}

void FileLock::setRecord(const QByteArray &bytes)
{
    if (m_file.seek(0))
        m_file.write(bytes);
    m_file.flush();
}

QString temporaryNameBeside(const QString &path)
{
    static constexpr char Letters[]
            = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = path + u'.';
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
    return name;
}

QString fileError(const QFileDevice &file)
{
    return withoutFullStop(file.errorString());
}
