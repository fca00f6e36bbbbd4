#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file that replaces the one at path only once every byte is
// written; on any failure the old file stays as it was. Returns the failure's
// description, or the empty text on success.
QString writeFileSafely(const QString &path, const QByteArray &bytes);
