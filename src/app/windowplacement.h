#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The sides of the main window another window can open on.
enum class Side { Left, Right };

// Where the frame of a window of frameSize opens beside the main window's
// frame, on the available area of the main window's screen: on the preferred
// side where it fits there wholly, else on the other side where it fits, else
// on the side with more room as far from the main window as the area allows,
// which covers the main window least. Its top is level with the main window's
// where the area allows; it stays within the area, at the area's left or top
// edge where it is larger.
QPoint besideMainWindow(
        const QRect &mainFrame, const QSize &frameSize, const QRect &available, Side preferred);

// Gives a window the size and place it was last shown in (as
// QWidget::saveGeometry gives them), unless that place lies on no screen
// now: a screen no longer there is not used, nor is Qt's move of the window
// onto another screen, wherever that puts it. True when it was given them.
bool restoreOnAScreen(QWidget *window, const QByteArray &geometry);

// Places a window not shown yet beside mainWindow, by besideMainWindow, on the
// available area of mainWindow's screen, shrunk where it is larger. Before it
// is first shown a window has no frame yet: the main window's stands for it.
void placeBeside(QWidget *window, const QWidget *mainWindow, Side preferred);
