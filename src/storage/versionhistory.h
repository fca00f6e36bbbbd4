#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// Why a version of a file was kept.
enum class VersionReason {
    ReplacedBySave,
    ReplacedBySaveAs,
    ReplacedByRestoreBackup,
    ReplacedByBakCopy,
    LetGoByExit,
    LetGoByLoad,
    KeptWhileEditing,
};

// Whether keeping a version waits until the disk holds its bytes. One whose
// bytes another file holds safely already need not wait; once that file is
// gone, they are kept again as no longer held elsewhere, which makes the disk
// hold a version that holds them already.
enum class VersionWrite {
    Synced,
    HeldElsewhere,
    NoLongerHeldElsewhere,
};

// One earlier version of a file, kept in the data folder.
struct KeptVersion
{
    // The file it is a version of: its real path on this system (links
    // resolved), where it is read and written.
    QString file;
    // The file as the user typed or was given it when the version was kept,
    // for messages and lists.
    QString shownPath;
    // The time it was kept, as the clock said then.
    QDateTime when;
    VersionReason reason = VersionReason::ReplacedBySave;
    qint64 size = 0;
    // Where its bytes lie.
    QString entryPath;
};

// A run that ended with unsaved changes to a file, now kept as a version of it.
struct EndedRun
{
    // The file, as a path on this system.
    QString file;
    // The file as its messages name it.
    QString shownPath;
};

// Earlier versions of the files this program replaced or let go, kept in a
// data folder of its own, never beside the files. Each file, known by its real
// path, keeps its newest MaxVersions versions. Versions are numbered in the
// order they are kept, in one count for every window, so that a clock set back
// changes nothing of their order.
//
// Besides, each run keeps one entry of the document while it is being edited.
// A lock held for the run's whole time tells a run that is still going from one
// that ended without removing its entry (a crash, a kill, a power cut).
class VersionHistory
{
    Q_DECLARE_TR_FUNCTIONS(VersionHistory)

public:
    static constexpr int MaxVersions = 100;

    // The folder is made when the first version is kept.
    explicit VersionHistory(QString dataFolder = defaultDataFolder());
    ~VersionHistory();
    VersionHistory(const VersionHistory &) = delete;
    VersionHistory &operator=(const VersionHistory &) = delete;

    // The user's data folder for this program (~/.local/share/Varnel on Linux).
    static QString defaultDataFolder();

    // Keeps bytes as a version of file (shownPath names it as the user knows
    // it), unless the newest version kept of it holds the same bytes. Returns
    // the failure's description, or the empty text. newEntry, when given,
    // receives where a new version lies; it is left as it is when none is.
    QString keep(const QString &file, const QString &shownPath, const QByteArray &bytes,
            VersionReason reason, VersionWrite write = VersionWrite::Synced,
            QString *newEntry = nullptr);
    // Removes the version that keep wrote at newEntry (none when empty), kept
    // for a replacement that did not happen after all.
    void withdraw(const QString &newEntry);

    // Every version of every file, newest first.
    QList<KeptVersion> versions() const;

    // Replaces this run's entry of the document being edited; shownPath names
    // the file in messages. Returns the failure's description, or the empty text.
    QString keepWhileEditing(
            const QString &file, const QString &shownPath, const QByteArray &bytes);
    // Removes this run's entry, if there is one.
    void dropWhileEditing();
    // Turns the entries of runs that ended without removing them into
    // versions, and returns those runs.
    QList<EndedRun> recoverEndedRuns();

private:
    QString versionsFolder() const;
    QString editingFolder() const;
    QString runFolder() const;
    EndedRun recover(const QString &runFolder);
    QString store(const QString &file, const QString &shownPath, const QByteArray &bytes,
            VersionReason reason, const QDateTime &when, VersionWrite write,
            QString *newEntry = nullptr);

    QString m_dataFolder;
    QString m_runId;
    std::unique_ptr<QLockFile> m_runLock;
    // What this run's entry holds as the names of its file.
    QByteArray m_editingNames;
};
