#pragma once

#include "editor/editor.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;

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
    QComboBox *cmbareas() const { return m_cmbareas; }
    QComboBox *cmbped(int slot) const { return m_cmbped.at(slot); }
    const MenuEntries &menu() const { return m_menu; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QComboBox *createSlotBox(int slot, const QRect &place);
    void createActions();
    void createMenus();
    void fillSlotLists();
    void followEditor();

    void replaceAreaList(const QStringList &names);
    void showSelection(int position, const QString &name);
    void warnDamagedArea(const QString &name, const QString &modelList);
    void showSlots(const PedSlots &texts);
    void markUnknownModel(QComboBox *box);
    void enableEditing();
    void slotTextChanged(int slot, const QString &text);
    void followListPosition(QComboBox *box);
    bool filterSlotBoxEvent(QComboBox *box, QEvent *event);
    bool mayQuit();

    Platform m_platform;
    Editor m_editor;
    // While the window writes the boxes, their changes are not the user's.
    bool m_writingSlots = false;
    // The box whose next text change comes from the user's typing.
    int m_typingSlot = -1;

    QGroupBox *m_frameeditor = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label1 = nullptr;
    QComboBox *m_cmbareas = nullptr;
    std::array<QComboBox *, SlotCount> m_cmbped{};
    MenuEntries m_menu;
};
