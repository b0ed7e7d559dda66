// Moving and resizing by the hit-test answer, on a bare server and under a window manager.
#include "X11Fixture.h"

namespace x11test {

namespace {

LONG Width(const RECT& r) {
    return r.right - r.left;
}

}  // namespace

class MoveSizeTest : public X11Test, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        X11Test::SetUp();
        if (!HasFatalFailure() && GetParam())
            StartWindowManager();
    }
};

TEST_P(MoveSizeTest, CaptionDragMovesTheWindowByThePointersDelta) {
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(200);  // a manager may still be placing it
    RECT before = ServerRect(hwnd);
    m_script.hitTest = HTCAPTION;
    Drag(POINT{before.left + 20, before.top + 10}, POINT{before.left + 80, before.top + 50});
    ASSERT_TRUE(PumpUntil([&] { return ServerRect(hwnd).left == before.left + 60; }))
        << "at " << ServerRect(hwnd).left << " from " << before.left;
    RECT after = ServerRect(hwnd);
    EXPECT_EQ(after.top, before.top + 40);
    EXPECT_EQ(Width(after), 200);
    ASSERT_TRUE(PumpUntil([&] {
        RECT core{};
        GetWindowRect(hwnd, &core);
        return core.left == after.left && core.top == after.top;
    }));
    EXPECT_FALSE(Received(WM_LBUTTONDOWN));
}

TEST_P(MoveSizeTest, RightBorderDragResizesWithinTheLimits) {
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(200);
    RECT before = ServerRect(hwnd);
    m_script.hitTest = HTRIGHT;
    m_script.maxTrack = POINT{260, 400};
    Drag(POINT{before.right - 2, before.top + 50}, POINT{before.right + 150, before.top + 50});
    ASSERT_TRUE(PumpUntil([&] { return Width(ServerRect(hwnd)) == 260; }))
        << "width " << Width(ServerRect(hwnd));
    EXPECT_EQ(ServerRect(hwnd).left, before.left);
    RECT core{};
    ASSERT_TRUE(PumpUntil([&] { return GetWindowRect(hwnd, &core) && Width(core) == 260; }));
}

TEST_P(MoveSizeTest, ClientPressDoesNotDrag) {
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(200);
    RECT before = ServerRect(hwnd);
    Drag(POINT{before.left + 20, before.top + 10}, POINT{before.left + 80, before.top + 50});
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_LBUTTONUP); }));
    EXPECT_TRUE(Received(WM_LBUTTONDOWN));
    EXPECT_EQ(ServerRect(hwnd).left, before.left);
    EXPECT_EQ(ServerRect(hwnd).top, before.top);
}

INSTANTIATE_TEST_SUITE_P(X11, MoveSizeTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "NoManager"; });

}  // namespace x11test
