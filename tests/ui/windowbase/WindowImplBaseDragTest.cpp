// Moving and resizing the skinned window base with real pointer input on the headless backend.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/backends/headless/headless.h"
#include "tests/ui/window/FrameFixture.h"

namespace {

using frametest::CreateFrame;
using frametest::CTestFrame;
using frametest::Pump;
namespace headless = platform::headless;

const char* const kFrame = R"(<Window size="680,480" sizebox="5,5,5,5" caption="0,0,0,40"
    mininfo="300,200" maxinfo="900,700">
    <VerticalLayout><HorizontalLayout height="40">
      <Probe name="title" type="Label"/><Probe name="closebtn" type="Button" width="20"/>
    </HorizontalLayout><Probe name="body"/></VerticalLayout></Window>)";

// A frame at (100, 100) on a manual clock, the pointer parked away from it.
class DragTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::UseManualClock(true);
        headless::ResetInput();
        headless::MovePointer(0, 0);
        m_hWnd = CreateFrame(m_frame);
        Pump();
    }
    void TearDown() override {
        headless::ResetInput();
        headless::MovePointer(0, 0);
        Pump();
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        Pump();
        headless::UseManualClock(false);
    }
    // Presses at a client point, moves by (dx, dy) in two steps and releases.
    void Drag(int x, int y, int dx, int dy) {
        POINT pt = {x, y};
        ClientToScreen(m_hWnd, &pt);
        headless::MovePointer(pt.x, pt.y);
        Pump();
        headless::PressButton();
        Pump();
        headless::MovePointer(pt.x + dx / 2, pt.y + dy / 2);
        Pump();
        headless::MovePointer(pt.x + dx, pt.y + dy);
        Pump();
        headless::ReleaseButton();
        Pump();
        headless::AdvanceClock(1000);
        Pump();
    }
    RECT Rect() const {
        RECT rc{};
        GetWindowRect(m_hWnd, &rc);
        return rc;
    }

    CTestFrame m_frame{kFrame};
    HWND m_hWnd = nullptr;
};

TEST_F(DragTest, CaptionDragMovesByThePointersDelta) {
    RECT before = Rect();
    Drag(200, 20, 37, -23);
    RECT after = Rect();
    EXPECT_EQ(after.left, before.left + 37);
    EXPECT_EQ(after.top, before.top - 23);
    EXPECT_EQ(after.right - after.left, 680);
    EXPECT_EQ(after.bottom - after.top, 480);
    EXPECT_EQ(GetCapture(), nullptr);  // the drag let the pointer go
}

TEST_F(DragTest, RightBorderResizesWithinTheLimits) {
    struct Case {
        int dx;
        int width;
    };
    // Grown, held at maxinfo, held at mininfo: the left edge never moves.
    const Case cases[] = {{120, 800}, {400, 900}, {-600, 300}};
    for (const Case& c : cases) {
        RECT before = Rect();
        Drag(before.right - before.left - 2, 240, c.dx, 0);
        RECT after = Rect();
        EXPECT_EQ(after.right - after.left, c.width) << c.dx;
        EXPECT_EQ(after.left, before.left) << c.dx;
        EXPECT_EQ(after.bottom - after.top, 480) << c.dx;
        SetWindowPos(m_hWnd, nullptr, 100, 100, 680, 480, SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
    }
}

TEST_F(DragTest, PressOnACaptionButtonClicksInsteadOfDragging) {
    RECT before = Rect();
    const RECT& rcBtn = m_frame.Host().FindControlByName("closebtn")->GetBounds();
    // Moving inside the button keeps it pressed and the window still.
    eventtest::Log().clear();
    Drag((rcBtn.left + rcBtn.right) / 2 - 3, 20, 6, 6);
    const auto& log = eventtest::Log();
    for (int kind : {Orvik::UIEVENT_BUTTONDOWN, Orvik::UIEVENT_BUTTONUP})
        EXPECT_NE(std::find(log.begin(), log.end(), "closebtn:" + std::to_string(kind)), log.end())
            << kind;
    RECT after = Rect();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_FALSE(m_frame.m_bFinal);  // the probe button only reports; the frame stays open
}

}  // namespace
