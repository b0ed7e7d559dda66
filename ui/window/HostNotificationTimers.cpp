// The notification part: control timers on native window timers, with the id sequence they use.
#include "platform/user.h"
#include "ui/window/HostNotification.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

// A killed record keeps its native id for the next SetTimer of the same key.
struct CHostNotification::TimerRecord {
    IControlNodeUI* pSender;
    UINT nLocalID;
    HWND hWnd;
    UINT uWinTimer;
    bool bKilled;
};

namespace {

// Ids stay below 255, so they never meet the layered refresh timer.
constexpr UINT TIMER_ID_MODULO = 255;

}  // namespace

CHostNotification::TimerRecord* CHostNotification::FindTimer(IControlNodeUI* pControl,
                                                             UINT nTimerKey) const {
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->pSender == pControl && pTimer->hWnd == m_host.GetHWND() &&
            pTimer->nLocalID == nTimerKey)
            return pTimer;
    }
    return nullptr;
}

bool CHostNotification::SetTimer(IControlNodeUI* pControl, UINT nTimerKey, UINT uElapse) {
    HWND hWnd = m_host.GetHWND();
    if (pControl == nullptr || hWnd == nullptr)
        return false;
    if (TimerRecord* pTimer = FindTimer(pControl, nTimerKey)) {
        if (!pTimer->bKilled)
            return false;
        if (::SetTimer(pTimer->hWnd, pTimer->uWinTimer, uElapse, nullptr) == 0)
            return false;
        pTimer->bKilled = false;
        return true;
    }
    UINT uId = (m_uTimerID + 1) % TIMER_ID_MODULO;
    m_uTimerID = uId;
    if (::SetTimer(hWnd, uId, uElapse, nullptr) == 0)
        return false;
    m_aTimers.Add(new TimerRecord{pControl, nTimerKey, hWnd, uId, false});
    return true;
}

bool CHostNotification::KillTimer(IControlNodeUI* pControl, UINT nTimerKey) {
    TimerRecord* pTimer = FindTimer(pControl, nTimerKey);
    if (pTimer == nullptr || pTimer->bKilled)
        return false;
    if (::IsWindow(m_host.GetHWND()))
        ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
    pTimer->bKilled = true;
    return true;
}

void CHostNotification::KillTimers(IControlNodeUI* pControl) {
    for (int i = m_aTimers.GetSize() - 1; i >= 0; --i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_host.GetHWND())
            continue;
        if (!pTimer->bKilled && ::IsWindow(pTimer->hWnd))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
        m_aTimers.Remove(i);
    }
}

void CHostNotification::RemoveAllTimers() {
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->hWnd == m_host.GetHWND() && !pTimer->bKilled && ::IsWindow(pTimer->hWnd))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
    }
    m_aTimers.Empty();
}

void CHostNotification::OnTimer(UINT uWinTimer, LPARAM lParam) {
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->hWnd != m_host.GetHWND() || pTimer->uWinTimer != uWinTimer || pTimer->bKilled)
            continue;
        m_host.DeliverTimer(pTimer->pSender, pTimer->nLocalID, lParam);
        return;
    }
}

}  // namespace Orvik
