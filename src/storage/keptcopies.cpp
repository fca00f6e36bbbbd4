#include "storage/keptcopies.h"

#include "storage/filestamp.h"
#include "storage/savefile.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

QString versionFailure(const QString &error)
{
    return KeptCopies::tr("the old file could not be kept as an earlier version (%1)").arg(error);
}

QString tooLargeToKeep(const QString &shownPath)
{
    return KeptCopies::tr("'%1' was larger than 16 MiB and was not kept").arg(shownPath);
}

// The bytes of a copy there already, which is kept as a version before it is
// replaced. They are read before anything is replaced, so that what keeps
// them from being kept (error) is known while the old file's version may
// still wait for the disk.
FileContents readCopyToReplace(const QFileInfo &copy, const QString &shownCopy)
{
    if (copy.size() > KeptCopies::MaxKeptSize)
        return {FileStamp(), QByteArray(), tooLargeToKeep(shownCopy)};
    FileContents handMade = readFileWhole(copy.filePath());
    if (!handMade.error.isEmpty())
        handMade.error = versionFailure(handMade.error);
    return handMade;
}

// A second name beside copy for the old file at path, which is to become its
// copy; empty where none is made. A file of more names than one (a mod
// manager's, deployed from its store) may be written in place through
// another: its copy is its own.
QString secondNameFor(const QString &path, const QString &copy)
{
    const QString old = realFilePath(path);
    if (nameCount(old) != 1)
        return QString();
    const QString link = temporaryNameBeside(copy);
    return makeHardLink(old, link).isEmpty() ? link : QString();
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
    // Why no copy can be made there.
    QString failure;
    // A second name of the old file, to be renamed to the copy's; empty where
    // none is made, and the old bytes are written instead.
    QString link;
    // What a copy there already holds; none when no copy is there.
    std::optional<QByteArray> replaced;

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
// has been replaced the copy's place is left as it is. Should the copy fail
// once the file is replaced, the second name goes and the version is written
// again, waiting for the disk.
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

    const PendingCopy copy = m_handled.contains(key) ? PendingCopy() : prepareCopy(path, shownPath);
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
    if (!copy.link.isEmpty()) {
        copy.discardLink();
        // Should this fail too, the version is there all the same.
        m_versions->keep(
                path, shownPath, oldBytes.bytes, reason, VersionWrite::NoLongerHeldElsewhere);
    }
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

KeptCopies::PendingCopy KeptCopies::prepareCopy(const QString &path, const QString &shownPath) const
{
    const QString copy = copyPath(path);
    const QFileInfo there(copy);
    if (!mayWriteCopy(there))
        return {copy, tr("'%1' is not a regular file").arg(there.fileName()), QString(),
                std::nullopt};
    if (isReadOnly(there))
        return {copy, tr("'%1' is read-only").arg(there.fileName()), QString(), std::nullopt};
    std::optional<QByteArray> replaced;
    if (there.exists()) {
        const FileContents handMade = readCopyToReplace(there, copyPath(shownPath));
        if (!handMade.error.isEmpty())
            return {copy, handMade.error, QString(), std::nullopt};
        replaced = handMade.bytes;
    }
    return {copy, QString(), secondNameFor(path, copy), replaced};
}

// Returns why the copy could not be made.
QString KeptCopies::placeCopy(
        const PendingCopy &copy, const QString &shownPath, const QByteArray &oldBytes)
{
    if (!copy.failure.isEmpty())
        return copy.failure;
    // A copy made by hand is kept as a version before it is replaced, and that
    // version is withdrawn when it is not replaced after all.
    QString handMadeVersion;
    if (copy.replaced) {
        if (QString error = m_versions->keep(copy.path, copyPath(shownPath), *copy.replaced,
                    VersionReason::ReplacedByBakCopy, VersionWrite::Synced, &handMadeVersion);
                !error.isEmpty())
            return versionFailure(error);
    }
    const QString error = copy.link.isEmpty() ? writeFileSafely(copy.path, oldBytes)
                                              : renameOver(copy.link, copy.path);
    if (!error.isEmpty())
        m_versions->withdraw(handMadeVersion);
    return error;
}
