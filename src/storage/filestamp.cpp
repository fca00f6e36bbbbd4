#include "storage/filestamp.h"

#include "storage/savefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Tells changed bytes apart, fast enough to run on every Save; it guards
// against accidents, not against tampering.
QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

} // namespace

QString realFilePath(const QString &path)
{
    const QFileInfo file(path);
    if (const QString canonical = file.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    // A file that is not there yet lies in the real folder of its folder.
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath())
                            : QDir(folder).filePath(file.fileName());
}

QString fileIdentity(const QString &path)
{
#ifdef Q_OS_WIN
    return realFilePath(path).toCaseFolded();
#else
    return realFilePath(path);
#endif
}

FileStamp FileStamp::ofOpenFile(const QFileDevice &file, const QByteArray &bytes)
{
    return {true, file.size(), file.fileTime(QFileDevice::FileModificationTime), hashOf(bytes)};
}

FileStamp FileStamp::ofWrittenFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return FileStamp();
    return {true, info.size(), info.lastModified(), hashOf(bytes)};
}

bool sameBytes(const FileStamp &a, const FileStamp &b)
{
    if (!a.exists || !b.exists)
        return a.exists == b.exists;
    return a.size == b.size && a.hash == b.hash;
}

FileContents readFileWhole(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return {FileStamp(), QByteArray(),
                QCoreApplication::translate("FileStamp", "Not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileStamp(), QByteArray(), fileError(file)};
    FileContents contents;
    contents.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileStamp(), QByteArray(), fileError(file)};
    contents.stamp = FileStamp::ofOpenFile(file, contents.bytes);
    return contents;
}

FileCheck checkFile(const QString &path, const FileStamp &stamp)
{
    const QFileInfo info(path);
    if (stamp.exists && info.isFile() && info.size() == stamp.size
            && info.lastModified() == stamp.modified)
        return {false, stamp};
    const FileStamp now = readFileWhole(path).stamp;
    return {!sameBytes(now, stamp), now};
}
