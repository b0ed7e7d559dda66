// The step runner behind the message box tests.
#include "app/msgbox/ModalScript.h"

#include <chrono>

namespace msgboxtest {

namespace {

const char HELPER_CLASS[] = "MsgBoxTestScript";
const UINT_PTR TICK_TIMER = 1;
const UINT TICK_MS = 10;
// A box still open this many idle ticks after the last step was left open.
const int IDLE_TICKS_BEFORE_GUARD = 5;
const UINT WM_WATCHDOG = WM_USER + 1;
const auto WATCHDOG_TIME = std::chrono::seconds(30);

}  // namespace

CModalScript::CModalScript() {
    static bool s_registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = HELPER_CLASS;
        return RegisterClassExA(&wc) != 0;
    }();
    EXPECT_TRUE(s_registered);
    m_hWnd = CreateWindowExA(0, HELPER_CLASS, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr);
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CModalScript::~CModalScript() {
    StopWatchdog();
    // A late watchdog message must not reach a script that is gone.
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    KillTimer(m_hWnd, TICK_TIMER);
    DestroyWindow(m_hWnd);
}

void CModalScript::Start() {
    SetTimer(m_hWnd, TICK_TIMER, TICK_MS, nullptr);
    platform::headless::AdvanceClock(TICK_MS);
    HWND hWnd = m_hWnd;
    m_watchdog = std::thread([this, hWnd] {
        std::unique_lock<std::mutex> lock(m_csStop);
        if (!m_cvStop.wait_for(lock, WATCHDOG_TIME, [this] { return m_bStop; }))
            PostMessageA(hWnd, WM_WATCHDOG, 0, 0);
    });
}

void CModalScript::StopWatchdog() {
    {
        std::lock_guard<std::mutex> guard(m_csStop);
        m_bStop = true;
    }
    m_cvStop.notify_all();
    if (m_watchdog.joinable())
        m_watchdog.join();
}

LRESULT CALLBACK CModalScript::Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pThis = reinterpret_cast<CModalScript*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (pThis != nullptr && uMsg == WM_TIMER && wParam == TICK_TIMER) {
        pThis->RunNext();
        platform::headless::AdvanceClock(TICK_MS);  // the next tick is due when idle again
        return 0;
    }
    if (pThis != nullptr && uMsg == WM_WATCHDOG) {
        pThis->EndBox();
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void CModalScript::RunNext() {
    HWND hBox = FindTopLevel("CMessageBox");
    if (!m_steps.empty()) {
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        ++m_nStepsRun;
        step(hBox);
        return;
    }
    if (hBox == nullptr) {
        KillTimer(m_hWnd, TICK_TIMER);
        return;
    }
    if (++m_nIdleTicks >= IDLE_TICKS_BEFORE_GUARD)
        EndBox();
}

void CModalScript::EndBox() {
    HWND hBox = FindTopLevel("CMessageBox");
    if (hBox == nullptr)
        return;
    m_bGuardFired = true;
    DestroyWindow(hBox);
}

}  // namespace msgboxtest
