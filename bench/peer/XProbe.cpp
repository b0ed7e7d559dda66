// Timing windows from the X side: map notifications, presented pixels, XTest input.
#include "XProbe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <cstring>

namespace peer {

namespace {

constexpr int POLL_MS = 1;

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;  // a window may go or be unviewable between two requests
}

bool HasClass(Display* dpy, Window w, const std::string& strClass) {
    XClassHint hint{};
    if (XGetClassHint(dpy, w, &hint) == 0)
        return false;
    bool match = (hint.res_class != nullptr && strClass == hint.res_class) ||
                 (hint.res_name != nullptr && strClass == hint.res_name);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

bool AlreadyMapped(Display* dpy, Window w, const std::string& strClass) {
    XWindowAttributes attrs{};
    return XGetWindowAttributes(dpy, w, &attrs) != 0 && attrs.map_state != IsUnmapped &&
           HasClass(dpy, w, strClass);
}

void WaitReadable(Display* dpy, int timeoutMs) {
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    poll(&fd, 1, timeoutMs);
}

}  // namespace

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

CXProbe::~CXProbe() {
    if (m_pDisplay != nullptr)
        XCloseDisplay(m_pDisplay);
}

bool CXProbe::Open(std::string& strError) {
    m_pDisplay = XOpenDisplay(nullptr);
    if (m_pDisplay == nullptr) {
        strError = "cannot open the display";
        return false;
    }
    XSetErrorHandler(IgnoreErrors);
    return true;
}

void CXProbe::WatchNewWindows() {
    XSelectInput(m_pDisplay, DefaultRootWindow(m_pDisplay), SubstructureNotifyMask);
    XSync(m_pDisplay, True);  // what earlier runs left in the queue is not this run's
}

unsigned long CXProbe::WaitMapped(const std::string& strClass, int nTimeoutMs) {
    Clock::time_point start = Clock::now();
    while (MsSince(start) < nTimeoutMs) {
        if (XPending(m_pDisplay) == 0) {
            WaitReadable(m_pDisplay, POLL_MS);
            continue;
        }
        XEvent event;
        XNextEvent(m_pDisplay, &event);
        if (event.type == CreateNotify &&
            event.xcreatewindow.parent == DefaultRootWindow(m_pDisplay)) {
            Window w = event.xcreatewindow.window;
            XSelectInput(m_pDisplay, w, StructureNotifyMask);
            if (AlreadyMapped(m_pDisplay, w, strClass))
                return w;  // mapped before the selection took: its MapNotify is gone
        } else if (event.type == MapNotify && event.xmap.event == event.xmap.window &&
                   HasClass(m_pDisplay, event.xmap.window, strClass)) {
            return event.xmap.window;
        }
    }
    return 0;
}

bool CXProbe::WaitPixel(unsigned long xid, int x, int y, uint32_t rgb, int nTimeoutMs) {
    Clock::time_point start = Clock::now();
    while (MsSince(start) < nTimeoutMs) {
        std::vector<uint32_t> pixel = Pixels(xid, Area{x, y, 1, 1});
        if (!pixel.empty() && (pixel[0] & 0xFFFFFF) == rgb)
            return true;
        poll(nullptr, 0, POLL_MS);
    }
    return false;
}

std::vector<uint32_t> CXProbe::Pixels(unsigned long xid, const Area& area) {
    std::vector<uint32_t> pixels;
    XImage* image = XGetImage(m_pDisplay, xid, area.x, area.y, unsigned(area.width),
                              unsigned(area.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return pixels;
    pixels.resize(size_t(area.width) * size_t(area.height));
    for (int row = 0; row < area.height; ++row)
        for (int col = 0; col < area.width; ++col)
            pixels[size_t(row) * size_t(area.width) + size_t(col)] =
                uint32_t(XGetPixel(image, col, row) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
}

double CXProbe::WaitArea(unsigned long xid, const Area& area,
                         const std::vector<uint32_t>& reference, bool equal,
                         Clock::time_point start, int nTimeoutMs) {
    while (MsSince(start) < nTimeoutMs) {
        std::vector<uint32_t> now = Pixels(xid, area);
        if (!now.empty() && (now == reference) == equal)
            return MsSince(start);
    }
    return -1;
}

void CXProbe::MoveTo(unsigned long xid, int x, int y) {
    int rootX = 0, rootY = 0;
    Window child = None;
    XTranslateCoordinates(m_pDisplay, xid, DefaultRootWindow(m_pDisplay), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(m_pDisplay, -1, rootX, rootY, CurrentTime);
    XFlush(m_pDisplay);
}

void CXProbe::Click() {
    XTestFakeButtonEvent(m_pDisplay, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_pDisplay, 1, False, CurrentTime);
    XFlush(m_pDisplay);
}

void CXProbe::MoveOutside() {
    XTestFakeMotionEvent(m_pDisplay, -1, 2, 2, CurrentTime);
    XFlush(m_pDisplay);
}

bool CXProbe::RequestClose(unsigned long xid) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = xid;
    event.xclient.message_type = XInternAtom(m_pDisplay, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(m_pDisplay, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    bool sent = XSendEvent(m_pDisplay, xid, False, NoEventMask, &event) != 0;
    XFlush(m_pDisplay);
    return sent;
}

}  // namespace peer
