// The notification part: sending at once or through the queue, filters and registrations.
#include "ui/window/HostNotification.h"

#include "platform/kernel.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

// A queued notification and the node that sent it (null once destroyed).
struct CHostNotification::AsyncNotify {
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

CHostNotification::~CHostNotification() {
    ClearQueue();
    RemoveAllTimers();
}

void CHostNotification::Stamp(NotifyRecord& msg, IControlNodeUI* pSender) const {
    msg.mousePoint = m_host.GetMousePos();
    msg.timestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && pSender != nullptr)
        msg.virtualWindow += pSender->GetVirtualWindow();
}

void CHostNotification::Send(NotifyRecord& msg, IControlNodeUI* pSender, bool bAsync,
                             bool bEnableRepeat) {
    Stamp(msg, pSender);
    if (!bAsync) {
        Deliver(msg, pSender);
        return;
    }
    if (!bEnableRepeat && MergeQueued(msg, pSender))
        return;
    m_aAsyncNotify.Add(new AsyncNotify{msg, pSender});
    m_host.PostDeferredWork();
}

// A pending record of the same sender and type takes the new values.
bool CHostNotification::MergeQueued(const NotifyRecord& msg, IControlNodeUI* pSender) {
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
        return true;
    }
    return false;
}

void CHostNotification::Deliver(NotifyRecord& msg, IControlNodeUI* pSender) {
    if (pSender != nullptr && !m_host.Guarded([&] { pSender->NotifyListeners(msg); }))
        return;
    CUIPtrArray notifiers(m_aNotifiers);
    for (int i = 0; i < notifiers.GetSize(); ++i) {
        if (m_aNotifiers.Find(notifiers[i]) < 0)
            continue;  // removed by an earlier notifier
        auto* pNotifier = static_cast<INotifyUI*>(notifiers[i]);
        if (!m_host.Guarded([&] { pNotifier->HandleNotify(msg); }))
            return;
    }
}

bool CHostNotification::RunQueue() {
    while (!m_aAsyncNotify.IsEmpty()) {
        auto* pPending = static_cast<AsyncNotify*>(m_aAsyncNotify[0]);
        m_aAsyncNotify.Remove(0);
        bool bLive = m_host.Guarded([&] { Deliver(pPending->msg, pPending->pSender); });
        delete pPending;
        if (!bLive)
            return false;
    }
    return true;
}

void CHostNotification::ForgetSender(IControlNodeUI* pControl) {
    for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i) {
        auto* pPending = static_cast<AsyncNotify*>(m_aAsyncNotify[i]);
        if (pPending->pSender == pControl) {
            pPending->pSender = nullptr;
            pPending->msg.sender = nullptr;
        }
    }
    KillTimers(pControl);
}

void CHostNotification::ClearQueue() {
    for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i)
        delete static_cast<AsyncNotify*>(m_aAsyncNotify[i]);
    m_aAsyncNotify.Empty();
}

bool CHostNotification::RunMessageFilters(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    CUIPtrArray filters(m_aMessageFilters);
    for (int i = 0; i < filters.GetSize(); ++i) {
        bool bHandled = false;
        LRESULT lResult = static_cast<IMessageFilterUI*>(filters[i])
                              ->FilterMessage(uMsg, wParam, lParam, bHandled);
        if (bHandled) {
            lRes = lResult;
            return true;
        }
    }
    return false;
}

bool CHostNotification::RunPreMessageFilters(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CUIPtrArray filters(m_aPreMessageFilters);
    for (int i = 0; i < filters.GetSize(); ++i) {
        bool bHandled = false;
        auto* pFilter = static_cast<IMessageFilterUI*>(filters[i]);
        if (!m_host.Guarded([&] { pFilter->FilterMessage(uMsg, wParam, lParam, bHandled); }))
            return true;  // a filter closed the window
        if (bHandled)
            return true;
    }
    return false;
}

bool CHostNotification::TranslateAccel(LPMSG pMsg) {
    CUIPtrArray accels(m_aTranslateAccelerators);
    for (int i = 0; i < accels.GetSize(); ++i) {
        if (static_cast<ITranslateAccelerator*>(accels[i])->TranslateAccel(pMsg) == 0)
            return true;
    }
    return false;
}

bool CHostNotification::AddNotifier(INotifyUI* pNotifier) {
    return AddUnique(m_aNotifiers, pNotifier);
}

bool CHostNotification::RemoveNotifier(INotifyUI* pNotifier) {
    return RemoveFound(m_aNotifiers, pNotifier);
}

bool CHostNotification::AddPreMessageFilter(IMessageFilterUI* pFilter) {
    return AddUnique(m_aPreMessageFilters, pFilter);
}

bool CHostNotification::RemovePreMessageFilter(IMessageFilterUI* pFilter) {
    return RemoveFound(m_aPreMessageFilters, pFilter);
}

bool CHostNotification::AddMessageFilter(IMessageFilterUI* pFilter) {
    return AddUnique(m_aMessageFilters, pFilter);
}

bool CHostNotification::RemoveMessageFilter(IMessageFilterUI* pFilter) {
    return RemoveFound(m_aMessageFilters, pFilter);
}

bool CHostNotification::AddTranslateAccelerator(ITranslateAccelerator* pAccel) {
    return AddUnique(m_aTranslateAccelerators, pAccel);
}

bool CHostNotification::RemoveTranslateAccelerator(ITranslateAccelerator* pAccel) {
    return RemoveFound(m_aTranslateAccelerators, pAccel);
}

}  // namespace Orvik
