#include "app/windowplacement.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

// The frame of a window as QWidget::saveGeometry keeps it, after a magic
// number and a version; an empty rectangle where there is none.
QRect savedFrame(const QByteArray &geometry)
{
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 majorVersion = 0;
    quint16 minorVersion = 0;
    QRect frame;
    stream >> magic >> majorVersion >> minorVersion >> frame;
    return magic == 0x1D9D0CB && stream.status() == QDataStream::Ok ? frame : QRect();
}

bool onAScreen(const QRect &frame)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen *screen) {
        return screen->availableGeometry().intersects(frame);
    });
}

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
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

bool restoreOnAScreen(QWidget *window, const QByteArray &geometry)
{
    return onAScreen(savedFrame(geometry)) && window->restoreGeometry(geometry);
}

void placeBeside(QWidget *window, const QWidget *mainWindow, Side preferred)
{
    const QRect available = mainWindow->screen()->availableGeometry();
    const QMargins frame = frameMargins(mainWindow);
    const QSize framing(frame.left() + frame.right(), frame.top() + frame.bottom());
    window->resize(window->size().boundedTo(available.size() - framing));
    window->move(besideMainWindow(
            mainWindow->frameGeometry(), window->size() + framing, available, preferred));
}
