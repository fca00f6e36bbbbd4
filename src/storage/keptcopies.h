#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

// Replaces files safely and keeps, beside each file it replaces, the file as it
// was before this object first replaced it ("<file>.bak"). One object lives for
// the whole run, so the copy holds the file as it was before the run touched it.
class KeptCopies
{
public:
    // Where the copy of the file at path lies.
    static QString copyPath(const QString &path);

    // Writes newBytes over the file at path (temporary file, then rename). The
    // first time an existing file is replaced, its bytes are first written to
    // its copy; currentBytes, when given, are those bytes as just read, so the
    // file is not read again. Returns the failure's description, or the empty
    // text; on failure nothing is replaced.
    QString replaceFile(const QString &path, const QByteArray &newBytes,
            const QByteArray *currentBytes = nullptr);

    // Copies source over target the same way.
    QString copyFile(const QString &source, const QString &target);

private:
    QString keepCopyIfDue(const QString &path, const QByteArray *currentBytes);

    // Canonical paths of the files replaced or created so far, so that two
    // spellings of one file count once.
    QSet<QString> m_handled;
};
