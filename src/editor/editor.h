#pragma once

#include "editor/editcommands.h"
#include "format/areatable.h"
#include "format/filelayout.h"
#include "gamereading/gamecheck.h"
#include "gamereading/gamemodels.h"
#include "gamereading/gamezones.h"

#include <QObject>
#include <QUndoStack>

// The open document and every change to it, without widgets. The view shows
// what the signals say and hands user actions to the functions below; each
// change of the table is one step of the undo history.
class Editor : public QObject
{
    Q_OBJECT

public:
    explicit Editor(QObject *parent = nullptr);
    ~Editor() override;

    const AreaTable &table() const { return m_table; }
    // The models the game beside the document's file knows.
    const GameModels &models() const { return m_models; }
    // The zones of the game folder of the document's file; none until they
    // have been read.
    const GameZones &zones() const { return m_zones; }
    // Whether the zones of the open document's game folder have been read.
    bool zonesRead() const { return m_zonesRead; }
    // True once a Load has succeeded in this run.
    bool hasDocument() const { return m_hasDocument; }
    // Whether the document differs from its file: what the title mark, the
    // questions before letting it go and the keep while editing follow.
    bool isModified() const { return m_modified; }
    // True while the keys typed into a slot box go on with the last step.
    bool isTyping() const { return m_typing; }
    // The selected list position (area number - 1), -1 when none.
    int selectedArea() const { return m_selected; }
    // The eight texts the slot boxes show.
    const PedSlots &shownSlots() const { return m_shown; }
    QUndoStack &history() { return m_history; }
    // The line each area stands on in the file as last read or written (area
    // n: entry n - 1, counted from 1), 0 where that file holds none.
    const QList<int> &areaLines() const { return m_areaLines; }
    // The layout Save keeps: that of the bytes the document was read from,
    // when the user wants it kept; else none, and Save writes the TAB layout.
    const FileLayout *keptLayout() const;
    // What the Game Check finds, and how the game reads each area, in the file
    // Save would write.
    QList<GameCheckFinding> gameFindings() const;
    QList<AreaReading> gameReadings() const;

    // Replaces the document with a table just read from the bytes of layout:
    // an empty history whose start is what the file holds, and the first area
    // selected. It has no zones until setZones gives them.
    void openDocument(AreaTable table, GameModels models = {}, FileLayout layout = {});
    // The zones of the open document's game folder have been read.
    void setZones(GameZones zones);
    // The file holds the document as it stands, its areas on areaLines; typing
    // that follows is a step of its own, so that Undo comes back to this one.
    void markSaved(const QList<int> &areaLines);
    // The document differs from its file, and no undo takes it back to it.
    void markUnsaved();
    void setSaveAvailable(bool available);
    // Whether Save keeps the layout of the file the document was read from.
    void setKeepingLayout(bool keeping);

    // Selects the area at a list position and shows it, also when it was
    // selected already; a list that cannot be split is warned about first.
    void selectArea(int position);
    // Warns about the area's list when it cannot be split into eight slots.
    void warnIfDamaged(int area);

    // The user changed the text of one slot box: the selected area's list is
    // composed anew from the eight texts. Without a selected area nothing is
    // stored.
    void editSlot(int slot, const QString &text, SlotEdit kind);
    // The user changed one slot of an area in a view of all areas: the area
    // becomes the selected one and the change is one step, as a choice from a
    // slot box's list is.
    void editAreaSlot(int position, int slot, const QString &text);
    // Typing that follows starts a step of its own.
    void endTyping();

    // Gives each area its new list, as one step named stepName, and selects
    // the last area of lists. Areas whose list stays the same are not part of
    // the step; when none changes there is no step at all.
    void replaceLists(const QString &stepName, const AreaLists &lists);

signals:
    // A Load is about to replace the whole table; areasReplaced follows.
    void areasAboutToBeReplaced();
    void areasReplaced(const QStringList &names);
    // position -1: no area is selected.
    void areaSelected(int position, const QString &name);
    void damagedArea(const QString &name, const QString &modelList);
    void slotsShown(const PedSlots &texts);
    // The model lists of these areas (by number) were given by a step done or undone.
    void listsChanged(const QList<int> &areas);
    void modifiedChanged(bool modified);
    // The keys typed into a slot box no longer go on with the last step.
    void typingEnded();
    // A step of the history was done, undone or redone.
    void documentChanged();
    void documentOpened();
    void zonesChanged();
    void saveAvailableChanged(bool available);
    // The lines the areas stand on, or the layout Save keeps, changed.
    void fileChanged();

private:
    // m_savedStep when the file holds the document of no step of the history.
    static constexpr int NoSavedStep = -1;

    void push(QUndoCommand *step);
    void setSavedStep(int step);
    void followModified();
    // What the steps of the history apply when they are done and undone.
    void applyState(const EditorState &state, bool endsTyping);
    ApplyState applier();
    void showSelection(int position, const PedSlots &shown);
    void showSlots(const PedSlots &shown);

    AreaTable m_table;
    GameModels m_models;
    FileLayout m_layout;
    QList<int> m_areaLines;
    bool m_keepingLayout = false;
    GameZones m_zones;
    bool m_zonesRead = false;
    QUndoStack m_history;
    PedSlots m_shown;
    int m_selected = -1;
    int m_typingRun = 0;
    bool m_typing = false;
    // The history's index at which the document is what its file holds.
    int m_savedStep = 0;
    bool m_modified = false;
    bool m_hasDocument = false;
    bool m_saveAvailable = false;
};
