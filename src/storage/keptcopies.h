#pragma once

#include "storage/versionhistory.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>
#include <QString>

// What a replacement did.
struct Replacement
{
    // Why nothing was replaced; empty when the file was replaced.
    QString error;
    // What was not kept of the old file, as a sentence for the command's
    // completion text; empty when everything was kept.
    QString note;
};

// Replaces files safely and keeps what each replacement replaces: the bytes on
// disk at the moment of the write as an earlier version, and beside each file,
// the file as it was before this object first replaced it ("<file>.bak"). One
// object lives for the whole run, so the copy holds the file as it was before
// the run touched it.
class KeptCopies
{
    Q_DECLARE_TR_FUNCTIONS(KeptCopies)

public:
    // A replaced file larger than this is kept neither as a version nor as its copy.
    static constexpr qint64 MaxKeptSize = 16 * 1024 * 1024;

    explicit KeptCopies(VersionHistory &versions) : m_versions(&versions) { }

    // Where the copy of the file at path lies.
    static QString copyPath(const QString &path);

    // Writes newBytes over the file at path (temporary file, then rename),
    // after its present bytes have been kept as a version for reason. The
    // first time in the run the old file becomes its copy once the write has
    // succeeded; a copy that cannot be made stops nothing. shownPath names the
    // file as the user knows it. On failure nothing is replaced.
    Replacement replaceFile(const QString &path, const QString &shownPath,
            const QByteArray &newBytes, VersionReason reason);

    // Copies source over target the same way.
    Replacement copyFile(const QString &source, const QString &target, const QString &shownTarget,
            VersionReason reason);

private:
    struct PendingCopy;
    PendingCopy prepareCopy(const QString &path, const QString &shownPath) const;
    QString placeCopy(
            const PendingCopy &copy, const QString &shownPath, const QByteArray &oldBytes);

    VersionHistory *m_versions;
    // Identities of the files replaced or created so far, so that two
    // spellings of one file count once.
    QSet<QString> m_handled;
};
