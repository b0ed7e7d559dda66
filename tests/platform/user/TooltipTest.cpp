// The tooltip popup: tools, showing at the asked position above other windows, text and hiding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless.h"
#include "platform/user.h"

namespace {

constexpr uint32_t TIP_BACKGROUND = 0xFFFFFFE1;

class TooltipTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::SetScreen(400, 300, RECT{0, 0, 400, 280});
        m_owner = usertest::MakeWindow(RECT{20, 20, 220, 170}, WS_POPUP | WS_VISIBLE);
        m_tip = CreateWindowExA(
            0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_owner, nullptr, nullptr, nullptr);
        ASSERT_NE(m_tip, nullptr);
        m_tool = TOOLINFOA{sizeof(TOOLINFOA),
                           0,
                           m_owner,
                           UINT_PTR(m_owner),
                           RECT{0, 0, 50, 20},
                           nullptr,
                           m_text,
                           0,
                           nullptr};
        ASSERT_TRUE(SendMessageA(m_tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&m_tool)));
    }
    void TearDown() override {
        DestroyWindow(m_owner);  // takes the tooltip along
        platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
    }
    void Activate(bool on) {
        SendMessageA(m_tip, TTM_TRACKACTIVATE, on, reinterpret_cast<LPARAM>(&m_tool));
    }
    RECT TipRect() const {
        RECT rc{};
        GetWindowRect(m_tip, &rc);
        return rc;
    }
    // Screen pixels inside the tip that are neither background nor border.
    int InkInside() const {
        int cx = 0, cy = 0;
        std::vector<uint32_t> screen = platform::headless::ScreenPixels(cx, cy);
        RECT rc = TipRect();
        int ink = 0;
        for (LONG y = rc.top + 2; y < rc.bottom - 2; ++y)
            for (LONG x = rc.left + 2; x < rc.right - 2; ++x)
                ink += screen[size_t(y) * cx + x] != TIP_BACKGROUND ? 1 : 0;
        return ink;
    }
    uint32_t ScreenAt(int x, int y) const {
        int cx = 0, cy = 0;
        return platform::headless::ScreenPixels(cx, cy)[size_t(y) * cx + x];
    }

    char m_text[32] = "Refresh the lines";
    HWND m_owner = nullptr;
    HWND m_tip = nullptr;
    TOOLINFOA m_tool{};
};

}  // namespace

TEST_F(TooltipTest, ShownAtTheTrackPositionAboveOtherWindowsWithItsText) {
    EXPECT_FALSE(IsWindowVisible(m_tip));
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    // A window made after the tip still ends up below it once the tip shows.
    HWND later = usertest::MakeWindow(RECT{0, 0, 400, 300}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{later};
    SendMessageA(m_tip, TTM_TRACKPOSITION, 0, MAKELPARAM(60, 90));
    Activate(true);
    ASSERT_TRUE(IsWindowVisible(m_tip));
    RECT rc = TipRect();
    EXPECT_EQ(rc.left, 60);
    EXPECT_EQ(rc.top, 90);
    EXPECT_GT(rc.right - rc.left, 40);
    EXPECT_GT(rc.bottom - rc.top, 10);
    EXPECT_EQ(ScreenAt(rc.left + 2, rc.top + 1), TIP_BACKGROUND);
    EXPECT_GT(InkInside(), 20) << "the text is drawn";
    EXPECT_NE(GetWindowLongPtrA(m_tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // The pointer passes through the tip.
    platform::headless::MovePointer(rc.left + 5, rc.top + 5);
    EXPECT_EQ(platform::headless::WindowUnderPointer(), later);

    Activate(false);
    EXPECT_FALSE(IsWindowVisible(m_tip));
    EXPECT_NE(ScreenAt(rc.left + 2, rc.top + 1), TIP_BACKGROUND);
}

TEST_F(TooltipTest, NewTextResizesAShownTipAndWidthLimitWraps) {
    SendMessageA(m_tip, TTM_TRACKPOSITION, 0, MAKELPARAM(10, 10));
    Activate(true);
    LONG oneLine = TipRect().bottom - TipRect().top;
    LONG width = TipRect().right - TipRect().left;
    char longer[] = "Refresh the lines and test their speed once more";
    m_tool.lpszText = longer;
    SendMessageA(m_tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&m_tool));
    EXPECT_GT(TipRect().right - TipRect().left, width);
    EXPECT_EQ(SendMessageA(m_tip, TTM_SETMAXTIPWIDTH, 0, 120), -1);
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETMAXTIPWIDTH, 0, 0), 120);
    Activate(true);
    EXPECT_LE(TipRect().right - TipRect().left, 120);
    EXPECT_GT(TipRect().bottom - TipRect().top, oneLine) << "wrapped onto more lines";
}

TEST_F(TooltipTest, WithoutTrackPositionBelowThePointerAndKeptOnScreen) {
    platform::headless::MovePointer(100, 100);
    Activate(true);
    EXPECT_EQ(TipRect().left, 100);
    EXPECT_EQ(TipRect().top, 120);
    SendMessageA(m_tip, TTM_TRACKPOSITION, 0, MAKELPARAM(390, 275));
    RECT rc = TipRect();
    EXPECT_EQ(rc.right, 400);
    EXPECT_EQ(rc.bottom, 280) << "inside the work area";
}

TEST_F(TooltipTest, DelaysPopAndToolsThatCannotShow) {
    SendMessageA(m_tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 100);
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 100);
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 1000);
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 20);
    SendMessageA(m_tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(-1, 0));
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);

    Activate(true);
    SendMessageA(m_tip, TTM_POP, 0, 0);
    EXPECT_FALSE(IsWindowVisible(m_tip));
    SendMessageA(m_tip, TTM_ACTIVATE, FALSE, 0);
    Activate(true);
    EXPECT_FALSE(IsWindowVisible(m_tip)) << "deactivated";
    SendMessageA(m_tip, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOA unknown = m_tool;
    unknown.uId = 7;
    SendMessageA(m_tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&unknown));
    EXPECT_FALSE(IsWindowVisible(m_tip)) << "no such tool";
    EXPECT_EQ(SendMessageA(m_tip, TTM_TRACKACTIVATE, TRUE, 0), 0);
    SendMessageA(m_tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&m_tool));
    EXPECT_EQ(SendMessageA(m_tip, TTM_GETTOOLCOUNT, 0, 0), 0);
}
