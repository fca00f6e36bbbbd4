// Finds, photographs and closes top-level windows on an X server, for the
// real-window test:
//   x11window wait TITLE SECONDS  prints the id of the shown window named TITLE
//   x11window screenshot FILE     saves the whole screen (PNG by the file's suffix)
//   x11window close ID            asks the window to close, as a window manager does
#include <QImage>
#include <QString>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

bool isShownWindowNamed(Display *display, Window window, const char *title)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

// Without a window manager the program's windows are the root's children.
Window findShownWindow(Display *display, const char *title)
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (isShownWindowNamed(display, children[i], title))
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

int waitForWindow(Display *display, const char *title, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (const Window window = findShownWindow(display, title)) {
            std::printf("0x%lx\n", window);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "no shown window named '%s' within %d s\n", title, seconds);
    return 1;
}

// A colour channel of a TrueColor pixel, scaled to 0..255.
int channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long maximum = mask >> shift;
    return int(((pixel & mask) >> shift) * 255 / maximum);
}

int saveScreenshot(Display *display, const char *file)
{
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage *shot = XGetImage(
            display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!shot) {
        std::fprintf(stderr, "could not read the screen\n");
        return 1;
    }
    QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            image.setPixel(x, y,
                    qRgb(channel(pixel, shot->red_mask), channel(pixel, shot->green_mask),
                            channel(pixel, shot->blue_mask)));
        }
    }
    XDestroyImage(shot);
    if (!image.save(QString::fromLocal8Bit(file))) {
        std::fprintf(stderr, "could not write %s\n", file);
        return 1;
    }
    return 0;
}

int askToClose(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(display, window, False, NoEventMask, &event))
        return 1;
    XSync(display, False);
    return 0;
}

// A window listed a moment ago may be gone when it is looked at (Wine makes
// and drops windows while it starts): it is then not the one sought.
int ignoreVanishedWindows(Display *, XErrorEvent *error)
{
    if (error->error_code != BadWindow)
        std::fprintf(stderr, "X error %d\n", error->error_code);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreVanishedWindows);
    int result = 2;
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("wait") && argc == 4)
        result = waitForWindow(display, argv[2], std::atoi(argv[3]));
    else if (command == QLatin1String("screenshot") && argc == 3)
        result = saveScreenshot(display, argv[2]);
    else if (command == QLatin1String("close") && argc == 3)
        result = askToClose(display, Window(std::strtoul(argv[2], nullptr, 0)));
    else
        std::fprintf(stderr, "usage: x11window wait TITLE SECONDS | screenshot FILE | close ID\n");
    XCloseDisplay(display);
    return result;
}
