#include "editor/editcommands.h"

namespace {

QString slotEditName(SlotEdit kind, int slot)
{
    return (kind == SlotEdit::Typing ? SlotEditCommand::tr("Typing in Ped %1")
                                     : SlotEditCommand::tr("Choice in Ped %1"))
            .arg(slot + 1);
}

} // namespace

SlotEditCommand::SlotEditCommand(ApplyState apply, SlotEdit kind, int slot, int typingRun,
        const EditorState &before, const EditorState &after)
    : QUndoCommand(slotEditName(kind, slot)),
      m_apply(std::move(apply)),
      m_kind(kind),
      m_slot(slot),
      m_typingRun(typingRun),
      m_before(before),
      m_after(after)
{ }

void SlotEditCommand::undo()
{
    m_apply(m_before, true);
}

void SlotEditCommand::redo()
{
    m_apply(m_after, m_done);
    m_done = true;
}

int SlotEditCommand::id() const
{
    return 1;
}

bool SlotEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SlotEditCommand *>(other);
    if (m_kind != SlotEdit::Typing || next->m_kind != SlotEdit::Typing || next->m_slot != m_slot
            || next->m_after.position != m_after.position || next->m_typingRun != m_typingRun)
        return false;
    m_after = next->m_after;
    setObsolete(m_after.lists == m_before.lists);
    return true;
}

ReplaceListsCommand::ReplaceListsCommand(
        ApplyState apply, const QString &name, const EditorState &before, const EditorState &after)
    : QUndoCommand(name), m_apply(std::move(apply)), m_before(before), m_after(after)
{ }

void ReplaceListsCommand::undo()
{
    m_apply(m_before, true);
}

void ReplaceListsCommand::redo()
{
    m_apply(m_after, true);
}
