// The window host's notification part: listeners, message filters, control timers and the queue.
#pragma once

#include "ui/core/UIPtrArray.h"
#include "ui/window/IControlNodeUI.h"
#include "ui/window/MessageFilter.h"
#include "ui/window/NotifyRecord.h"

namespace Orvik {

class CWindowHostUI;

// Every call out to a listener, filter or timer target goes through the
// host's guard, so a handler that destroys the window ends the walk.
class CHostNotification {
public:
    explicit CHostNotification(CWindowHostUI& host) : m_host(host) {}
    ~CHostNotification();
    CHostNotification(const CHostNotification&) = delete;
    CHostNotification& operator=(const CHostNotification&) = delete;

    // --- registrations: null and duplicates refused ---
    bool AddNotifier(INotifyUI* pNotifier);
    bool RemoveNotifier(INotifyUI* pNotifier);
    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    bool AddMessageFilter(IMessageFilterUI* pFilter);
    bool RemoveMessageFilter(IMessageFilterUI* pFilter);
    bool AddTranslateAccelerator(ITranslateAccelerator* pAccel);
    bool RemoveTranslateAccelerator(ITranslateAccelerator* pAccel);

    // The first message filter that sets handled decides the result.
    bool RunMessageFilters(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    // True when a pre-message filter consumed the message or closed the window.
    bool RunPreMessageFilters(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // True when an accelerator translated the message.
    bool TranslateAccel(LPMSG pMsg);

    // --- control timers on the host's window ---
    bool SetTimer(IControlNodeUI* pControl, UINT nTimerKey, UINT uElapse);
    bool KillTimer(IControlNodeUI* pControl, UINT nTimerKey);
    void KillTimers(IControlNodeUI* pControl);
    void RemoveAllTimers();
    // Hands a native timer tick to the control whose timer it is.
    void OnTimer(UINT uWinTimer, LPARAM lParam);

    // --- notifications ---
    void SetUseVirtualWindow(bool bUse) { m_bUsedVirtualWnd = bUse; }
    bool IsUsingVirtualWindow() const { return m_bUsedVirtualWnd; }
    // Stamps the record; delivers it now, or queues it (merging a pending
    // one of the same sender and type unless repeats are allowed).
    void Send(NotifyRecord& msg, IControlNodeUI* pSender, bool bAsync, bool bEnableRepeat);
    // Listeners of the sender first, then every notifier in registration order.
    void Deliver(NotifyRecord& msg, IControlNodeUI* pSender);
    // Delivers the queue in order; false when a listener destroyed the host.
    bool RunQueue();
    // Queued records of the control keep going, without a sender; its timers go.
    void ForgetSender(IControlNodeUI* pControl);
    void ClearQueue();
    int PendingCount() const { return m_aAsyncNotify.GetSize(); }

private:
    struct TimerRecord;
    struct AsyncNotify;
    void Stamp(NotifyRecord& msg, IControlNodeUI* pSender) const;
    bool MergeQueued(const NotifyRecord& msg, IControlNodeUI* pSender);
    TimerRecord* FindTimer(IControlNodeUI* pControl, UINT nTimerKey) const;

    CWindowHostUI& m_host;
    UINT m_uTimerID = 0x1000;
    bool m_bUsedVirtualWnd = false;
    CUIPtrArray m_aTimers;
    CUIPtrArray m_aAsyncNotify;
    CUIPtrArray m_aNotifiers;
    CUIPtrArray m_aPreMessageFilters;
    CUIPtrArray m_aMessageFilters;
    CUIPtrArray m_aTranslateAccelerators;
};

}  // namespace Orvik
