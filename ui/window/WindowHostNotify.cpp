// Window host: notifications, timers and registrations, forwarded to the notification part.
#include "platform/user.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CWindowHostUI::SendNotify(IControlNodeUI* pSender, const char* pstrType, WPARAM wParam,
                               LPARAM lParam, bool bAsync, bool bEnableRepeat) {
    NotifyRecord msg;
    msg.type = pstrType;
    msg.sender = pSender != nullptr ? pSender->GetControl() : nullptr;
    msg.wParam = wParam;
    msg.lParam = lParam;
    m_notify.Send(msg, pSender, bAsync, bEnableRepeat);
}

void CWindowHostUI::SendNotify(NotifyRecord& msg, bool bAsync, bool bEnableRepeat) {
    m_notify.Send(msg, m_tree.NodeOf(msg.sender), bAsync, bEnableRepeat);
}

void CWindowHostUI::RunDeferredWork() {
    m_bAsyncNotifyPosted = false;
    if (m_notify.RunQueue())
        RunDelayedCleanup();
}

void CWindowHostUI::OnTimerMessage(WPARAM wParam, LPARAM lParam) {
    if (wParam == LAYERED_TIMER_ID) {
        m_paint.OnLayeredTimer();
        return;
    }
    m_notify.OnTimer(LOWORD(wParam), lParam);
}

}  // namespace Orvik
