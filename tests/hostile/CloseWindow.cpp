// wb_close_window PID [SECONDS]: waits until the process PID shows a window on the X
// display in $DISPLAY and asks that window to close, as a window manager does when its
// close button is pressed (WM_DELETE_WINDOW). The tests use it to end the program the
// way a user would; the program itself has no other way in. Exits 0 once the request
// is sent, 1 when no such window appeared in time, 2 without a display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

long cardinalProperty(Display* display, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long value = -1;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count == 1)
        value = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return value;
}

bool acceptsDelete(Display* display, Window window, Atom deleteWindow)
{
    Atom* protocols = nullptr;
    int count = 0;
    bool found = false;
    if (XGetWMProtocols(display, window, &protocols, &count)) {
        for (int i = 0; i < count; ++i)
            found |= protocols[i] == deleteWindow;
        XFree(protocols);
    }
    return found;
}

// The viewable top-level windows of `pid` that take WM_DELETE_WINDOW.
std::vector<Window> windowsOf(Display* display, long pid, Atom pidAtom, Atom deleteWindow)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> found;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable &&
            cardinalProperty(display, children[i], pidAtom) == pid &&
            acceptsDelete(display, children[i], deleteWindow))
            found.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return found;
}

void requestClose(Display* display, Window window, Atom protocols, Atom deleteWindow)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: wb_close_window PID [SECONDS]\n");
        return 64;
    }
    const long pid = std::atol(argv[1]);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(argc > 2 ? std::atoi(argv[2]) : 60);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "wb_close_window: cannot open the display\n");
        return 2;
    }
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto windows = windowsOf(display, pid, pidAtom, deleteWindow);
        if (!windows.empty()) {
            for (const Window window : windows)
                requestClose(display, window, protocols, deleteWindow);
            XCloseDisplay(display);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    XCloseDisplay(display);
    std::fprintf(stderr, "wb_close_window: process %ld showed no window\n", pid);
    return 1;
}
