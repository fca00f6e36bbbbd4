#include "editor/editor.h"

namespace {

// The slots a list shows: its split, or for a list that cannot be split its
// pieces in the first boxes and nothing in the rest.
PedSlots slotsOf(const QString &modelList)
{
    if (const auto pieces = splitSlots(modelList))
        return *pieces;
    PedSlots pieces;
    const QStringList names = modelList.split(u',');
    for (int slot = 0; slot < names.size() && slot < SlotCount; ++slot)
        pieces[slot] = names[slot];
    return pieces;
}

bool isArea(int area, const AreaTable &table)
{
    return area >= 1 && area <= table.areaCount();
}

} // namespace

Editor::Editor(QObject *parent) : QObject(parent)
{
    connect(&m_history, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

Editor::~Editor()
{
    // Emptying the history on its way out must not reach a view that is going too.
    disconnect(&m_history, nullptr, this, nullptr);
}

void Editor::openDocument(AreaTable table, DocumentFile file)
{
    m_table = std::move(table);
    m_file = std::move(file);
    m_history.clear();
    m_hasDocument = true;
    ++m_typingRun;
    setSaveAvailable(true);
    QStringList names;
    for (int area = 1; area <= m_table.areaCount(); ++area)
        names.append(m_table.areaName(area));
    emit areasReplaced(names);
    emit documentOpened();
    if (names.isEmpty())
        showSelection(-1, PedSlots());
    else
        selectArea(0);
}

void Editor::markSaved(const FileStamp &stamp)
{
    m_file.stamp = stamp;
    markSaved();
}

void Editor::markSaved()
{
    m_history.setClean();
}

void Editor::setSaveAvailable(bool available)
{
    if (m_saveAvailable == available)
        return;
    m_saveAvailable = available;
    emit saveAvailableChanged(available);
}

void Editor::selectArea(int position)
{
    const int area = position + 1;
    if (!isArea(area, m_table))
        return;
    ++m_typingRun;
    m_selected = position;
    emit areaSelected(position, m_table.areaName(area));
    warnIfDamaged(area);
    showSlots(slotsOf(m_table.areaPeds(area)));
}

void Editor::warnIfDamaged(int area)
{
    const QString list = m_table.areaPeds(area);
    if (!splitSlots(list))
        emit damagedArea(m_table.areaName(area), list);
}

void Editor::editSlot(int slot, const QString &text, SlotEdit kind)
{
    PedSlots shown = m_shown;
    shown.at(slot) = text;
    const int area = m_selected + 1;
    if (!isArea(area, m_table)) {
        m_shown = shown;
        return;
    }
    if (joinSlots(shown) == m_table.areaPeds(area)) {
        m_shown = shown;
        return;
    }
    const EditorState before{{{area, m_table.areaPeds(area)}}, m_selected, m_shown};
    const EditorState after{{{area, joinSlots(shown)}}, m_selected, shown};
    m_history.push(new SlotEditCommand(applier(), kind, slot, m_typingRun, before, after));
}

void Editor::endTyping()
{
    ++m_typingRun;
}

void Editor::rewriteAreas(const QString &stepName, const QList<int> &areas,
        const std::function<QString(int area)> &newList)
{
    if (areas.isEmpty())
        return;
    const int positionBefore = m_selected;
    const PedSlots shownBefore = m_shown;
    QList<QPair<int, QString>> before;
    QList<QPair<int, QString>> after;
    for (const int area : areas) {
        const QString list = newList(area);
        if (list == m_table.areaPeds(area))
            continue;
        before.append({area, m_table.areaPeds(area)});
        after.append({area, list});
        m_table.setAreaPeds(area, list);
    }
    const int positionAfter = areas.last() - 1;
    if (after.isEmpty()) {
        selectArea(positionAfter);
        return;
    }
    m_history.push(
            new ReplaceListsCommand(applier(), stepName, {before, positionBefore, shownBefore},
                    {after, positionAfter, slotsOf(m_table.areaPeds(positionAfter + 1))}));
}

void Editor::applyState(const EditorState &state, bool endsTyping)
{
    if (endsTyping)
        endTyping();
    for (const auto &[area, list] : state.lists)
        m_table.setAreaPeds(area, list);
    showSelection(state.position, state.shown);
}

ApplyState Editor::applier()
{
    return [this](const EditorState &state, bool endsTyping) { applyState(state, endsTyping); };
}

void Editor::showSelection(int position, const PedSlots &shown)
{
    m_selected = position;
    emit areaSelected(
            position, isArea(position + 1, m_table) ? m_table.areaName(position + 1) : QString());
    showSlots(shown);
}

void Editor::showSlots(const PedSlots &shown)
{
    m_shown = shown;
    emit slotsShown(shown);
}
