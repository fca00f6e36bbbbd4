#include "storage/versionhistory.h"

#include "storage/filestamp.h"
#include "storage/savefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VersionHistory", text);
}

// Each file's versions lie in a folder of their own, named by the file's path;
// the path itself is written in it. A version's name is the time it was kept,
// in milliseconds, and the reason, so that names sort from oldest to newest.
const QString FileNameEntry = QStringLiteral("file.txt");
const QString BytesEntry = QStringLiteral("bytes");
const QString LockEntry = QStringLiteral("lock");
constexpr int TimeDigits = 15;

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

// The versions in a file's folder, oldest first.
QStringList versionNames(const QDir &folder)
{
    QStringList names = folder.entryList(QDir::Files, QDir::Name);
    names.removeAll(FileNameEntry);
    return names;
}

QString makeFolder(const QString &path)
{
    if (QDir().mkpath(path))
        return QString();
    return tr("the folder '%1' could not be made").arg(QDir::toNativeSeparators(path));
}

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).size() != bytes.size())
        return false;
    const FileContents kept = readFileWhole(path);
    return kept.error.isEmpty() && kept.bytes == bytes;
}

QString uniqueName(const QDir &folder, qint64 msecs, const QString &key)
{
    QString name;
    do
        name = QStringLiteral("%1-%2").arg(msecs++, TimeDigits, 10, QLatin1Char('0')).arg(key);
    while (folder.exists(name));
    return name;
}

void removeOldest(QDir folder)
{
    const QStringList names = versionNames(folder);
    for (qsizetype i = 0; i < names.size() - VersionHistory::MaxVersions; ++i)
        folder.remove(names.at(i));
}

// The file's path is written once, without waiting for the disk: should a
// power cut leave it empty, the next version kept of the file writes it again.
QString nameFolder(const QDir &folder, const QString &file)
{
    const QString path = folder.filePath(FileNameEntry);
    if (QFileInfo(path).size() > 0)
        return QString();
    QFile::remove(path);
    const QString error = writeNewFile(path, file.toUtf8());
    // Another window may have named it a moment ago.
    return QFileInfo(path).size() > 0 ? QString() : error;
}

// Keeps bytes as a version of file kept at when.
QString store(const QString &versionsFolder, const QString &file, const QByteArray &bytes,
        VersionReason reason, const QDateTime &when, VersionWrite write)
{
    QDir folder(versionsFolder + u'/' + folderNameOf(fileIdentity(file)));
    if (QString error = makeFolder(folder.path()); !error.isEmpty())
        return error;
    const QStringList names = versionNames(folder);
    if (!names.isEmpty() && holdsBytes(folder.filePath(names.last()), bytes))
        return QString();
    if (QString error = nameFolder(folder, realFilePath(file)); !error.isEmpty())
        return error;
    const QString path
            = folder.filePath(uniqueName(folder, when.toMSecsSinceEpoch(), keyOf(reason)));
    const QString error = write == VersionWrite::Synced ? writeFileSafely(path, bytes)
                                                        : writeNewFile(path, bytes);
    if (!error.isEmpty())
        return error;
    if (names.size() >= VersionHistory::MaxVersions)
        removeOldest(folder);
    return QString();
}

std::optional<KeptVersion> versionAt(const QDir &folder, const QString &file, const QString &name)
{
    const qsizetype dash = name.indexOf(u'-');
    bool isTime = false;
    const qint64 msecs = name.left(dash).toLongLong(&isTime);
    const std::optional<VersionReason> reason = reasonOf(QStringView(name).mid(dash + 1));
    if (dash < 0 || !isTime || !reason)
        return std::nullopt;
    const QString entryPath = folder.filePath(name);
    return KeptVersion{file, QDateTime::fromMSecsSinceEpoch(msecs), *reason,
            QFileInfo(entryPath).size(), entryPath};
}

void appendVersionsOf(const QDir &folder, QList<KeptVersion> &versions)
{
    // A name lost to a power cut is written again with the file's next version.
    const FileContents file = readFileWhole(folder.filePath(FileNameEntry));
    if (!file.error.isEmpty() || file.bytes.isEmpty())
        return;
    const QString path = QString::fromUtf8(file.bytes);
    for (const QString &name : versionNames(folder))
        if (const std::optional<KeptVersion> version = versionAt(folder, path, name))
            versions.append(*version);
}

void removeEntryFiles(const QString &runFolder)
{
    QDir run(runFolder);
    run.remove(FileNameEntry);
    run.remove(BytesEntry);
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

QString VersionHistory::keep(
        const QString &file, const QByteArray &bytes, VersionReason reason, VersionWrite write)
{
    return store(versionsFolder(), file, bytes, reason, QDateTime::currentDateTime(), write);
}

QList<KeptVersion> VersionHistory::versions() const
{
    QList<KeptVersion> versions;
    const QDir folder(versionsFolder());
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        appendVersionsOf(QDir(folder.filePath(name)), versions);
    std::stable_sort(
            versions.begin(), versions.end(), [](const KeptVersion &a, const KeptVersion &b) {
                return a.when != b.when ? a.when > b.when : a.entryPath > b.entryPath;
            });
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
            return tr("the lock '%1' could not be taken").arg(QDir::toNativeSeparators(run));
        m_runLock = std::move(lock);
    }
    // The file's name changes far less often than its bytes.
    const QByteArray name = (file + u'\n' + shownPath).toUtf8();
    if (name != m_editingName) {
        if (QString error = writeFileSafely(run + u'/' + FileNameEntry, name); !error.isEmpty())
            return error;
        m_editingName = name;
    }
    return writeFileSafely(run + u'/' + BytesEntry, bytes);
}

void VersionHistory::dropWhileEditing()
{
    if (!m_runLock)
        return;
    removeEntryFiles(runFolder());
    m_editingName.clear();
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
    if (!lock.tryLock(0))
        return {};
    const FileContents names = readFileWhole(runFolder + u'/' + FileNameEntry);
    const FileContents bytes = readFileWhole(runFolder + u'/' + BytesEntry);
    // A run that ended before its first keep leaves no bytes, and nothing to tell.
    EndedRun run;
    if (names.error.isEmpty() && bytes.error.isEmpty()) {
        const QStringList lines = QString::fromUtf8(names.bytes).split(u'\n');
        const QDateTime when = QFileInfo(runFolder + u'/' + BytesEntry).lastModified();
        const QString error = store(versionsFolder(), lines.value(0), bytes.bytes,
                VersionReason::KeptWhileEditing, when, VersionWrite::Synced);
        if (!error.isEmpty())
            return {};
        run = {lines.value(0), lines.value(1)};
    }
    removeEntryFiles(runFolder);
    lock.unlock();
    QDir().rmdir(runFolder);
    return run;
}
