#pragma once

#include "file/pedgrpfile.h"
#include "platform/platform.h"
#include "storage/keptcopies.h"

#include <QString>

class Editor;

// The commands of the File menu. They keep what belongs to the file on disk:
// where the open document came from and the copies this run has kept.
class FileCommands
{
public:
    FileCommands(Editor &editor, const Platform &platform);

    const DocumentFile &documentFile() const { return m_file; }

    // Asks for a game folder or a pedgrp.dat file and reads it; the open
    // document stays as it is unless the whole file could be read.
    void load();
    // Loads a folder or file named outside the Load prompt (the command line,
    // a drop), asking first when that would drop unsaved changes.
    void openPath(const QString &typed);
    // Writes the document back over the file it was read from.
    void save();
    // Writes the document to a typed file name; Save stays off until the next Load.
    void saveAs();
    // Copies the shipped backup.file over data/pedgrp.dat of a typed game folder.
    void restoreBackup();

private:
    void loadFrom(const QString &typed);
    QString offeredGame() const;
    QString offeredRestoreFolder() const;

    Editor &m_editor;
    Platform m_platform;
    DocumentFile m_file;
    KeptCopies m_keptCopies;
};
