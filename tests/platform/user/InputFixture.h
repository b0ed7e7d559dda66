// A small headless screen with a manual clock, for the injected-input tests.
#pragma once

#include <gtest/gtest.h>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless.h"
#include "platform/user.h"

namespace usertest {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::SetScreen(400, 300, RECT{0, 0, 400, 280});
        platform::headless::UseManualClock(true);
        platform::headless::ResetInput();
        Register("InputDbl", RecordingProc, CS_DBLCLKS);
        Log().clear();
    }
    void TearDown() override {
        for (HWND hwnd : m_windows) {
            if (IsWindow(hwnd))
                DestroyWindow(hwnd);
        }
        Drain();
        platform::headless::UseManualClock(false);
        platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
        platform::headless::ResetInput();
        platform::headless::MovePointer(-100, -100);
    }
    // A shown popup of a class that takes double clicks.
    HWND Make(RECT rect, DWORD exStyle = 0, const char* cls = "InputDbl",
              WNDPROC proc = RecordingProc) {
        HWND hwnd = MakeWindow(rect, WS_POPUP | WS_VISIBLE, exStyle, nullptr, cls, proc);
        m_windows.push_back(hwnd);
        Drain();
        Log().clear();
        return hwnd;
    }
    // Dispatches what waits and returns the log of what arrived, then clears it.
    std::vector<Received> Take() {
        Drain();
        std::vector<Received> got = Log();
        Log().clear();
        return got;
    }
    // The received messages that are input, in order.
    static std::vector<Received> InputOnly(const std::vector<Received>& all) {
        std::vector<Received> input;
        for (const Received& r : all) {
            bool pointer = r.message >= WM_MOUSEMOVE && r.message <= WM_MOUSEWHEEL;
            bool keys = r.message >= WM_KEYDOWN && r.message <= WM_SYSCHAR;
            if (pointer || keys || r.message == WM_MOUSEHOVER || r.message == WM_MOUSELEAVE)
                input.push_back(r);
        }
        return input;
    }
    std::vector<HWND> m_windows;
};

}  // namespace usertest
