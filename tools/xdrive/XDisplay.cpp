// Finding, photographing and driving windows on an X display from outside their program.
#include "tools/xdrive/XDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace xdrive {

namespace {

constexpr int SETTLE_GAP_MS = 120;

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

bool IsShown(Display* dpy, Window w) {
    XWindowAttributes attrs{};
    return XGetWindowAttributes(dpy, w, &attrs) != 0 && attrs.map_state == IsViewable;
}

Window FindByClass(Display* dpy, Window parent, const std::string& strClass, int depth) {
    Window root = None, up = None, found = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(dpy, parent, &root, &up, &children, &count) == 0)
        return None;
    // Topmost first: the last child is on top.
    for (unsigned i = count; i-- > 0 && found == None;) {
        if (HasClass(dpy, children[i], strClass) && IsShown(dpy, children[i]))
            found = children[i];
        else if (depth > 0)
            found = FindByClass(dpy, children[i], strClass, depth - 1);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

// The window that owns a manager selection such as _NET_WM_CM_S0, or None.
Window SelectionOwner(Display* dpy, const char* pstrName) {
    return XGetSelectionOwner(dpy, XInternAtom(dpy, pstrName, False));
}

uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = __builtin_ctzl(mask);
    unsigned long bits = mask >> shift;
    unsigned long value = (pixel & mask) >> shift;
    return uint32_t(value * 255 / bits);
}

uint32_t ToRgb(XImage* image, int x, int y) {
    unsigned long pixel = XGetPixel(image, x, y);
    return Channel(pixel, image->red_mask) << 16 | Channel(pixel, image->green_mask) << 8 |
           Channel(pixel, image->blue_mask);
}

// A trapped X error (a window gone between finding and reading it) must not end the program.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

bool WaitFor(const std::function<bool()>& check, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!check()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        poll(nullptr, 0, 5);
    }
    return true;
}

CXDisplay::~CXDisplay() {
    Close();
}

void CXDisplay::Close() {
    if (m_pDisplay != nullptr)
        XCloseDisplay(m_pDisplay);
    m_pDisplay = nullptr;
}

bool CXDisplay::Open(const char* pstrDisplay, std::string& strError) {
    m_pDisplay = XOpenDisplay(pstrDisplay);
    if (m_pDisplay == nullptr) {
        const char* pstrName = pstrDisplay != nullptr ? pstrDisplay : XDisplayName(nullptr);
        strError = std::string("cannot open X display \"") + (pstrName ? pstrName : "") + "\"";
        return false;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_pDisplay, &event, &error, &major, &minor)) {
        strError = "the X server has no XTest extension";
        return false;
    }
    // Keep a handler the program installed itself; replace only Xlib's, which exits.
    XErrorHandler previous = XSetErrorHandler(nullptr);
    XErrorHandler xlibDefault = XSetErrorHandler(previous);
    if (previous == xlibDefault)
        XSetErrorHandler(IgnoreErrors);
    return true;
}

ScreenRect CXDisplay::Screen() const {
    int screen = DefaultScreen(m_pDisplay);
    return ScreenRect{0, 0, DisplayWidth(m_pDisplay, screen), DisplayHeight(m_pDisplay, screen)};
}

bool CXDisplay::FindWindow(const std::string& strClass, FoundWindow& found) const {
    Window root = DefaultRootWindow(m_pDisplay);
    Window w = FindByClass(m_pDisplay, root, strClass, 1);
    XWindowAttributes attrs{};
    if (w == None || XGetWindowAttributes(m_pDisplay, w, &attrs) == 0)
        return false;
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(m_pDisplay, w, root, 0, 0, &x, &y, &child);
    found.xid = w;
    found.rect = ScreenRect{x, y, attrs.width, attrs.height};
    return true;
}

bool CXDisplay::WaitWindow(const std::string& strClass, int nTimeoutMs, FoundWindow& found) const {
    return WaitFor([&] { return FindWindow(strClass, found); }, nTimeoutMs);
}

bool CXDisplay::WaitGone(const std::string& strClass, int nTimeoutMs) const {
    FoundWindow ignored;
    return WaitFor([&] { return !FindWindow(strClass, ignored); }, nTimeoutMs);
}

bool CXDisplay::HasWindowManager() const {
    return SelectionOwner(m_pDisplay, "WM_S0") != None;
}

bool CXDisplay::HasCompositor() const {
    return SelectionOwner(m_pDisplay, "_NET_WM_CM_S0") != None;
}

bool CXDisplay::Capture(const ScreenRect& rect, ScreenImage& image) const {
    ScreenRect screen = Screen();
    int left = std::max(rect.x, 0), top = std::max(rect.y, 0);
    int right = std::min(rect.x + rect.width, screen.width);
    int bottom = std::min(rect.y + rect.height, screen.height);
    if (right <= left || bottom <= top)
        return false;
    XImage* shot = XGetImage(m_pDisplay, DefaultRootWindow(m_pDisplay), left, top,
                             unsigned(right - left), unsigned(bottom - top), AllPlanes, ZPixmap);
    if (shot == nullptr)
        return false;
    image.width = right - left;
    image.height = bottom - top;
    image.pixels.resize(size_t(image.width) * size_t(image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.pixels[size_t(y) * size_t(image.width) + size_t(x)] = ToRgb(shot, x, y);
    XDestroyImage(shot);
    return true;
}

bool CXDisplay::CaptureSettled(const ScreenRect& rect, int nTimeoutMs, ScreenImage& image) const {
    ScreenImage previous;
    if (!Capture(rect, previous))
        return false;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    for (;;) {
        poll(nullptr, 0, SETTLE_GAP_MS);
        if (!Capture(rect, image))
            return false;
        if (image.pixels == previous.pixels || std::chrono::steady_clock::now() >= end)
            return image.pixels == previous.pixels;
        previous.pixels.swap(image.pixels);
    }
}

long CXDisplay::WindowPixel(unsigned long xid, int x, int y) const {
    XImage* shot = XGetImage(m_pDisplay, Window(xid), x, y, 1, 1, AllPlanes, ZPixmap);
    if (shot == nullptr)
        return -1;
    long rgb = long(ToRgb(shot, 0, 0));
    XDestroyImage(shot);
    return rgb;
}

void CXDisplay::MovePointer(int x, int y) const {
    XTestFakeMotionEvent(m_pDisplay, -1, x, y, CurrentTime);
    XSync(m_pDisplay, False);
}

void CXDisplay::Click(int x, int y) const {
    MovePointer(x, y);
    // The program sees the pointer arrive before the press, as with a hand on the mouse.
    poll(nullptr, 0, 50);
    XTestFakeButtonEvent(m_pDisplay, 1, True, CurrentTime);
    XSync(m_pDisplay, False);
    poll(nullptr, 0, 50);
    XTestFakeButtonEvent(m_pDisplay, 1, False, CurrentTime);
    XSync(m_pDisplay, False);
}

bool CXDisplay::PressKeys(const std::string& strKeys) const {
    std::vector<KeyCode> codes;
    for (size_t start = 0; start <= strKeys.size();) {
        size_t end = strKeys.find('+', start);
        if (end == std::string::npos)
            end = strKeys.size();
        std::string strName = strKeys.substr(start, end - start);
        // Modifiers by their everyday names; every other key by its keysym.
        if (strName == "alt" || strName == "ctrl" || strName == "shift")
            strName = strName == "alt" ? "Alt_L" : strName == "ctrl" ? "Control_L" : "Shift_L";
        KeySym sym = XStringToKeysym(strName.c_str());
        KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(m_pDisplay, sym);
        if (code == 0)
            return false;
        codes.push_back(code);
        start = end + 1;
    }
    for (KeyCode code : codes) {
        XTestFakeKeyEvent(m_pDisplay, code, True, CurrentTime);
        XSync(m_pDisplay, False);
        poll(nullptr, 0, 30);
    }
    for (size_t i = codes.size(); i-- > 0;)
        XTestFakeKeyEvent(m_pDisplay, codes[i], False, CurrentTime);
    XSync(m_pDisplay, False);
    return true;
}

bool CXDisplay::RequestClose(unsigned long xid) const {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = Window(xid);
    e.xclient.message_type = XInternAtom(m_pDisplay, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(m_pDisplay, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    Status sent = XSendEvent(m_pDisplay, Window(xid), False, NoEventMask, &e);
    XSync(m_pDisplay, False);
    return sent != 0;
}

}  // namespace xdrive
