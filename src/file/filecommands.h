#pragma once

#include "file/editingkeeper.h"
#include "file/pedgrpfile.h"
#include "file/zonereading.h"
#include "gamefolders/gamepaths.h"
#include "platform/platform.h"
#include "storage/keptcopies.h"
#include "storage/versionhistory.h"

#include <QCoreApplication>
#include <QString>

class Editor;

// The commands of the File menu. They keep what belongs to the file on disk:
// where the open document came from, the copies this run has kept and the
// earlier versions of the files it replaced or let go.
class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
    FileCommands(Editor &editor, const Platform &platform, VersionHistory &versions);

    const DocumentFile &documentFile() const { return m_file; }
    const VersionHistory &versions() const { return m_versions; }
    const EditingKeeper &editingKeeper() const { return m_editingKeeper; }

    // Asks for a game folder or a pedgrp.dat file and reads it; the open
    // document stays as it is unless the whole file could be read.
    void load();
    // Loads a folder or file that the system names (the command line, a drop,
    // Open With), asking first when that would drop unsaved changes; a failure
    // names the path tried.
    void openPath(const QString &givenPath);
    // Writes the document back over the file it was read from.
    void save();
    // Writes the document to a typed file name; Save stays off until the next Load.
    void saveAs();
    // Copies the shipped backup.file over data/pedgrp.dat of a typed game folder.
    void restoreBackup();
    // Loads the bytes of an earlier version as a document of the version's
    // file that differs from it, asking first when that would drop unsaved changes.
    void openVersion(const KeptVersion &version);
    // The user lets the document go: a modified one is kept as a version of
    // its file, as far as that can be done.
    void letGo(VersionReason reason);
    // Hands the zones of the open document's game folder to the editor,
    // waiting for their read if it still runs.
    void finishReadingZones();

private:
    bool mayLetGo();
    // Whether a failure to load names the path tried always, or only when it
    // is another than the one typed.
    enum class PathInFailure { Always, WhereNotTyped };
    void loadFrom(const GameFileLocation &location, PathInFailure pathInFailure);
    void showReadFailure(const QString &error);
    void openRead(const GameFileLocation &location, ReadResult read, const FileStamp &stamp);
    // The document has been written as Save writes it.
    void markWritten();
    QString offeredGame() const;
    QString offeredRestoreFolder() const;

    Editor &m_editor;
    Platform m_platform;
    DocumentFile m_file;
    VersionHistory &m_versions;
    KeptCopies m_keptCopies;
    EditingKeeper m_editingKeeper;
    ZoneReading m_zoneReading;
};
