#pragma once

#include "app/companionwindow.h"
#include "gamereading/gamecheck.h"

#include <QList>

class Editor;
class QLabel;
class Settings;
class ZoneMap;

// The window of the zone map: the game's zones from above, those where the
// group of the main window's area walks filled, and a caption saying where
// that is. It follows the editor's document; a click on a zone selects the
// area whose group the zone uses.
class ZoneMapWindow : public CompanionWindow
{
    Q_OBJECT

public:
    ZoneMapWindow(Editor &editor, Settings &settings, const QList<QAction *> &documentActions,
            QWidget *parent);

protected:
    void rememberPlace(const QByteArray &geometry) override;

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
};
