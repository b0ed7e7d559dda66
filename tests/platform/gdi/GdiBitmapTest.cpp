// Bitmaps, DIB row order, object selection and handle checks.
#include <gtest/gtest.h>

#include <vector>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"

using namespace gditest;

TEST(GdiBitmap, DibRowOrderFollowsTheSignOfTheHeight) {
    for (bool bottomUp : {false, true}) {
        CTestCanvas canvas(4, 3, 0, bottomUp);
        ASSERT_NE(canvas.Bits(), nullptr);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT top = {0, 0, 4, 1};
        FillRect(canvas.Dc(), &top, red);
        DeleteObject(red);
        // Memory row 0 is the picture's top row only for a top-down DIB.
        uint32_t firstInMemory = canvas.Bits()[0];
        uint32_t lastInMemory = canvas.Bits()[2 * 4];
        EXPECT_EQ(bottomUp ? lastInMemory : firstInMemory, Argb(255, 255, 0, 0)) << bottomUp;
        EXPECT_EQ(bottomUp ? firstInMemory : lastInMemory, 0u) << bottomUp;
    }
}

TEST(GdiBitmap, GetObjectDescribesDibAndCompatibleBitmaps) {
    CTestCanvas canvas(5, 7);
    BITMAP bm = {};
    ASSERT_EQ(GetObjectA(canvas.Bitmap(), sizeof(bm), &bm), int(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 7);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 20);
    EXPECT_EQ(bm.bmBits, canvas.Bits());

    HBITMAP compat = CreateCompatibleBitmap(canvas.Dc(), 3, 2);
    ASSERT_NE(compat, nullptr);
    ASSERT_EQ(GetObjectA(compat, sizeof(bm), &bm), int(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmBits, nullptr);
    EXPECT_EQ(GetObjectA(compat, 0, nullptr), int(sizeof(BITMAP)));
    DeleteObject(compat);
}

TEST(GdiBitmap, RejectsUnsupportedFormatsAndSizes) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 4;
    bmi.bmiHeader.biHeight = 4;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biWidth = -4;
    EXPECT_EQ(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 0, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
}

TEST(GdiBitmap, SelectObjectSwapsAndReportsCurrentObjects) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ stockBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    ASSERT_NE(stockBitmap, nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_EQ(SelectObject(dc, bmp), stockBitmap);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bmp);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    LOGPEN lp = {};
    ASSERT_GT(GetObjectA(pen, sizeof(lp), &lp), 0);
    EXPECT_EQ(lp.lopnWidth.x, 2);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));

    // Deleting selected objects only marks them; the DC keeps using them.
    EXPECT_TRUE(DeleteObject(bmp));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectA(bmp, 0, nullptr), 0);  // the handle is gone for its owner
    RECT rc = {0, 0, 2, 2};
    EXPECT_TRUE(FillRect(dc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, stockBitmap);
    SelectObject(dc, oldPen);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(GdiBitmap, StaleAndForeignHandlesAreRefused) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
    ASSERT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    int local = 0;
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(&local)));
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(&local)));
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(&local), GetStockObject(WHITE_BRUSH)), nullptr);
    // Stock objects survive DeleteObject.
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    LOGBRUSH lb = {};
    ASSERT_GT(GetObjectA(GetStockObject(WHITE_BRUSH), sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));
}

// Freed memory is handed out again at once; a handle must not follow it to
// the next object, nor pass for a handle of the other table (DC or object).
TEST(GdiBitmap, HandlesStayDeadWhileNewObjectsTakeTheirPlace) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteObject(brush));
    ASSERT_TRUE(DeleteDC(dc));
    std::vector<HGDIOBJ> objects;
    std::vector<HDC> dcs;
    for (int i = 0; i < 2000; ++i) {
        objects.push_back(CreateSolidBrush(RGB(4, 5, 6)));
        dcs.push_back(CreateCompatibleDC(nullptr));
        ASSERT_NE(objects.back(), brush);
        ASSERT_NE(dcs.back(), dc);
    }
    LOGBRUSH lb = {};
    EXPECT_EQ(GetObjectA(brush, sizeof(lb), &lb), 0);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), nullptr);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(dcs.front())));
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(objects.front())));
    for (HGDIOBJ o : objects)
        EXPECT_TRUE(DeleteObject(o));
    for (HDC d : dcs)
        EXPECT_TRUE(DeleteDC(d));
}

TEST(GdiBitmap, SurfaceDcDrawsIntoCallerPixelsAndKeepsItsSurface) {
    uint32_t pixels[4 * 3] = {};
    HDC dc = platform::CreateSurfaceDC(pixels, 3, 3, 16);  // one spare pixel per row
    ASSERT_NE(dc, nullptr);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT rc = {1, 1, 3, 3};
    FillRect(dc, &rc, blue);
    EXPECT_EQ(pixels[0], 0u);
    EXPECT_EQ(pixels[4 + 1], Argb(255, 0, 0, 255));
    EXPECT_EQ(pixels[4 + 3], 0u);  // the spare pixel stays untouched
    HBITMAP other = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_EQ(SelectObject(dc, other), nullptr);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box.right, 3);  // still drawing into the surface

    uint32_t bigger[5 * 5] = {};
    ASSERT_TRUE(platform::RebindSurfaceDC(dc, bigger, 5, 5, 20));
    RECT all = {0, 0, 5, 5};
    FillRect(dc, &all, blue);
    EXPECT_EQ(bigger[24], Argb(255, 0, 0, 255));
    EXPECT_FALSE(platform::RebindSurfaceDC(dc, bigger, 5, 5, 3));
    DeleteObject(other);
    DeleteObject(blue);
    DeleteDC(dc);
}

TEST(GdiBitmap, BottomUpSourcesKeepTheirOrientationWhenCopiedAndScaled) {
    CTestCanvas src(2, 2, 0, true);
    src.At(0, 0) = Argb(255, 255, 0, 0);  // top-left, stored in the last memory row
    src.At(1, 1) = Argb(255, 0, 0, 255);
    CTestCanvas copy(2, 2);
    ASSERT_TRUE(BitBlt(copy.Dc(), 0, 0, 2, 2, src.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(copy.At(0, 0), src.At(0, 0));
    EXPECT_EQ(copy.At(1, 1), src.At(1, 1));
    CTestCanvas scaled(4, 4);
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(scaled.Dc(), 0, 0, 4, 4, src.Dc(), 1, 1, 1, 1, bf));
    EXPECT_EQ(scaled.At(0, 0), src.At(1, 1));
    EXPECT_EQ(scaled.At(3, 3), src.At(1, 1));
}

TEST(GdiBitmap, PixelsCanBeSetReadAndCopiedOut) {
    CTestCanvas c(4, 4, Argb(255, 10, 20, 30));
    EXPECT_EQ(GetPixel(c.Dc(), 1, 1), RGB(10, 20, 30));
    EXPECT_EQ(SetPixel(c.Dc(), 2, 3, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(c.At(2, 3), Argb(255, 1, 2, 3));
    EXPECT_EQ(GetPixel(c.Dc(), 4, 0), CLR_INVALID);
    IntersectClipRect(c.Dc(), 0, 0, 2, 2);
    EXPECT_EQ(SetPixel(c.Dc(), 3, 3, RGB(9, 9, 9)), CLR_INVALID);
    EXPECT_EQ(c.At(3, 3), Argb(255, 10, 20, 30));

    uint32_t out[3 * 2];
    ASSERT_TRUE(platform::ReadDCPixels(c.Dc(), RECT{2, 3, 5, 5}, out, 12));
    EXPECT_EQ(out[0], Argb(255, 1, 2, 3));
    EXPECT_EQ(out[1], Argb(255, 10, 20, 30));
    EXPECT_EQ(out[2], 0u);  // outside the bitmap
    EXPECT_EQ(out[3], 0u);
    EXPECT_FALSE(platform::ReadDCPixels(c.Dc(), RECT{0, 0, 4, 4}, out, 8));
}
