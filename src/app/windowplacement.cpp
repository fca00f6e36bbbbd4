#include "app/windowplacement.h"

#include <algorithm>

namespace {

Side otherSide(Side side)
{
    return side == Side::Left ? Side::Right : Side::Left;
}

int roomOn(Side side, const QRect &mainFrame, const QRect &available)
{
    return side == Side::Left ? mainFrame.left() - available.left()
                              : available.right() - mainFrame.right();
}

// The start of a stretch of length moved within [low, high), or low where it
// is longer.
int within(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

} // namespace

QPoint besideMainWindow(
        const QRect &mainFrame, const QSize &frameSize, const QRect &available, Side preferred)
{
    const int width = frameSize.width();
    const int preferredRoom = roomOn(preferred, mainFrame, available);
    const Side side = preferredRoom < width
                    && roomOn(otherSide(preferred), mainFrame, available) > preferredRoom
            ? otherSide(preferred)
            : preferred;
    const int x = side == Side::Right ? mainFrame.right() + 1 : mainFrame.left() - width;
    return {within(x, width, available.left(), available.right() + 1),
            within(mainFrame.top(), frameSize.height(), available.top(), available.bottom() + 1)};
}
