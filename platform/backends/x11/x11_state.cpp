// Minimise, maximise and restore through the window manager, and the modal hint.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>

#include "platform/backends/x11/x11_backend.h"

namespace platform::x11 {

using platform::user::NativeWindowState;

namespace {

constexpr long STATE_REMOVE = 0;
constexpr long STATE_ADD = 1;
constexpr long SOURCE_APPLICATION = 1;

}  // namespace

void X11Backend::SendState(const WindowRecord& record, long action, Atom first, Atom second) {
    const Atoms& a = m_connection->A();
    m_connection->SendRootMessage(record.xid, a.netWmState, action, long(first), long(second),
                                  SOURCE_APPLICATION, 0);
}

// Before mapping, the hint is the property itself; afterwards the manager owns it.
void X11Backend::SetModal(const WindowRecord& record, bool modal) {
    const Atoms& a = m_connection->A();
    if (record.mapped) {
        SendState(record, modal ? STATE_ADD : STATE_REMOVE, a.netStateModal, None);
        return;
    }
    Display* dpy = m_connection->Dpy();
    if (modal)
        XChangeProperty(dpy, record.xid, a.netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&a.netStateModal), 1);
    else
        XDeleteProperty(dpy, record.xid, a.netWmState);
}

// Whether the manager has yet to act on our iconify request: the window is still on screen.
bool X11Backend::IconifyStillAhead(WindowRecord& record) {
    if (!record.iconifyAsked)
        return false;
    XWindowAttributes attrs{};
    if (record.mapped && XGetWindowAttributes(m_connection->Dpy(), record.xid, &attrs) != 0 &&
        attrs.map_state == IsViewable)
        return true;
    record.iconifyAsked = false;
    record.restoreOnIconic = false;
    return false;
}

void X11Backend::SetNativeState(HWND hwnd, NativeWindowState state) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr || !record->TopLevel())
        return;
    Display* dpy = m_connection->Dpy();
    const Atoms& a = m_connection->A();
    bool managed = m_connection->HasWindowManager();
    if (state == NativeWindowState::Minimised) {
        // Without a manager nobody would answer the iconify request: hide it ourselves.
        if (managed) {
            XIconifyWindow(dpy, record->xid, m_connection->Screen());
            record->iconifyAsked = true;
            record->restoreOnIconic = false;
            record->remapOnUnmap = false;
        } else if (record->mapped) {
            XUnmapWindow(dpy, record->xid);
            record->mapped = false;
            record->iconified = true;
        }
        XFlush(dpy);
        return;
    }
    record->iconified = false;
    long action = state == NativeWindowState::Maximised ? STATE_ADD : STATE_REMOVE;
    if (managed && record->mapped)
        SendState(*record, action, a.netStateMaxVert, a.netStateMaxHorz);
    if (managed && IconifyStillAhead(*record)) {
        // Mapping now would be a no-op and the manager's iconify would win afterwards.
        record->restoreOnIconic = true;
    } else if (record->shown && (!record->mapped || managed)) {
        // Mapping an iconic window asks the manager to bring it back.
        record->mapped = false;
        UpdateMapping(*record);
    }
    XFlush(dpy);
}

}  // namespace platform::x11
