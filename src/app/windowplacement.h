#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

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
