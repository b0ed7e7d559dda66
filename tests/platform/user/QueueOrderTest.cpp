// The order in which a queue hands out posted messages, quit, input, paint and timers.
#include <gtest/gtest.h>

#include "UserTestSupport.h"
#include "platform/user.h"
#include "platform/user/native_event.h"

using platform::user::NativeEvent;
using platform::user::NativeEventKind;

namespace {

void InjectMotion(HWND hwnd, POINT pos) {
    NativeEvent event;
    event.kind = NativeEventKind::PointerMotion;
    event.hwnd = hwnd;
    event.pos = pos;
    event.screenPos = pos;
    platform::user::TranslateNativeEvent(event);
}

}  // namespace

TEST(QueueOrder, PostedThenQuitThenInputThenPaintThenTimer) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 40, 30}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    usertest::Drain();
    ASSERT_NE(SetTimer(hwnd, 1, 10, nullptr), 0u);
    ASSERT_NE(SetTimer(hwnd, 2, 10, nullptr), 0u);
    // Waiting for the first timer leaves the second one due as well.
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, hwnd, WM_TIMER, WM_TIMER), TRUE);
    ASSERT_EQ(msg.wParam, 1u);
    KillTimer(hwnd, 1);

    InvalidateRect(hwnd, nullptr, FALSE);
    InjectMotion(hwnd, POINT{5, 6});
    PostQuitMessage(4);
    PostMessageA(hwnd, WM_USER + 1, 0, 0);
    PostMessageA(hwnd, WM_USER + 2, 0, 0);

    std::vector<UINT> order;
    while (order.size() < 6 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        if (msg.message == WM_PAINT)
            ValidateRect(hwnd, nullptr);
    }
    KillTimer(hwnd, 2);
    std::vector<UINT> expected{WM_USER + 1, WM_USER + 2, WM_QUIT, WM_MOUSEMOVE, WM_PAINT, WM_TIMER};
    EXPECT_EQ(order, expected);
}

TEST(QueueOrder, PaintStaysUntilValidatedAndNeedsAVisibleWindow) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 20, 20});
    usertest::WindowGuard guard{hwnd};
    MSG msg{};
    InvalidateRect(hwnd, nullptr, FALSE);
    EXPECT_FALSE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE)) << "hidden window";

    ShowWindow(hwnd, SW_SHOWNA);
    ASSERT_TRUE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE));
    EXPECT_TRUE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE)) << "not validated yet";
    DispatchMessageA(&msg);  // the default procedure paints and validates
    EXPECT_FALSE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE));
}

TEST(QueueOrder, InputKeepsArrivalOrderAndCarriesItsPoint) {
    HWND hwnd = usertest::MakeWindow(RECT{100, 50, 140, 90}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    usertest::Drain();
    NativeEvent event;
    event.kind = NativeEventKind::PointerMotion;
    event.hwnd = hwnd;
    event.pos = POINT{-3, 7};  // a grabbed pointer may leave the window
    event.screenPos = POINT{97, 57};
    platform::user::TranslateNativeEvent(event);
    event.pos = POINT{4, 5};
    event.screenPos = POINT{104, 55};
    platform::user::TranslateNativeEvent(event);

    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), -3);
    EXPECT_EQ(GET_Y_LPARAM(msg.lParam), 7);
    EXPECT_EQ(msg.pt.x, 97);
    ASSERT_TRUE(PeekMessageA(&msg, hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), 4);
}
