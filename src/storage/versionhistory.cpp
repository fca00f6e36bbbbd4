#include "storage/versionhistory.h"

#include "storage/filestamp.h"
#include "storage/savefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// Each file's versions lie in a folder of their own, named by the file's real
// path; the names of the file are written in it. A version's name is its
// number, the time it was kept in milliseconds and the reason. Versions kept
// before they were numbered have the time and the reason only.
//
// The history's lock, the system's lock on a file, guards the count of the
// versions' numbers and each folder's versions; a window holds it for the
// moment of one keep.
const QString NamesEntry = QStringLiteral("names.txt");
// Where folders and entries named before names.txt kept their file's name.
const QString OldNamesEntry = QStringLiteral("file.txt");
const QString BytesEntry = QStringLiteral("bytes");
const QString LockEntry = QStringLiteral("lock");
constexpr int NumberDigits = 10;
constexpr int TimeDigits = 15;
constexpr int CounterDigits = 20;
constexpr int HistoryLockWaitMs = 5000;

constexpr std::array<std::pair<VersionReason, const char *>, 7> ReasonKeys{{
        {VersionReason::ReplacedBySave, "save"},
        {VersionReason::ReplacedBySaveAs, "saveas"},
        {VersionReason::ReplacedByRestoreBackup, "restore"},
        {VersionReason::ReplacedByBakCopy, "bak"},
        {VersionReason::LetGoByExit, "exit"},
        {VersionReason::LetGoByLoad, "load"},
        {VersionReason::KeptWhileEditing, "editing"},
}};

QString keyOf(VersionReason reason)
{
    for (const auto &[known, key] : ReasonKeys)
        if (known == reason)
            return QLatin1String(key);
    return QString();
}

std::optional<VersionReason> reasonOf(QStringView key)
{
    for (const auto &[reason, known] : ReasonKeys)
        if (key == QLatin1String(known))
            return reason;
    return std::nullopt;
}

QString folderNameOf(const QString &identity)
{
    return QString::fromLatin1(
            QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Md5).toHex());
}

// A file's real path and the path the user knows it by, one to a line and
// percent-encoded, so that either may hold any character, a line break too.
struct FileNames
{
    QString file;
    QString shown;
};

QByteArray encodeNames(const FileNames &names)
{
    const QByteArray legible = QByteArrayLiteral("/\\: ");
    return names.file.toUtf8().toPercentEncoding(legible) + '\n'
            + names.shown.toUtf8().toPercentEncoding(legible);
}

std::optional<FileNames> decodeNames(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() != 2 || lines.first().isEmpty())
        return std::nullopt;
    return FileNames{QString::fromUtf8(QByteArray::fromPercentEncoding(lines.first())),
            QString::fromUtf8(QByteArray::fromPercentEncoding(lines.last()))};
}

std::optional<FileNames> readNames(const QString &folder)
{
    const FileContents names = readFileWhole(folder + u'/' + NamesEntry);
    return names.error.isEmpty() ? decodeNames(names.bytes) : std::nullopt;
}

// A version folder named before names.txt holds its file's real path alone.
std::optional<FileNames> readVersionFolderNames(const QString &folder)
{
    if (std::optional<FileNames> names = readNames(folder))
        return names;
    const FileContents old = readFileWhole(folder + u'/' + OldNamesEntry);
    if (!old.error.isEmpty() || old.bytes.isEmpty())
        return std::nullopt;
    const QString file = QString::fromUtf8(old.bytes);
    return FileNames{file, QDir::toNativeSeparators(file)};
}

// An entry made before names.txt holds its file and the shown path on two lines.
std::optional<FileNames> readEntryNames(const QString &runFolder)
{
    if (std::optional<FileNames> names = readNames(runFolder))
        return names;
    const FileContents old = readFileWhole(runFolder + u'/' + OldNamesEntry);
    if (!old.error.isEmpty())
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(old.bytes).split(u'\n');
    return FileNames{lines.value(0), lines.value(1)};
}

struct VersionName
{
    QString name;
    // 0 for the versions kept before they were numbered, which are older than
    // any numbered one.
    qint64 number = 0;
    qint64 msecs = 0;
    VersionReason reason = VersionReason::ReplacedBySave;

    bool operator<(const VersionName &other) const
    {
        return std::tie(number, msecs, name) < std::tie(other.number, other.msecs, other.name);
    }
};

bool isDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
}

std::optional<VersionName> parseVersionName(const QString &name)
{
    const QStringList parts = name.split(u'-');
    if (parts.size() < 2 || parts.size() > 3
            || !std::all_of(parts.begin(), parts.end() - 1, isDigits))
        return std::nullopt;
    const std::optional<VersionReason> reason = reasonOf(parts.last());
    if (!reason)
        return std::nullopt;
    const qint64 number = parts.size() == 3 ? parts.first().toLongLong() : 0;
    return VersionName{name, number, parts.at(parts.size() - 2).toLongLong(), *reason};
}

QString versionName(qint64 number, const QDateTime &when, VersionReason reason)
{
    return QStringLiteral("%1-%2-%3")
            .arg(number, NumberDigits, 10, QLatin1Char('0'))
            .arg(when.toMSecsSinceEpoch(), TimeDigits, 10, QLatin1Char('0'))
            .arg(keyOf(reason));
}

struct FolderListing
{
    // Oldest first.
    QList<VersionName> versions;
    // Files that are neither a version nor a name: what an interrupted write
    // left behind.
    QStringList leftovers;
};

FolderListing listFolder(const QDir &folder)
{
    FolderListing listing;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (const std::optional<VersionName> version = parseVersionName(name))
            listing.versions.append(*version);
        else if (name != NamesEntry && name != OldNamesEntry)
            listing.leftovers.append(name);
    }
    std::sort(listing.versions.begin(), listing.versions.end());
    return listing;
}

// A leftover may be a file another window is writing this very moment; one a
// day old is not.
void removeOldLeftovers(QDir folder, const QStringList &leftovers)
{
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    for (const QString &name : leftovers)
        if (QFileInfo(folder.filePath(name)).lastModified() < dayAgo)
            folder.remove(name);
}

QString makeFolder(const QString &path)
{
    if (QDir().mkpath(path))
        return QString();
    return VersionHistory::tr("the folder '%1' could not be made")
            .arg(QDir::toNativeSeparators(path));
}

QString lockFailure(const QString &folder)
{
    return VersionHistory::tr("the lock '%1' could not be taken")
            .arg(QDir::toNativeSeparators(folder));
}

// Takes the lock of a run's entry. A lock left under this program's own
// process id belongs to a run that has ended, whose id the system gave again
// (Wine does so often); the system still keeps the lock of a run in this
// process from being removed.
bool takeRunLock(QLockFile &lock)
{
    if (lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host;
    QString program;
    return lock.getLockInfo(&pid, &host, &program) && pid == QCoreApplication::applicationPid()
            && lock.removeStaleLockFile() && lock.tryLock(0);
}

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).size() != bytes.size())
        return false;
    const FileContents kept = readFileWhole(path);
    return kept.error.isEmpty() && kept.bytes == bytes;
}

// The number of the next version: one more than the last one taken in the
// whole history, which the history's lock keeps, and than any in the folder,
// should that count have been lost. The count is written without waiting for
// the disk, in place, as it never changes its length; a count that cannot be
// written still leaves the numbers of each file's versions in order.
qint64 takeNumber(FileLock &historyLock, const FolderListing &listing)
{
    const qint64 last = historyLock.record().toLongLong();
    const qint64 newestHere = listing.versions.isEmpty() ? 0 : listing.versions.last().number;
    const qint64 number = std::max(last, newestHere) + 1;
    historyLock.setRecord(QByteArray::number(number).rightJustified(CounterDigits, '0'));
    return number;
}

// The names are written without waiting for the disk: should a power cut
// lose them, the next version kept of the file writes them again.
QString nameFolder(const QDir &folder, const QByteArray &names)
{
    const QString path = folder.filePath(NamesEntry);
    if (readFileWhole(path).bytes == names)
        return QString();
    return replaceFileQuickly(path, names);
}

void removeOldest(QDir folder, const QList<VersionName> &versions, qsizetype keep)
{
    for (qsizetype i = 0; i < versions.size() - keep; ++i)
        folder.remove(versions.at(i).name);
}

// Every file of a run's entry but its lock.
void removeEntryFiles(const QString &runFolder)
{
    QDir run(runFolder);
    for (const QString &name : run.entryList(QDir::Files | QDir::Hidden))
        if (name != LockEntry)
            run.remove(name);
}

} // namespace

VersionHistory::VersionHistory(QString dataFolder)
    : m_dataFolder(std::move(dataFolder)),
      m_runId(QStringLiteral("%1-%2")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QDateTime::currentMSecsSinceEpoch()))
{ }

VersionHistory::~VersionHistory()
{
    dropWhileEditing();
}

QString VersionHistory::defaultDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString VersionHistory::versionsFolder() const
{
    return m_dataFolder + QStringLiteral("/versions");
}

QString VersionHistory::editingFolder() const
{
    return m_dataFolder + QStringLiteral("/editing");
}

QString VersionHistory::runFolder() const
{
    return editingFolder() + u'/' + m_runId;
}

QString VersionHistory::keep(const QString &file, const QString &shownPath, const QByteArray &bytes,
        VersionReason reason, VersionWrite write, QString *newEntry)
{
    return store(file, shownPath, bytes, reason, QDateTime::currentDateTime(), write, newEntry);
}

void VersionHistory::withdraw(const QString &newEntry)
{
    if (!newEntry.isEmpty())
        QFile::remove(newEntry);
}

// Keeps bytes as a version of file kept at when.
QString VersionHistory::store(const QString &file, const QString &shownPath,
        const QByteArray &bytes, VersionReason reason, const QDateTime &when, VersionWrite write,
        QString *newEntry)
{
    const QString realPath = realFilePath(file);
    QDir folder(versionsFolder() + u'/' + folderNameOf(fileIdentity(realPath)));
    if (QString error = makeFolder(folder.path()); !error.isEmpty())
        return error;
    FileLock lock(versionsFolder() + u'/' + LockEntry);
    if (!lock.lock(HistoryLockWaitMs))
        return lockFailure(versionsFolder());
    const FolderListing listing = listFolder(folder);
    removeOldLeftovers(folder, listing.leftovers);
    if (!listing.versions.isEmpty()) {
        const QString newest = folder.filePath(listing.versions.last().name);
        if (holdsBytes(newest, bytes))
            return write == VersionWrite::NoLongerHeldElsewhere ? writeFileSafely(newest, bytes)
                                                                : QString();
    }
    if (QString error = nameFolder(folder, encodeNames({realPath, shownPath})); !error.isEmpty())
        return error;
    const QString path = folder.filePath(versionName(takeNumber(lock, listing), when, reason));
    const QString error = write == VersionWrite::HeldElsewhere ? writeNewFileQuickly(path, bytes)
                                                               : writeFileSafely(path, bytes);
    if (!error.isEmpty())
        return error;
    if (newEntry)
        *newEntry = path;
    removeOldest(folder, listing.versions, MaxVersions - 1);
    return QString();
}

QList<KeptVersion> VersionHistory::versions() const
{
    QList<std::pair<qint64, KeptVersion>> numbered;
    const QDir folder(versionsFolder());
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir files(folder.filePath(name));
        // A folder whose names were lost to a power cut is listed again once
        // the file's next version names it.
        const std::optional<FileNames> names = readVersionFolderNames(files.path());
        if (!names)
            continue;
        for (const VersionName &version : listFolder(files).versions) {
            const QString entryPath = files.filePath(version.name);
            numbered.append({version.number,
                    KeptVersion{names->file, names->shown,
                            QDateTime::fromMSecsSinceEpoch(version.msecs), version.reason,
                            QFileInfo(entryPath).size(), entryPath}});
        }
    }
    std::sort(numbered.begin(), numbered.end(), [](const auto &a, const auto &b) {
        return std::tie(a.first, a.second.when, a.second.entryPath)
                > std::tie(b.first, b.second.when, b.second.entryPath);
    });
    QList<KeptVersion> versions;
    versions.reserve(numbered.size());
    for (const auto &[number, version] : std::as_const(numbered))
        versions.append(version);
    return versions;
}

QString VersionHistory::keepWhileEditing(
        const QString &file, const QString &shownPath, const QByteArray &bytes)
{
    const QString run = runFolder();
    if (!m_runLock) {
        if (QString error = makeFolder(run); !error.isEmpty())
            return error;
        auto lock = std::make_unique<QLockFile>(run + u'/' + LockEntry);
        if (!lock->tryLock(0))
            return lockFailure(run);
        m_runLock = std::move(lock);
    }
    // The file's names change far less often than its bytes.
    const QByteArray names = encodeNames({realFilePath(file), shownPath});
    if (names != m_editingNames) {
        if (QString error = writeFileSafely(run + u'/' + NamesEntry, names); !error.isEmpty())
            return error;
        m_editingNames = names;
    }
    return writeFileSafely(run + u'/' + BytesEntry, bytes);
}

void VersionHistory::dropWhileEditing()
{
    if (!m_runLock)
        return;
    removeEntryFiles(runFolder());
    m_editingNames.clear();
    m_runLock.reset();
    QDir().rmdir(runFolder());
}

QList<EndedRun> VersionHistory::recoverEndedRuns()
{
    QList<EndedRun> runs;
    const QDir editing(editingFolder());
    for (const QString &name : editing.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name == m_runId)
            continue;
        const EndedRun run = recover(editing.filePath(name));
        if (!run.shownPath.isEmpty())
            runs.append(run);
    }
    return runs;
}

// Keeps the entry of a run that ended without removing it as a version, and
// removes it; returns the run, whose shown path is empty when the run is
// still going or nothing could be kept.
EndedRun VersionHistory::recover(const QString &runFolder)
{
    QLockFile lock(runFolder + u'/' + LockEntry);
    // Another window may have been editing for hours; only its end frees the lock.
    lock.setStaleLockTime(0);
    if (!takeRunLock(lock))
        return {};
    const std::optional<FileNames> names = readEntryNames(runFolder);
    const FileContents bytes = readFileWhole(runFolder + u'/' + BytesEntry);
    // A run that ended before its first keep leaves no bytes, and nothing to tell.
    EndedRun run;
    if (names && bytes.error.isEmpty()) {
        const QDateTime when = QFileInfo(runFolder + u'/' + BytesEntry).lastModified();
        if (!store(names->file, names->shown, bytes.bytes, VersionReason::KeptWhileEditing, when,
                    VersionWrite::Synced)
                        .isEmpty())
            return {};
        run = {names->file, names->shown};
    }
    // With the lock held, whatever else lies there was left by the ended run.
    removeEntryFiles(runFolder);
    lock.unlock();
    QDir().rmdir(runFolder);
    return run;
}
