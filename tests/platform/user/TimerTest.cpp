// Window timers: due order, replacement, KillTimer, timer procedures.
#include <gtest/gtest.h>

#include <vector>

#include "platform/kernel.h"
#include "platform/user.h"
#include "support/TestWindow.h"

namespace {

std::vector<UINT_PTR> g_fired;
bool g_oneShot = false;

LRESULT CALLBACK TimerProcWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        g_fired.push_back(wp);
        if (g_oneShot)
            KillTimer(hwnd, wp);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND MakeWindow() {
    return testsupport::MakeTestWindow("TimerTestWindow", TimerProcWindow);
}

// Reads and dispatches messages until n timers have fired.
void PumpTimers(size_t n) {
    MSG msg{};
    while (g_fired.size() < n && GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
}

UINT_PTR g_procTimer = 0;
void CALLBACK OnThreadTimer(HWND, UINT, UINT_PTR id, DWORD) {
    g_procTimer = id;
}

}  // namespace

TEST(Timers, FireInTheOrderTheyFallDue) {
    g_fired.clear();
    g_oneShot = true;
    HWND hwnd = MakeWindow();
    ASSERT_NE(SetTimer(hwnd, 3, 90, nullptr), 0u);
    ASSERT_NE(SetTimer(hwnd, 1, 30, nullptr), 0u);
    ASSERT_NE(SetTimer(hwnd, 2, 60, nullptr), 0u);
    PumpTimers(3);
    EXPECT_EQ(g_fired, (std::vector<UINT_PTR>{1, 2, 3}));
    DestroyWindow(hwnd);
}

TEST(Timers, KilledTimersStopAndPostedMessagesComeFirst) {
    g_fired.clear();
    g_oneShot = false;
    HWND hwnd = MakeWindow();
    SetTimer(hwnd, 1, 10, nullptr);
    SetTimer(hwnd, 2, 20, nullptr);
    EXPECT_TRUE(KillTimer(hwnd, 1));
    EXPECT_FALSE(KillTimer(hwnd, 1));
    PostMessageA(hwnd, WM_USER, 0, 0);
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT(WM_USER));
    PumpTimers(2);
    EXPECT_EQ(g_fired, (std::vector<UINT_PTR>{2, 2}));  // a periodic timer repeats
    DestroyWindow(hwnd);
    EXPECT_FALSE(KillTimer(hwnd, 2));
}

TEST(Timers, ThreadTimerCallsItsProcedure) {
    g_procTimer = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 10, OnThreadTimer);
    ASSERT_NE(id, 0u);
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT(WM_TIMER));
    DispatchMessageA(&msg);
    EXPECT_EQ(g_procTimer, id);
    EXPECT_TRUE(KillTimer(nullptr, id));
}
