#pragma once

#include "storage/versionhistory.h"

#include <QDialog>

#include <optional>

class Dialogs;
class Editor;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
struct DocumentFile;

// Lists every kept version, newest first, for the user to open one. Under the
// list, the areas in which the chosen version differs from the open document
// of its file.
class EarlierVersionsDialog : public QDialog
{
    Q_OBJECT

public:
    EarlierVersionsDialog(QList<KeptVersion> versions, const Editor &editor,
            const DocumentFile &file, QWidget *parent = nullptr);

    // Selects the version whose bytes lie at version.entryPath, if listed.
    void select(const KeptVersion &version);
    // The version selected when the user chose Open.
    std::optional<KeptVersion> chosen() const;

private:
    void fillTable();
    void showPreview();
    void showDifferences(const KeptVersion &version);
    void showNote(const QString &note);

    QList<KeptVersion> m_versions;
    const Editor &m_editor;
    const DocumentFile &m_file;
    QTableWidget *m_table = nullptr;
    QStackedWidget *m_previewPlace = nullptr;
    QLabel *m_note = nullptr;
    QTableWidget *m_preview = nullptr;
    QPushButton *m_open = nullptr;
};

// What a version's "What" column says.
QString describeReason(VersionReason reason);

// Tells once, before anything is opened, of the runs that ended with unsaved
// changes; those are kept as versions from then on. When the user chooses to
// open them, returns the newest version of each file they edited, newest
// first: the one that holds what the run kept.
QList<KeptVersion> tellOfEndedRuns(VersionHistory &versions, Dialogs &dialogs);
