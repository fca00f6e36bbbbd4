#include "file/editingkeeper.h"

#include "editor/editor.h"
#include "file/pedgrpfile.h"
#include "storage/versionhistory.h"

EditingKeeper::EditingKeeper(
        const Editor &editor, const DocumentFile &file, VersionHistory &versions)
    : m_editor(editor), m_file(file), m_versions(versions)
{
    // Not restarted by each change, so that steady typing is kept as well.
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &EditingKeeper::keep);
    connect(&editor, &Editor::documentChanged, this, &EditingKeeper::documentChanged);
    connect(&editor, &Editor::modifiedChanged, this, &EditingKeeper::modifiedChanged);
}

void EditingKeeper::documentChanged()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void EditingKeeper::modifiedChanged(bool modified)
{
    if (modified) {
        documentChanged();
        return;
    }
    m_timer.stop();
    m_versions.dropWhileEditing();
}

void EditingKeeper::keep()
{
    // A keep that fails is tried again with the next change.
    if (m_editor.isModified())
        m_versions.keepWhileEditing(m_file.path, m_file.shownPath,
                bytesToKeep(m_editor.table(), m_editor.keptLayout()));
}
