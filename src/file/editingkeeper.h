#pragma once

#include <QObject>
#include <QTimer>

class Editor;
class VersionHistory;
struct DocumentFile;

// Keeps the modified document, as Save would write it, in the run's entry of
// the version history at most two seconds after a change, and removes the
// entry once the document is no longer modified.
class EditingKeeper : public QObject
{
    Q_OBJECT

public:
    EditingKeeper(const Editor &editor, const DocumentFile &file, VersionHistory &versions);

    static constexpr int DelayMs = 2000;

private:
    void documentChanged();
    void modifiedChanged(bool modified);
    void keep();

    const Editor &m_editor;
    const DocumentFile &m_file;
    VersionHistory &m_versions;
    QTimer m_timer;
};
