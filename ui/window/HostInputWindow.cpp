// The input part: the window messages it answers, its state and its registrations.
#include "platform/user.h"
#include "ui/window/HostInput.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool AddUnique(CUIPtrArray& array, void* p) {
    if (p == nullptr || array.Find(p) >= 0)
        return false;
    return array.Add(p);
}

void RemoveFound(CUIPtrArray& array, void* p) {
    int i = array.Find(p);
    if (i >= 0)
        array.Remove(i);
}

bool IsClientPointMessage(UINT uMsg) {
    return uMsg == WM_MOUSEMOVE || uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONUP ||
           uMsg == WM_LBUTTONDBLCLK;
}

}  // namespace

CHostInput::~CHostInput() {
    DestroyToolTip();
}

void CHostInput::ClearTreeState() {
    m_pFocus = nullptr;
    m_pEventKey = nullptr;
    m_pEventHover = nullptr;
    m_pEventClick = nullptr;
}

void CHostInput::Forget(IControlNodeUI* pControl) {
    if (m_pFocus == pControl)
        m_pFocus = nullptr;
    if (m_pEventHover == pControl)
        m_pEventHover = nullptr;
    if (m_pEventClick == pControl)
        m_pEventClick = nullptr;
    if (m_pEventKey == pControl)
        m_pEventKey = nullptr;
    RemoveFound(m_aNeedMouseLeaveNeeded, pControl);
    int iNative = m_aNativeWindowControl.Find(pControl);
    if (iNative >= 0) {
        m_aNativeWindowControl.Remove(iNative);
        m_aNativeWindow.Remove(iNative);
    }
}

void CHostInput::NoteFilteredPoint(UINT uMsg, LPARAM lParam) {
    if (IsClientPointMessage(uMsg)) {
        m_ptLastMousePos = PointFromLParam(lParam);
    } else if (uMsg == WM_CONTEXTMENU || uMsg == WM_MOUSEWHEEL) {
        POINT pt = PointFromLParam(lParam);
        ::ScreenToClient(m_host.GetHWND(), &pt);
        m_ptLastMousePos = pt;
    }
}

void CHostInput::AddMouseLeaveListener(IControlNodeUI* pControl) {
    AddUnique(m_aNeedMouseLeaveNeeded, pControl);
}

void CHostInput::RemoveMouseLeaveListener(IControlNodeUI* pControl) {
    RemoveFound(m_aNeedMouseLeaveNeeded, pControl);
}

bool CHostInput::AddNativeWindow(IControlNodeUI* pControl, HWND hChildWnd) {
    if (pControl == nullptr || hChildWnd == nullptr || m_aNativeWindow.Find(hChildWnd) >= 0)
        return false;
    RECT rc = {0, 0, 0, 0};
    ::GetClientRect(hChildWnd, &rc);
    ::InvalidateRect(hChildWnd, &rc, FALSE);
    m_aNativeWindow.Add(hChildWnd);
    m_aNativeWindowControl.Add(pControl);
    return true;
}

bool CHostInput::RemoveNativeWindow(HWND hChildWnd) {
    int i = m_aNativeWindow.Find(hChildWnd);
    if (i < 0)
        return false;
    m_aNativeWindow.Remove(i);
    m_aNativeWindowControl.Remove(i);
    return true;
}

void CHostInput::RemoveAllNativeWindows() {
    m_aNativeWindow.Empty();
    m_aNativeWindowControl.Empty();
}

bool CHostInput::HandlePointerMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            return false;
        case WM_LBUTTONDOWN:
            OnButtonDown(wParam, lParam);
            return false;
        case WM_LBUTTONUP:
            OnButtonUp(wParam, lParam);
            return false;
        case WM_LBUTTONDBLCLK:
            OnDoubleClick(wParam, lParam);
            return false;
        case WM_RBUTTONDOWN:
            OnRightButtonDown(wParam, lParam);
            return false;
        case WM_MOUSEWHEEL:
            OnMouseWheel(wParam, lParam);
            return false;
        case WM_MOUSEHOVER:
            return OnMouseHover(lParam);
        case WM_MOUSELEAVE:
            OnMouseLeaveMessage();
            return false;
        default:
            return false;
    }
}

// Follows the native focus into a registered native child window.
void CHostInput::OnKillFocusMessage(HWND hWndNew) {
    if (hWndNew == nullptr)
        return;
    HWND hChild = ::GetFocus();
    while (hChild != nullptr && ::GetParent(hChild) != m_host.GetHWND())
        hChild = ::GetParent(hChild);
    if (hChild == nullptr)
        return;
    int i = m_aNativeWindow.Find(hChild);
    if (i < 0)
        return;
    auto* pControl = static_cast<IControlNodeUI*>(m_aNativeWindowControl[i]);
    if (pControl != m_pFocus)
        SetFocus(pControl, false);
}

// The pointer leaves every control, the focus is given back to the owner.
bool CHostInput::OnCloseMessage() {
    ControlEvent event;
    m_host.FillEvent(event, UIEVENT_MOUSELEAVE, nullptr);
    if (m_pEventHover != nullptr) {
        IControlNodeUI* pHover = m_pEventHover;
        if (!m_host.Deliver(pHover, event))
            return false;
    }
    if (m_pEventClick != nullptr) {
        event.kind = UIEVENT_BUTTONUP;
        IControlNodeUI* pClick = m_pEventClick;
        if (!m_host.Deliver(pClick, event))
            return false;
    }
    // The focus handlers may close the window too.
    if (!m_host.Guarded([&] { SetFocus(nullptr, true); }))
        return false;
    if (::GetActiveWindow() == m_host.GetHWND()) {
        HWND hOwner = ::GetParent(m_host.GetHWND());
        if (hOwner != nullptr)
            ::SetFocus(hOwner);
    }
    DestroyToolTip();
    return true;
}

bool CHostInput::OnSetCursorMessage(LPARAM lParam) {
    if (m_host.Root() == nullptr || LOWORD(lParam) != HTCLIENT)
        return false;
    if (m_bMouseCapture)
        return true;
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_host.GetHWND(), &pt);
    IControlNodeUI* pControl = OwnNodeAt(pt);
    if (pControl != nullptr && (pControl->GetInputFlags() & 2) != 0) {
        ControlEvent event;
        m_host.FillEvent(event, UIEVENT_SETCURSOR, pControl);
        event.mousePoint = pt;
        m_host.Deliver(pControl, event);
    }
    return true;
}

void CHostInput::OnContextMenuMessage(WPARAM wParam, LPARAM lParam) {
    if (m_host.Root() == nullptr || m_bMouseCapture)
        return;
    POINT pt = PointFromLParam(lParam);
    ::ScreenToClient(m_host.GetHWND(), &pt);
    m_ptLastMousePos = pt;
    if (m_pEventClick == nullptr)
        return;
    IControlNodeUI* pClick = m_pEventClick;
    m_pEventClick = nullptr;
    ControlEvent event;
    m_host.FillEvent(event, UIEVENT_CONTEXTMENU, pClick);
    event.wParam = 0;
    event.lParam = reinterpret_cast<LPARAM>(pClick->GetControl());
    event.keyState = static_cast<WORD>(LOWORD(wParam));
    m_host.Deliver(pClick, event);
}

}  // namespace Orvik
