#include "storage/filestamp.h"

#include <QCryptographicHash>
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

bool operator==(const FileStamp &a, const FileStamp &b)
{
    if (!a.exists || !b.exists)
        return a.exists == b.exists;
    return a.size == b.size && a.modified == b.modified && a.hash == b.hash;
}

FileContents readFileWhole(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return {FileStamp(), QByteArray(), QStringLiteral("Not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileStamp(), QByteArray(), file.errorString()};
    FileContents contents;
    contents.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileStamp(), QByteArray(), file.errorString()};
    contents.stamp = FileStamp::ofOpenFile(file, contents.bytes);
    return contents;
}

FileCheck checkFile(const QString &path, const FileStamp &stamp)
{
    FileContents now = readFileWhole(path);
    FileCheck check;
    check.changed = now.stamp != stamp;
    if (now.error.isEmpty())
        check.currentBytes = std::move(now.bytes);
    return check;
}
