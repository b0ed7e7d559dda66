// Region arithmetic, point tests and the DC clip with SaveDC/RestoreDC.
#include <gtest/gtest.h>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"

using namespace gditest;

namespace {

// Two regions cover the same pixels: the same box and kind, and the same
// answer for every point of the box.
bool SamePixels(HRGN a, HRGN b) {
    RECT ra, rb;
    if (GetRgnBox(a, &ra) != GetRgnBox(b, &rb) || ra.left != rb.left || ra.top != rb.top ||
        ra.right != rb.right || ra.bottom != rb.bottom)
        return false;
    for (int y = ra.top; y < ra.bottom; ++y)
        for (int x = ra.left; x < ra.right; ++x)
            if (PtInRegion(a, x, y) != PtInRegion(b, x, y))
                return false;
    return true;
}

}  // namespace

TEST(GdiRegion, CombineRgnModesAndResults) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    RECT box;
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    GetRgnBox(out, &box);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.right, 10);

    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 14, 14));
    EXPECT_FALSE(PtInRegion(out, 14, 2));
    EXPECT_EQ(GetRgnBox(out, &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 15);

    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 2, 2));
    EXPECT_FALSE(PtInRegion(out, 7, 7));

    EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 2, 2));
    EXPECT_TRUE(PtInRegion(out, 12, 12));
    EXPECT_FALSE(PtInRegion(out, 7, 7));

    EXPECT_EQ(CombineRgn(out, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(SamePixels(out, b));
    EXPECT_EQ(OffsetRgn(out, -5, -5), SIMPLEREGION);
    EXPECT_TRUE(SamePixels(out, a));
    EXPECT_FALSE(PtInRegion(out, 10, 0));  // right edge is outside

    HRGN far = CreateRectRgn(50, 50, 60, 60);
    EXPECT_EQ(CombineRgn(out, a, far, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, b, 99), ERROR);
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_OR), ERROR);
    for (HRGN r : {a, b, out, far})
        DeleteObject(r);
}

TEST(GdiRegion, RoundRectRegionIsSymmetricAndOnePixelShort) {
    HRGN r = CreateRoundRectRgn(10, 20, 30, 50, 8, 8);
    RECT box;
    EXPECT_EQ(GetRgnBox(r, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 29);
    EXPECT_EQ(box.bottom, 49);
    EXPECT_FALSE(PtInRegion(r, 10, 20));
    EXPECT_TRUE(PtInRegion(r, 19, 20));
    EXPECT_TRUE(PtInRegion(r, 10, 35));
    for (int y = 20; y < 49; ++y)
        for (int x = 10; x < 29; ++x)
            EXPECT_EQ(PtInRegion(r, x, y), PtInRegion(r, 38 - x, 68 - y)) << x << "," << y;
    // Tiny ellipses give a plain rectangle.
    HRGN plain = CreateRoundRectRgn(0, 0, 5, 5, 1, 1);
    EXPECT_EQ(GetRgnBox(plain, &box), SIMPLEREGION);
    DeleteObject(plain);
    DeleteObject(r);
}

TEST(GdiRegion, SaveDcAndRestoreDcBringBackTheClip) {
    CTestCanvas c(20, 20);
    RECT box;
    EXPECT_EQ(GetClipBox(c.Dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 20);

    int level = SaveDC(c.Dc());
    EXPECT_EQ(level, 1);
    IntersectClipRect(c.Dc(), 2, 3, 8, 9);
    EXPECT_EQ(SaveDC(c.Dc()), 2);
    HRGN round = CreateRoundRectRgn(0, 0, 20, 20, 10, 10);
    EXPECT_EQ(ExtSelectClipRgn(c.Dc(), round, RGN_AND), SIMPLEREGION);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.bottom, 9);
    SetTextColor(c.Dc(), RGB(1, 2, 3));

    EXPECT_TRUE(RestoreDC(c.Dc(), -1));
    EXPECT_EQ(GetTextColor(c.Dc()), RGB(0, 0, 0));
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 8);
    EXPECT_TRUE(RestoreDC(c.Dc(), level));
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 20);
    EXPECT_FALSE(RestoreDC(c.Dc(), -1));  // nothing saved any more
    EXPECT_FALSE(RestoreDC(c.Dc(), 5));

    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(c.Dc(), copy), 0);
    SelectClipRgn(c.Dc(), round);
    EXPECT_EQ(GetClipRgn(c.Dc(), copy), 1);
    EXPECT_TRUE(SamePixels(copy, round));
    // The DC keeps its own copy: changing the region afterwards changes nothing.
    OffsetRgn(round, 100, 100);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(SelectClipRgn(c.Dc(), nullptr), SIMPLEREGION);
    DeleteObject(copy);
    DeleteObject(round);
}

TEST(GdiRegion, ClipBoxIsInLogicalCoordinates) {
    CTestCanvas c(20, 20);
    int level = SaveDC(c.Dc());
    POINT old = {1, 1};
    EXPECT_TRUE(SetWindowOrgEx(c.Dc(), -5, -5, &old));
    EXPECT_EQ(old.x, 0);
    EXPECT_EQ(old.y, 0);
    IntersectClipRect(c.Dc(), 0, 0, 4, 4);  // logical: device 5..9
    RECT box;
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 4);
    SetWindowOrgEx(c.Dc(), 0, 0, nullptr);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 5);
    // RestoreDC brings the origin back along with the clip.
    SetWindowOrgEx(c.Dc(), -5, -5, nullptr);
    EXPECT_TRUE(RestoreDC(c.Dc(), level));
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 20);
    EXPECT_FALSE(SetWindowOrgEx(nullptr, 0, 0, nullptr));
}
