// Cursors, pointer grabs and moves or resizes handed to the window manager.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>
#include <X11/cursorfont.h>

#include "platform/backends/x11/x11_backend.h"
#include "platform/gdi.h"

namespace platform::x11 {

using platform::user::NativeCursor;

namespace {

constexpr long MOVERESIZE_MOVE = 8;
constexpr long SOURCE_APPLICATION = 1;

unsigned CursorGlyph(NativeCursor cursor) {
    switch (cursor) {
        case NativeCursor::IBeam:
            return XC_xterm;
        case NativeCursor::Wait:
            return XC_watch;
        case NativeCursor::Cross:
            return XC_crosshair;
        case NativeCursor::Hand:
            return XC_hand2;
        case NativeCursor::SizeNS:
            return XC_sb_v_double_arrow;
        case NativeCursor::SizeWE:
            return XC_sb_h_double_arrow;
        case NativeCursor::SizeNWSE:
            return XC_bottom_right_corner;
        case NativeCursor::SizeNESW:
            return XC_bottom_left_corner;
        case NativeCursor::SizeAll:
            return XC_fleur;
        default:
            return XC_left_ptr;
    }
}

// The window manager's direction numbers for the hit-test codes; -1 for none.
long MoveResizeDirection(int hitTest) {
    switch (hitTest) {
        case HTCAPTION:
            return MOVERESIZE_MOVE;
        case HTTOPLEFT:
            return 0;
        case HTTOP:
            return 1;
        case HTTOPRIGHT:
            return 2;
        case HTRIGHT:
            return 3;
        case HTBOTTOMRIGHT:
            return 4;
        case HTBOTTOM:
            return 5;
        case HTBOTTOMLEFT:
            return 6;
        case HTLEFT:
            return 7;
        default:
            return -1;
    }
}

}  // namespace

void X11Backend::SetNativeCursor(HWND hwnd, NativeCursor cursor) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr || record->cursor == cursor)
        return;
    record->cursor = cursor;
    Display* dpy = m_connection->Dpy();
    Cursor& shape = m_cursors[int(cursor)];
    if (shape == None)
        shape = XCreateFontCursor(dpy, CursorGlyph(cursor));
    XDefineCursor(dpy, record->xid, shape);
    XFlush(dpy);
}

bool X11Backend::GrabPointer(HWND hwnd) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr || !record->mapped)
        return false;
    unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    int result = XGrabPointer(m_connection->Dpy(), record->xid, True, mask, GrabModeAsync,
                              GrabModeAsync, None, None, CurrentTime);
    if (result != GrabSuccess)
        return false;
    m_grab = hwnd;
    return true;
}

void X11Backend::ReleasePointer() {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    XUngrabPointer(m_connection->Dpy(), CurrentTime);
    XFlush(m_connection->Dpy());
    m_grab = nullptr;
}

bool X11Backend::BeginNativeMoveResize(HWND hwnd, int hitTest, POINT screenPos) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    long direction = MoveResizeDirection(hitTest);
    const Atoms& a = m_connection->A();
    if (record == nullptr || !record->TopLevel() || direction < 0 || !record->mapped ||
        !m_connection->WindowManagerSupports(a.netWmMoveResize))
        return false;
    if (direction != MOVERESIZE_MOVE) {
        // The manager resizes on its own: it must know the window's limits.
        MINMAXINFO limits{};
        limits.ptMinTrackSize = POINT{1, 1};
        limits.ptMaxTrackSize = POINT{32767, 32767};
        SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        WriteSizeHints(*record, &limits);
    }
    // The press left an implicit grab that would keep the pointer from the manager.
    XUngrabPointer(m_connection->Dpy(), CurrentTime);
    m_connection->SendRootMessage(record->xid, a.netWmMoveResize, screenPos.x, screenPos.y,
                                  direction, Button1, SOURCE_APPLICATION);
    XFlush(m_connection->Dpy());
    m_nativeMove = record->xid;
    return true;
}

POINT X11Backend::PointerPosition() const {
    Display* dpy = m_connection->Dpy();
    Window root = None, child = None;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned state = 0;
    XQueryPointer(dpy, m_connection->Root(), &root, &child, &rootX, &rootY, &winX, &winY, &state);
    return POINT{rootX, rootY};
}

}  // namespace platform::x11
