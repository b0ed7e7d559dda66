// Window host: notifications at once or through the queue, and the listener registrations.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

// A queued notification and the node that sent it (null once destroyed).
struct CWindowHostUI::AsyncNotify {
    NotifyRecord msg;
    IControlNodeUI* pSender;
};

namespace {

bool AddUnique(CUIPtrArray& array, void* p) {
    if (p == nullptr || array.Find(p) >= 0)
        return false;
    return array.Add(p);
}

bool RemoveFound(CUIPtrArray& array, void* p) {
    int i = array.Find(p);
    return i >= 0 && array.Remove(i);
}

}  // namespace

void CWindowHostUI::SendNotify(IControlNodeUI* pSender, const char* pstrType, WPARAM wParam,
                               LPARAM lParam, bool bAsync, bool bEnableRepeat) {
    NotifyRecord msg;
    msg.type = pstrType;
    msg.sender = pSender != nullptr ? pSender->GetControl() : nullptr;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotifyFrom(msg, pSender, bAsync, bEnableRepeat);
}

namespace {

struct NodeMatch {
    CControlUI* pWanted;
    IControlNodeUI* pFound;
};

CControlUI* MatchNode(IControlNodeUI* pNode, LPVOID pData) {
    auto* pMatch = static_cast<NodeMatch*>(pData);
    if (pNode->GetControl() != pMatch->pWanted)
        return nullptr;
    pMatch->pFound = pNode;
    return pNode->GetControl();
}

}  // namespace

// The tree node of a record's sender, for its listeners and virtual window.
IControlNodeUI* CWindowHostUI::NodeOf(CControlUI* pControl) const {
    if (pControl == nullptr || m_pRoot == nullptr)
        return nullptr;
    NodeMatch match = {pControl, nullptr};
    m_pRoot->FindControl(MatchNode, &match, UIFIND_ALL);
    return match.pFound;
}

void CWindowHostUI::StampNotify(NotifyRecord& msg, IControlNodeUI* pSender) {
    msg.mousePoint = m_ptLastMousePos;
    msg.timestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && pSender != nullptr)
        msg.virtualWindow += pSender->GetVirtualWindow();
}

void CWindowHostUI::SendNotify(NotifyRecord& msg, bool bAsync, bool bEnableRepeat) {
    SendNotifyFrom(msg, NodeOf(msg.sender), bAsync, bEnableRepeat);
}

void CWindowHostUI::SendNotifyFrom(NotifyRecord& msg, IControlNodeUI* pSender, bool bAsync,
                                   bool bEnableRepeat) {
    StampNotify(msg, pSender);
    if (!bAsync) {
        DeliverNotify(msg, pSender);
        return;
    }
    if (!bEnableRepeat) {
        for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i) {
            auto* pPending = static_cast<AsyncNotify*>(m_aAsyncNotify[i]);
            if (pPending->pSender != pSender || pPending->msg.sender != msg.sender ||
                pPending->msg.type != msg.type)
                continue;
            if (m_bUsedVirtualWnd)
                pPending->msg.virtualWindow += msg.virtualWindow;
            pPending->msg.wParam = msg.wParam;
            pPending->msg.lParam = msg.lParam;
            pPending->msg.mousePoint = msg.mousePoint;
            pPending->msg.timestamp = msg.timestamp;
            return;
        }
    }
    m_aAsyncNotify.Add(new AsyncNotify{msg, pSender});
    PostDeferredWork();
}

// Listeners of the sender first, then every notifier in registration order.
void CWindowHostUI::DeliverNotify(NotifyRecord& msg, IControlNodeUI* pSender) {
    bool bBound = m_hWndPaint != nullptr;
    if (pSender != nullptr) {
        pSender->NotifyListeners(msg);
        if (bBound && !IsLiveHost(this))
            return;
    }
    CUIPtrArray notifiers(m_aNotifiers);
    for (int i = 0; i < notifiers.GetSize(); ++i) {
        if (m_aNotifiers.Find(notifiers[i]) < 0)
            continue;  // removed by an earlier notifier
        static_cast<INotifyUI*>(notifiers[i])->HandleNotify(msg);
        if (bBound && !IsLiveHost(this))
            return;
    }
}

void CWindowHostUI::RunDeferredWork() {
    m_bAsyncNotifyPosted = false;
    while (!m_aAsyncNotify.IsEmpty()) {
        auto* pPending = static_cast<AsyncNotify*>(m_aAsyncNotify[0]);
        m_aAsyncNotify.Remove(0);
        DeliverNotify(pPending->msg, pPending->pSender);
        delete pPending;
        if (!IsLiveHost(this))
            return;
    }
    RunDelayedCleanup();
}

void CWindowHostUI::ForgetEventReferences(IControlNodeUI* pControl) {
    for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i) {
        auto* pPending = static_cast<AsyncNotify*>(m_aAsyncNotify[i]);
        if (pPending->pSender == pControl) {
            pPending->pSender = nullptr;
            pPending->msg.sender = nullptr;
        }
    }
    KillTimers(pControl);
    int iNative = m_aNativeWindowControl.Find(pControl);
    if (iNative >= 0) {
        m_aNativeWindowControl.Remove(iNative);
        m_aNativeWindow.Remove(iNative);
    }
}

void CWindowHostUI::ClearPendingNotifications() {
    for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i)
        delete static_cast<AsyncNotify*>(m_aAsyncNotify[i]);
    m_aAsyncNotify.Empty();
}

bool CWindowHostUI::AddNotifier(INotifyUI* pNotifier) {
    return AddUnique(m_aNotifiers, pNotifier);
}

bool CWindowHostUI::RemoveNotifier(INotifyUI* pNotifier) {
    return RemoveFound(m_aNotifiers, pNotifier);
}

bool CWindowHostUI::AddPreMessageFilter(IMessageFilterUI* pFilter) {
    return AddUnique(m_aPreMessageFilters, pFilter);
}

bool CWindowHostUI::RemovePreMessageFilter(IMessageFilterUI* pFilter) {
    return RemoveFound(m_aPreMessageFilters, pFilter);
}

bool CWindowHostUI::AddMessageFilter(IMessageFilterUI* pFilter) {
    return AddUnique(m_aMessageFilters, pFilter);
}

bool CWindowHostUI::RemoveMessageFilter(IMessageFilterUI* pFilter) {
    return RemoveFound(m_aMessageFilters, pFilter);
}

bool CWindowHostUI::AddTranslateAccelerator(ITranslateAccelerator* pAccel) {
    return AddUnique(m_aTranslateAccelerators, pAccel);
}

bool CWindowHostUI::RemoveTranslateAccelerator(ITranslateAccelerator* pAccel) {
    return RemoveFound(m_aTranslateAccelerators, pAccel);
}

void CWindowHostUI::AddMouseLeaveListener(IControlNodeUI* pControl) {
    AddUnique(m_aNeedMouseLeaveNeeded, pControl);
}

void CWindowHostUI::RemoveMouseLeaveListener(IControlNodeUI* pControl) {
    RemoveFound(m_aNeedMouseLeaveNeeded, pControl);
}

bool CWindowHostUI::AddNativeWindow(IControlNodeUI* pControl, HWND hChildWnd) {
    if (pControl == nullptr || hChildWnd == nullptr || m_aNativeWindow.Find(hChildWnd) >= 0)
        return false;
    RECT rc = {0, 0, 0, 0};
    ::GetClientRect(hChildWnd, &rc);
    ::InvalidateRect(hChildWnd, &rc, FALSE);
    m_aNativeWindow.Add(hChildWnd);
    m_aNativeWindowControl.Add(pControl);
    return true;
}

bool CWindowHostUI::RemoveNativeWindow(HWND hChildWnd) {
    int i = m_aNativeWindow.Find(hChildWnd);
    if (i < 0)
        return false;
    m_aNativeWindow.Remove(i);
    m_aNativeWindowControl.Remove(i);
    return true;
}

}  // namespace Orvik
