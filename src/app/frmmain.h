#pragma once

#include "editor/editor.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>

class AreaList;
class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class SlotBox;

// The menu entries, by the names the commands know them by.
struct MenuEntries
{
    QAction *mnuload = nullptr;
    QAction *mnusave = nullptr;
    QAction *mnusaveas = nullptr;
    QAction *mnurestore = nullptr;
    QAction *mnuclose = nullptr;
    QAction *mnuundo = nullptr;
    QAction *mnuredo = nullptr;
    QAction *mnusetarea = nullptr;
    QAction *mnusetliberty = nullptr;
    QAction *mnurandomarea = nullptr;
    QAction *mnurandom = nullptr;
    QAction *mnuerrorscan = nullptr;
    QAction *mnureadme = nullptr;
    QAction *mnuinfo = nullptr;
    QAction *mnusite = nullptr;
};

// The one window: it shows the open document, which the editor holds, and
// hands the user's picks, edits and commands to it.
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(const Platform &platform, QWidget *parent = nullptr);

    Editor &editor() { return m_editor; }

    QGroupBox *frameeditor() const { return m_frameeditor; }
    QComboBox *cmbareas() const;
    QComboBox *cmbped(int slot) const;
    const MenuEntries &menu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    SlotBox *createSlotBox(int slot, const QRect &place);
    void createActions();
    void nameMenuEntries();
    void createMenus();
    void followEditor();

    void replaceAreaList(const QStringList &names);
    void showSelection(int position, const QString &name);
    void warnDamagedArea(const QString &name, const QString &modelList);
    void showSlots(const PedSlots &texts);
    void markUnknownModel(SlotBox *box);
    void enableEditing();
    bool isMenuShortcut(const QKeyEvent *key) const;
    bool mayQuit();

    Platform m_platform;
    Editor m_editor;

    QGroupBox *m_frameeditor = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label1 = nullptr;
    AreaList *m_cmbareas = nullptr;
    std::array<SlotBox *, SlotCount> m_cmbped{};
    MenuEntries m_menu;
};
