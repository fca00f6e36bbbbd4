#pragma once

#include "app/windowplacement.h"

#include <QList>
#include <QWidget>

class QAction;

// A window beside the main window, a second view of its document: the keys of
// documentActions (Undo, Redo, Save) work in it as in the main window, it
// closes with the main window, and it opens where it was last shown.
class CompanionWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the window where it was last, or where no place on a screen is
    // remembered beside the main window on the preferred side where it fits;
    // or brings it to the front.
    void showInFront(Side preferred);

protected:
    CompanionWindow(const QList<QAction *> &documentActions, QWidget *mainWindow);

    // Gives the window its remembered size and place, else firstSize.
    void restorePlace(const QByteArray &remembered, const QSize &firstSize);
    // Keeps the window's size and place, as QWidget::saveGeometry gives them,
    // for its next opening.
    virtual void rememberPlace(const QByteArray &geometry) = 0;
    void hideEvent(QHideEvent *event) override;

private:
    bool m_placed = false;
};
