// The input part: the pointer resting over a control and leaving the window.
#include "platform/user.h"
#include "ui/window/HostInput.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

bool CHostInput::OnMouseHover(LPARAM lParam) {
    m_bMouseTracking = false;
    POINT pt = PointFromLParam(lParam);
    IControlNodeUI* pControl = OwnNodeAt(pt);
    if (pControl == nullptr)
        return false;
    if (m_pEventHover != nullptr) {
        if (!DeliverPointerEvent(m_pEventHover, UIEVENT_MOUSEHOVER, 0, lParam))
            return true;
        // The hover handler may have removed the control under the pointer.
        pControl = OwnNodeAt(pt);
        if (pControl == nullptr)
            return true;
    }
    CUIString sTip = pControl->GetToolTip();
    if (sTip.IsEmpty())
        return true;
    CWindowHostUI::ExpandLanguageTokens(sTip);
    m_sToolTipText = sTip;
    ShowToolTipFor(pControl);
    return true;
}

// Leaving the window ends the hover unless the pointer is really still over
// the client area (a capture or a child window can report a leave).
void CHostInput::OnMouseLeaveMessage() {
    if (m_host.Root() == nullptr)
        return;
    m_sToolTipText.Empty();
    HideToolTip();
    if (m_bMouseTracking) {
        POINT pt = {0, 0};
        ::GetCursorPos(&pt);
        RECT rcWindow = {0, 0, 0, 0};
        ::GetWindowRect(m_host.GetHWND(), &rcWindow);
        bool bInside =
            !::IsIconic(m_host.GetHWND()) && ::GetActiveWindow() == m_host.GetHWND() &&
            pt.x >= rcWindow.left && pt.x < rcWindow.right && pt.y >= rcWindow.top &&
            pt.y < rcWindow.bottom &&
            ::SendMessageA(m_host.GetHWND(), WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT;
        m_bMouseTracking = false;
        if (bInside)
            ::ScreenToClient(m_host.GetHWND(), &pt);
        else
            pt = POINT{-1, -1};
        ::SendMessageA(m_host.GetHWND(), WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    m_bMouseTracking = false;
}

}  // namespace Orvik
