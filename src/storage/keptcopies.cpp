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
QString keepVersionOf(VersionHistory &versions, const QString &path, VersionReason reason,
        QByteArray *bytes = nullptr)
{
    if (!QFileInfo(path).isFile())
        return QString();
    FileContents old = readFileWhole(path);
    if (!old.error.isEmpty())
        return old.error;
    const QString error = versions.keep(path, old.bytes, reason);
    if (bytes)
        *bytes = std::move(old.bytes);
    return error;
}

// A link could lead the copy anywhere, and a folder or a device in its place
// is none of ours: such a copy is never written through or replaced.
bool mayWriteCopy(const QString &copyPath)
{
    const QFileInfo copy(copyPath);
    return !copy.isSymLink() && (copy.isFile() || !copy.exists());
}

// The same text for every spelling of an existing file's path: links, "..",
// and on Windows, where names match without regard to case, other capitals.
QString fileIdentity(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
#ifdef Q_OS_WIN
    return canonical.toCaseFolded();
#else
    return canonical;
#endif
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
    QByteArray old;
    if (const QString error = keepVersionOf(*m_versions, path, reason, &old); !error.isEmpty())
        return tr("the old file could not be kept as an earlier version (%1)").arg(error);
    return keepCopyIfDue(path, old);
}

QString KeptCopies::keepCopyIfDue(const QString &path, const QByteArray &bytes)
{
    const QString key = fileIdentity(path);
    if (m_handled.contains(key))
        return QString();
    const QString copy = copyPath(path);
    QString error;
    if (mayWriteCopy(copy)) {
        error = keepVersionOf(*m_versions, copy, VersionReason::ReplacedByBakCopy);
        if (error.isEmpty())
            error = writeFileSafely(copy, bytes);
    }
    if (!error.isEmpty())
        return tr("the old file could not be kept as '%1' (%2)")
                .arg(QFileInfo(copy).fileName(), error);
    m_handled.insert(key);
    return QString();
}
