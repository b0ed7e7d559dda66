// Window host: the per-message processing table of event dispatch.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// Native child controls get their own notifications back under these numbers.
constexpr UINT REFLECT_BASE = 0x2000;
constexpr LRESULT ACTIVATE_NO_FOCUS = 3;

// The header every native child's notification starts with; the sender first.
struct NotifyHeader {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

bool IsClientPointMessage(UINT uMsg) {
    return uMsg == WM_MOUSEMOVE || uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONUP ||
           uMsg == WM_LBUTTONDBLCLK;
}

}  // namespace

bool CWindowHostUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    lRes = 0;
    if (m_hWndPaint == nullptr)
        return false;
    if (FilterMessage(uMsg, wParam, lParam, lRes))
        return true;
    if (m_bLayered && HandleLayeredFrame(uMsg, wParam, lRes))
        return true;
    if (uMsg >= WM_MOUSEMOVE && uMsg <= WM_MOUSELEAVE)
        return HandlePointerMessage(uMsg, wParam, lParam, lRes);
    if (uMsg >= WM_KEYDOWN && uMsg <= WM_CHAR)
        return HandleKeyMessage(uMsg, wParam, lParam);
    return HandleWindowMessage(uMsg, wParam, lParam, lRes);
}

// The first message filter that sets handled decides the result.
bool CWindowHostUI::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    CUIPtrArray filters(m_aMessageFilters);
    for (int i = 0; i < filters.GetSize(); ++i) {
        bool bHandled = false;
        LRESULT lResult = static_cast<IMessageFilterUI*>(filters[i])
                              ->FilterMessage(uMsg, wParam, lParam, bHandled);
        if (!bHandled)
            continue;
        lRes = lResult;
        if (IsClientPointMessage(uMsg)) {
            m_ptLastMousePos = PointFromLParam(lParam);
        } else if (uMsg == WM_CONTEXTMENU || uMsg == WM_MOUSEWHEEL) {
            POINT pt = PointFromLParam(lParam);
            ::ScreenToClient(m_hWndPaint, &pt);
            m_ptLastMousePos = pt;
        }
        return true;
    }
    return false;
}

// A layered window draws its own frame: the native one is never calculated or painted.
bool CWindowHostUI::HandleLayeredFrame(UINT uMsg, WPARAM wParam, LRESULT& lRes) {
    switch (uMsg) {
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            lRes = 0;
            return true;
        case WM_NCACTIVATE:
            if (::IsIconic(m_hWndPaint))
                return false;
            lRes = wParam == 0 ? 1 : 0;
            return true;
        default:
            return false;
    }
}

bool CWindowHostUI::HandleWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    switch (uMsg) {
        case WM_SIZE:
            OnSizeMessage(wParam, lParam);
            return true;
        case WM_KILLFOCUS:
            OnKillFocusMessage(reinterpret_cast<HWND>(wParam));
            return false;
        case WM_PAINT:
            PaintWindow();
            return true;
        case WM_CLOSE:
            OnCloseMessage();
            return false;
        case WM_ERASEBKGND:
            lRes = 1;
            return true;
        case WM_SETCURSOR:
            return OnSetCursorMessage(lParam);
        case WM_MOUSEACTIVATE:
            if (!m_bNoActivate)
                return false;
            lRes = ACTIVATE_NO_FOCUS;
            return true;
        case WM_GETMINMAXINFO:
            OnMinMaxInfoMessage(lParam);
            return false;
        case WM_NOTIFY:
            return ReflectNotify(wParam, lParam, lRes);
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return ReflectMessage(uMsg, wParam, lParam, lRes);
        case WM_CONTEXTMENU:
            OnContextMenuMessage(wParam, lParam);
            return false;
        case WM_TIMER:
            OnTimerMessage(wParam, lParam);
            return false;
        case WM_PRINTCLIENT:
            PrintClient(reinterpret_cast<HDC>(wParam));
            return false;
        case WM_HOST_DEFERRED:
            RunDeferredWork();
            return false;
        default:
            return false;
    }
}

bool CWindowHostUI::HandlePointerMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT&) {
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

void CWindowHostUI::OnSizeMessage(WPARAM wParam, LPARAM lParam) {
    if (m_pFocus != nullptr) {
        ControlEvent event;
        FillEvent(event, UIEVENT_WINDOWSIZE, m_pFocus);
        event.wParam = wParam;
        event.lParam = lParam;
        Deliver(m_pFocus, event);
    }
    if (m_pRoot != nullptr)
        m_pRoot->RequestLayout();
    if (m_bLayered)
        Invalidate();
}

// Follows the native focus into a registered native child window.
void CWindowHostUI::OnKillFocusMessage(HWND hWndNew) {
    if (hWndNew == nullptr)
        return;
    HWND hChild = ::GetFocus();
    while (hChild != nullptr && ::GetParent(hChild) != m_hWndPaint)
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
void CWindowHostUI::OnCloseMessage() {
    ControlEvent event;
    FillEvent(event, UIEVENT_MOUSELEAVE, nullptr);
    if (m_pEventHover != nullptr) {
        IControlNodeUI* pHover = m_pEventHover;
        if (!Deliver(pHover, event))
            return;
    }
    if (m_pEventClick != nullptr) {
        event.kind = UIEVENT_BUTTONUP;
        IControlNodeUI* pClick = m_pEventClick;
        if (!Deliver(pClick, event))
            return;
    }
    SetFocus(nullptr, true);
    if (::GetActiveWindow() == m_hWndPaint) {
        HWND hOwner = ::GetParent(m_hWndPaint);
        if (hOwner != nullptr)
            ::SetFocus(hOwner);
    }
    DestroyToolTip();
}

bool CWindowHostUI::OnSetCursorMessage(LPARAM lParam) {
    if (m_pRoot == nullptr || LOWORD(lParam) != HTCLIENT)
        return false;
    if (m_bMouseCapture)
        return true;
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWndPaint, &pt);
    IControlNodeUI* pControl = OwnNodeAt(pt);
    if (pControl != nullptr && (pControl->GetInputFlags() & 2) != 0) {
        ControlEvent event;
        FillEvent(event, UIEVENT_SETCURSOR, pControl);
        event.mousePoint = pt;
        Deliver(pControl, event);
    }
    return true;
}

void CWindowHostUI::OnMinMaxInfoMessage(LPARAM lParam) {
    auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    if (pInfo == nullptr)
        return;
    if (m_szMinWindow.cx > 0)
        pInfo->ptMinTrackSize.x = m_szMinWindow.cx;
    if (m_szMinWindow.cy > 0)
        pInfo->ptMinTrackSize.y = m_szMinWindow.cy;
    if (m_szMaxWindow.cx > 0)
        pInfo->ptMaxTrackSize.x = m_szMaxWindow.cx;
    if (m_szMaxWindow.cy > 0)
        pInfo->ptMaxTrackSize.y = m_szMaxWindow.cy;
}

bool CWindowHostUI::ReflectMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (lParam == 0)
        return false;
    lRes = ::SendMessageA(reinterpret_cast<HWND>(lParam), REFLECT_BASE + uMsg, wParam, lParam);
    return true;
}

// Without a header there is no child to hand it to; it still counts as handled.
bool CWindowHostUI::ReflectNotify(WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (lParam == 0)
        return true;
    HWND hChild = reinterpret_cast<const NotifyHeader*>(lParam)->hwndFrom;
    lRes = ::SendMessageA(hChild, REFLECT_BASE + WM_NOTIFY, wParam, lParam);
    return true;
}

void CWindowHostUI::OnContextMenuMessage(WPARAM wParam, LPARAM lParam) {
    if (m_pRoot == nullptr || m_bMouseCapture)
        return;
    POINT pt = PointFromLParam(lParam);
    ::ScreenToClient(m_hWndPaint, &pt);
    m_ptLastMousePos = pt;
    if (m_pEventClick == nullptr)
        return;
    IControlNodeUI* pClick = m_pEventClick;
    m_pEventClick = nullptr;
    ControlEvent event;
    FillEvent(event, UIEVENT_CONTEXTMENU, pClick);
    event.wParam = 0;
    event.lParam = reinterpret_cast<LPARAM>(pClick->GetControl());
    event.keyState = static_cast<WORD>(LOWORD(wParam));
    Deliver(pClick, event);
}

}  // namespace Orvik
