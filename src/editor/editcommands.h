#pragma once

#include "format/areatable.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QUndoCommand>

#include <functional>

// How a slot's text was changed by the user: typed keys merge into one step
// until the focus or the area changes; a choice from the list is a step alone.
enum class SlotEdit { Typing, Choice };

// Model lists by area number.
using AreaLists = QList<QPair<int, QString>>;

// What one side of a step restores: the lists of the areas it changes, the
// area then selected and the texts its boxes show.
struct EditorState
{
    AreaLists lists;
    int position = -1;
    PedSlots shown;
};

// Puts the document into a state; endsTyping is false only for the user's own
// edit as it is made, which later keys may continue.
using ApplyState = std::function<void(const EditorState &state, bool endsTyping)>;

// The user's change of one slot box of one area. Keys typed into the same box
// of the same area in one run of typing merge into one step.
class SlotEditCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(SlotEditCommand)

public:
    SlotEditCommand(ApplyState apply, SlotEdit kind, int slot, int typingRun,
            const EditorState &before, const EditorState &after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    ApplyState m_apply;
    SlotEdit m_kind;
    int m_slot;
    int m_typingRun;
    EditorState m_before;
    EditorState m_after;
    bool m_done = false;
};

// A bulk command's new lists for one or many areas.
class ReplaceListsCommand : public QUndoCommand
{
public:
    ReplaceListsCommand(ApplyState apply, const QString &name, const EditorState &before,
            const EditorState &after);

    void undo() override;
    void redo() override;

private:
    ApplyState m_apply;
    EditorState m_before;
    EditorState m_after;
};
