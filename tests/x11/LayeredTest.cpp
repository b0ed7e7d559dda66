// Layered windows: ARGB visual, click-through input, and what happens without a compositor.
#include "X11Fixture.h"

#include <X11/extensions/shape.h>

namespace x11test {

namespace {

constexpr DWORD CLICK_THROUGH = WS_EX_LAYERED | WS_EX_TRANSPARENT;

int ShapeRectangles(Display* dpy, Window w, int kind, XRectangle* bounds = nullptr) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(dpy, w, kind, &count, &ordering);
    if (bounds != nullptr && rects != nullptr && count > 0) {
        XRectangle box = rects[0];
        for (int i = 1; i < count; ++i) {
            box.width = std::max<int>(box.x + box.width, rects[i].x + rects[i].width) - box.x;
            box.height = std::max<int>(box.y + box.height, rects[i].y + rects[i].height) - box.y;
        }
        *bounds = box;
    }
    if (rects != nullptr)
        XFree(rects);
    return count;
}

// A picture that is opaque red in its middle and nearly transparent around it.
void PresentRing(HWND hwnd, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool inside = x >= 10 && x < width - 10 && y >= 10 && y < height - 10;
            pixels[y * width + x] = inside ? 0xffff0000u : 0x20200000u;  // premultiplied
        }
    }
    SIZE size{width, height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_TRUE(
        UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, dc, &origin, 0, &blend, ULW_ALPHA));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace

TEST_F(X11Test, ClickThroughPopupIsArgbWithoutInputAndHiddenWithoutCompositor) {
    HWND hwnd = OpenWindow(50, 50, 100, 80, CLICK_THROUGH);
    PumpFor(200);
    XWindowAttributes attrs = Attributes(hwnd);
    EXPECT_EQ(attrs.depth, 32);
    EXPECT_EQ(attrs.map_state, IsUnmapped);
    EXPECT_EQ(ShapeRectangles(m_observer, Xid(hwnd), ShapeInput), 0);
}

TEST_F(X11Test, ClickThroughPopupIsMappedUnderACompositor) {
    StartCompositor();
    HWND hwnd = OpenWindow(50, 50, 100, 80, CLICK_THROUGH);
    ASSERT_TRUE(WaitViewable(hwnd));
    EXPECT_EQ(Attributes(hwnd).depth, 32);
    EXPECT_EQ(ShapeRectangles(m_observer, Xid(hwnd), ShapeInput), 0);
}

TEST_F(X11Test, PopupAppearsWhenACompositorStartsLater) {
    HWND hwnd = OpenWindow(50, 50, 100, 80, CLICK_THROUGH);
    PumpFor(100);
    ASSERT_EQ(Attributes(hwnd).map_state, IsUnmapped);
    StartCompositor();
    // Showing again looks for a compositor too, whether or not its start was reported.
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(hwnd, SW_SHOWNA);
    EXPECT_TRUE(WaitViewable(hwnd));
}

TEST_F(X11Test, LayeredWindowWithoutCompositorIsShapedByItsAlphaAndShownOpaque) {
    HWND hwnd = OpenWindow(50, 50, 100, 80, WS_EX_LAYERED);
    PresentRing(hwnd, 100, 80);
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(100);
    XRectangle bounds{};
    ASSERT_GT(ShapeRectangles(m_observer, Xid(hwnd), ShapeBounding, &bounds), 0);
    EXPECT_EQ(bounds.x, 10);
    EXPECT_EQ(bounds.y, 10);
    EXPECT_EQ(bounds.width, 80);
    EXPECT_EQ(bounds.height, 60);
    XImage* image = XGetImage(m_observer, Xid(hwnd), 40, 40, 1, 1, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(XGetPixel(image, 0, 0) & 0xffffff, 0xff0000u);
    XDestroyImage(image);
}

}  // namespace x11test
