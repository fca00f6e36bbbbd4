#include "storage/keptcopies.h"

#include "storage/filestamp.h"
#include "storage/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("KeptCopies", text);
}

// Keeps the regular file at path as a version for reason; a file that is not
// there has nothing to keep.
QString keepVersionOf(VersionHistory &versions, const QString &path, VersionReason reason)
{
    if (!QFileInfo(path).isFile())
        return QString();
    const FileContents old = readFileWhole(path);
    return old.error.isEmpty() ? versions.keep(path, old.bytes, reason) : old.error;
}

QString versionFailure(const QString &error)
{
    return tr("the old file could not be kept as an earlier version (%1)").arg(error);
}

// A link could lead the copy anywhere, and a folder or a device in its place
// is none of ours: such a copy is never written through or replaced.
bool mayWriteCopy(const QString &copyPath)
{
    const QFileInfo copy(copyPath);
    return !copy.isSymLink() && (copy.isFile() || !copy.exists());
}

} // namespace

QString KeptCopies::copyPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}

QString KeptCopies::replaceFile(
        const QString &path, const QByteArray &newBytes, VersionReason reason)
{
    if (const QString error = keepOldBytes(path, reason); !error.isEmpty())
        return error;
    const QString error = writeFileSafely(path, newBytes);
    if (error.isEmpty())
        m_handled.insert(fileIdentity(path));
    return error;
}

QString KeptCopies::copyFile(const QString &source, const QString &target, VersionReason reason)
{
    const FileContents read = readFileWhole(source);
    if (!read.error.isEmpty())
        return read.error;
    return replaceFile(target, read.bytes, reason);
}

QString KeptCopies::keepOldBytes(const QString &path, VersionReason reason)
{
    // Only a file that is there has bytes to keep; a folder in its place makes
    // the replacement itself fail.
    if (!QFileInfo(path).isFile())
        return QString();
    const FileContents old = readFileWhole(path);
    if (!old.error.isEmpty())
        return versionFailure(old.error);
    const QString key = fileIdentity(path);
    const bool copyDue = !m_handled.contains(key);
    const bool copying = copyDue && mayWriteCopy(copyPath(path));
    // The copy, written safely before anything is replaced, holds the same
    // bytes as the version.
    if (const QString error = m_versions->keep(path, old.bytes, reason,
                copying ? VersionWrite::HeldElsewhere : VersionWrite::Synced);
            !error.isEmpty())
        return versionFailure(error);
    if (copying) {
        if (const QString error = writeCopy(path, old.bytes); !error.isEmpty())
            return error;
    }
    if (copyDue)
        m_handled.insert(key);
    return QString();
}

QString KeptCopies::writeCopy(const QString &path, const QByteArray &bytes)
{
    const QString copy = copyPath(path);
    QString error = keepVersionOf(*m_versions, copy, VersionReason::ReplacedByBakCopy);
    if (error.isEmpty())
        error = writeFileSafely(copy, bytes);
    if (error.isEmpty())
        return QString();
    return tr("the old file could not be kept as '%1' (%2)").arg(QFileInfo(copy).fileName(), error);
}
