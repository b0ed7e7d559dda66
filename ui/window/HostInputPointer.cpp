// The input part: pointer input, hover and leave tracking, pressed control and capture.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/HostInput.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

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

// A press, release or double click carries its buttons in wParam; the other
// pointer events keep the keyboard's state the host fills in.
bool CHostInput::DeliverPointerEvent(IControlNodeUI* pTarget, int kind, WPARAM wParam,
                                     LPARAM lParam) {
    ControlEvent event;
    m_host.FillEvent(event, kind, pTarget);
    event.wParam = wParam;
    event.lParam = lParam;
    if (kind >= UIEVENT_BUTTONDOWN && kind <= UIEVENT_DBLCLICK)
        event.keyState = static_cast<WORD>(wParam);
    return m_host.Deliver(pTarget, event);
}

// The control under the point when it belongs to this host.
IControlNodeUI* CHostInput::OwnNodeAt(POINT pt) const {
    if (m_host.Root() == nullptr)
        return nullptr;
    HitProbe probe = {pt, nullptr};
    static_assert(offsetof(HitProbe, pt) == 0, "the hit test reads the point first");
    m_host.Root()->FindControl(StoreNodeAt, &probe,
                               UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
    if (probe.pFound == nullptr || probe.pFound->GetHost() != &m_host)
        return nullptr;
    return probe.pFound;
}

CControlUI* CHostInput::GetHover() const {
    return m_pEventHover != nullptr ? m_pEventHover->GetControl() : nullptr;
}

CControlUI* CHostInput::GetPressed() const {
    return m_pEventClick != nullptr ? m_pEventClick->GetControl() : nullptr;
}

void CHostInput::SetCapture() {
    ::SetCapture(m_host.GetHWND());
    m_bMouseCapture = true;
}

void CHostInput::ReleaseCapture() {
    ::ReleaseCapture();
    m_bMouseCapture = false;
}

void CHostInput::TakeNativeFocus() {
    if (!m_host.IsNoActivate())
        ::SetFocus(m_host.GetHWND());
}

void CHostInput::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (m_host.Root() == nullptr)
        return;
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_host.GetHWND(), HoverTimeMs()};
        ::TrackMouseEvent(&tme);
        m_bMouseTracking = true;
    }
    m_ptLastMousePos = PointFromLParam(lParam);
    IControlNodeUI* pNewHover = OwnNodeAt(m_ptLastMousePos);
    if (!m_bMouseCapture) {
        if (!m_host.Guarded([&] { ChangeHover(pNewHover, wParam, lParam); }))
            return;
        pNewHover = m_pEventHover;
    }
    IControlNodeUI* pTarget = m_pEventClick != nullptr ? m_pEventClick : pNewHover;
    if (pTarget == nullptr)
        return;
    DeliverPointerEvent(pTarget, UIEVENT_MOUSEMOVE, wParam, lParam);
}

// Leave goes to the listeners first, then to the old hover; enter to the new
// one. A leave handler may delete controls, so the candidate is looked up again.
void CHostInput::ChangeHover(IControlNodeUI* pNewHover, WPARAM wParam, LPARAM lParam) {
    if (pNewHover != m_pEventHover && m_pEventHover != nullptr) {
        CUIPtrArray listeners(m_aNeedMouseLeaveNeeded);
        for (int i = 0; i < listeners.GetSize(); ++i) {
            auto* pListener = static_cast<IControlNodeUI*>(listeners[i]);
            if (m_aNeedMouseLeaveNeeded.Find(pListener) >= 0 &&
                !DeliverPointerEvent(pListener, UIEVENT_MOUSELEAVE, wParam, lParam))
                return;
        }
        IControlNodeUI* pOld = m_pEventHover;
        m_pEventHover = nullptr;
        if (pOld != nullptr && !DeliverPointerEvent(pOld, UIEVENT_MOUSELEAVE, wParam, lParam))
            return;
        HideToolTip();
        pNewHover = OwnNodeAt(m_ptLastMousePos);
    }
    if (pNewHover != m_pEventHover && pNewHover != nullptr) {
        m_pEventHover = pNewHover;
        DeliverPointerEvent(pNewHover, UIEVENT_MOUSEENTER, wParam, lParam);
    }
}

// A press takes the native focus first, whatever it lands on.
IControlNodeUI* CHostInput::PressTarget(LPARAM lParam) {
    TakeNativeFocus();
    m_ptLastMousePos = PointFromLParam(lParam);
    return OwnNodeAt(m_ptLastMousePos);
}

// False when the focus change destroyed the control (it forgets the press).
bool CHostInput::PressAndFocus(IControlNodeUI* pControl) {
    m_pEventClick = pControl;
    pControl->SetFocus();
    return m_pEventClick == pControl;
}

void CHostInput::OnButtonDown(WPARAM wParam, LPARAM lParam) {
    IControlNodeUI* pControl = PressTarget(lParam);
    if (pControl == nullptr || !PressAndFocus(pControl))
        return;
    SetCapture();
    DeliverPointerEvent(pControl, UIEVENT_BUTTONDOWN, wParam, lParam);
}

void CHostInput::OnButtonUp(WPARAM wParam, LPARAM lParam) {
    m_ptLastMousePos = PointFromLParam(lParam);
    // The pressed control may have been destroyed since the press: the
    // capture still goes, or hover would stay frozen until the next click.
    if (m_bMouseCapture)
        ReleaseCapture();
    if (m_pEventClick == nullptr)
        return;
    IControlNodeUI* pClick = m_pEventClick;
    m_pEventClick = nullptr;
    DeliverPointerEvent(pClick, UIEVENT_BUTTONUP, wParam, lParam);
}

void CHostInput::OnDoubleClick(WPARAM wParam, LPARAM lParam) {
    IControlNodeUI* pControl = PressTarget(lParam);
    if (pControl == nullptr)
        return;
    SetCapture();
    m_pEventClick = pControl;
    DeliverPointerEvent(pControl, UIEVENT_DBLCLICK, wParam, lParam);
}

void CHostInput::OnRightButtonDown(WPARAM wParam, LPARAM lParam) {
    IControlNodeUI* pControl = PressTarget(lParam);
    if (pControl == nullptr || !PressAndFocus(pControl))
        return;
    DeliverPointerEvent(pControl, UIEVENT_RBUTTONDOWN, wParam, lParam);
}

void CHostInput::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (m_host.Root() == nullptr)
        return;
    POINT pt = PointFromLParam(lParam);
    ::ScreenToClient(m_host.GetHWND(), &pt);
    m_ptLastMousePos = pt;
    IControlNodeUI* pControl = OwnNodeAt(pt);
    if (pControl == nullptr)
        return;
    // The control sees the direction only: 1 scrolls down, 0 up.
    WPARAM down = static_cast<short>(HIWORD(wParam)) < 0 ? 1 : 0;
    if (!DeliverPointerEvent(pControl, UIEVENT_SCROLLWHEEL, down, lParam))
        return;
    // Hover follows the content that scrolled under the pointer.
    ::SendMessageA(m_host.GetHWND(), WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

}  // namespace Orvik
