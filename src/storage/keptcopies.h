#pragma once

#include "storage/versionhistory.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// Replaces files safely and keeps what each replacement replaces: the bytes on
// disk at the moment of the write as an earlier version, and beside each file,
// the file as it was before this object first replaced it ("<file>.bak"). One
// object lives for the whole run, so the copy holds the file as it was before
// the run touched it.
class KeptCopies
{
public:
    explicit KeptCopies(VersionHistory &versions) : m_versions(&versions) { }

    // Where the copy of the file at path lies.
    static QString copyPath(const QString &path);

    // Writes newBytes over the file at path (temporary file, then rename),
    // after its present bytes have been kept as a version for reason and, the
    // first time in the run, as its copy. Returns the failure's description,
    // or the empty text; on failure nothing is replaced.
    QString replaceFile(const QString &path, const QByteArray &newBytes, VersionReason reason);

    // Copies source over target the same way.
    QString copyFile(const QString &source, const QString &target, VersionReason reason);

private:
    QString keepOldBytes(const QString &path, VersionReason reason);
    QString writeCopy(const QString &path, const QByteArray &bytes);

    VersionHistory *m_versions;
    // Canonical paths of the files replaced or created so far, so that two
    // spellings of one file count once.
    QSet<QString> m_handled;
};
