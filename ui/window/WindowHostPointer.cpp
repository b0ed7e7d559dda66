// Window host: pointer input, hover and leave tracking, pressed control and capture.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// The modifier and button state the keyboard reports, as events carry it.
WORD KeyboardKeyState() {
    WORD wState = 0;
    if (::GetKeyState(VK_LBUTTON) < 0)
        wState |= 0x01;
    if (::GetKeyState(VK_RBUTTON) < 0)
        wState |= 0x02;
    if (::GetKeyState(VK_SHIFT) < 0)
        wState |= 0x04;
    if (::GetKeyState(VK_CONTROL) < 0)
        wState |= 0x08;
    if (::GetKeyState(VK_MENU) < 0)
        wState |= 0x20;
    return wState;
}

CControlUI* StoreNode(IControlNodeUI* pNode, LPVOID pData) {
    *static_cast<IControlNodeUI**>(pData) = pNode;
    return pNode->GetControl();
}

struct HitProbe {
    POINT pt;
    IControlNodeUI* pFound;
};

// FindControl hands the point in as the data; the node is kept beside it.
CControlUI* StoreNodeAt(IControlNodeUI* pNode, LPVOID pData) {
    return StoreNode(pNode, &static_cast<HitProbe*>(pData)->pFound);
}

}  // namespace

void CWindowHostUI::FillEvent(ControlEvent& event, int kind, IControlNodeUI* pTarget) const {
    event.kind = kind;
    event.sender = pTarget != nullptr ? pTarget->GetControl() : nullptr;
    event.timestamp = ::GetTickCount();
    event.mousePoint = m_ptLastMousePos;
    event.keyState = KeyboardKeyState();
}

bool CWindowHostUI::Deliver(IControlNodeUI* pTarget, ControlEvent& event) {
    bool bBound = m_hWndPaint != nullptr;
    event.sender = pTarget->GetControl();
    pTarget->HandleEvent(event);
    return !bBound || IsLiveHost(this);
}

// The control under the point when it belongs to this host.
IControlNodeUI* CWindowHostUI::OwnNodeAt(POINT pt) const {
    if (m_pRoot == nullptr)
        return nullptr;
    HitProbe probe = {pt, nullptr};
    static_assert(offsetof(HitProbe, pt) == 0, "the hit test reads the point first");
    m_pRoot->FindControl(StoreNodeAt, &probe, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
    if (probe.pFound == nullptr || probe.pFound->GetHost() != this)
        return nullptr;
    return probe.pFound;
}

CControlUI* CWindowHostUI::GetHover() const {
    return m_pEventHover != nullptr ? m_pEventHover->GetControl() : nullptr;
}

CControlUI* CWindowHostUI::GetPressed() const {
    return m_pEventClick != nullptr ? m_pEventClick->GetControl() : nullptr;
}

void CWindowHostUI::SetCapture() {
    ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CWindowHostUI::ReleaseCapture() {
    ::ReleaseCapture();
    m_bMouseCapture = false;
}

void CWindowHostUI::TakeNativeFocus() {
    if (!m_bNoActivate)
        ::SetFocus(m_hWndPaint);
}

void CWindowHostUI::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (m_pRoot == nullptr)
        return;
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWndPaint, HoverTimeMs()};
        ::TrackMouseEvent(&tme);
        m_bMouseTracking = true;
    }
    m_ptLastMousePos = PointFromLParam(lParam);
    IControlNodeUI* pNewHover = OwnNodeAt(m_ptLastMousePos);
    if (!m_bMouseCapture) {
        ChangeHover(pNewHover, wParam, lParam);
        if (!IsLiveHost(this))
            return;
        pNewHover = m_pEventHover;
    }
    IControlNodeUI* pTarget = m_pEventClick != nullptr ? m_pEventClick : pNewHover;
    if (pTarget == nullptr)
        return;
    ControlEvent event;
    FillEvent(event, UIEVENT_MOUSEMOVE, pTarget);
    event.wParam = wParam;
    event.lParam = lParam;
    Deliver(pTarget, event);
}

// Leave goes to the listeners first, then to the old hover; enter to the new
// one. A leave handler may delete controls, so the candidate is looked up again.
void CWindowHostUI::ChangeHover(IControlNodeUI* pNewHover, WPARAM wParam, LPARAM lParam) {
    if (pNewHover != m_pEventHover && m_pEventHover != nullptr) {
        ControlEvent event;
        FillEvent(event, UIEVENT_MOUSELEAVE, m_pEventHover);
        event.wParam = wParam;
        event.lParam = lParam;
        CUIPtrArray listeners(m_aNeedMouseLeaveNeeded);
        for (int i = 0; i < listeners.GetSize(); ++i) {
            auto* pListener = static_cast<IControlNodeUI*>(listeners[i]);
            if (m_aNeedMouseLeaveNeeded.Find(pListener) >= 0 && !Deliver(pListener, event))
                return;
        }
        IControlNodeUI* pOld = m_pEventHover;
        m_pEventHover = nullptr;
        if (pOld != nullptr && !Deliver(pOld, event))
            return;
        HideToolTip();
        pNewHover = OwnNodeAt(m_ptLastMousePos);
    }
    if (pNewHover != m_pEventHover && pNewHover != nullptr) {
        ControlEvent event;
        FillEvent(event, UIEVENT_MOUSEENTER, pNewHover);
        event.wParam = wParam;
        event.lParam = lParam;
        m_pEventHover = pNewHover;
        Deliver(pNewHover, event);
    }
}

void CWindowHostUI::OnButtonDown(WPARAM wParam, LPARAM lParam) {
    TakeNativeFocus();
    if (m_pRoot == nullptr)
        return;
    m_ptLastMousePos = PointFromLParam(lParam);
    IControlNodeUI* pControl = OwnNodeAt(m_ptLastMousePos);
    if (pControl == nullptr)
        return;
    m_pEventClick = pControl;
    pControl->SetFocus();
    if (m_pEventClick != pControl)
        return;  // the focus change destroyed it
    SetCapture();
    ControlEvent event;
    FillEvent(event, UIEVENT_BUTTONDOWN, pControl);
    event.wParam = wParam;
    event.lParam = lParam;
    event.keyState = static_cast<WORD>(wParam);
    Deliver(pControl, event);
}

void CWindowHostUI::OnButtonUp(WPARAM wParam, LPARAM lParam) {
    m_ptLastMousePos = PointFromLParam(lParam);
    // The pressed control may have been destroyed since the press: the
    // capture still goes, or hover would stay frozen until the next click.
    if (m_bMouseCapture)
        ReleaseCapture();
    if (m_pEventClick == nullptr)
        return;
    IControlNodeUI* pClick = m_pEventClick;
    m_pEventClick = nullptr;
    ControlEvent event;
    FillEvent(event, UIEVENT_BUTTONUP, pClick);
    event.wParam = wParam;
    event.lParam = lParam;
    event.keyState = static_cast<WORD>(wParam);
    Deliver(pClick, event);
}

void CWindowHostUI::OnDoubleClick(WPARAM wParam, LPARAM lParam) {
    TakeNativeFocus();
    m_ptLastMousePos = PointFromLParam(lParam);
    IControlNodeUI* pControl = OwnNodeAt(m_ptLastMousePos);
    if (pControl == nullptr)
        return;
    SetCapture();
    m_pEventClick = pControl;
    ControlEvent event;
    FillEvent(event, UIEVENT_DBLCLICK, pControl);
    event.wParam = wParam;
    event.lParam = lParam;
    event.keyState = static_cast<WORD>(wParam);
    Deliver(pControl, event);
}

void CWindowHostUI::OnRightButtonDown(WPARAM wParam, LPARAM lParam) {
    TakeNativeFocus();
    m_ptLastMousePos = PointFromLParam(lParam);
    IControlNodeUI* pControl = OwnNodeAt(m_ptLastMousePos);
    if (pControl == nullptr)
        return;
    m_pEventClick = pControl;
    pControl->SetFocus();
    if (m_pEventClick != pControl)
        return;  // the focus change destroyed it
    ControlEvent event;
    FillEvent(event, UIEVENT_RBUTTONDOWN, pControl);
    event.wParam = wParam;
    event.lParam = lParam;
    event.keyState = static_cast<WORD>(wParam);
    Deliver(pControl, event);
}

void CWindowHostUI::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (m_pRoot == nullptr)
        return;
    POINT pt = PointFromLParam(lParam);
    ::ScreenToClient(m_hWndPaint, &pt);
    m_ptLastMousePos = pt;
    IControlNodeUI* pControl = OwnNodeAt(pt);
    if (pControl == nullptr)
        return;
    ControlEvent event;
    FillEvent(event, UIEVENT_SCROLLWHEEL, pControl);
    event.wParam = static_cast<short>(HIWORD(wParam)) < 0 ? 1 : 0;
    event.lParam = lParam;
    if (!Deliver(pControl, event))
        return;
    // Hover follows the content that scrolled under the pointer.
    ::SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

}  // namespace Orvik
