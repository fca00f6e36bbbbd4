#pragma once

#include "format/areareader.h"
#include "format/areatable.h"
#include "storage/filestamp.h"

#include <QString>

// The file on disk behind the open document.
struct DocumentFile
{
    // The file on this system.
    QString path;
    // The file as the user named it, for messages.
    QString shownPath;
    // What the file was when it was read or last written here.
    FileStamp stamp;
    // The game folder as typed, ending in a separator; empty for a file opened
    // directly that lies in no data folder.
    QString gameDirectory;
};

// Reads the file at path (a path on this system) and fills stamp with what
// was read. An empty file is an error.
ReadResult readPedgrpFile(const QString &path, FileStamp *stamp = nullptr);

// The document as Save writes it (keeping keptLayout when there is one), for
// the copies kept of a document that is not saved; a character the file
// cannot hold becomes "?" there.
QByteArray bytesToKeep(const AreaTable &table, const FileLayout *keptLayout = nullptr);
