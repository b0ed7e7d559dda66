// Fills, gradients and pen shapes, checked pixel by pixel.
#include <gtest/gtest.h>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"

using namespace gditest;

namespace {

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);
constexpr uint32_t RED = Argb(255, 255, 0, 0);

TRIVERTEX Vertex(int x, int y, int r, int g, int b, int a) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(r << 8),
                     static_cast<COLOR16>(g << 8),
                     static_cast<COLOR16>(b << 8),
                     static_cast<COLOR16>(a << 8)};
}

// Expected channel at pixel `i` of `n` along a gradient from a to b (pixel
// centres). Gradients are checked within 2 per channel: the interpolation
// truncates where this formula rounds.
constexpr int GRADIENT_TOLERANCE = 2;
int Lerp(int a, int b, int i, int n) {
    return static_cast<int>(a + (b - a) * (i + 0.5) / n + 0.5);
}

}  // namespace

TEST(GdiFill, FillRectIsOpaqueAndExcludesRightAndBottom) {
    CTestCanvas c(5, 5);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    RECT rc = {1, 1, 3, 4};
    ASSERT_TRUE(FillRect(c.Dc(), &rc, brush));
    DeleteObject(brush);
    EXPECT_EQ(c.At(1, 1), RED);
    EXPECT_EQ(c.At(2, 3), RED);
    EXPECT_EQ(c.At(3, 3), 0u);
    EXPECT_EQ(c.At(2, 4), 0u);
    EXPECT_EQ(c.InkBounds(0).right, 3);
}

TEST(GdiFill, FillRectClippedByRoundRectRegionLeavesCornersUntouched) {
    CTestCanvas c(21, 21, WHITE);
    HRGN rgn = CreateRoundRectRgn(0, 0, 21, 21, 10, 10);
    SelectClipRgn(c.Dc(), rgn);
    RECT all = {0, 0, 21, 21};
    FillRect(c.Dc(), &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    // Every pixel is painted exactly when the region holds it.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            EXPECT_EQ(c.At(x, y) != WHITE, PtInRegion(rgn, x, y) != 0) << x << "," << y;
    EXPECT_EQ(c.At(0, 0), WHITE);
    EXPECT_EQ(c.At(19, 0), WHITE);
    EXPECT_EQ(c.At(0, 19), WHITE);
    EXPECT_EQ(c.At(19, 19), WHITE);
    EXPECT_NE(c.At(10, 0), WHITE);
    EXPECT_NE(c.At(0, 10), WHITE);
    EXPECT_EQ(c.At(20, 10), WHITE);  // the region ends one pixel short
    // The corners are mirror images of each other.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(c.At(x, y), c.At(19 - x, 19 - y)) << x << "," << y;
    DeleteObject(rgn);
}

TEST(GdiFill, GradientFillHorizontalAndVertical) {
    for (ULONG mode : {GRADIENT_FILL_RECT_H, GRADIENT_FILL_RECT_V}) {
        CTestCanvas c(40, 40);
        TRIVERTEX v[2] = {Vertex(0, 0, 255, 0, 40, 255), Vertex(40, 40, 0, 200, 240, 255)};
        GRADIENT_RECT r = {0, 1};
        ASSERT_TRUE(GradientFill(c.Dc(), v, 2, &r, 1, mode));
        for (int i = 0; i < 40; ++i) {
            uint32_t px = mode == GRADIENT_FILL_RECT_H ? c.At(i, 7) : c.At(7, i);
            uint32_t expect =
                Argb(255, Lerp(255, 0, i, 40), Lerp(0, 200, i, 40), Lerp(40, 240, i, 40));
            EXPECT_LE(MaxChannelDiff(px, expect), GRADIENT_TOLERANCE) << mode << " at " << i;
            // Constant across the gradient.
            EXPECT_EQ(px, mode == GRADIENT_FILL_RECT_H ? c.At(i, 30) : c.At(30, i));
        }
    }
}

TEST(GdiFill, GradientFillWithAlphaWritesPremultipliedPixels) {
    CTestCanvas c(50, 1, WHITE);
    TRIVERTEX v[2] = {Vertex(0, 0, 255, 255, 255, 0), Vertex(50, 1, 255, 255, 255, 255)};
    GRADIENT_RECT r = {0, 1};
    ASSERT_TRUE(GradientFill(c.Dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    for (int i = 0; i < 50; ++i) {
        int a = Lerp(0, 255, i, 50);
        EXPECT_LE(MaxChannelDiff(c.At(i, 0), Argb(a, a, a, a)), GRADIENT_TOLERANCE) << i;
    }
}

TEST(GdiFill, GradientFillRejectsBadMeshes) {
    CTestCanvas c(4, 4);
    TRIVERTEX v[2] = {Vertex(0, 0, 0, 0, 0, 255), Vertex(4, 4, 0, 0, 0, 255)};
    GRADIENT_RECT bad = {0, 2};
    EXPECT_FALSE(GradientFill(c.Dc(), v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
    GRADIENT_RECT r = {0, 1};
    EXPECT_FALSE(GradientFill(c.Dc(), v, 2, &r, 1, 2 /* triangles */));
    EXPECT_EQ(c.InkBounds(0).right, 0);
}

TEST(GdiFill, InsideFramePenStaysInsideTheRectangle) {
    CTestCanvas c(20, 20);
    HPEN pen = CreatePen(PS_INSIDEFRAME, 3, RGB(255, 0, 0));
    HGDIOBJ oldPen = SelectObject(c.Dc(), pen);
    HGDIOBJ oldBrush = SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
    ASSERT_TRUE(Rectangle(c.Dc(), 4, 5, 14, 15));
    RECT ink = c.InkBounds(0);
    EXPECT_EQ(ink.left, 4);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 14);
    EXPECT_EQ(ink.bottom, 15);
    EXPECT_EQ(c.At(6, 7), RED);  // third pixel of the frame
    EXPECT_EQ(c.At(7, 8), 0u);   // interior untouched with the null brush
    ASSERT_TRUE(RoundRect(c.Dc(), 0, 0, 20, 20, 8, 8));
    EXPECT_EQ(c.At(0, 0), 0u);  // rounded corner
    EXPECT_EQ(c.At(10, 0), RED);
    EXPECT_EQ(c.At(19, 10), RED);
    EXPECT_EQ(c.At(10, 3), 0u);
    SelectObject(c.Dc(), oldPen);
    SelectObject(c.Dc(), oldBrush);
    DeleteObject(pen);
}

TEST(GdiFill, DashStyleCombinedWithInsideFrameStillFramesInside) {
    CTestCanvas c(10, 10);
    HPEN pen = CreatePen(PS_DASH | PS_INSIDEFRAME, 2, RGB(255, 0, 0));
    ASSERT_NE(pen, nullptr);
    HGDIOBJ oldPen = SelectObject(c.Dc(), pen);
    HGDIOBJ oldBrush = SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(c.Dc(), 1, 1, 9, 9);
    RECT ink = c.InkBounds(0);
    EXPECT_EQ(ink.left, 1);
    EXPECT_EQ(ink.right, 9);
    EXPECT_EQ(c.At(2, 5), RED);
    EXPECT_EQ(c.At(3, 5), 0u);
    SelectObject(c.Dc(), oldPen);
    SelectObject(c.Dc(), oldBrush);
    DeleteObject(pen);
}

TEST(GdiFill, RectangleFillsWithTheBrushAndLinesLeaveOutTheEndPoint) {
    CTestCanvas c(10, 10);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ oldBrush = SelectObject(c.Dc(), brush);
    Rectangle(c.Dc(), 0, 0, 5, 5);
    EXPECT_EQ(c.At(0, 0), Argb(255, 0, 0, 0));    // black pen frame
    EXPECT_EQ(c.At(2, 2), Argb(255, 0, 0, 255));  // brush inside
    EXPECT_EQ(c.At(5, 5), 0u);
    SelectObject(c.Dc(), GetStockObject(NULL_PEN));
    Rectangle(c.Dc(), 6, 6, 9, 9);  // without a pen one pixel smaller
    EXPECT_EQ(c.At(7, 7), Argb(255, 0, 0, 255));
    EXPECT_EQ(c.At(8, 8), 0u);
    SelectObject(c.Dc(), GetStockObject(BLACK_PEN));
    SelectObject(c.Dc(), oldBrush);
    DeleteObject(brush);

    CTestCanvas l(10, 10);
    MoveToEx(l.Dc(), 1, 8, nullptr);
    LineTo(l.Dc(), 7, 8);
    RECT ink = l.InkBounds(0);
    EXPECT_EQ(ink.left, 1);
    EXPECT_EQ(ink.right, 7);
    EXPECT_EQ(ink.top, 8);
    EXPECT_EQ(ink.bottom, 9);
    l.Fill(0);
    LineTo(l.Dc(), 1, 2);  // diagonal from the current point (7, 8)
    EXPECT_EQ(l.At(4, 5), Argb(255, 0, 0, 0));
}
