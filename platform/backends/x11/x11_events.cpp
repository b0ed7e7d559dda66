// X events to native event records, one small handler per kind; the core makes the messages.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>

#include <algorithm>

#include "platform/backends/x11/x11_backend.h"
#include "platform/backends/x11/x11_keys.h"
#include "platform/user.h"

namespace platform::x11 {

using namespace platform::user;

namespace {

constexpr long MOVERESIZE_CANCEL = 11;

void Emit(const NativeEvent& event) {
    TranslateNativeEvent(event);
}

NativeEvent PointerEvent(NativeEventKind kind, HWND hwnd, int x, int y, int rootX, int rootY,
                         unsigned state) {
    NativeEvent e;
    e.kind = kind;
    e.hwnd = hwnd;
    e.pos = POINT{x, y};
    e.screenPos = POINT{rootX, rootY};
    e.modifiers = NativeModifiers(state);
    return e;
}

// Pointer motion comes faster than anyone paints: only the latest counts.
void SkipQueuedMotion(Display* dpy, XMotionEvent& e) {
    XEvent next;
    while (XEventsQueued(dpy, QueuedAlready) > 0) {
        XPeekEvent(dpy, &next);
        if (next.type != MotionNotify || next.xmotion.window != e.window)
            return;
        XNextEvent(dpy, &next);
        e = next.xmotion;
    }
}

// X reports held keys as release and press at the same time; the core wants repeats.
bool IsAutoRepeat(Display* dpy, const XKeyEvent& release) {
    if (XEventsQueued(dpy, QueuedAfterReading) == 0)
        return false;
    XEvent next;
    XPeekEvent(dpy, &next);
    return next.type == KeyPress && next.xkey.keycode == release.keycode &&
           next.xkey.time == release.time;
}

}  // namespace

int X11Backend::DispatchNativeEvents() {
    Display* dpy = m_connection->Dpy();
    int handled = 0;
    // XPending also reads what the socket holds, so nothing is left behind before a sleep.
    while (XPending(dpy) > 0) {
        XEvent event;
        XNextEvent(dpy, &event);
        Handle(event);
        ++handled;
    }
    return handled;
}

void X11Backend::Handle(XEvent& event) {
    switch (event.type) {
        case MotionNotify:
            return OnMotion(event.xmotion);
        case ButtonPress:
        case ButtonRelease:
            return OnButton(event.xbutton, event.type == ButtonPress);
        case KeyPress:
        case KeyRelease:
            return OnKey(event.xkey, event.type == KeyPress);
        case Expose:
            return OnExpose(event.xexpose);
        case ConfigureNotify:
            return OnConfigure(event.xconfigure);
        case FocusIn:
        case FocusOut:
            return OnFocus(event.xfocus, event.type == FocusIn);
        case EnterNotify:
            return OnEnter(event.xcrossing);
        case LeaveNotify:
            return OnLeave(event.xcrossing);
        case ClientMessage:
            return OnClientMessage(event.xclient);
        case PropertyNotify:
            return OnProperty(event.xproperty);
        case MapNotify:
            return OnMap(event.xmap);
        case UnmapNotify:
            return OnUnmap(event.xunmap);
        case DestroyNotify:
            return OnDestroy(event.xdestroywindow);
        default:
            if (IsCompositorSelectionEvent(event))
                CompositorMayHaveChanged();
            else if (event.type == m_connection->ShmCompletionType())
                OnShmCompletion(reinterpret_cast<const XShmCompletionEvent&>(event));
            return;
    }
}

void X11Backend::OnMotion(const XMotionEvent& motion) {
    XMotionEvent e = motion;
    SkipQueuedMotion(m_connection->Dpy(), e);
    HWND hwnd = HwndOfX(e.window);
    if (hwnd != nullptr)
        Emit(PointerEvent(NativeEventKind::PointerMotion, hwnd, e.x, e.y, e.x_root, e.y_root,
                          e.state));
}

void X11Backend::OnButton(const XButtonEvent& e, bool press) {
    HWND hwnd = nullptr;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        hwnd = record != nullptr ? record->hwnd : nullptr;
        // A release reaching us means the manager never took the move over.
        if (!press && e.button == Button1 && m_nativeMove != None) {
            m_connection->SendRootMessage(m_nativeMove, m_connection->A().netWmMoveResize, e.x_root,
                                          e.y_root, MOVERESIZE_CANCEL, Button1, 1);
            m_nativeMove = None;
        }
    }
    if (hwnd == nullptr || e.button > Button5)
        return;
    NativeEventKind kind = press ? NativeEventKind::ButtonDown : NativeEventKind::ButtonUp;
    NativeEvent out = PointerEvent(kind, hwnd, e.x, e.y, e.x_root, e.y_root, e.state);
    if (e.button == Button4 || e.button == Button5) {
        if (!press)
            return;  // a wheel notch is its press alone
        out.kind = NativeEventKind::Wheel;
        out.wheelDelta = e.button == Button4 ? NATIVE_WHEEL_NOTCH : -NATIVE_WHEEL_NOTCH;
    }
    out.button = e.button == Button3   ? NativeButton::Right
                 : e.button == Button2 ? NativeButton::Middle
                                       : NativeButton::Left;
    Emit(out);
}

void X11Backend::OnKey(XKeyEvent& e, bool press) {
    if (!press && IsAutoRepeat(m_connection->Dpy(), e))
        return;
    HWND hwnd = HwndOfX(e.window);
    if (hwnd == nullptr)
        return;
    NativeEvent out;
    out.kind = press ? NativeEventKind::KeyDown : NativeEventKind::KeyUp;
    out.hwnd = hwnd;
    FillKeyEvent(e, out);
    if (!press)
        out.text[0] = '\0';
    Emit(out);
}

void X11Backend::OnExpose(const XExposeEvent& e) {
    Display* dpy = m_connection->Dpy();
    RECT damage{e.x, e.y, e.x + e.width, e.y + e.height};
    XEvent more;
    // One present for the whole damaged area.
    while (XCheckTypedWindowEvent(dpy, e.window, Expose, &more)) {
        damage.left = std::min<LONG>(damage.left, more.xexpose.x);
        damage.top = std::min<LONG>(damage.top, more.xexpose.y);
        damage.right = std::max<LONG>(damage.right, more.xexpose.x + more.xexpose.width);
        damage.bottom = std::max<LONG>(damage.bottom, more.xexpose.y + more.xexpose.height);
    }
    HWND hwnd = HwndOfX(e.window);
    if (hwnd == nullptr)
        return;
    NativeEvent out;
    out.kind = NativeEventKind::Exposed;
    out.hwnd = hwnd;
    out.damage = damage;
    Emit(out);
}

void X11Backend::OnConfigure(const XConfigureEvent& configure) {
    Display* dpy = m_connection->Dpy();
    XEvent later;
    XConfigureEvent e = configure;
    while (XCheckTypedWindowEvent(dpy, e.window, ConfigureNotify, &later))
        e = later.xconfigure;
    NativeEvent out;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        if (record == nullptr || e.window != e.event)
            return;
        int x = e.x, y = e.y;
        Window child = None;
        // A managed window sits in the manager's frame: ask where it really is.
        if (record->TopLevel())
            XTranslateCoordinates(dpy, record->xid, m_connection->Root(), 0, 0, &x, &y, &child);
        record->rect = RECT{x, y, x + e.width, y + e.height};
        out.kind = NativeEventKind::Configure;
        out.hwnd = record->hwnd;
        out.screenPos = POINT{x, y};
        out.size = SIZE{e.width, e.height};
    }
    Emit(out);
}

void X11Backend::OnFocus(const XFocusChangeEvent& e, bool in) {
    // Grabs and pointer-root focus are no change of the focus window.
    if (e.mode == NotifyGrab || e.mode == NotifyUngrab || e.detail == NotifyPointer ||
        e.detail == NotifyInferior)
        return;
    NativeEvent out;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        if (record == nullptr || !record->TopLevel())
            return;
        out.hwnd = record->hwnd;
    }
    out.kind = in ? NativeEventKind::FocusGained : NativeEventKind::FocusLost;
    Emit(out);
}

// Entering is a motion to the core: a window that appears under a resting pointer gets no
// MotionNotify, and without one its hover would start late and its leave never be reported.
void X11Backend::OnEnter(const XCrossingEvent& e) {
    if (e.mode != NotifyNormal || e.detail == NotifyInferior)
        return;
    HWND hwnd = HwndOfX(e.window);
    if (hwnd != nullptr)
        Emit(PointerEvent(NativeEventKind::PointerMotion, hwnd, e.x, e.y, e.x_root, e.y_root,
                          e.state));
}

void X11Backend::OnLeave(const XCrossingEvent& e) {
    if (e.mode != NotifyNormal || e.detail == NotifyInferior)
        return;
    NativeEvent out =
        PointerEvent(NativeEventKind::PointerLeave, nullptr, e.x, e.y, e.x_root, e.y_root, e.state);
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        if (record == nullptr)
            return;
        out.hwnd = record->hwnd;
    }
    Emit(out);
}

void X11Backend::OnClientMessage(const XClientMessageEvent& e) {
    const Atoms& a = m_connection->A();
    if (e.message_type == a.manager && Atom(e.data.l[1]) == a.netCmSelection)
        return CompositorMayHaveChanged();
    if (e.message_type != a.wmProtocols)
        return;
    NativeEvent out;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        if (record == nullptr)
            return;
        if (Atom(e.data.l[0]) == a.wmTakeFocus) {
            bool refuses = (record->exStyle & WS_EX_NOACTIVATE) != 0 ||
                           (GetWindowLongPtrA(record->hwnd, GWL_STYLE) & WS_DISABLED) != 0;
            if (!refuses && record->mapped)
                XSetInputFocus(m_connection->Dpy(), record->xid, RevertToParent, Time(e.data.l[1]));
            return;
        }
        if (Atom(e.data.l[0]) != a.wmDeleteWindow)
            return;
        out.hwnd = record->hwnd;
    }
    out.kind = NativeEventKind::CloseRequest;
    Emit(out);
}

void X11Backend::OnDestroy(const XDestroyWindowEvent& e) {
    if (e.window == m_compositor)
        CompositorMayHaveChanged();
}

}  // namespace platform::x11
