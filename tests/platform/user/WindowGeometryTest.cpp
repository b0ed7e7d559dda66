// Window rectangles, SetWindowPos and its messages, showing and visibility.
#include <gtest/gtest.h>

#include <algorithm>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless.h"
#include "platform/user.h"

using usertest::Log;
using usertest::Only;

namespace {

class WindowGeometry : public ::testing::Test {
protected:
    void SetUp() override { Log().clear(); }
    static LPARAM Last(UINT message) {
        for (auto it = Log().rbegin(); it != Log().rend(); ++it) {
            if (it->message == message)
                return it->lParam;
        }
        ADD_FAILURE() << "no message " << message;
        return 0;
    }
};

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(WindowGeometry, RectanglesOfTopLevelAndChildWindows) {
    HWND top = usertest::MakeWindow(RECT{100, 50, 300, 200});
    usertest::WindowGuard guard{top};
    HWND child = usertest::MakeWindow(RECT{10, 20, 50, 40}, WS_CHILD | WS_VISIBLE, 0, top);
    RECT rc{};
    ASSERT_TRUE(GetClientRect(top, &rc));
    EXPECT_TRUE(SameRect(rc, RECT{0, 0, 200, 150}));
    ASSERT_TRUE(GetWindowRect(child, &rc));
    EXPECT_TRUE(SameRect(rc, RECT{110, 70, 150, 90}));
    POINT pt{5, 5};
    ClientToScreen(child, &pt);
    EXPECT_EQ(pt.x, 115);
    EXPECT_EQ(pt.y, 75);
    ScreenToClient(top, &pt);
    EXPECT_EQ(pt.x, 15);
    EXPECT_FALSE(IsWindowVisible(child)) << "its parent is hidden";
    ShowWindow(top, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_FALSE(GetClientRect(reinterpret_cast<HWND>(0x4321), &rc));
}

TEST_F(WindowGeometry, SetWindowPosReportsMoveAndSize) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 40, 30});
    usertest::WindowGuard guard{hwnd};
    Log().clear();
    ASSERT_TRUE(SetWindowPos(hwnd, nullptr, 5, 6, 70, 80, SWP_NOZORDER | SWP_NOACTIVATE));
    std::vector<UINT> expected{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE};
    EXPECT_EQ(Only({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}), expected);
    EXPECT_EQ(Last(WM_MOVE), MAKELPARAM(5, 6));
    EXPECT_EQ(Last(WM_SIZE), MAKELPARAM(70, 80));

    Log().clear();
    MoveWindow(hwnd, 9, 9, 70, 80, TRUE);  // moved only
    EXPECT_EQ(Only({WM_MOVE, WM_SIZE}), std::vector<UINT>{WM_MOVE});
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    EXPECT_TRUE(SameRect(rc, RECT{9, 9, 79, 89}));
}

TEST_F(WindowGeometry, GrowingInvalidatesOnlyTheNewStrips) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 40, 30}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    usertest::Drain();
    SetWindowPos(hwnd, nullptr, 0, 0, 50, 30, SWP_NOMOVE | SWP_NOZORDER);
    RECT rc{};
    ASSERT_TRUE(GetUpdateRect(hwnd, &rc, FALSE));
    EXPECT_TRUE(SameRect(rc, RECT{40, 0, 50, 30}));
    ValidateRect(hwnd, nullptr);
    SetWindowPos(hwnd, nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(GetUpdateRect(hwnd, &rc, FALSE)) << "shrinking uncovers nothing";
}

TEST_F(WindowGeometry, ShowAndHideReportAndReachTheScreen) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10});
    usertest::WindowGuard guard{hwnd};
    Log().clear();
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(platform::headless::IsShownOnScreen(hwnd));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(platform::headless::IsShownOnScreen(hwnd));
    EXPECT_EQ(Only({WM_SHOWWINDOW}), (std::vector<UINT>{WM_SHOWWINDOW, WM_SHOWWINDOW}));
    auto shown = std::find_if(Log().begin(), Log().end(), [](const usertest::Received& r) {
        return r.message == WM_SHOWWINDOW;
    });
    EXPECT_EQ(shown->wParam, WPARAM(TRUE));
}

TEST_F(WindowGeometry, MaximiseFillsTheWorkAreaAndRestoreReturns) {
    platform::headless::SetScreen(800, 600, RECT{0, 0, 800, 560});
    HWND hwnd = usertest::MakeWindow(RECT{30, 40, 130, 140}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    Log().clear();
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(hwnd));
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    EXPECT_TRUE(SameRect(rc, RECT{0, 0, 800, 560}));
    EXPECT_EQ(Only({WM_GETMINMAXINFO}).size(), 1u);
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_FALSE(platform::headless::IsShownOnScreen(hwnd));
    ShowWindow(hwnd, SW_RESTORE);  // back to maximised
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_FALSE(IsIconic(hwnd));
    ShowWindow(hwnd, SW_RESTORE);
    GetWindowRect(hwnd, &rc);
    EXPECT_TRUE(SameRect(rc, RECT{30, 40, 130, 140}));
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(hwnd)) << "the default close destroys";
    platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
}

TEST_F(WindowGeometry, TitlesKeepWholeDoubleByteCharacters) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10});
    usertest::WindowGuard guard{hwnd};
    SetWindowTextA(hwnd, "a\xC4\xE3");  // "a" and one code page 936 character
    char buffer[8];
    EXPECT_EQ(GetWindowTextA(hwnd, buffer, 3), 1);
    EXPECT_STREQ(buffer, "a");
    EXPECT_EQ(GetWindowTextA(hwnd, buffer, 8), 3);
}
