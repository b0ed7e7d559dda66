// X windows behind the core's windows: creation, properties, mapping, geometry and stacking.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include <algorithm>

#include "platform/backends/x11/window_class_name.h"
#include "platform/backends/x11/x11_backend.h"
#include "platform/gdi.h"

namespace platform::x11 {

using platform::user::NativeWindowDesc;

namespace {

constexpr long EVENT_MASK = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                            ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                            LeaveWindowMask | FocusChangeMask | StructureNotifyMask |
                            PropertyChangeMask;

// The X protocol refuses empty windows.
unsigned Extent(LONG size) {
    return unsigned(std::max<LONG>(size, 1));
}

}  // namespace

X11Backend::X11Backend(Connection* connection) : m_connection(connection) {
    m_compositor = m_connection->CompositorOwner();
    if (m_compositor != None)
        XSelectInput(m_connection->Dpy(), m_compositor, StructureNotifyMask);
    WatchCompositorSelection();
}

X11Backend::~X11Backend() {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (auto& [hwnd, record] : m_windows)
        DropXWindow(record);
    for (auto& [shape, cursor] : m_cursors)
        XFreeCursor(m_connection->Dpy(), cursor);
}

WindowRecord* X11Backend::Find(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

WindowRecord* X11Backend::FindX(Window xid) {
    auto it = m_byXid.find(xid);
    return it == m_byXid.end() ? nullptr : Find(it->second);
}

HWND X11Backend::HwndOfX(Window xid) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = FindX(xid);
    return record != nullptr ? record->hwnd : nullptr;
}

Window X11Backend::NativeHandle(HWND hwnd) const {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? None : it->second.xid;
}

bool X11Backend::BuildXWindow(WindowRecord& record) {
    Display* dpy = m_connection->Dpy();
    const XVisualInfo* argb = record.Layered() ? m_connection->ArgbVisual() : nullptr;
    WindowRecord* parent = record.TopLevel() ? nullptr : Find(record.parent);
    XSetWindowAttributes attrs{};
    unsigned long mask = CWEventMask | CWBackPixmap | CWBorderPixel | CWBitGravity;
    attrs.event_mask = EVENT_MASK;
    attrs.background_pixmap = None;  // our own pixels, no server fill before them
    attrs.bit_gravity = NorthWestGravity;
    Visual* visual = CopyFromParent;
    int depth = CopyFromParent;
    if (argb != nullptr) {
        record.colormap = XCreateColormap(dpy, m_connection->Root(), argb->visual, AllocNone);
        attrs.colormap = record.colormap;
        mask |= CWColormap;
        visual = argb->visual;
        depth = argb->depth;
    }
    // Click-through popups (shadows) stay out of the window manager's hands.
    attrs.override_redirect = record.TopLevel() && record.Layered() && record.ClickThrough();
    mask |= CWOverrideRedirect;
    Window under = parent != nullptr ? parent->xid : m_connection->Root();
    record.xid = XCreateWindow(dpy, under, int(record.rect.left), int(record.rect.top),
                               Extent(record.rect.right - record.rect.left),
                               Extent(record.rect.bottom - record.rect.top), 0, depth, InputOutput,
                               visual, mask, &attrs);
    if (record.xid == None)
        return false;
    record.argb = argb != nullptr;
    record.gc = XCreateGC(dpy, record.xid, 0, nullptr);
    m_byXid[record.xid] = record.hwnd;
    if (record.TopLevel())
        SetProperties(record);
    ApplyInput(record);
    return true;
}

void X11Backend::DropXWindow(WindowRecord& record) {
    Display* dpy = m_connection->Dpy();
    record.image.reset();
    if (record.gc != nullptr)
        XFreeGC(dpy, record.gc);
    if (record.xid != None) {
        m_byXid.erase(record.xid);
        XDestroyWindow(dpy, record.xid);
    }
    if (record.colormap != None)
        XFreeColormap(dpy, record.colormap);
    if (m_nativeMove == record.xid)
        m_nativeMove = None;
    record.gc = nullptr;
    record.xid = None;
    record.colormap = None;
    record.mapped = false;
    XFlush(dpy);
}

void X11Backend::SetProperties(const WindowRecord& record) {
    Display* dpy = m_connection->Dpy();
    const Atoms& a = m_connection->A();
    long motif[5] = {2, 0, 0, 0, 0};  // flags: decorations given; decorations: none
    XChangeProperty(dpy, record.xid, a.motifHints, a.motifHints, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(motif), 5);
    Atom protocols[2] = {a.wmDeleteWindow, a.wmTakeFocus};
    XSetWMProtocols(dpy, record.xid, protocols, 2);
    long pid = long(getpid());
    XChangeProperty(dpy, record.xid, a.netWmPid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    std::string className = WindowClassName(record.hwnd);
    XClassHint hint{className.data(), className.data()};
    XSetClassHint(dpy, record.xid, &hint);
    XWMHints wmHints{};
    wmHints.flags = InputHint;
    wmHints.input = (record.exStyle & WS_EX_NOACTIVATE) == 0;
    XSetWMHints(dpy, record.xid, &wmHints);
    Atom type = record.ClickThrough() ? a.netTypeTooltip : a.netTypeNormal;
    XChangeProperty(dpy, record.xid, a.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
    WindowRecord* owner = record.owner != nullptr ? Find(record.owner) : nullptr;
    if (owner != nullptr)
        XSetTransientForHint(dpy, record.xid, owner->xid);
    WriteSizeHints(record);
}

// Tells the window manager where the window goes; otherwise it may place it itself.
void X11Backend::WriteSizeHints(const WindowRecord& record, const MINMAXINFO* limits) {
    XSizeHints hints{};
    hints.flags = PPosition | PSize | USPosition;
    if (limits != nullptr) {
        hints.flags |= PMinSize | PMaxSize;
        hints.min_width = int(limits->ptMinTrackSize.x);
        hints.min_height = int(limits->ptMinTrackSize.y);
        hints.max_width = int(limits->ptMaxTrackSize.x);
        hints.max_height = int(limits->ptMaxTrackSize.y);
    }
    hints.x = int(record.rect.left);
    hints.y = int(record.rect.top);
    hints.width = int(Extent(record.rect.right - record.rect.left));
    hints.height = int(Extent(record.rect.bottom - record.rect.top));
    XSetWMNormalHints(m_connection->Dpy(), record.xid, &hints);
}

bool X11Backend::CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord record;
    record.hwnd = hwnd;
    record.rect = desc.rect;
    record.style = desc.style;
    record.exStyle = desc.exStyle;
    record.parent = desc.parent;
    record.owner = desc.owner;
    WindowRecord& stored = m_windows[hwnd] = std::move(record);
    if (BuildXWindow(stored))
        return true;
    m_windows.erase(hwnd);
    return false;
}

void X11Backend::DestroyNativeWindow(HWND hwnd) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr)
        return;
    DropXWindow(*record);
    if (record->bounding != nullptr)
        DeleteObject(record->bounding);
    if (m_grab == hwnd)
        ReleasePointer();
    m_windows.erase(hwnd);
}

void X11Backend::StyleChanged(HWND hwnd, DWORD style, DWORD exStyle) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr)
        return;
    bool wasLayered = record->Layered();
    record->style = style;
    record->exStyle = exStyle;
    bool wantsArgb = record->Layered() && m_connection->ArgbVisual() != nullptr;
    if (wasLayered == record->Layered() && wantsArgb == record->argb) {
        ApplyInput(*record);
        return;
    }
    // A visual is fixed at creation: the window is made again with the other one.
    DropXWindow(*record);
    record->alphaShaped = false;
    if (BuildXWindow(*record)) {
        ApplyBounding(*record, nullptr);
        UpdateMapping(*record);
    }
}

void X11Backend::ShowNativeWindow(HWND hwnd, bool show, bool activate) {
    // Nothing announces a compositor reliably: look again whenever a layered window shows.
    if (show && (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0)
        CompositorMayHaveChanged();
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr)
        return;
    record->shown = show;
    if (show && record->TopLevel()) {
        HWND owner = record->owner;
        SetModal(*record, owner != nullptr && (GetWindowLongPtrA(owner, GWL_STYLE) & WS_DISABLED));
        WriteSizeHints(*record);
    }
    UpdateMapping(*record);
    if (show && activate && record->mapped && record->TopLevel()) {
        XRaiseWindow(m_connection->Dpy(), record->xid);
        // With no manager to hand out the focus, a window shown active takes it
        // itself; it is viewable as soon as the server has read the map request.
        if ((record->exStyle & WS_EX_NOACTIVATE) == 0 && !m_connection->HasWindowManager())
            XSetInputFocus(m_connection->Dpy(), record->xid, RevertToParent, CurrentTime);
    }
    XFlush(m_connection->Dpy());
}

// A click-through translucent popup needs a compositor to be seen at all;
// without one it would cover what lies below with dark pixels.
void X11Backend::UpdateMapping(WindowRecord& record) {
    bool map = record.shown && !(record.Layered() && record.ClickThrough() && !ShowsTranslucency());
    if (map == record.mapped)
        return;
    record.mapped = map;
    if (map)
        XMapWindow(m_connection->Dpy(), record.xid);
    else
        XUnmapWindow(m_connection->Dpy(), record.xid);
}

void X11Backend::MoveResizeNativeWindow(HWND hwnd, const RECT& rect) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr)
        return;
    record->rect = rect;
    XMoveResizeWindow(m_connection->Dpy(), record->xid, int(rect.left), int(rect.top),
                      Extent(rect.right - rect.left), Extent(rect.bottom - rect.top));
    XFlush(m_connection->Dpy());
}

void X11Backend::RestackNativeWindow(HWND hwnd, HWND insertAfter) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    WindowRecord* above = insertAfter != nullptr ? Find(insertAfter) : nullptr;
    if (record == nullptr || record->xid == None)
        return;
    XWindowChanges changes{};
    changes.stack_mode = above != nullptr ? Below : Above;
    unsigned mask = CWStackMode;
    if (above != nullptr) {
        changes.sibling = above->xid;
        mask |= CWSibling;
    }
    // Goes through the window manager when the window is reparented.
    XReconfigureWMWindow(m_connection->Dpy(), record->xid, m_connection->Screen(), mask, &changes);
    XFlush(m_connection->Dpy());
}

void X11Backend::SetNativeTitle(HWND hwnd, const std::string& titleUtf8) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr || !record->TopLevel())
        return;
    Display* dpy = m_connection->Dpy();
    const Atoms& a = m_connection->A();
    auto* bytes = reinterpret_cast<const unsigned char*>(titleUtf8.c_str());
    XChangeProperty(dpy, record->xid, a.netWmName, a.utf8String, 8, PropModeReplace, bytes,
                    int(titleUtf8.size()));
    XChangeProperty(dpy, record->xid, XA_WM_NAME, a.utf8String, 8, PropModeReplace, bytes,
                    int(titleUtf8.size()));
    XFlush(dpy);
}

void X11Backend::FocusNativeWindow(HWND hwnd) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    // Focusing an unmapped window is a protocol error.
    if (record == nullptr || !record->mapped)
        return;
    XRaiseWindow(m_connection->Dpy(), record->xid);
    XSetInputFocus(m_connection->Dpy(), record->xid, RevertToParent, CurrentTime);
    XFlush(m_connection->Dpy());
}

int X11Backend::EventFd() const {
    return ConnectionNumber(m_connection->Dpy());
}

}  // namespace platform::x11
