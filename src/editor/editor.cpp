#include "editor/editor.h"

namespace {

bool isArea(int area, const AreaTable &table)
{
    return area >= 1 && area <= table.areas.size();
}

QString &peds(AreaTable &table, int area)
{
    return table.areas[area - 1].areaPeds;
}

} // namespace

Editor::Editor(QObject *parent) : QObject(parent)
{
    connect(&m_history, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    connect(&m_history, &QUndoStack::indexChanged, this, &Editor::documentChanged);
}

Editor::~Editor()
{
    // Emptying the history on its way out must not reach a view that is going too.
    disconnect(&m_history, nullptr, this, nullptr);
}

void Editor::openDocument(AreaTable table, GameModels models)
{
    emit areasAboutToBeReplaced();
    m_table = std::move(table);
    m_models = std::move(models);
    m_zones.clear();
    m_zonesRead = false;
    m_history.clear();
    m_hasDocument = true;
    ++m_typingRun;
    setSaveAvailable(true);
    QStringList names;
    for (const Area &area : m_table.areas)
        names.append(area.areaName);
    emit areasReplaced(names);
    emit documentOpened();
    if (names.isEmpty())
        showSelection(-1, PedSlots());
    else
        selectArea(0);
}

void Editor::setZones(GameZones zones)
{
    m_zones = std::move(zones);
    m_zonesRead = true;
    emit zonesChanged();
}

void Editor::markSaved()
{
    m_history.setClean();
}

void Editor::markUnsaved()
{
    m_history.resetClean();
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
    emit areaSelected(position, m_table.areas[position].areaName);
    warnIfDamaged(area);
    showSlots(shownSlotsOf(peds(m_table, area)));
}

void Editor::warnIfDamaged(int area)
{
    const Area &shown = m_table.areas[area - 1];
    if (!slotPieces(shown.areaPeds).isWhole())
        emit damagedArea(shown.areaName, shown.areaPeds);
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
    if (joinSlots(shown) == peds(m_table, area)) {
        m_shown = shown;
        return;
    }
    const EditorState before{{{area, peds(m_table, area)}}, m_selected, m_shown};
    const EditorState after{{{area, joinSlots(shown)}}, m_selected, shown};
    m_history.push(new SlotEditCommand(applier(), kind, slot, m_typingRun, before, after));
}

void Editor::editAreaSlot(int position, int slot, const QString &text)
{
    if (!isArea(position + 1, m_table))
        return;
    if (position != m_selected)
        selectArea(position);
    editSlot(slot, text, SlotEdit::Choice);
}

void Editor::endTyping()
{
    ++m_typingRun;
}

void Editor::replaceLists(const QString &stepName, const AreaLists &lists)
{
    if (lists.isEmpty())
        return;
    EditorState before{{}, m_selected, m_shown};
    EditorState after{{}, lists.last().first - 1, shownSlotsOf(lists.last().second)};
    for (const auto &[area, list] : lists) {
        if (list == peds(m_table, area))
            continue;
        before.lists.append({area, peds(m_table, area)});
        after.lists.append({area, list});
    }
    if (after.lists.isEmpty()) {
        selectArea(after.position);
        return;
    }
    m_history.push(new ReplaceListsCommand(applier(), stepName, before, after));
}

void Editor::applyState(const EditorState &state, bool endsTyping)
{
    if (endsTyping)
        endTyping();
    QList<int> areas;
    for (const auto &[area, list] : state.lists) {
        peds(m_table, area) = list;
        areas.append(area);
    }
    emit listsChanged(areas);
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
            position, isArea(position + 1, m_table) ? m_table.areas[position].areaName : QString());
    showSlots(shown);
}

void Editor::showSlots(const PedSlots &shown)
{
    m_shown = shown;
    emit slotsShown(shown);
}
