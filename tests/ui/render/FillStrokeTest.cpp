// CDrawEngine fills, gradients, strokes and the layered-window bitmap.
#include <gtest/gtest.h>

#include "support/TestCanvas.h"
#include "ui/render/DrawEngine.h"

using Orvik::CDrawEngine;
using testsupport::Argb;
using testsupport::Channel;
using testsupport::CTestCanvas;
using testsupport::MaxChannelDiff;

namespace {

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);
constexpr uint32_t BLACK = Argb(255, 0, 0, 0);

}  // namespace

// Tolerance 0 for opaque and empty fills, 1 for the blend.
TEST(FillColor, OpaqueTranslucentAndTransparent) {
    CTestCanvas c(10, 10, WHITE);
    CDrawEngine::FillColor(c.Dc(), {0, 0, 5, 10}, 0xFF102030);
    EXPECT_EQ(c.At(4, 9), Argb(255, 0x10, 0x20, 0x30));
    EXPECT_EQ(c.At(5, 0), WHITE);

    CDrawEngine::FillColor(c.Dc(), {5, 0, 10, 10}, 0x00FF0000);  // six-digit colour: alpha 0
    EXPECT_EQ(c.At(7, 5), WHITE);

    // Half-transparent red really covers half, over white and over black.
    CDrawEngine::FillColor(c.Dc(), {5, 0, 10, 5}, 0x80FF0000);
    EXPECT_LE(MaxChannelDiff(c.At(7, 2), Argb(255, 255, 127, 127)), 1) << std::hex << c.At(7, 2);
    CTestCanvas dark(4, 4, BLACK);
    CDrawEngine::FillColor(dark.Dc(), {0, 0, 4, 4}, 0x80FF0000);
    EXPECT_LE(MaxChannelDiff(dark.At(1, 1), Argb(255, 128, 0, 0)), 1) << std::hex << dark.At(1, 1);
}

// Tolerance 3: the gradient rounds per channel (up to 2) and a pixel's
// position within its span adds one more.
TEST(FillGradient, HorizontalAndVerticalRunFromFirstToSecond) {
    CTestCanvas c(256, 256, WHITE);
    CDrawEngine::FillGradient(c.Dc(), {0, 0, 256, 128}, 0xFF000000, 0xFFFFFFFF, false, 64);
    CDrawEngine::FillGradient(c.Dc(), {0, 128, 256, 256}, 0xFFFF0000, 0xFF0000FF, true, 64);
    for (int x : {0, 64, 128, 255}) {
        EXPECT_LE(std::abs(Channel(c.At(x, 10), 16) - x), 3) << x;
        EXPECT_EQ(c.At(x, 10), c.At(x, 120));  // constant down a column
    }
    for (int y : {128, 160, 200, 255}) {
        int t = (y - 128) * 255 / 127;
        EXPECT_LE(std::abs(Channel(c.At(50, y), 16) - (255 - t)), 3) << y;
        EXPECT_LE(std::abs(Channel(c.At(50, y), 0) - t), 3) << y;
        EXPECT_EQ(c.At(0, y), c.At(255, y));  // constant along a row
    }
}

// Tolerance 3 as above, plus 1 for the blend.
TEST(FillGradient, TranslucentGradientBlendsWithTheAverageAlpha) {
    CTestCanvas c(100, 10, WHITE);
    // Alphas 0xFF and 0x01 average to 128; the colour is black throughout.
    CDrawEngine::FillGradient(c.Dc(), {0, 0, 100, 10}, 0xFF000000, 0x01000000, false, 64);
    EXPECT_LE(MaxChannelDiff(c.At(50, 5), Argb(255, 127, 127, 127)), 2) << std::hex << c.At(50, 5);

    CTestCanvas empty(10, 10, WHITE);  // alphas 1 and 0 average to 0: nothing
    CDrawEngine::FillGradient(empty.Dc(), {0, 0, 10, 10}, 0x01000000, 0x00FFFFFF, true, 64);
    EXPECT_EQ(empty.InkBounds(WHITE).right, 0);
}

// Tolerance 0: aliased pens.
TEST(Stroke, RectanglesStayInsideTheirBounds) {
    CTestCanvas c(20, 20, WHITE);
    CDrawEngine::StrokeRect(c.Dc(), {2, 2, 12, 12}, 2, 0xFFFF0000);
    RECT ink = c.InkBounds(WHITE);
    EXPECT_EQ(ink.left, 2);
    EXPECT_EQ(ink.top, 2);
    EXPECT_EQ(ink.right, 12);
    EXPECT_EQ(ink.bottom, 12);
    EXPECT_EQ(c.At(3, 6), Argb(255, 255, 0, 0));
    EXPECT_EQ(c.At(4, 6), WHITE);  // empty brush: the inside stays

    CTestCanvas r(20, 20, WHITE);
    CDrawEngine::StrokeRoundedRect(r.Dc(), {2, 2, 18, 18}, 1, 8, 8, 0xFF0000FF);
    EXPECT_EQ(r.At(2, 2), WHITE);  // the corner is cut
    EXPECT_EQ(r.At(10, 2), Argb(255, 0, 0, 255));
    EXPECT_EQ(r.InkBounds(WHITE).right, 18);

    CTestCanvas l(20, 20, WHITE);
    CDrawEngine::StrokeLine(l.Dc(), {1, 5, 15, 5}, 1, 0xFF00FF00);
    EXPECT_EQ(l.At(1, 5), Argb(255, 0, 255, 0));
    EXPECT_EQ(l.At(14, 5), Argb(255, 0, 255, 0));
    EXPECT_EQ(l.At(7, 6), WHITE);
}

// A border style reaches the pen: dotted outlines keep their gaps.
TEST(Stroke, DottedOutlinesHaveGaps) {
    CTestCanvas c(20, 20, WHITE);
    SetBkMode(c.Dc(), TRANSPARENT);
    CDrawEngine::StrokeRect(c.Dc(), {2, 2, 14, 12}, 1, 0xFFFF0000, PS_DOT);
    EXPECT_EQ(c.At(2, 2), Argb(255, 255, 0, 0));
    EXPECT_EQ(c.At(5, 2), WHITE);
    EXPECT_EQ(c.At(8, 2), Argb(255, 255, 0, 0));
    EXPECT_EQ(c.InkBounds(WHITE).right, 14);

    CTestCanvas l(20, 20, WHITE);
    SetBkMode(l.Dc(), TRANSPARENT);
    CDrawEngine::StrokeLine(l.Dc(), {0, 5, 20, 5}, 1, 0xFF00FF00, PS_DASH);
    EXPECT_EQ(l.At(17, 5), Argb(255, 0, 255, 0));
    EXPECT_EQ(l.At(18, 5), WHITE);
}

TEST(CreateArgbBitmap, RowsRunBottomUp) {
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = CDrawEngine::CreateArgbBitmap(nullptr, 3, 2, &pBits);
    ASSERT_NE(hBitmap, nullptr);
    ASSERT_NE(pBits, nullptr);
    BITMAP bm = {};
    GetObjectA(hBitmap, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    // The first row in memory is the bottom row of the picture.
    pBits[0] = 0xFF;
    pBits[3] = 0xFF;
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    EXPECT_EQ(GetPixel(hDC, 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 0, 0), RGB(0, 0, 0));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    DeleteObject(hBitmap);
}
