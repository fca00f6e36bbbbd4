#pragma once

#include "editor/editor.h"
#include "file/filecommands.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>

class AllAreasWindow;
class AreaList;
class QAction;
class QGroupBox;
class QKeyEvent;
class QMenu;
class SlotBox;
class ZoneMapWindow;

// The one window: it shows the open document, which the editor holds, and
// hands the user's picks, edits and commands to the editor and the commands.
// Its controls and menu entries carry their names as object names.
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    FrmMain(Editor &editor, FileCommands &fileCommands, const Platform &platform,
            QWidget *parent = nullptr);

    // What the shown window does first: tells of the runs that ended with
    // unsaved changes and opens what the user chose of them, or else loads
    // givenPath when it is not empty.
    void start(VersionHistory &versions, const QString &givenPath);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    SlotBox *createSlotBox(int slot, const QRect &place);
    QAction *createAction(
            const char *name, const QString &caption, const QKeySequence &shortcut, bool enabled);
    void createActions();
    void createHistoryActions();
    void createMenus();
    void createKeepLayoutEntry();
    void createLanguageMenu(QMenu *view);
    void chooseLanguage(const QString &code);
    void fitMenuTitles();
    void followEditor();

    void replaceAreaList(const QStringList &names);
    void showSelection(int position, const QString &name);
    void warnDamagedArea(const QString &name, const QString &modelList);
    void showSlots(const PedSlots &texts);
    void markUnknownModel(SlotBox *box);
    void enableEditing();
    void showEarlierVersions(const KeptVersion *selected = nullptr);
    bool isMenuShortcut(const QKeyEvent *key) const;
    void showAllAreas();
    void showZoneMap();
    bool mayQuit();

    Editor &m_editor;
    FileCommands &m_fileCommands;
    Platform m_platform;

    QGroupBox *m_frameeditor = nullptr;
    AreaList *m_cmbareas = nullptr;
    std::array<SlotBox *, SlotCount> m_cmbped{};
    AllAreasWindow *m_allAreas = nullptr;
    ZoneMapWindow *m_zoneMap = nullptr;

    QAction *m_mnuload = nullptr;
    QAction *m_mnusave = nullptr;
    QAction *m_mnusaveas = nullptr;
    QAction *m_mnurestore = nullptr;
    QAction *m_mnuversions = nullptr;
    QAction *m_mnuclose = nullptr;
    QAction *m_mnuundo = nullptr;
    QAction *m_mnuredo = nullptr;
    QAction *m_mnuallareas = nullptr;
    QAction *m_mnuzonemap = nullptr;
    QAction *m_mnusetarea = nullptr;
    QAction *m_mnusetliberty = nullptr;
    QAction *m_mnurandomarea = nullptr;
    QAction *m_mnurandom = nullptr;
    QAction *m_mnuerrorscan = nullptr;
    QAction *m_mnukeeplayout = nullptr;
    QAction *m_mnureadme = nullptr;
    QAction *m_mnuinfo = nullptr;
    QAction *m_mnusite = nullptr;
};
