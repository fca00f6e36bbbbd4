#include "storage/savefile.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Writes until every byte is taken. A short write is retried, so that a full
// disk surfaces as the system's own error rather than as a truncated file.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return file.flush();
}

} // namespace

QString writeFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that each write reaches the system and reports its own count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes)) {
        const QString error = file.errorString();
        // Leaves the old file in place; the temporary one goes with the QSaveFile.
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString writeNewFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (writeAll(file, bytes))
        return QString();
    const QString error = file.errorString();
    file.remove();
    return error;
}

QString writeFailure(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.cancelWriting();
    return QString();
}
