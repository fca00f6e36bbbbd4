#include "file/editingkeeper.h"

#include "editor/editor.h"
#include "file/pedgrpfile.h"
#include "platform/dialogs.h"
#include "storage/versionhistory.h"

EditingKeeper::EditingKeeper(
        const Editor &editor, const DocumentFile &file, VersionHistory &versions, Dialogs &dialogs)
    : m_editor(editor), m_file(file), m_versions(versions), m_dialogs(dialogs)
{
    // Not restarted by each change, so that steady typing is kept as well.
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &EditingKeeper::keep);
    connect(&editor, &Editor::documentChanged, this, &EditingKeeper::startKeepTimer);
    connect(&editor, &Editor::modifiedChanged, this, &EditingKeeper::keepOrDrop);
    // Typing ends where the focus leaves a box: no box is opened from there.
    connect(&editor, &Editor::typingEnded, this, &EditingKeeper::warnIfDue, Qt::QueuedConnection);
}

void EditingKeeper::startKeepTimer()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void EditingKeeper::keepOrDrop(bool modified)
{
    if (modified) {
        startKeepTimer();
        return;
    }
    m_timer.stop();
    m_versions.dropWhileEditing();
    showFailure(QString());
}

void EditingKeeper::keep()
{
    // A keep that fails is tried again with the next change.
    if (!m_editor.isModified())
        return;
    const QString failure = m_versions.keepWhileEditing(
            m_file.path, m_file.shownPath, bytesToKeep(m_editor.table(), m_editor.keptLayout()));
    if (failure.isEmpty())
        m_warned = false;
    showFailure(failure);
    warnIfDue();
}

void EditingKeeper::showFailure(const QString &failure)
{
    const QString warning = failure.isEmpty()
            ? QString()
            : tr("Unsaved changes are not being kept: %1.").arg(failure);
    if (warning == m_warning)
        return;
    m_warning = warning;
    emit warningChanged(m_warning);
}

// A box opened halfway through a word would take the keys typed after it.
void EditingKeeper::warnIfDue()
{
    if (m_warning.isEmpty() || m_warned || m_editor.isTyping())
        return;
    m_warned = true;
    m_dialogs.message(m_warning, ProgramTitle, MessageIcon::Warning, MessageButtons::Ok);
}
