// What changes behind the program's back: window state set by the manager, compositors coming and
// going.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xfixes.h>

#include "platform/backends/x11/x11_backend.h"

namespace platform::x11 {

using namespace platform::user;

namespace {

constexpr long WM_STATE_ICONIC = 3;

bool Contains(const std::vector<long>& atoms, Atom atom) {
    for (long a : atoms) {
        if (Atom(a) == atom)
            return true;
    }
    return false;
}

}  // namespace

void X11Backend::OnProperty(const XPropertyEvent& e) {
    const Atoms& a = m_connection->A();
    if (e.window == m_connection->Root()) {
        // Compositors seldom announce themselves; root changes are a cheap moment to look.
        return CompositorMayHaveChanged();
    }
    if (e.atom != a.netWmState && e.atom != a.wmState)
        return;
    NativeEvent out;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        if (record == nullptr || !record->TopLevel())
            return;
        std::vector<long> net = m_connection->LongProperty(record->xid, a.netWmState, XA_ATOM);
        std::vector<long> icccm = m_connection->LongProperty(record->xid, a.wmState, a.wmState);
        bool iconic =
            Contains(net, a.netStateHidden) || (!icccm.empty() && icccm[0] == WM_STATE_ICONIC);
        bool maximised = Contains(net, a.netStateMaxVert) && Contains(net, a.netStateMaxHorz);
        NativeWindowState state = iconic      ? NativeWindowState::Minimised
                                  : maximised ? NativeWindowState::Maximised
                                              : NativeWindowState::Normal;
        // Only a change on the server's side is news; the core knows what it asked for.
        if (state == record->seenState || UndoLateIconify(*record, state))
            return;
        record->seenState = state;
        out.kind = NativeEventKind::StateChange;
        out.hwnd = record->hwnd;
        out.state = state;
    }
    TranslateNativeEvent(out);
}

// The manager carried out an iconify the program has since taken back: map the window again
// (which deiconifies it) rather than tell the core of a state it no longer wants.
bool X11Backend::UndoLateIconify(WindowRecord& record, NativeWindowState state) {
    if (state != NativeWindowState::Minimised || !record.iconifyAsked)
        return false;
    record.iconifyAsked = false;
    if (!record.restoreOnIconic)
        return false;
    record.restoreOnIconic = false;
    record.seenState = state;
    // Managers may mark the window iconic before they unmap it, and mapping a window that is
    // still mapped asks nothing: then the map waits for the unmap.
    XWindowAttributes attrs{};
    if (XGetWindowAttributes(m_connection->Dpy(), record.xid, &attrs) != 0 &&
        attrs.map_state != IsUnmapped) {
        record.remapOnUnmap = true;
        return true;
    }
    XMapWindow(m_connection->Dpy(), record.xid);
    XFlush(m_connection->Dpy());
    return true;
}

void X11Backend::OnUnmap(const XUnmapEvent& e) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = FindX(e.window);
    if (record == nullptr || !record->remapOnUnmap || e.window != e.event)
        return;
    record->remapOnUnmap = false;
    if (!record->shown)
        return;  // hidden meanwhile: nothing to bring back
    XMapWindow(m_connection->Dpy(), record->xid);
    XFlush(m_connection->Dpy());
}

// Without a manager a minimised window is only unmapped; whoever maps it again (a taskbar, a
// tool) restores it, and the core must hear of it or IsIconic stays true for a visible window.
void X11Backend::OnMap(const XMapEvent& e) {
    NativeEvent out;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        WindowRecord* record = FindX(e.window);
        if (record == nullptr || !record->iconified || !record->shown)
            return;
        // A late notice of our own earlier map: the server has the window unmapped by now.
        XWindowAttributes attrs{};
        if (XGetWindowAttributes(m_connection->Dpy(), record->xid, &attrs) == 0 ||
            attrs.map_state == IsUnmapped)
            return;
        record->iconified = false;
        record->mapped = true;
        out.kind = NativeEventKind::StateChange;
        out.hwnd = record->hwnd;
        out.state = NativeWindowState::Normal;
    }
    TranslateNativeEvent(out);
}

// Compositors such as xcompmgr only take the selection; XFixes reports every change of its owner.
void X11Backend::WatchCompositorSelection() {
    Display* dpy = m_connection->Dpy();
    int errorBase = 0;
    if (!XFixesQueryExtension(dpy, &m_fixesEventBase, &errorBase)) {
        m_fixesEventBase = -1;
        return;
    }
    XFixesSelectSelectionInput(dpy, m_connection->Root(), m_connection->A().netCmSelection,
                               XFixesSetSelectionOwnerNotifyMask |
                                   XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    XFlush(dpy);
}

bool X11Backend::IsCompositorSelectionEvent(const XEvent& event) const {
    return m_fixesEventBase >= 0 && event.type == m_fixesEventBase + XFixesSelectionNotify;
}

void X11Backend::CompositorMayHaveChanged() {
    std::vector<HWND> repaint;
    {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        Window owner = m_connection->CompositorOwner();
        if (owner == m_compositor)
            return;
        m_compositor = owner;
        if (owner != None)
            XSelectInput(m_connection->Dpy(), owner, StructureNotifyMask);
        for (auto& [hwnd, record] : m_windows) {
            if (!record.argb)
                continue;
            UpdateMapping(record);
            ApplyBounding(record, nullptr);
            repaint.push_back(hwnd);
        }
        XFlush(m_connection->Dpy());
    }
    // The kept pixels are shown again, converted for the new situation.
    for (HWND hwnd : repaint) {
        NativeEvent out;
        out.kind = NativeEventKind::Exposed;
        out.hwnd = hwnd;
        out.damage = RECT{0, 0, 32767, 32767};
        TranslateNativeEvent(out);
    }
}

}  // namespace platform::x11
