// Update regions, BeginPaint/EndPaint clipping, window DCs and what reaches the screen.
#include <gtest/gtest.h>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless.h"
#include "platform/user.h"
#include "platform/user/native_event.h"

namespace {

uint32_t PixelOf(HWND hwnd, int x, int y) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = platform::headless::WindowPixels(hwnd, width, height);
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0xDEADBEEF;
    return pixels[size_t(y) * width + x];
}

void Fill(HDC hdc, RECT rc, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
}

constexpr uint32_t RED = 0xFFFF0000;  // B, G, R, A in memory: opaque red
constexpr uint32_t BLUE = 0xFF0000FF;

struct UpdateCase {
    const char* name;
    std::vector<RECT> invalid;
    std::vector<RECT> valid;
    RECT box;  // empty: nothing left to repaint
};

}  // namespace

TEST(Paint, UpdateRegionGrowsShrinksAndClipsToTheClientArea) {
    const UpdateCase cases[] = {
        {"one rectangle", {{2, 3, 10, 12}}, {}, {2, 3, 10, 12}},
        {"union", {{2, 2, 5, 5}, {20, 10, 25, 15}}, {}, {2, 2, 25, 15}},
        {"clipped", {{-5, -5, 100, 8}}, {}, {0, 0, 40, 8}},
        {"validated part", {{0, 0, 40, 30}}, {{0, 0, 40, 20}}, {0, 20, 40, 30}},
        {"validated all", {{4, 4, 8, 8}}, {{0, 0, 40, 30}}, {0, 0, 0, 0}},
        {"outside", {{50, 50, 60, 60}}, {}, {0, 0, 0, 0}},
    };
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 40, 30});
    usertest::WindowGuard guard{hwnd};
    for (const UpdateCase& c : cases) {
        ValidateRect(hwnd, nullptr);
        for (const RECT& r : c.invalid)
            InvalidateRect(hwnd, &r, FALSE);
        for (const RECT& r : c.valid)
            ValidateRect(hwnd, &r);
        RECT box{-1, -1, -1, -1};
        bool any = c.box.right > c.box.left;
        EXPECT_EQ(GetUpdateRect(hwnd, &box, FALSE), any ? TRUE : FALSE) << c.name;
        EXPECT_EQ(box.left, c.box.left) << c.name;
        EXPECT_EQ(box.top, c.box.top) << c.name;
        EXPECT_EQ(box.right, c.box.right) << c.name;
        EXPECT_EQ(box.bottom, c.box.bottom) << c.name;
    }
}

TEST(Paint, BeginPaintDrawsOnlyInsideTheUpdateRegionAndPresentsIt) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 40, 30}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    usertest::Drain();  // the first paint of the whole window
    RECT a{0, 0, 10, 10}, b{30, 20, 40, 30};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &b, FALSE);
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    ASSERT_NE(hdc, nullptr);
    EXPECT_EQ(ps.rcPaint.left, 0);
    EXPECT_EQ(ps.rcPaint.right, 40);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "BeginPaint validates";
    Fill(hdc, RECT{0, 0, 40, 30}, RGB(255, 0, 0));
    EXPECT_NE(PixelOf(hwnd, 5, 5), RED) << "not presented before EndPaint";
    EndPaint(hwnd, &ps);
    EXPECT_EQ(PixelOf(hwnd, 5, 5), RED);
    EXPECT_EQ(PixelOf(hwnd, 35, 25), RED);
    EXPECT_EQ(PixelOf(hwnd, 20, 15), 0u) << "outside the update region";
}

TEST(Paint, EraseRequestReachesTheProcedureOnce) {
    usertest::Log().clear();
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    usertest::Drain();
    usertest::Log().clear();
    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(hwnd, nullptr, FALSE);
    usertest::Drain();
    EXPECT_EQ(usertest::Only({WM_PAINT, WM_ERASEBKGND}),
              (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
}

TEST(Paint, WindowDcFollowsResizesAndPresentsOnRelease) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    HDC hdc = GetDC(hwnd);  // kept across the resize, as the window host keeps it
    ASSERT_NE(hdc, nullptr);
    SetWindowPos(hwnd, nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    Fill(hdc, RECT{0, 0, 30, 20}, RGB(0, 0, 255));
    EXPECT_EQ(ReleaseDC(hwnd, hdc), 1);
    EXPECT_EQ(PixelOf(hwnd, 29, 19), BLUE);
    EXPECT_EQ(ReleaseDC(hwnd, hdc), 0) << "released twice";
    HDC screen = GetDC(nullptr);
    EXPECT_NE(screen, nullptr);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

TEST(Paint, DestroyedWindowLeavesNoPaintRequestBehind) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10}, WS_POPUP | WS_VISIBLE);
    HDC kept = GetDC(hwnd);
    DestroyWindow(hwnd);
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
    EXPECT_EQ(ReleaseDC(hwnd, kept), 0);
    EXPECT_FALSE(InvalidateRect(hwnd, nullptr, FALSE));
}

TEST(Paint, BackBufferCopiedThroughAKeptWindowDcShowsAtEndPaint) {
    // The window host's way: draw into its own buffer, copy the area to
    // repaint into the DC it got once from GetDC, then end the paint.
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 30, 20}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    usertest::Drain();
    HDC windowDc = GetDC(hwnd);
    HDC back = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, 30, 20);
    HGDIOBJ old = SelectObject(back, bitmap);
    Fill(back, RECT{0, 0, 30, 20}, RGB(255, 0, 0));
    RECT area{5, 5, 15, 15};
    InvalidateRect(hwnd, &area, FALSE);
    PAINTSTRUCT ps{};
    BeginPaint(hwnd, &ps);
    BitBlt(windowDc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, back, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    EndPaint(hwnd, &ps);
    EXPECT_EQ(PixelOf(hwnd, 10, 10), RED);
    EXPECT_EQ(PixelOf(hwnd, 2, 2), 0u);
    SelectObject(back, old);
    DeleteObject(bitmap);
    DeleteDC(back);
    ReleaseDC(hwnd, windowDc);
}

// An expose shows the kept pixels again, but only once something was painted: a surface never
// painted (drawn into through a DC not yet released) is not shown.
TEST(Paint, ExposeShowsOnlyASurfaceThatWasPainted) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 20, 10}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    platform::user::NativeEvent expose;
    expose.kind = platform::user::NativeEventKind::Exposed;
    expose.hwnd = hwnd;
    expose.damage = RECT{0, 0, 20, 10};
    HDC hdc = GetDC(hwnd);
    Fill(hdc, RECT{0, 0, 20, 10}, RGB(255, 0, 0));
    platform::user::TranslateNativeEvent(expose);
    EXPECT_NE(PixelOf(hwnd, 5, 5), RED) << "an unpainted surface was presented";
    EXPECT_EQ(ReleaseDC(hwnd, hdc), 1);
    EXPECT_EQ(PixelOf(hwnd, 5, 5), RED);
    hdc = GetDC(hwnd);
    Fill(hdc, RECT{0, 0, 20, 10}, RGB(0, 0, 255));  // not released: only the expose shows it
    platform::user::TranslateNativeEvent(expose);
    EXPECT_EQ(PixelOf(hwnd, 5, 5), BLUE);
    ReleaseDC(hwnd, hdc);
}
