#pragma once

#include "document/areatable.h"
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
    QAction *mnusetarea = nullptr;
    QAction *mnusetliberty = nullptr;
    QAction *mnurandomarea = nullptr;
    QAction *mnurandom = nullptr;
    QAction *mnuerrorscan = nullptr;
    QAction *mnureadme = nullptr;
    QAction *mnuinfo = nullptr;
    QAction *mnusite = nullptr;
};

// The one window: it owns the document for the whole run, and every command is
// one of its handlers. Two couplings carry the editing: selecting an area shows
// it in the eight slot boxes, and any change of a slot box's text recomposes the
// selected area's model list.
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(const Platform &platform, QWidget *parent = nullptr);

    AreaTable &table() { return m_table; }
    const Platform &platform() const { return m_platform; }
    Dialogs &dialogs() const { return *m_platform.dialogs; }
    // True once a Load has succeeded in this run.
    bool hasDocument() const { return m_hasDocument; }

    QGroupBox *frameeditor() const { return m_frameeditor; }
    QComboBox *cmbareas() const { return m_cmbareas; }
    QComboBox *cmbped(int slot) const { return m_cmbped.at(slot); }
    const MenuEntries &menu() const { return m_menu; }

    // Selects the area at a list position as a user's pick would, and shows it,
    // also when it was selected already.
    void selectArea(int position);
    // The selected list position, -1 when none.
    int selectedArea() const;
    // Writes a slot box as an edit: the selected area's list follows it.
    void setSlotText(int slot, const QString &text);

    void loadCommand();
    void exitCommand();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createActions();
    void createMenus();
    void fillSlotLists();

    void showArea(int position);
    void showSlots(const QStringList &names);
    void slotChanged();
    void adoptDocument(AreaTable table);
    void enableEditing();
    bool mayQuit();

    Platform m_platform;
    AreaTable m_table;
    bool m_hasDocument = false;
    // While an area is being shown, box writes are not edits.
    bool m_showingArea = false;

    QGroupBox *m_frameeditor = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label1 = nullptr;
    QComboBox *m_cmbareas = nullptr;
    std::array<QComboBox *, SlotCount> m_cmbped{};
    MenuEntries m_menu;
};
