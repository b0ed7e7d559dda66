// Drives a modal message box from inside its own loop: steps run from posted messages.
#pragma once

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/backends/headless/headless.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/windowbase/WindowImplBase.h"

namespace msgboxtest {

// The first top-level window of this thread with the class name, or null.
inline HWND FindTopLevel(const char* pstrClass) {
    struct Search {
        const char* pstrClass;
        HWND hFound;
    } search = {pstrClass, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            char szClass[64] = {};
            GetClassNameA(hWnd, szClass, sizeof szClass);
            if (std::string(szClass) != pSearch->pstrClass)
                return TRUE;
            pSearch->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// Class names of this thread's top-level windows.
inline std::vector<std::string> TopLevelClasses() {
    std::vector<std::string> classes;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            char szClass[64] = {};
            GetClassNameA(hWnd, szClass, sizeof szClass);
            reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(szClass);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&classes));
    return classes;
}

// The box's skinned window object: its window's user data holds it.
inline Orvik::WindowImplBase* BoxObject(HWND hBox) {
    auto* pWnd = reinterpret_cast<Orvik::CWindowWnd*>(GetWindowLongPtrA(hBox, GWLP_USERDATA));
    return static_cast<Orvik::WindowImplBase*>(pWnd);
}

inline Orvik::CControlUI* BoxControl(HWND hBox, const char* pstrName) {
    Orvik::WindowImplBase* pBox = hBox != nullptr ? BoxObject(hBox) : nullptr;
    return pBox != nullptr ? pBox->Host().FindControlByName(pstrName) : nullptr;
}

// Clicks the middle of a named control with injected pointer input.
inline void ClickControl(HWND hBox, const char* pstrName) {
    Orvik::CControlUI* pControl = BoxControl(hBox, pstrName);
    ASSERT_NE(pControl, nullptr) << pstrName;
    const RECT& rc = pControl->GetBounds();
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ClientToScreen(hBox, &pt);
    platform::headless::MovePointer(pt.x, pt.y);
    platform::headless::PressButton();
    platform::headless::ReleaseButton();
    platform::headless::AdvanceClock(1000);  // no double click with the next press
}

inline void TypeKey(UINT vk) {
    platform::headless::PressKey(vk);
    platform::headless::ReleaseKey(vk);
}

// A small headless screen on the manual clock, with the skin taken from the
// program's embedded archive as the launcher's windows take it; the screen
// goes back to a fresh process's afterwards.
class CBoxScreen {
public:
    CBoxScreen() {
        platform::headless::SetScreen(1280, 800, RECT{0, 0, 1280, 760});
        platform::headless::UseManualClock(true);
        platform::headless::ResetInput();
        platform::headless::MovePointer(0, 0);
        Orvik::CSkinStore::SetProgramModule(GetModuleHandleA(nullptr));
        Orvik::CSkinStore::OpenArchiveFile("", true);  // whatever archive a test left goes
    }
    ~CBoxScreen() {
        platform::headless::ResetInput();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        platform::headless::UseManualClock(false);
        platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
    }
    CBoxScreen(const CBoxScreen&) = delete;
    CBoxScreen& operator=(const CBoxScreen&) = delete;
};

// Steps queued before the box opens run one at a time while its modal loop
// serves the queue: each from a timer tick, which the queue hands out only
// when no posted message, input or paint waits, so every step sees the box
// laid out, painted and done with the previous step's input. The manual
// clock is moved on by the script itself. Once the steps are done, a box
// still open after a few idle ticks is destroyed, and a watchdog thread
// destroys it after a bounded real time, so a faulty box fails the test
// instead of hanging it.
class CModalScript {
public:
    using Step = std::function<void(HWND hBox)>;

    CModalScript();
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    CModalScript& Then(Step step) {
        m_steps.push_back(std::move(step));
        return *this;
    }
    // Arms the ticks and the watchdog; call right before the box is shown.
    void Start();
    bool GuardFired() const { return m_bGuardFired; }
    int StepsRun() const { return m_nStepsRun; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void RunNext();
    void EndBox();
    void StopWatchdog();

    HWND m_hWnd = nullptr;
    std::deque<Step> m_steps;
    int m_nIdleTicks = 0;
    int m_nStepsRun = 0;
    bool m_bGuardFired = false;
    std::thread m_watchdog;
    std::mutex m_csStop;
    std::condition_variable m_cvStop;
    bool m_bStop = false;
};

}  // namespace msgboxtest
