// Layered windows and the headless screen: alpha, Z order, shapes and screenshots.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless.h"
#include "platform/kernel.h"
#include "platform/user.h"

namespace {

constexpr uint32_t BLACK = 0xFF000000;

// A 32-bit DIB section filled with one premultiplied pixel value.
struct Picture {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    Picture(int width, int height, uint32_t pixel) {
        BITMAPINFO info{};
        info.bmiHeader = BITMAPINFOHEADER{
            sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        std::fill_n(static_cast<uint32_t*>(bits), size_t(width) * height, pixel);
        dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, bitmap);
    }
    ~Picture() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

uint32_t ScreenPixel(int x, int y) {
    int width = 0, height = 0;
    std::vector<uint32_t> screen = platform::headless::ScreenPixels(width, height);
    return x < width && y < height ? screen[size_t(y) * width + x] : 0xDEADBEEF;
}

// Paints the whole client area with one colour and presents it.
void PaintSolid(HWND hwnd, COLORREF colour) {
    HDC hdc = GetDC(hwnd);
    RECT rc{};
    GetClientRect(hwnd, &rc);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, hdc);
}

class LayeredScreen : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::SetScreen(200, 150, RECT{0, 0, 200, 150}); }
    void TearDown() override { platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040}); }
};

}  // namespace

TEST_F(LayeredScreen, PerPixelAlphaComposesOverWhatIsBelow) {
    HWND below = usertest::MakeWindow(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guardBelow{below};
    PaintSolid(below, RGB(0, 0, 200));
    HWND layered = usertest::MakeWindow(RECT{0, 0, 10, 10}, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
    usertest::WindowGuard guardLayered{layered};
    Picture picture(40, 30, 0x80800000);  // red at half coverage, premultiplied
    POINT dst{20, 20}, src{0, 0};
    SIZE size{40, 30};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(
        UpdateLayeredWindow(layered, nullptr, &dst, &size, picture.dc, &src, 0, &blend, ULW_ALPHA));
    RECT rc{};
    GetWindowRect(layered, &rc);
    EXPECT_EQ(rc.left, 20);
    EXPECT_EQ(rc.right, 60);
    // 0x80 red over blue 200: blue keeps 200 * 127 / 255.
    uint32_t mixed = ScreenPixel(30, 30);
    EXPECT_EQ((mixed >> 16) & 0xFF, 0x80u);
    EXPECT_NEAR(int(mixed & 0xFF), 200 * 127 / 255, 1);
    EXPECT_EQ(ScreenPixel(10, 10) & 0xFFFFFF, 200u) << "outside the layered window";

    // Paints of a window that shows an image do not replace it.
    PaintSolid(layered, RGB(0, 255, 0));
    EXPECT_EQ((ScreenPixel(30, 30) >> 8) & 0xFF, 0u);
}

TEST_F(LayeredScreen, ConstantAlphaAndRefusedCalls) {
    HWND plain = usertest::MakeWindow(RECT{0, 0, 20, 20}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guardPlain{plain};
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 128, LWA_ALPHA)) << "not layered";
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 20, 20}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, WS_EX_LAYERED);  // layered after creation
    PaintSolid(hwnd, RGB(255, 0, 0));
    ASSERT_TRUE(SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA));
    EXPECT_NEAR(int((ScreenPixel(5, 5) >> 16) & 0xFF), 128, 1);
    EXPECT_FALSE(SetLayeredWindowAttributes(hwnd, RGB(1, 2, 3), 0, LWA_COLORKEY));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
}

TEST_F(LayeredScreen, ZOrderShapesAndHiddenWindows) {
    HWND first = usertest::MakeWindow(RECT{0, 0, 50, 50}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guardFirst{first};
    HWND second = usertest::MakeWindow(RECT{25, 25, 75, 75}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guardSecond{second};
    PaintSolid(first, RGB(255, 0, 0));
    PaintSolid(second, RGB(0, 255, 0));
    EXPECT_EQ(ScreenPixel(30, 30), 0xFF00FF00u) << "the newer window is on top";
    SetWindowPos(first, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ScreenPixel(30, 30), 0xFFFF0000u);

    // A round shape leaves the corners to what lies below.
    SetWindowRgn(first, CreateRoundRectRgn(0, 0, 51, 51, 30, 30), TRUE);
    EXPECT_EQ(ScreenPixel(1, 1), BLACK);
    EXPECT_EQ(ScreenPixel(30, 30), 0xFFFF0000u);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(first, copy), ERROR);
    EXPECT_TRUE(PtInRegion(copy, 25, 25));
    DeleteObject(copy);

    ShowWindow(first, SW_HIDE);
    EXPECT_EQ(ScreenPixel(30, 30), 0xFF00FF00u);
}

TEST_F(LayeredScreen, ScreenshotsAreWrittenAsPng) {
    HWND hwnd = usertest::MakeWindow(RECT{10, 10, 60, 40}, WS_POPUP | WS_VISIBLE);
    usertest::WindowGuard guard{hwnd};
    PaintSolid(hwnd, RGB(250, 200, 0));
    std::string dir = ::testing::TempDir();
    std::string window = dir + "seam_window.png", screen = dir + "seam_screen.png";
    ASSERT_TRUE(platform::headless::SaveWindowPng(hwnd, window.c_str()));
    ASSERT_TRUE(platform::headless::SaveScreenPng(screen.c_str()));
    for (const std::string& path : {window, screen}) {
        FILE* file = std::fopen(path.c_str(), "rb");
        ASSERT_NE(file, nullptr) << path;
        unsigned char magic[4] = {};
        EXPECT_EQ(std::fread(magic, 1, 4, file), 4u);
        EXPECT_EQ(magic[1], 'P');
        std::fclose(file);
        std::remove(path.c_str());
    }
    EXPECT_FALSE(platform::headless::SaveWindowPng(reinterpret_cast<HWND>(0x77), window.c_str()));
}
