#include "storage/keptcopies.h"

#include "storage/filestamp.h"
#include "storage/savefile.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString versionFailure(const QString &error)
{
    return KeptCopies::tr("the old file could not be kept as an earlier version (%1)").arg(error);
}

QString tooLargeToKeep(const QString &shownPath)
{
    return KeptCopies::tr("'%1' was larger than 16 MiB and was not kept").arg(shownPath);
}

// Keeps the regular file at path as a version for reason; a file that is not
// there has nothing to keep. Returns why it could not be kept.
QString keepVersionOf(VersionHistory &versions, const QString &path, const QString &shownPath,
        VersionReason reason)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return QString();
    if (file.size() > KeptCopies::MaxKeptSize)
        return tooLargeToKeep(shownPath);
    const FileContents old = readFileWhole(path);
    const QString error
            = old.error.isEmpty() ? versions.keep(path, shownPath, old.bytes, reason) : old.error;
    return error.isEmpty() ? QString() : versionFailure(error);
}

// A link could lead the copy anywhere, and a folder or a device in its place
// is none of ours: such a copy is never written through or replaced.
bool mayWriteCopy(const QFileInfo &copy)
{
    return !copy.isSymLink() && (copy.isFile() || !copy.exists());
}

// Marked read-only by its owner: permission bits do not stop root, but the
// mark is the user's wish all the same.
bool isReadOnly(const QFileInfo &copy)
{
    return copy.exists()
            && !(copy.isWritable() && copy.permissions().testFlag(QFileDevice::WriteOwner));
}

} // namespace

// The copy of a file as it is prepared before the file is replaced.
struct KeptCopies::PendingCopy
{
    // Where the copy goes; empty when none is made.
    QString path;
    // A second name of the old file, to be renamed to the copy's; empty where
    // the file system has no such names, and the old bytes are written instead.
    QString link;
    // Why no copy can be made there.
    QString failure;

    void discardLink() const
    {
        if (!link.isEmpty())
            QFile::remove(link);
    }
};

QString KeptCopies::copyPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}

// The steps, in their order: a second name for the old file, made before
// anything is replaced, which is to become its copy; the version of the old
// bytes, which need not wait for the disk when that name holds them already;
// the file itself; last, the copy, whose failure stops nothing. Until the file
// has been replaced the copy's place is left as it is.
Replacement KeptCopies::replaceFile(const QString &path, const QString &shownPath,
        const QByteArray &newBytes, VersionReason reason)
{
    const QString key = fileIdentity(path);
    const QFileInfo old(path);
    // Only a file that is there has bytes to keep; a folder in its place makes
    // the write itself fail.
    const bool nothingToKeep = !old.isFile();
    if (nothingToKeep || old.size() > MaxKeptSize) {
        if (QString error = writeFileSafely(path, newBytes); !error.isEmpty())
            return {error, QString()};
        m_handled.insert(key);
        return {QString(), nothingToKeep ? QString() : tooLargeToKeep(shownPath) + u'.'};
    }
    const FileContents oldBytes = readFileWhole(path);
    if (!oldBytes.error.isEmpty())
        return {versionFailure(oldBytes.error), QString()};

    const PendingCopy copy = m_handled.contains(key) ? PendingCopy() : prepareCopy(path);
    const VersionWrite write
            = copy.link.isEmpty() ? VersionWrite::Synced : VersionWrite::HeldElsewhere;
    if (QString error = m_versions->keep(path, shownPath, oldBytes.bytes, reason, write);
            !error.isEmpty()) {
        copy.discardLink();
        return {versionFailure(error), QString()};
    }
    if (QString error = writeFileSafely(path, newBytes); !error.isEmpty()) {
        // The copy never shares the bytes of the file in use.
        copy.discardLink();
        return {error, QString()};
    }
    m_handled.insert(key);
    if (copy.path.isEmpty())
        return {};
    const QString failure = placeCopy(copy, shownPath, oldBytes.bytes);
    if (failure.isEmpty())
        return {};
    return {QString(), tr("No .bak copy was made: %1.").arg(failure)};
}

Replacement KeptCopies::copyFile(const QString &source, const QString &target,
        const QString &shownTarget, VersionReason reason)
{
    const FileContents read = readFileWhole(source);
    if (!read.error.isEmpty())
        return {read.error, QString()};
    return replaceFile(target, shownTarget, read.bytes, reason);
}

KeptCopies::PendingCopy KeptCopies::prepareCopy(const QString &path) const
{
    const QString copy = copyPath(path);
    const QFileInfo there(copy);
    if (!mayWriteCopy(there))
        return {};
    if (isReadOnly(there))
        return {copy, QString(), tr("'%1' is read-only").arg(there.fileName())};
    // A file of more names than one (a mod manager's, deployed from its
    // store) may be written in place through another: its copy is its own.
    const QString old = realFilePath(path);
    if (nameCount(old) != 1)
        return {copy, QString(), QString()};
    const QString link = temporaryNameBeside(copy);
    if (!makeHardLink(old, link).isEmpty())
        return {copy, QString(), QString()};
    return {copy, link, QString()};
}

// Returns why the copy could not be made.
QString KeptCopies::placeCopy(
        const PendingCopy &copy, const QString &shownPath, const QByteArray &oldBytes)
{
    if (!copy.failure.isEmpty())
        return copy.failure;
    // A copy made by hand is kept as a version before it is replaced.
    QString error = keepVersionOf(
            *m_versions, copy.path, copyPath(shownPath), VersionReason::ReplacedByBakCopy);
    if (error.isEmpty())
        error = copy.link.isEmpty() ? writeFileSafely(copy.path, oldBytes)
                                    : renameOver(copy.link, copy.path);
    if (!error.isEmpty())
        copy.discardLink();
    return error;
}
