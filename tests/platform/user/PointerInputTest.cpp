// Injected pointer input: message layouts, double clicks, capture, disabled windows, hover.
#include "InputFixture.h"

using platform::headless::AdvanceClock;
using platform::headless::MovePointer;
using platform::headless::PressButton;
using platform::headless::ReleaseButton;
using platform::user::NativeButton;
using usertest::Received;

namespace {

class PointerInput : public usertest::InputTest {};

void Click() {
    PressButton();
    ReleaseButton();
}

std::vector<UINT> Messages(const std::vector<Received>& all) {
    std::vector<UINT> out;
    for (const Received& r : all)
        out.push_back(r.message);
    return out;
}

}  // namespace

TEST_F(PointerInput, MessagesCarryKeysClientPointsAndWheelDelta) {
    Make(RECT{90, 40, 190, 140});
    MovePointer(100, 50);
    PressButton();
    platform::headless::PressKey(VK_SHIFT);
    MovePointer(95, 45);
    ReleaseButton();
    platform::headless::ReleaseKey(VK_SHIFT);
    PressButton(NativeButton::Right);
    platform::headless::TurnWheel(-1);
    std::vector<Received> got = InputOnly(Take());
    ASSERT_GE(got.size(), 7u);
    struct Expected {
        UINT message;
        WPARAM keys;
        int x, y;
    };
    const Expected expected[] = {
        {WM_MOUSEMOVE, 0, 10, 10},          {WM_LBUTTONDOWN, MK_LBUTTON, 10, 10},
        {WM_KEYDOWN, VK_SHIFT, 0, 0},       {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, 5, 5},
        {WM_LBUTTONUP, MK_SHIFT, 5, 5},     {WM_KEYUP, VK_SHIFT, 0, 0},
        {WM_RBUTTONDOWN, MK_RBUTTON, 5, 5},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(got[i].message, expected[i].message) << i;
        EXPECT_EQ(got[i].wParam, expected[i].keys) << i;
        if (got[i].message >= WM_MOUSEMOVE) {
            EXPECT_EQ(GET_X_LPARAM(got[i].lParam), expected[i].x) << i;
            EXPECT_EQ(GET_Y_LPARAM(got[i].lParam), expected[i].y) << i;
        }
    }
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got[7].message, UINT(WM_MOUSEWHEEL));
    EXPECT_EQ(short(HIWORD(got[7].wParam)), -WHEEL_DELTA) << "towards the user";
    EXPECT_EQ(LOWORD(got[7].wParam), MK_RBUTTON);
    EXPECT_EQ(GET_X_LPARAM(got[7].lParam), 95) << "wheel points are on the screen";
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 95);
}

TEST_F(PointerInput, SecondPressSoonAndNearIsADoubleClick) {
    struct Case {
        const char* name;
        DWORD wait;
        int dx;
        UINT second;
    };
    const Case cases[] = {
        {"quick", 100, 0, WM_LBUTTONDBLCLK},
        {"at the limit", 500, 4, WM_LBUTTONDBLCLK},
        {"too slow", 501, 0, WM_LBUTTONDOWN},
        {"too far", 100, 5, WM_LBUTTONDOWN},
    };
    Make(RECT{0, 0, 100, 100});
    for (const Case& c : cases) {
        AdvanceClock(1000);  // forget earlier clicks
        MovePointer(50, 50);
        Click();
        AdvanceClock(c.wait);
        MovePointer(50 + c.dx, 50);
        Click();
        std::vector<UINT> got = Messages(InputOnly(Take()));
        std::vector<UINT> downs;
        for (UINT m : got) {
            if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK)
                downs.push_back(m);
        }
        EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, c.second})) << c.name;
    }
    AdvanceClock(1000);
    Click();
    Click();
    Click();  // a third press starts over
    std::vector<UINT> downs;
    for (UINT m : Messages(InputOnly(Take()))) {
        if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK)
            downs.push_back(m);
    }
    EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(PointerInput, ClassesWithoutDoubleClicksGetTwoPresses) {
    usertest::Register("InputSingle", usertest::RecordingProc);
    Make(RECT{0, 0, 100, 100}, 0, "InputSingle");
    MovePointer(10, 10);
    Click();
    Click();
    EXPECT_EQ(Messages(InputOnly(Take())),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN,
                                 WM_LBUTTONUP}));
}

TEST_F(PointerInput, CaptureTakesThePointerUntilReleased) {
    HWND a = Make(RECT{0, 0, 100, 100});
    HWND b = Make(RECT{200, 0, 300, 100});
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(GetCapture(), a);
    MovePointer(210, 20);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), 210);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(usertest::Only({WM_CAPTURECHANGED}).size(), 1u);
    MovePointer(211, 20);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), 11);
}

TEST_F(PointerInput, DisabledWindowsGetNoInput) {
    HWND hwnd = Make(RECT{0, 0, 100, 100});
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_EQ(usertest::Only({WM_ENABLE}).size(), 1u);
    MovePointer(10, 10);
    Click();
    EXPECT_TRUE(InputOnly(Take()).empty());
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    Click();
    EXPECT_EQ(InputOnly(Take()).size(), 2u);
}

TEST_F(PointerInput, HoverAfterRestingAndLeaveWhenGone) {
    HWND hwnd = Make(RECT{0, 0, 100, 100});
    MovePointer(30, 40);
    Take();
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd, 400};
    ASSERT_TRUE(TrackMouseEvent(&track));
    AdvanceClock(399);
    EXPECT_TRUE(InputOnly(Take()).empty());
    AdvanceClock(1);
    std::vector<Received> got = InputOnly(Take());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, UINT(WM_MOUSEHOVER));
    EXPECT_EQ(GET_X_LPARAM(got[0].lParam), 30);
    AdvanceClock(1000);
    EXPECT_TRUE(InputOnly(Take()).empty()) << "hover reports once";
    MovePointer(300, 200);
    got = InputOnly(Take());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, UINT(WM_MOUSELEAVE));
    // Tracking a window the pointer is not over reports the leave at once.
    ASSERT_TRUE(TrackMouseEvent(&track));
    EXPECT_EQ(InputOnly(Take()).size(), 1u);
}

TEST_F(PointerInput, MovingKeepsHoverWaitingAndCaptureEndsLeaveTracking) {
    HWND hwnd = Make(RECT{0, 0, 100, 100});
    HWND other = Make(RECT{200, 0, 300, 100});
    MovePointer(10, 10);
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd, 100};
    TrackMouseEvent(&track);
    AdvanceClock(80);
    MovePointer(20, 10);
    AdvanceClock(80);
    EXPECT_EQ(usertest::Only({WM_MOUSEHOVER}).size(), 0u);
    Take();
    SetCapture(other);
    std::vector<Received> got = InputOnly(Take());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, UINT(WM_MOUSELEAVE));
    ReleaseCapture();
}

// A hovered control draws its hot state at once: the repaint must not cancel the waiting hover.
TEST_F(PointerInput, RepaintingKeepsTheHoverWaiting) {
    HWND hwnd = Make(RECT{0, 0, 100, 100});
    MovePointer(10, 10);
    Take();
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER, hwnd, 100};
    ASSERT_TRUE(TrackMouseEvent(&track));
    InvalidateRect(hwnd, nullptr, FALSE);
    AdvanceClock(50);
    MovePointer(20, 10);  // the rest starts again
    InvalidateRect(hwnd, nullptr, FALSE);
    AdvanceClock(60);
    std::vector<Received> got = InputOnly(Take());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, UINT(WM_MOUSEMOVE));
    AdvanceClock(40);
    got = InputOnly(Take());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, UINT(WM_MOUSEHOVER));
    EXPECT_EQ(GET_X_LPARAM(got[0].lParam), 20);
}

TEST_F(PointerInput, ClickThroughWindowsAndShapesLetThePointerPass) {
    HWND below = Make(RECT{0, 0, 100, 100});
    HWND glass = Make(RECT{0, 0, 100, 100}, WS_EX_TRANSPARENT | WS_EX_LAYERED);
    MovePointer(50, 50);
    EXPECT_EQ(platform::headless::WindowUnderPointer(), below);
    ShowWindow(glass, SW_HIDE);
    HWND round = Make(RECT{0, 0, 100, 100});
    SetWindowRgn(round, CreateRoundRectRgn(0, 0, 101, 101, 100, 100), FALSE);
    MovePointer(1, 1);
    EXPECT_EQ(platform::headless::WindowUnderPointer(), below);
    MovePointer(50, 50);
    EXPECT_EQ(platform::headless::WindowUnderPointer(), round);
}
