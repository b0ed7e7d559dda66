// Opens the display, interns the atoms and asks what the server and window manager offer.
#include "platform/backends/x11/x11_connection.h"

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>

#include <atomic>
#include <cstdio>

namespace platform::x11 {

namespace {

std::atomic<int> g_errorCount{0};
std::atomic<unsigned char> g_lastError{0};

int CountError(Display*, XErrorEvent* error) {
    g_errorCount.fetch_add(1);
    g_lastError.store(error->error_code);
    return 0;
}

// Losing the server ends the program cleanly instead of in Xlib's exit.
int ConnectionLost(Display*) {
    std::fputs("lumora: lost the connection to the X display\n", stderr);
    std::_Exit(1);
}

}  // namespace

int TakeErrorCount() {
    return g_errorCount.exchange(0);
}

unsigned char LastErrorCode() {
    return g_lastError.load();
}

Connection* Connection::Open(const char* displayName, std::string& why) {
    XInitThreads();
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        why = std::string("cannot open X display \"") + XDisplayName(displayName) + "\"";
        return nullptr;
    }
    XSetErrorHandler(CountError);
    XSetIOErrorHandler(ConnectionLost);
    return new Connection(display);
}

Connection::Connection(Display* display)
    : m_display(display), m_screen(DefaultScreen(display)), m_root(RootWindow(display, m_screen)) {
    InternAtoms();
    FindArgbVisual();
    QueryExtensions();
    XSelectInput(m_display, m_root, PropertyChangeMask | StructureNotifyMask);
}

Connection::~Connection() {
    XCloseDisplay(m_display);
}

void Connection::InternAtoms() {
    char cm[32];
    std::snprintf(cm, sizeof cm, "_NET_WM_CM_S%d", m_screen);
    const char* names[] = {"WM_PROTOCOLS",
                           "WM_DELETE_WINDOW",
                           "WM_TAKE_FOCUS",
                           "WM_STATE",
                           "WM_CHANGE_STATE",
                           "_MOTIF_WM_HINTS",
                           "UTF8_STRING",
                           "_NET_WM_NAME",
                           "_NET_WM_PID",
                           "_NET_WM_STATE",
                           "_NET_WM_STATE_MODAL",
                           "_NET_WM_STATE_HIDDEN",
                           "_NET_WM_STATE_MAXIMIZED_VERT",
                           "_NET_WM_STATE_MAXIMIZED_HORZ",
                           "_NET_WM_MOVERESIZE",
                           "_NET_SUPPORTED",
                           "_NET_SUPPORTING_WM_CHECK",
                           "_NET_WORKAREA",
                           "_NET_CURRENT_DESKTOP",
                           "_NET_WM_WINDOW_TYPE",
                           "_NET_WM_WINDOW_TYPE_TOOLTIP",
                           "_NET_WM_WINDOW_TYPE_NORMAL",
                           cm,
                           "MANAGER"};
    constexpr int COUNT = int(sizeof names / sizeof names[0]);
    static_assert(COUNT * sizeof(Atom) == sizeof(Atoms));
    // only_if_exists False: the atoms must exist on a bare server too.
    XInternAtoms(m_display, const_cast<char**>(names), COUNT, False,
                 reinterpret_cast<Atom*>(&m_atoms));
}

void Connection::FindArgbVisual() {
    m_hasArgb = XMatchVisualInfo(m_display, m_screen, 32, TrueColor, &m_argb) != 0;
}

void Connection::QueryExtensions() {
    int event = 0, error = 0;
    m_hasShape = XShapeQueryExtension(m_display, &event, &error) != 0;
    m_hasShm = XShmQueryExtension(m_display) != 0;
    if (m_hasShm)
        m_shmCompletion = XShmGetEventBase(m_display) + ShmCompletion;
}

std::vector<long> Connection::LongProperty(Window w, Atom property, Atom type) const {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(m_display, w, property, 0, 1024, False, type, &actualType, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        auto* longs = reinterpret_cast<long*>(data);  // Xlib hands 32-bit items as longs
        values.assign(longs, longs + count);
    }
    if (data != nullptr)
        XFree(data);
    return values;
}

bool Connection::HasWindowManager() const {
    std::vector<long> check = LongProperty(m_root, m_atoms.netSupportingWmCheck, XA_WINDOW);
    if (check.empty())
        return false;
    // A stale property from a manager that died names a window that is gone.
    std::vector<long> self =
        LongProperty(Window(check[0]), m_atoms.netSupportingWmCheck, XA_WINDOW);
    return !self.empty() && self[0] == check[0];
}

bool Connection::WindowManagerSupports(Atom feature) const {
    if (!HasWindowManager())
        return false;
    for (long atom : LongProperty(m_root, m_atoms.netSupported, XA_ATOM)) {
        if (Atom(atom) == feature)
            return true;
    }
    return false;
}

Window Connection::CompositorOwner() const {
    return XGetSelectionOwner(m_display, m_atoms.netCmSelection);
}

void Connection::SendRootMessage(Window w, Atom type, long l0, long l1, long l2, long l3,
                                 long l4) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    long data[5] = {l0, l1, l2, l3, l4};
    for (int i = 0; i < 5; ++i)
        event.xclient.data.l[i] = data[i];
    XSendEvent(m_display, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace platform::x11
