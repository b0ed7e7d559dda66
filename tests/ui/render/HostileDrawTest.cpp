// Descriptors and rectangles a careless or hostile skin can hold: drawing ends, without overflow.
#include <gtest/gtest.h>

#include <climits>

#include "RenderTestImages.h"
#include "support/TestCanvas.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

using Orvik::CDrawEngine;
using Orvik::CWindowHostUI;
using Orvik::ImagePaintState;
using rendertest::CPatternBitmap;
using rendertest::CTempSkin;
using rendertest::SolidPng;
using testsupport::Argb;
using testsupport::CTestCanvas;

namespace {

constexpr uint32_t BACKGROUND = Argb(255, 1, 2, 3);

// Each is drawn into a 680 x 480 destination, opaque and half transparent.
const char* const HOSTILE_DESCRIPTORS[] = {
    "color='FFFF0000' source='1073741144,0,1,1' corner='0,0,-2147482967,0' xtiled='true'",
    "color='80FF0000' source='1073741144,0,1,1' corner='0,0,-2147482967,0' ytiled='true'",
    "file='a.png' corner='2147483647,0,0,0'",
    "file='a.png' corner='-2147483648,-2147483648,-2147483648,-2147483648' xtiled='true' "
    "ytiled='true'",
    "file='a.png' dest='2147483647,2147483647,2147483647,2147483647'",
    "file='a.png' dest='-2147483648,-2147483648,2147483647,2147483647' xtiled='true'",
    "file='a.png' source='-2147483648,-2147483648,2147483647,2147483647'",
    "file='a.png' source='2147483647,2147483647,-2147483648,-2147483648' corner='5,5,5,5'",
    "file='soft.png' source='0,0,1,1' corner='0,0,0,0' xtiled='true' ytiled='true'",
    "file='soft.png' source='1,1,2,2' dest='1,1,99999999999,99999999999' fade='7' hole='true'",
};

}  // namespace

TEST(HostileDescriptors, EveryOneEndsAndStaysInsideTheTarget) {
    CTempSkin skin;
    skin.Write("a.png", SolidPng(4, 4, 10, 20, 30));
    skin.Write("soft.png", SolidPng(3, 3, 200, 100, 50, 128));
    CWindowHostUI host;
    for (const char* descriptor : HOSTILE_DESCRIPTORS) {
        SCOPED_TRACE(descriptor);
        for (RECT item : {RECT{0, 0, 680, 480}, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                          RECT{INT_MAX - 5, 0, INT_MAX, 480}}) {
            CTestCanvas c(680, 480, BACKGROUND);
            ImagePaintState state(descriptor);
            RECT paint = {0, 0, 680, 480};
            EXPECT_TRUE(CDrawEngine::DrawImageDescriptor(c.Dc(), &host, item, paint, state));
            EXPECT_TRUE(CDrawEngine::DrawImageDescriptor(c.Dc(), &host, item, paint, state));
        }
    }
}

// Tolerance 0: with a paint rectangle that does not start on a tile edge,
// the tiles that meet it are drawn whole on the grid of the destination's
// corner, and no other tile is.
TEST(HostileTiling, HugeControlDrawsOnlyTheVisibleTilesOnTheirGrid) {
    CPatternBitmap image(3, 2, [](int x, int y) { return Argb(255, 50 + x * 60, 40 + y * 90, 9); });
    for (bool alpha : {false, true}) {
        CTestCanvas c(70, 50, BACKGROUND);
        RECT control = {-29995, -29993, 30000, 30000};
        RECT paint = {7, 5, 61, 43};
        CDrawEngine::DrawImage(c.Dc(), image.Handle(), control, paint, {0, 0, 3, 2}, {0, 0, 0, 0},
                               alpha, 255, false, true, true);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 70; ++x) {
                int tx = (x + 29995) % 3, ty = (y + 29993) % 2;
                int left = x - tx, top = y - ty;  // the tile holding (x, y)
                bool visible = left + 3 > 7 && left < 61 && top + 2 > 5 && top < 43;
                uint32_t expected = visible ? Argb(255, 50 + tx * 60, 40 + ty * 90, 9) : BACKGROUND;
                ASSERT_EQ(c.At(x, y), expected) << x << "," << y << (alpha ? " blended" : "");
            }
    }
}

// The platform's blits take any integers: extreme positions, sizes and
// scale ratios end without drawing outside the target.
TEST(HostileBlits, ExtremeRectanglesAndRatiosEnd) {
    CPatternBitmap image(4, 4, [](int, int) { return Argb(255, 200, 10, 10); });
    HDC imageDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(imageDc, image.Handle());
    CTestCanvas c(40, 30, BACKGROUND);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 200, AC_SRC_ALPHA};
    struct Case {
        int x, y, w, h, sx, sy, sw, sh;
    } cases[] = {
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0, 4, 4},
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 4, 4},
        {0, 0, 1, 1, 0, 0, INT_MAX, INT_MAX},
        {0, 0, 40, 30, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {-1073741824, -1073741824, 2147483647, 2147483647, 0, 0, 1, 1},
        {0, 0, 40, 30, 0, 0, 1, 1},
        {5, 5, -7, -9, 3, 3, -1, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.x << "," << k.y << " " << k.w << "x" << k.h);
        BitBlt(c.Dc(), k.x, k.y, k.w, k.h, imageDc, k.sx, k.sy, SRCCOPY);
        StretchBlt(c.Dc(), k.x, k.y, k.w, k.h, imageDc, k.sx, k.sy, k.sw, k.sh, SRCCOPY);
        AlphaBlend(c.Dc(), k.x, k.y, k.w, k.h, imageDc, k.sx, k.sy, k.sw, k.sh, blend);
    }
    EXPECT_EQ(c.At(10, 10), Argb(255, 200, 10, 10));  // the plain 1 -> 40 x 30 stretch drew
    SelectObject(imageDc, old);
    DeleteDC(imageDc);
}
