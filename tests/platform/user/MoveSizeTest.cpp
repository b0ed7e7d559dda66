// Caption drags move, border drags resize within WM_GETMINMAXINFO's limits.
#include "InputFixture.h"

using platform::headless::MovePointer;
using platform::headless::PressButton;
using platform::headless::ReleaseButton;

namespace {

// A window whose top 20 rows are its caption and whose right 5 columns resize it.
LRESULT CALLBACK FramedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCHITTEST) {
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ScreenToClient(hwnd, &pt);
        RECT rc{};
        GetClientRect(hwnd, &rc);
        if (pt.x >= rc.right - 5)
            return HTRIGHT;
        return pt.y < 20 ? HTCAPTION : HTCLIENT;
    }
    if (msg == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = POINT{60, 40};
        info->ptMaxTrackSize = POINT{150, 150};
    }
    return usertest::RecordingProc(hwnd, msg, wp, lp);
}

class MoveSize : public usertest::InputTest {
protected:
    HWND MakeFramed() { return Make(RECT{50, 50, 150, 150}, 0, "MoveSizeFramed", FramedProc); }
    void SetUp() override {
        InputTest::SetUp();
        usertest::Register("MoveSizeFramed", FramedProc);
    }
};

RECT RectOf(HWND hwnd) {
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    return rc;
}

}  // namespace

TEST_F(MoveSize, CaptionDragMovesTheWindow) {
    HWND hwnd = MakeFramed();
    MovePointer(60, 55);
    PressButton();
    MovePointer(90, 65);
    MovePointer(100, 75);
    ReleaseButton();
    RECT rc = RectOf(hwnd);
    EXPECT_EQ(rc.left, 90);
    EXPECT_EQ(rc.top, 70);
    EXPECT_EQ(rc.right - rc.left, 100);
    Take();
    EXPECT_EQ(platform::headless::ScreenRect(hwnd, rc) ? rc.left : -1, 90) << "the screen follows";
}

TEST_F(MoveSize, DragReportsItsStartAndEndButNoButtonMessages) {
    HWND hwnd = MakeFramed();
    MovePointer(60, 55);
    PressButton();
    MovePointer(70, 55);
    ReleaseButton();
    std::vector<usertest::Received> got = Take();
    std::vector<UINT> seen;
    for (const usertest::Received& r : got) {
        if (r.message == WM_ENTERSIZEMOVE || r.message == WM_EXITSIZEMOVE ||
            r.message == WM_LBUTTONDOWN || r.message == WM_LBUTTONUP)
            seen.push_back(r.message);
    }
    EXPECT_EQ(seen, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    (void)hwnd;
}

TEST_F(MoveSize, BorderDragResizesWithinTheLimits) {
    struct Case {
        int dx;
        LONG width;
    };
    const Case cases[] = {{20, 120}, {100, 150}, {-80, 60}};
    for (const Case& c : cases) {
        HWND hwnd = MakeFramed();
        MovePointer(147, 100);
        PressButton();
        MovePointer(147 + c.dx, 100);
        ReleaseButton();
        RECT rc = RectOf(hwnd);
        EXPECT_EQ(rc.left, 50) << c.dx;
        EXPECT_EQ(rc.right - rc.left, c.width) << c.dx;
        DestroyWindow(hwnd);
    }
}

TEST_F(MoveSize, ClientPressesStayButtonMessages) {
    MakeFramed();
    MovePointer(60, 100);
    PressButton();
    ReleaseButton();
    EXPECT_EQ(InputOnly(Take()).size(), 3u);  // move, down, up
}
