// Monitors and the work area, standard cursors, window properties and owners.
#include "InputFixture.h"
#include "platform/backends/headless/headless_backend.h"

namespace {

class Desktop : public usertest::InputTest {};

}  // namespace

TEST_F(Desktop, MonitorsReportTheConfiguredScreen) {
    HWND hwnd = Make(RECT{10, 10, 60, 60});
    HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    ASSERT_NE(monitor, nullptr);
    MONITORINFO info{sizeof info, {}, {}, 0};
    ASSERT_TRUE(GetMonitorInfoA(monitor, &info));
    EXPECT_EQ(info.rcMonitor.right, 400);
    EXPECT_EQ(info.rcWork.bottom, 280);
    EXPECT_EQ(info.dwFlags, DWORD(MONITORINFOF_PRIMARY));
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.bottom, 280);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 5000}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 5000}, MONITOR_DEFAULTTONEAREST), monitor);
    MONITORINFO small{4, {}, {}, 0};
    EXPECT_FALSE(GetMonitorInfoA(monitor, &small));
}

TEST_F(Desktop, StandardCursorsAndTheDefaultCursorRequest) {
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    HWND hwnd = Make(RECT{0, 0, 100, 100});
    platform::headless::MovePointer(50, 50);
    // The default procedure shows a sizing cursor over a border code.
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                 MAKELPARAM(HTLEFT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    platform::headless::ScreenWindow shown;
    auto* backend =
        dynamic_cast<platform::headless::HeadlessBackend*>(&platform::user::ActiveBackend());
    ASSERT_NE(backend, nullptr);
    ASSERT_TRUE(backend->CopyWindow(hwnd, shown));
    EXPECT_EQ(shown.cursor, platform::user::NativeCursor::SizeWE);
}

TEST_F(Desktop, PropertiesAndOwners) {
    HWND owner = Make(RECT{0, 0, 10, 10});
    HWND popup =
        CreateWindowExA(0, "InputDbl", "", WS_POPUP, 0, 0, 5, 5, owner, nullptr, nullptr, nullptr);
    int data = 0;
    EXPECT_TRUE(SetPropA(popup, "WndX", &data));
    EXPECT_EQ(GetPropA(popup, "wndx"), &data);
    EXPECT_EQ(RemovePropA(popup, "WNDX"), &data);
    EXPECT_EQ(GetPropA(popup, "WndX"), nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup)) << "owned windows go with their owner";
}

TEST_F(Desktop, TimersFollowTheManualClock) {
    HWND hwnd = Make(RECT{0, 0, 10, 10});
    SetTimer(hwnd, 5, 100, nullptr);
    MSG msg{};
    platform::headless::AdvanceClock(99);
    EXPECT_FALSE(PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    platform::headless::AdvanceClock(1);
    ASSERT_TRUE(PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    KillTimer(hwnd, 5);
}
