// CDrawEngine::DrawImage: the 9-grid, hole, tiling, plain copies and fade.
#include <gtest/gtest.h>

#include <functional>

#include "RenderTestImages.h"
#include "support/TestCanvas.h"
#include "ui/render/DrawEngine.h"

using Orvik::CDrawEngine;
using rendertest::Argb;
using rendertest::CPatternBitmap;
using testsupport::CTestCanvas;
using testsupport::MaxChannelDiff;

namespace {

constexpr uint32_t BACKGROUND = Argb(255, 1, 2, 3);
constexpr RECT NO_CORNER = {0, 0, 0, 0};

// Compares every canvas pixel with expect(x, y); reports the first few misses.
::testing::AssertionResult PixelsMatch(const CTestCanvas& c,
                                       const std::function<uint32_t(int, int)>& expect,
                                       int tolerance) {
    int misses = 0;
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (MaxChannelDiff(c.At(x, y), expect(x, y)) > tolerance && ++misses <= 3)
                result << "(" << x << "," << y << ") is " << std::hex << c.At(x, y) << ", expected "
                       << expect(x, y) << std::dec << "; ";
    if (misses == 0)
        return ::testing::AssertionSuccess();
    return result << misses << " pixels off";
}

// A 36 x 36 source for corners of 12: corners vary in both directions,
// edges only across their length (so stretching keeps them exact), the
// middle is one colour.
int Band(int v, int size) {
    return v < 12 ? 0 : (v < size - 12 ? 1 : 2);
}
uint32_t GridSource(int x, int y) {
    int col = Band(x, 36), row = Band(y, 36);
    if (col == 1 && row == 1)
        return Argb(255, 10, 20, 30);
    if (col == 1)
        return Argb(255, 50, y * 7, 100 + row);
    if (row == 1)
        return Argb(255, x * 7, 50, 150 + col);
    return Argb(255, x * 7, y * 7, 200 + col * 10 + row);
}

// What the 9-grid of GridSource must put at (x, y) of a w x h destination.
uint32_t GridExpected(int x, int y, int w, int h) {
    int col = Band(x, w), row = Band(y, h);
    int sx = col == 0 ? x : (col == 2 ? x - (w - 12) + 24 : 12);
    int sy = row == 0 ? y : (row == 2 ? y - (h - 12) + 24 : 12);
    return GridSource(sx, sy);
}

}  // namespace

// Tolerance 0: opaque copies and source-over of opaque pixels are exact.
TEST(DrawImageNineGrid, CornersStayUnscaledAtEverySize) {
    CPatternBitmap image(36, 36, GridSource);
    const RECT corner = {12, 12, 12, 12};
    const RECT source = {0, 0, 36, 36};
    for (bool alpha : {false, true}) {
        for (auto [w, h] : {std::pair{24, 24}, {36, 36}, {100, 40}, {203, 97}}) {
            SCOPED_TRACE(::testing::Message() << w << " x " << h << (alpha ? " blended" : ""));
            CTestCanvas c(w + 10, h + 6, BACKGROUND);
            RECT dest = {5, 3, 5 + w, 3 + h};
            CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, source, corner, alpha);
            EXPECT_TRUE(PixelsMatch(
                c,
                [&](int x, int y) {
                    bool inside = x >= 5 && x < 5 + w && y >= 3 && y < 3 + h;
                    return inside ? GridExpected(x - 5, y - 3, w, h) : BACKGROUND;
                },
                0));
        }
    }
}

// Tolerance 0: the middle must stay exactly as it was.
TEST(DrawImageNineGrid, HoleLeavesTheMiddleUntouched) {
    CPatternBitmap image(36, 36, GridSource);
    CTestCanvas c(80, 50, BACKGROUND);
    RECT dest = {0, 0, 80, 50};
    CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, {0, 0, 36, 36}, {12, 12, 12, 12},
                           false, 255, true);
    EXPECT_TRUE(PixelsMatch(
        c,
        [](int x, int y) {
            bool middle = x >= 12 && x < 68 && y >= 12 && y < 38;
            return middle ? BACKGROUND : GridExpected(x, y, 80, 50);
        },
        0));
}

// Tolerance 0: only cells meeting the paint rectangle are drawn, whole.
TEST(DrawImageNineGrid, CellsOutsideThePaintRectangleAreSkipped) {
    CPatternBitmap image(36, 36, GridSource);
    CTestCanvas c(80, 50, BACKGROUND);
    RECT dest = {0, 0, 80, 50};
    RECT paint = {0, 0, 5, 5};  // meets only the top-left corner cell
    CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, paint, {0, 0, 36, 36}, {12, 12, 12, 12},
                           false);
    EXPECT_TRUE(PixelsMatch(
        c, [](int x, int y) { return x < 12 && y < 12 ? GridSource(x, y) : BACKGROUND; }, 0));
}

namespace {

// A 20 x 20 source with corners of 4 and a 12 x 12 middle whose red encodes
// the column and green the row.
uint32_t TileSource(int x, int y) {
    if (x >= 4 && x < 16 && y >= 4 && y < 16)
        return Argb(255, 100 + (x - 4) * 10, 100 + (y - 4) * 10, 7);
    return Argb(255, 0, 0, 250);
}

}  // namespace

// Tolerance 0 on the tiled axis: tiles are 1:1 and the last one is cut.
TEST(DrawImageTiling, TilesInXYAndBothWithTheLastTileCut) {
    CPatternBitmap image(20, 20, TileSource);
    struct Case {
        bool x, y;
    };
    for (Case k : {Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(::testing::Message() << "xtiled " << k.x << " ytiled " << k.y);
        for (bool alpha : {false, true}) {
            CTestCanvas c(38, 38, BACKGROUND);  // middle 30 x 30: tiles of 12, 12, 6
            RECT dest = {0, 0, 38, 38};
            CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, {0, 0, 20, 20}, {4, 4, 4, 4},
                                   alpha, 255, false, k.x, k.y);
            for (int y = 4; y < 34; ++y)
                for (int x = 4; x < 34; ++x) {
                    uint32_t px = c.At(x, y);
                    if (k.x) {
                        ASSERT_EQ(testsupport::Channel(px, 16), 100 + (x - 4) % 12 * 10)
                            << x << "," << y;
                    }
                    if (k.y) {
                        ASSERT_EQ(testsupport::Channel(px, 8), 100 + (y - 4) % 12 * 10)
                            << x << "," << y;
                    }
                }
            EXPECT_EQ(c.At(34, 20), Argb(255, 0, 0, 250));  // the right edge follows
        }
    }
}

// Tolerance 0: without corners the tiles must stop at the destination's
// edge, since no edge cell covers an overrun.
TEST(DrawImageTiling, LastTileIsCutAtTheDestinationEdge) {
    CPatternBitmap image(20, 20, TileSource);
    for (bool alpha : {false, true}) {
        CTestCanvas c(40, 40, BACKGROUND);
        RECT dest = {0, 0, 30, 30};
        CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, {4, 4, 16, 16}, NO_CORNER, alpha,
                               255, false, true, true);
        EXPECT_TRUE(PixelsMatch(
            c,
            [](int x, int y) {
                if (x >= 30 || y >= 30)
                    return BACKGROUND;
                return Argb(255, 100 + x % 12 * 10, 100 + y % 12 * 10, 7);
            },
            0));
    }
}

// Tolerance 0: a middle without width draws nothing (and must not loop).
TEST(DrawImageTiling, EmptyMiddleDrawsNothing) {
    CPatternBitmap image(8, 8, [](int, int) { return Argb(255, 9, 9, 9); });
    CTestCanvas c(20, 20, BACKGROUND);
    RECT dest = {0, 0, 20, 20};
    CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, {0, 0, 8, 8}, {4, 4, 4, 4}, false,
                           255, false, true, true);
    EXPECT_EQ(c.At(10, 10), BACKGROUND);
    EXPECT_EQ(c.At(0, 0), Argb(255, 9, 9, 9));
}

// Tolerance 0: an opaque image of the destination's size is copied 1:1, and
// only inside the paint rectangle.
TEST(DrawImageCopy, ExactSizeCopiesOnlyThePaintedPart) {
    CPatternBitmap image(10, 10, [](int x, int y) { return Argb(255, x * 20, y * 20, 5); });
    CTestCanvas c(20, 20, BACKGROUND);
    RECT dest = {4, 4, 14, 14};
    RECT paint = {0, 0, 9, 20};
    CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, paint, {0, 0, 10, 10}, NO_CORNER, false);
    EXPECT_TRUE(PixelsMatch(
        c,
        [](int x, int y) {
            bool drawn = x >= 4 && x < 9 && y >= 4 && y < 14;
            return drawn ? Argb(255, (x - 4) * 20, (y - 4) * 20, 5) : BACKGROUND;
        },
        0));
}

// Tolerance 1: constant alpha rounds once.
TEST(DrawImageFade, FadeScalesTheWholeImage) {
    CPatternBitmap image(4, 4, [](int, int) { return Argb(255, 200, 100, 50); });
    CTestCanvas c(4, 4, Argb(255, 0, 0, 0));
    RECT dest = {0, 0, 4, 4};
    CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, dest, NO_CORNER, false, 128);
    EXPECT_LE(MaxChannelDiff(c.At(2, 2), Argb(255, 100, 50, 25)), 1) << std::hex << c.At(2, 2);
}

// Tolerance 1: premultiplied source-over of a half-transparent pixel.
TEST(DrawImageFade, PerPixelAlphaBlendsPremultipliedPixels) {
    CPatternBitmap image(2, 2, [](int, int) { return Argb(128, 128, 0, 0); });
    CTestCanvas c(2, 2, Argb(255, 0, 0, 255));
    RECT dest = {0, 0, 2, 2};
    CDrawEngine::DrawImage(c.Dc(), image.Handle(), dest, dest, dest, NO_CORNER, true);
    EXPECT_LE(MaxChannelDiff(c.At(1, 1), Argb(255, 128, 0, 127)), 1) << std::hex << c.At(1, 1);
}
