// The shadow window: its place around the parent, click-through, and following the parent.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/window/FrameFixture.h"
#include "tests/ui/window/ShadowFixture.h"

using shadowtest::CShadowSkin;
using shadowtest::CShadowWindow;
using shadowtest::IMAGE_SHADOW;
using shadowtest::Pump;
using shadowtest::RectOf;
using shadowtest::SkinDocument;

namespace {

void ExpectRect(const RECT& rc, LONG left, LONG top, LONG cx, LONG cy) {
    EXPECT_EQ(rc.left, left);
    EXPECT_EQ(rc.top, top);
    EXPECT_EQ(rc.right - rc.left, cx);
    EXPECT_EQ(rc.bottom - rc.top, cy);
}

bool ShadowShown(CShadowWindow& window) {
    return IsWindowVisible(window.ShadowHwnd()) &&
           platform::headless::IsShownOnScreen(window.ShadowHwnd());
}

class ShadowWindowTest : public ::testing::Test {
protected:
    CShadowSkin m_skin;
};

}  // namespace

TEST_F(ShadowWindowTest, ImageShadowIsALayeredClickThroughPopupAroundTheWindow) {
    CShadowWindow window(SkinDocument(IMAGE_SHADOW));
    HWND hShadow = window.ShadowHwnd();
    ASSERT_NE(hShadow, nullptr);
    ExpectRect(RectOf(window.Hwnd()), 100, 100, 680, 480);
    ExpectRect(RectOf(hShadow), 82, 83, 716, 520);
    LONG_PTR exStyle = GetWindowLongPtrA(hShadow, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_LAYERED, 0);
    EXPECT_NE(exStyle & WS_EX_TRANSPARENT, 0);
    EXPECT_EQ(GetWindow(hShadow, GW_OWNER), window.Hwnd());
    EXPECT_TRUE(ShadowShown(window));
    EXPECT_EQ(window.Shadow().GetStatus(), 7);

    // The input shape is empty: the pointer over the shadow reaches what is below.
    platform::headless::MovePointer(90, 300);
    EXPECT_NE(platform::headless::WindowUnderPointer(), hShadow);
    platform::headless::MovePointer(400, 300);
    EXPECT_EQ(platform::headless::WindowUnderPointer(), window.Hwnd());
    Pump();
}

TEST_F(ShadowWindowTest, WithoutShowShadowNoWindowExistsAndSettersOnlyStore) {
    CShadowWindow window(SkinDocument("shadowimage=\"shadow.png\" shadowsize=\"7\""));
    EXPECT_EQ(window.ShadowHwnd(), nullptr);
    EXPECT_TRUE(window.Shadow().IsImageMode());
    EXPECT_EQ(window.Shadow().GetLook().nSize, 7);
    EXPECT_TRUE(window.Shadow().SetDarkness(10));
    EXPECT_EQ(window.ShadowHwnd(), nullptr);
}

TEST_F(ShadowWindowTest, FollowsMovesAndSizesRebuildingAGrownPictureAtThePaint) {
    CShadowWindow window(SkinDocument(IMAGE_SHADOW));
    HWND hShadow = window.ShadowHwnd();
    SetWindowPos(window.Hwnd(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ExpectRect(RectOf(hShadow), 282, 183, 716, 520);

    SetWindowPos(window.Hwnd(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(window.Shadow().IsUpdatePending());
    ExpectRect(RectOf(hShadow), 282, 183, 716, 520);  // not before the parent paints
    Pump();
    EXPECT_FALSE(window.Shadow().IsUpdatePending());
    ExpectRect(RectOf(hShadow), 282, 183, 736, 540);

    SetWindowPos(window.Hwnd(), nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
    ExpectRect(RectOf(hShadow), 282, 183, 636, 440);  // shrinking rebuilds at once
    SendMessageA(window.Hwnd(), WM_EXITSIZEMOVE, 0, 0);
    ExpectRect(RectOf(hShadow), 282, 183, 636, 440);
}

TEST_F(ShadowWindowTest, HiddenWhileMinimisedMaximisedOrHiddenAndBackAfter) {
    CShadowWindow window(SkinDocument(IMAGE_SHADOW));
    struct Step {
        int nHide;
        int nBack;
    } steps[] = {{SW_MINIMIZE, SW_RESTORE}, {SW_SHOWMAXIMIZED, SW_RESTORE}, {SW_HIDE, SW_SHOWNA}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.nHide);
        ShowWindow(window.Hwnd(), step.nHide);
        Pump();
        EXPECT_FALSE(ShadowShown(window));
        ShowWindow(window.Hwnd(), step.nBack);
        Pump();
        EXPECT_TRUE(ShadowShown(window));
        ExpectRect(RectOf(window.ShadowHwnd()), 82, 83, 716, 520);
    }
}

TEST_F(ShadowWindowTest, HiddenParentGetsItsShadowWhenShown) {
    CShadowWindow window(SkinDocument(IMAGE_SHADOW), 100, 100, false);
    EXPECT_EQ(window.Shadow().GetStatus(), 1);
    EXPECT_FALSE(IsWindowVisible(window.ShadowHwnd()));
    ShowWindow(window.Hwnd(), SW_SHOWNA);
    Pump();
    EXPECT_EQ(window.Shadow().GetStatus(), 7);
    ExpectRect(RectOf(window.ShadowHwnd()), 82, 83, 716, 520);
}

TEST_F(ShadowWindowTest, ShowShadowOffAndOnAgainFollowsAMoveMadeMeanwhile) {
    CShadowWindow window(SkinDocument(IMAGE_SHADOW));
    window.Shadow().ShowShadow(false);
    EXPECT_EQ(window.Shadow().GetStatus(), 0);
    EXPECT_FALSE(IsWindowVisible(window.ShadowHwnd()));
    SetWindowPos(window.Hwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.Shadow().ShowShadow(true);
    EXPECT_EQ(window.Shadow().GetStatus(), 7);
    ExpectRect(RectOf(window.ShadowHwnd()), 22, 33, 716, 520);
}

TEST_F(ShadowWindowTest, KeptRightBelowItsWindowOnTheScreen) {
    CShadowWindow background(
        "<Window size=\"900,700\"><VerticalLayout bkcolor=\"#FFFFFFFF\"/></Window>", 0, 0);
    CShadowWindow window(SkinDocument(IMAGE_SHADOW));
    if (const char* pstrShot = std::getenv("LUMORA_SHADOW_SHOT"))
        platform::headless::SaveScreenPng(pstrShot);
    // The shadow's hole never covers the window: its centre shows the window's colour.
    int cx = 0, cy = 0;
    std::vector<uint32_t> screen = platform::headless::ScreenPixels(cx, cy);
    EXPECT_EQ(screen[size_t(300) * cx + 400], 0xFF3A6EA5u);
    EXPECT_EQ(screen[size_t(100) * cx + 100], 0xFF3A6EA5u) << "window corner";
    EXPECT_NE(screen[size_t(300) * cx + 95], 0xFF000000u) << "the shadow left of the window";
    EXPECT_EQ(screen[size_t(50) * cx + 50], 0xFFFFFFFFu) << "beyond the shadow";
}

TEST_F(ShadowWindowTest, DestroyedWithItsWindowAndSafeWhenTheHostGoesFirst) {
    HWND hShadow = nullptr;
    {
        CShadowWindow window(SkinDocument(IMAGE_SHADOW));
        hShadow = window.ShadowHwnd();
        window.Load(SkinDocument(IMAGE_SHADOW));  // a second root keeps the one shadow
        Pump();                                   // the old root goes at the deferred work
        EXPECT_EQ(window.ShadowHwnd(), hShadow);
    }
    EXPECT_FALSE(IsWindow(hShadow));

    CShadowWindow window(SkinDocument(IMAGE_SHADOW));
    hShadow = window.ShadowHwnd();
    window.DeleteHost();
    EXPECT_FALSE(IsWindow(hShadow));
    EXPECT_EQ(GetWindowLongPtrA(window.Hwnd(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&shadowtest::HostProc));
    SetWindowPos(window.Hwnd(), nullptr, 10, 10, 300, 300, SWP_NOZORDER);
    Pump();
}

TEST_F(ShadowWindowTest, MissingImageLeavesTheShadowWindowAsItWas) {
    CShadowWindow window(SkinDocument(
        "showshadow=\"true\" shadowimage=\"absent.png\" shadowcorner=\"18,17,18,23\""));
    ASSERT_NE(window.ShadowHwnd(), nullptr);
    ExpectRect(RectOf(window.ShadowHwnd()), 0, 0, 0, 0);
}

TEST_F(ShadowWindowTest, SkinnedWindowBaseGetsItsShadowAndTakesItAlongWhenDestroyed) {
    frametest::CTestFrame frame(SkinDocument(IMAGE_SHADOW + std::string(" roundcorner=\"4,4\"")));
    HWND hWnd = frametest::CreateFrame(frame, nullptr, 200, 150);
    frametest::Pump();
    HWND hShadow = frame.Host().GetShadow().GetHWND();
    ASSERT_NE(hShadow, nullptr);
    ExpectRect(RectOf(hShadow), 182, 133, 716, 520);
    SetWindowPos(hWnd, nullptr, 250, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(RectOf(hShadow).left, 232);
    DestroyWindow(hWnd);
    EXPECT_TRUE(frame.m_bFinal);
    EXPECT_FALSE(IsWindow(hShadow));
}

// The first frame on the screen is the window's: its shadow is built and shown only after the
// window's first paint, whether the window was visible when the skin arrived or shown later.
TEST_F(ShadowWindowTest, ShownOnlyAfterTheWindowsFirstPaint) {
    CShadowWindow window(SkinDocument(IMAGE_SHADOW), 100, 100, false);
    ShowWindow(window.Hwnd(), SW_SHOWNA);
    EXPECT_FALSE(IsWindowVisible(window.ShadowHwnd())) << "shown before the window painted";
    EXPECT_TRUE(window.Shadow().IsUpdatePending());
    SendMessageA(window.Hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(600, 400));
    EXPECT_FALSE(IsWindowVisible(window.ShadowHwnd())) << "a size change showed it early";
    Pump();
    EXPECT_TRUE(ShadowShown(window));
    EXPECT_EQ(window.Shadow().GetStatus(), 7);
    EXPECT_FALSE(window.Shadow().IsUpdatePending());
    ExpectRect(RectOf(window.ShadowHwnd()), 82, 83, 716, 520);

    // Once the window has painted, showing it again brings the shadow at once.
    ShowWindow(window.Hwnd(), SW_HIDE);
    ShowWindow(window.Hwnd(), SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(window.ShadowHwnd()));
}
