// Window host: the focus control and moving it along the tab stops.
#include "platform/kernel.h"
#include "platform/user.h"
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

CControlUI* CWindowHostUI::GetFocus() const {
    return m_pFocus != nullptr ? m_pFocus->GetControl() : nullptr;
}

void CWindowHostUI::SetFocus(IControlNodeUI* pControl, bool bFocusWnd) {
    if (bFocusWnd && m_hWndPaint != nullptr && ::GetFocus() != m_hWndPaint &&
        pControl != m_pFocus && !m_bNoActivate)
        ::SetFocus(m_hWndPaint);
    if (pControl == m_pFocus)
        return;
    bool bBound = m_hWndPaint != nullptr;
    DropFocus(pControl);
    if (bBound && !IsLiveHost(this))
        return;
    if (pControl == nullptr || pControl->GetHost() != this || !pControl->IsVisible() ||
        !pControl->IsEnabled())
        return;
    m_pFocus = pControl;
    ControlEvent event;
    event.kind = UIEVENT_SETFOCUS;
    event.sender = pControl->GetControl();
    event.timestamp = ::GetTickCount();
    pControl->HandleEvent(event);
    if (bBound && !IsLiveHost(this))
        return;
    if (m_pFocus == pControl)
        SendNotify(pControl, "setfocus");
}

// The focus control gets KillFocus naming its successor, then "killfocus".
void CWindowHostUI::DropFocus(IControlNodeUI* pNewFocus) {
    if (m_pFocus == nullptr)
        return;
    IControlNodeUI* pOld = m_pFocus;
    ControlEvent event;
    event.kind = UIEVENT_KILLFOCUS;
    event.sender = pNewFocus != nullptr ? pNewFocus->GetControl() : nullptr;
    event.timestamp = ::GetTickCount();
    bool bBound = m_hWndPaint != nullptr;
    pOld->HandleEvent(event);
    if (bBound && !IsLiveHost(this))
        return;
    if (m_pFocus == pOld)
        SendNotify(pOld, "killfocus");
    if (bBound && !IsLiveHost(this))
        return;
    m_pFocus = nullptr;
}

IControlNodeUI* CWindowHostUI::FindTabStop(bool bForward, bool& bWrapped) {
    TabWalk walk;
    walk.pFocus = m_pFocus;
    walk.bForward = bForward;
    m_pRoot->FindControl(VisitTabStop, &walk, UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_ME_FIRST);
    bWrapped = walk.pAnswer == nullptr;
    if (!bWrapped)
        return walk.pAnswer;
    return bForward ? walk.pFirst : walk.pLast;
}

bool CWindowHostUI::SetNextTabControl(bool bForward) {
    if (m_bUpdateNeeded && bForward) {
        m_bFocusNeeded = true;
        Invalidate();
        return true;
    }
    if (m_pRoot == nullptr)
        return true;
    bool bWrapped = false;
    IControlNodeUI* pNext = FindTabStop(bForward, bWrapped);
    m_bFocusNeeded = false;
    if (pNext != nullptr)
        SetFocus(pNext, true);
    return true;
}

void CWindowHostUI::SetFocusNeeded(IControlNodeUI* pControl) {
    TakeNativeFocus();
    if (m_pRoot == nullptr)
        return;
    bool bBound = m_hWndPaint != nullptr;
    DropFocus(pControl);
    if (bBound && !IsLiveHost(this))
        return;
    // The tab stop before the control, so the next forward step lands on it.
    TabWalk walk;
    walk.pFocus = pControl;
    walk.bForward = false;
    m_pRoot->FindControl(VisitTabStop, &walk, UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_ME_FIRST);
    m_pFocus = walk.pAnswer;
    m_bFocusNeeded = true;
    m_pRoot->RequestLayout();
}

}  // namespace Orvik
