#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file that replaces the one at path only once every byte is
// written; on any failure the old file stays as it was. Returns the failure's
// description, or the empty text on success.
QString writeFileSafely(const QString &path, const QByteArray &bytes);

// Writes bytes to a new file at path without waiting for the disk to hold
// them: for copies whose bytes are kept safely elsewhere as well. Fails when a
// file lies at path already; a file half written is removed.
QString writeNewFile(const QString &path, const QByteArray &bytes);

// Why no file can be written at path (a missing folder, a folder in its place,
// no permission), found by opening it for writing and writing nothing; the
// empty text when it can be written.
QString writeFailure(const QString &path);
