// The X connection: display, screen, atoms, extensions and what the window manager offers.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

namespace platform::x11 {

// Atoms interned once per connection; made even when no window manager runs.
struct Atoms {
    Atom wmProtocols, wmDeleteWindow, wmTakeFocus, wmState, wmChangeState;
    Atom motifHints, utf8String, netWmName, netWmPid;
    Atom netWmState, netStateModal, netStateHidden, netStateMaxVert, netStateMaxHorz;
    Atom netWmMoveResize, netSupported, netSupportingWmCheck;
    Atom netWorkarea, netCurrentDesktop, netWmWindowType, netTypeTooltip, netTypeNormal;
    Atom netCmSelection, manager;
};

class Connection {
public:
    // Null when the display cannot be opened; why says what went wrong.
    static Connection* Open(const char* displayName, std::string& why);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Display* Dpy() const { return m_display; }
    int Screen() const { return m_screen; }
    Window Root() const { return m_root; }
    const Atoms& A() const { return m_atoms; }
    // A 32-bit TrueColor visual for per-pixel alpha, or null.
    const XVisualInfo* ArgbVisual() const { return m_hasArgb ? &m_argb : nullptr; }
    bool HasShape() const { return m_hasShape; }
    bool HasShm() const { return m_hasShm; }
    void DisableShm() { m_hasShm = false; }
    // The event type of MIT-SHM's completion event, -1 without the extension.
    int ShmCompletionType() const { return m_shmCompletion; }

    // A window manager that names itself through _NET_SUPPORTING_WM_CHECK.
    bool HasWindowManager() const;
    bool WindowManagerSupports(Atom feature) const;
    // Someone owns _NET_WM_CM_S<screen>.
    Window CompositorOwner() const;

    // A property of 32-bit items (CARDINAL, ATOM, WINDOW); empty when absent.
    std::vector<long> LongProperty(Window w, Atom property, Atom type) const;
    void SendRootMessage(Window w, Atom type, long l0, long l1, long l2, long l3, long l4) const;

private:
    explicit Connection(Display* display);
    void InternAtoms();
    void FindArgbVisual();
    void QueryExtensions();

    Display* m_display;
    int m_screen;
    Window m_root;
    Atoms m_atoms{};
    XVisualInfo m_argb{};
    bool m_hasArgb = false;
    bool m_hasShape = false;
    bool m_hasShm = false;
    int m_shmCompletion = -1;
};

// X protocol errors (a window gone between two calls, a refused grab) are
// expected: they are counted, never fatal. Resets the count.
int TakeErrorCount();
unsigned char LastErrorCode();

}  // namespace platform::x11
