// The input part: the focus control and moving it along the tab stops.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/HostInput.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

constexpr UINT INPUT_TABSTOP = 1;

// One walk over the tree in tab order, visible and enabled controls only.
struct TabWalk {
    IControlNodeUI* pFocus = nullptr;
    bool bForward = true;
    bool bMetFocus = false;
    IControlNodeUI* pFirst = nullptr;
    IControlNodeUI* pLast = nullptr;
    IControlNodeUI* pAnswer = nullptr;
};

CControlUI* VisitTabStop(IControlNodeUI* pNode, LPVOID pData) {
    auto* pWalk = static_cast<TabWalk*>(pData);
    if (pNode == pWalk->pFocus) {
        pWalk->bMetFocus = true;
        if (!pWalk->bForward && pWalk->pLast != nullptr) {
            pWalk->pAnswer = pWalk->pLast;
            return pNode->GetControl();
        }
        return nullptr;
    }
    if ((pNode->GetInputFlags() & INPUT_TABSTOP) == 0)
        return nullptr;
    if (pWalk->pFirst == nullptr)
        pWalk->pFirst = pNode;
    if (pWalk->bForward && (pWalk->bMetFocus || pWalk->pFocus == nullptr)) {
        pWalk->pAnswer = pNode;
        return pNode->GetControl();
    }
    pWalk->pLast = pNode;
    return nullptr;
}

}  // namespace

CControlUI* CHostInput::GetFocus() const {
    return m_pFocus != nullptr ? m_pFocus->GetControl() : nullptr;
}

void CHostInput::SetFocus(IControlNodeUI* pControl, bool bFocusWnd) {
    if (bFocusWnd && m_host.GetHWND() != nullptr && ::GetFocus() != m_host.GetHWND() &&
        pControl != m_pFocus && !m_host.IsNoActivate())
        ::SetFocus(m_host.GetHWND());
    if (pControl == m_pFocus)
        return;
    if (!DropFocus(pControl))
        return;
    if (pControl == nullptr || pControl->GetHost() != &m_host || !pControl->IsVisible() ||
        !pControl->IsEnabled())
        return;
    m_pFocus = pControl;
    ControlEvent event;
    event.kind = UIEVENT_SETFOCUS;
    event.sender = pControl->GetControl();
    event.timestamp = ::GetTickCount();
    if (!m_host.Guarded([&] { pControl->HandleEvent(event); }))
        return;
    if (m_pFocus == pControl)
        m_host.SendNotify(pControl, "setfocus");
}

// The focus control gets KillFocus naming its successor, then "killfocus".
bool CHostInput::DropFocus(IControlNodeUI* pNewFocus) {
    if (m_pFocus == nullptr)
        return true;
    IControlNodeUI* pOld = m_pFocus;
    ControlEvent event;
    event.kind = UIEVENT_KILLFOCUS;
    event.sender = pNewFocus != nullptr ? pNewFocus->GetControl() : nullptr;
    event.timestamp = ::GetTickCount();
    if (!m_host.Guarded([&] { pOld->HandleEvent(event); }))
        return false;
    if (m_pFocus == pOld && !m_host.Guarded([&] { m_host.SendNotify(pOld, "killfocus"); }))
        return false;
    m_pFocus = nullptr;
    return true;
}

IControlNodeUI* CHostInput::FindTabStop(bool bForward, bool& bWrapped) {
    TabWalk walk;
    walk.pFocus = m_pFocus;
    walk.bForward = bForward;
    m_host.Root()->FindControl(VisitTabStop, &walk,
                               UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_ME_FIRST);
    bWrapped = walk.pAnswer == nullptr;
    if (!bWrapped)
        return walk.pAnswer;
    return bForward ? walk.pFirst : walk.pLast;
}

bool CHostInput::SetNextTabControl(bool bForward) {
    if (m_host.IsLayoutPassNeeded() && bForward) {
        m_bFocusNeeded = true;
        m_host.Invalidate();
        return true;
    }
    if (m_host.Root() == nullptr)
        return true;
    bool bWrapped = false;
    IControlNodeUI* pNext = FindTabStop(bForward, bWrapped);
    m_bFocusNeeded = false;
    if (pNext != nullptr)
        SetFocus(pNext, true);
    return true;
}

void CHostInput::SetFocusNeeded(IControlNodeUI* pControl) {
    TakeNativeFocus();
    if (m_host.Root() == nullptr)
        return;
    if (!DropFocus(pControl))
        return;
    // The tab stop before the control, so the next forward step lands on it.
    TabWalk walk;
    walk.pFocus = pControl;
    walk.bForward = false;
    m_host.Root()->FindControl(VisitTabStop, &walk,
                               UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_ME_FIRST);
    m_pFocus = walk.pAnswer;
    m_bFocusNeeded = true;
    m_host.Root()->RequestLayout();
}

}  // namespace Orvik
