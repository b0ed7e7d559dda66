// Window host: control timers on native window timers, with the id sequence they use.
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

// A killed record keeps its native id for the next SetTimer of the same key.
struct CWindowHostUI::TimerRecord {
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

bool CWindowHostUI::SetTimer(IControlNodeUI* pControl, UINT nTimerKey, UINT uElapse) {
    if (pControl == nullptr || m_hWndPaint == nullptr)
        return false;
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint ||
            pTimer->nLocalID != nTimerKey)
            continue;
        if (!pTimer->bKilled)
            return false;
        if (::SetTimer(pTimer->hWnd, pTimer->uWinTimer, uElapse, nullptr) == 0)
            return false;
        pTimer->bKilled = false;
        return true;
    }
    UINT uId = (m_uTimerID + 1) % TIMER_ID_MODULO;
    m_uTimerID = uId;
    if (::SetTimer(m_hWndPaint, uId, uElapse, nullptr) == 0)
        return false;
    m_aTimers.Add(new TimerRecord{pControl, nTimerKey, m_hWndPaint, uId, false});
    return true;
}

bool CWindowHostUI::KillTimer(IControlNodeUI* pControl, UINT nTimerKey) {
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->pSender == pControl && pTimer->hWnd == m_hWndPaint &&
            pTimer->nLocalID == nTimerKey && !pTimer->bKilled) {
            if (::IsWindow(m_hWndPaint))
                ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
            pTimer->bKilled = true;
            return true;
        }
    }
    return false;
}

void CWindowHostUI::KillTimers(IControlNodeUI* pControl) {
    for (int i = m_aTimers.GetSize() - 1; i >= 0; --i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint)
            continue;
        if (!pTimer->bKilled && ::IsWindow(pTimer->hWnd))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
        m_aTimers.Remove(i);
    }
}

void CWindowHostUI::RemoveAllTimers() {
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->hWnd == m_hWndPaint && !pTimer->bKilled && ::IsWindow(pTimer->hWnd))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
    }
    m_aTimers.Empty();
}

void CWindowHostUI::OnTimerMessage(WPARAM wParam, LPARAM lParam) {
    if (wParam == LAYERED_TIMER_ID) {
        RECT& rc = m_rcLayeredUpdate;
        if (m_bLayered && rc.right > rc.left && rc.bottom > rc.top && !::IsIconic(m_hWndPaint))
            PaintWindow();
        return;
    }
    UINT uId = LOWORD(wParam);
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        auto* pTimer = static_cast<TimerRecord*>(m_aTimers[i]);
        if (pTimer->hWnd != m_hWndPaint || pTimer->uWinTimer != uId || pTimer->bKilled)
            continue;
        ControlEvent event;
        FillEvent(event, UIEVENT_TIMER, pTimer->pSender);
        event.wParam = pTimer->nLocalID;
        event.lParam = lParam;
        Deliver(pTimer->pSender, event);
        return;
    }
}

}  // namespace Orvik
