#include "storage/keptcopies.h"

#include "storage/filestamp.h"
#include "storage/savefile.h"

#include <QFileInfo>

namespace {

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
        const QString &path, const QByteArray &newBytes, const QByteArray *currentBytes)
{
    const QString copyError = keepCopyIfDue(path, currentBytes);
    if (!copyError.isEmpty())
        return copyError;
    const QString error = writeFileSafely(path, newBytes);
    if (error.isEmpty())
        m_handled.insert(fileIdentity(path));
    return error;
}

QString KeptCopies::copyFile(const QString &source, const QString &target)
{
    const FileContents read = readFileWhole(source);
    if (!read.error.isEmpty())
        return read.error;
    return replaceFile(target, read.bytes);
}

QString KeptCopies::keepCopyIfDue(const QString &path, const QByteArray *currentBytes)
{
    const QFileInfo target(path);
    // Only a file that is there has bytes to keep; a folder in its place makes
    // the replacement itself fail.
    if (!target.isFile())
        return QString();
    const QString key = fileIdentity(path);
    if (m_handled.contains(key))
        return QString();
    FileContents read;
    if (!currentBytes) {
        read = readFileWhole(path);
        currentBytes = &read.bytes;
    }
    QString error = read.error;
    if (error.isEmpty())
        error = writeFileSafely(copyPath(path), *currentBytes);
    if (!error.isEmpty())
        return QStringLiteral("the old file could not be kept as '%1' (%2)")
                .arg(QFileInfo(copyPath(path)).fileName(), error);
    m_handled.insert(key);
    return QString();
}
