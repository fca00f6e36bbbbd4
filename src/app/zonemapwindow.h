#pragma once

#include "app/windowplacement.h"
#include "gamereading/gamecheck.h"

#include <QList>
#include <QWidget>

class Editor;
class QAction;
class QLabel;
class Settings;
class ZoneMap;

// The window of the zone map: the game's zones from above, those where the
// group of the main window's area walks filled, and a caption saying where
// that is. It follows the editor's document; a click on a zone selects the
// area whose group the zone uses. The keys of documentActions (Undo, Redo,
// Save) work here as in the main window.
class ZoneMapWindow : public QWidget
{
    Q_OBJECT

public:
    ZoneMapWindow(Editor &editor, Settings &settings, const QList<QAction *> &documentActions,
            QWidget *parent);

    // Shows the window where it was last, the first time beside the main
    // window on the preferred side where it fits; or brings it to the front.
    void showInFront(Side preferred);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void followDocument();
    void followZones();
    void followGroups();
    void showCaption();
    QString shownMessage() const;
    void selectAreaOfGroup(int group);

    Editor &m_editor;
    Settings &m_settings;
    ZoneMap *m_map = nullptr;
    QLabel *m_caption = nullptr;
    QList<AreaReading> m_readings;
    bool m_placed = false;
};
