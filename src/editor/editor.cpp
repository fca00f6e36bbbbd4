#include "editor/editor.h"

#include <utility>

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
    connect(&m_history, &QUndoStack::indexChanged, this, &Editor::followModified);
    connect(&m_history, &QUndoStack::indexChanged, this, &Editor::documentChanged);
}

Editor::~Editor()
{
    // Emptying the history on its way out must not reach a view that is going too.
    disconnect(&m_history, nullptr, this, nullptr);
}

const FileLayout *Editor::keptLayout() const
{
    return m_keepingLayout && m_layout.isRead() ? &m_layout : nullptr;
}

QList<GameCheckFinding> Editor::gameFindings() const
{
    return gameCheck(m_table, m_models, m_areaLines, keptLayout(), m_zones);
}

QList<AreaReading> Editor::gameReadings() const
{
    return gameAreaReadings(m_table, keptLayout());
}

void Editor::openDocument(AreaTable table, GameModels models, FileLayout layout)
{
    emit areasAboutToBeReplaced();
    m_table = std::move(table);
    m_models = std::move(models);
    // Set first, so that emptying the history does not pass through modified.
    m_savedStep = 0;
    m_layout = std::move(layout);
    m_areaLines.clear();
    for (const AreaLineSpan &span : m_layout.areaLines)
        m_areaLines.append(span.line);
    m_zones.clear();
    m_zonesRead = false;
    m_history.clear();
    followModified();
    m_hasDocument = true;
    endTyping();
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

void Editor::markSaved(const QList<int> &areaLines)
{
    setSavedStep(m_history.index());
    endTyping();
    if (areaLines == m_areaLines)
        return;
    m_areaLines = areaLines;
    emit fileChanged();
}

void Editor::markUnsaved()
{
    setSavedStep(NoSavedStep);
}

void Editor::push(QUndoCommand *step)
{
    // The steps undone go with the new one, the saved one among them.
    if (m_savedStep > m_history.index())
        m_savedStep = NoSavedStep;
    m_history.push(step);
}

void Editor::setSavedStep(int step)
{
    m_savedStep = step;
    followModified();
}

void Editor::followModified()
{
    const bool modified = m_history.index() != m_savedStep;
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Editor::setSaveAvailable(bool available)
{
    if (m_saveAvailable == available)
        return;
    m_saveAvailable = available;
    emit saveAvailableChanged(available);
}

void Editor::setKeepingLayout(bool keeping)
{
    if (m_keepingLayout == keeping)
        return;
    m_keepingLayout = keeping;
    emit fileChanged();
}

void Editor::selectArea(int position)
{
    const int area = position + 1;
    if (!isArea(area, m_table))
        return;
    endTyping();
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
    if (kind == SlotEdit::Typing)
        m_typing = true;
    else
        endTyping();
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
    push(new SlotEditCommand(applier(), kind, slot, m_typingRun, before, after));
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
    if (std::exchange(m_typing, false))
        emit typingEnded();
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
    push(new ReplaceListsCommand(applier(), stepName, before, after));
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
