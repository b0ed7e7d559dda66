// BitBlt, StretchBlt and AlphaBlend against exact expectations (tolerance 1 per channel for
// blending).
#include <gtest/gtest.h>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"

using namespace gditest;

namespace {

// Channel-wise source-over with constant alpha, in exact integer arithmetic:
// result = src * ca / 255 + dst * (1 - srcA * ca / 255 / 255).
uint32_t Blend(uint32_t src, uint32_t dst, int ca) {
    int sa = Channel(src, 24);
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        double v =
            Channel(src, shift) * ca / 255.0 + Channel(dst, shift) * (1.0 - sa * ca / 65025.0);
        out |= static_cast<uint32_t>(v + 0.5) << shift;
    }
    return out;
}

BLENDFUNCTION Func(int ca, bool perPixel) {
    return BLENDFUNCTION{AC_SRC_OVER, 0, static_cast<BYTE>(ca),
                         static_cast<BYTE>(perPixel ? AC_SRC_ALPHA : 0)};
}

}  // namespace

TEST(GdiBlit, BitBltCopiesAllFourBytesAndStaysInsideTheTarget) {
    CTestCanvas src(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            src.At(x, y) = Argb(10 * x + y, x, y, 7);
    CTestCanvas dst(4, 4, Argb(255, 9, 9, 9));
    ASSERT_TRUE(BitBlt(dst.Dc(), 2, 3, 3, 2, src.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.At(2, 3), src.At(0, 0));
    EXPECT_EQ(dst.At(3, 3), src.At(1, 0));
    EXPECT_EQ(dst.At(1, 3), Argb(255, 9, 9, 9));
    EXPECT_EQ(dst.At(3, 2), Argb(255, 9, 9, 9));
}

TEST(GdiBlit, BitBltWithinOneBitmapHandlesOverlap) {
    CTestCanvas c(5, 1);
    for (int x = 0; x < 5; ++x)
        c.At(x, 0) = Argb(255, x, 0, 0);
    ASSERT_TRUE(BitBlt(c.Dc(), 1, 0, 4, 1, c.Dc(), 0, 0, SRCCOPY));
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(c.At(x, 0), Argb(255, x - 1, 0, 0)) << x;
}

TEST(GdiBlit, StretchBltColorOnColorPicksNearestPixels) {
    CTestCanvas src(2, 2);
    src.At(0, 0) = Argb(255, 255, 0, 0);
    src.At(1, 0) = Argb(255, 0, 255, 0);
    src.At(0, 1) = Argb(255, 0, 0, 255);
    src.At(1, 1) = Argb(128, 128, 128, 0);
    CTestCanvas dst(6, 6);
    SetStretchBltMode(dst.Dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dst.Dc(), 0, 0, 6, 6, src.Dc(), 0, 0, 2, 2, SRCCOPY));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dst.At(x, y), src.At(x / 3, y / 3)) << x << "," << y;
    // Shrinking a 4 x 1 strip by two keeps every other pixel.
    CTestCanvas strip(4, 1);
    for (int x = 0; x < 4; ++x)
        strip.At(x, 0) = Argb(255, 50 * x, 0, 0);
    CTestCanvas half(2, 1);
    SetStretchBltMode(half.Dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(half.Dc(), 0, 0, 2, 1, strip.Dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(Channel(half.At(0, 0), 16) % 100, 0);
    EXPECT_EQ(Channel(half.At(1, 0), 16) - Channel(half.At(0, 0), 16), 100);
}

TEST(GdiBlit, StretchBltHalftoneInterpolatesBetweenPixels) {
    CTestCanvas src(2, 1);
    src.At(0, 0) = Argb(255, 0, 0, 0);
    src.At(1, 0) = Argb(255, 200, 200, 200);
    CTestCanvas dst(8, 1);
    SetStretchBltMode(dst.Dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(dst.Dc(), 0, 0, 8, 1, src.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.At(0, 0), src.At(0, 0));
    EXPECT_EQ(dst.At(7, 0), src.At(1, 0));
    int mid = Channel(dst.At(4, 0), 16);
    EXPECT_GT(mid, 50);
    EXPECT_LT(mid, 200);
}

TEST(GdiBlit, AlphaBlendFollowsPremultipliedSourceOver) {
    const uint32_t dstPx = Argb(255, 40, 120, 200);
    struct Case {
        uint32_t src;
        int ca;
    } cases[] = {
        {Argb(128, 100, 50, 0), 255},   // half-transparent premultiplied pixel
        {Argb(255, 250, 10, 90), 128},  // opaque pixel, constant alpha 128
        {Argb(128, 100, 50, 0), 128},   // both
        {Argb(0, 0, 0, 0), 255},        // transparent pixel draws nothing
        {Argb(64, 64, 0, 32), 200},
    };
    for (const Case& c : cases) {
        CTestCanvas src(1, 1, c.src);
        CTestCanvas dst(1, 1, dstPx);
        ASSERT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, 1, 1, Func(c.ca, true)));
        EXPECT_LE(MaxChannelDiff(dst.At(0, 0), Blend(c.src, dstPx, c.ca)), 1)
            << std::hex << c.src << " ca " << std::dec << c.ca;
    }
}

TEST(GdiBlit, AlphaBlendConstantAlphaZeroAndNoPerPixelAlpha) {
    CTestCanvas src(2, 2, Argb(0, 200, 100, 50));  // alpha byte ignored without AC_SRC_ALPHA
    CTestCanvas dst(2, 2, Argb(255, 0, 0, 0));
    ASSERT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 2, 2, src.Dc(), 0, 0, 2, 2, Func(0, true)));
    EXPECT_EQ(dst.At(1, 1), Argb(255, 0, 0, 0));
    ASSERT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 2, 2, src.Dc(), 0, 0, 2, 2, Func(128, false)));
    EXPECT_LE(MaxChannelDiff(dst.At(1, 1), Blend(Argb(255, 200, 100, 50), Argb(255, 0, 0, 0), 128)),
              1);
}

TEST(GdiBlit, AlphaBlendScalesAndRefusesSourcesOutsideTheBitmap) {
    CTestCanvas src(2, 1);
    src.At(0, 0) = Argb(255, 255, 0, 0);
    src.At(1, 0) = Argb(128, 0, 0, 128);
    CTestCanvas dst(4, 2, Argb(255, 0, 0, 0));
    SetStretchBltMode(dst.Dc(), COLORONCOLOR);
    ASSERT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 4, 2, src.Dc(), 0, 0, 2, 1, Func(255, true)));
    EXPECT_EQ(dst.At(1, 1), Argb(255, 255, 0, 0));
    EXPECT_LE(MaxChannelDiff(dst.At(2, 0), Argb(255, 0, 0, 128)), 1);
    EXPECT_FALSE(AlphaBlend(dst.Dc(), 0, 0, 4, 2, src.Dc(), 1, 0, 2, 1, Func(255, true)));
    EXPECT_FALSE(AlphaBlend(dst.Dc(), 0, 0, 4, 2, src.Dc(), -1, 0, 2, 1, Func(255, true)));
}

TEST(GdiBlit, BlitsHonourClipAndWindowOrigin) {
    CTestCanvas src(4, 4, Argb(255, 1, 2, 3));
    CTestCanvas dst(4, 4);
    IntersectClipRect(dst.Dc(), 0, 0, 2, 4);
    SetWindowOrgEx(dst.Dc(), -1, 0, nullptr);
    ASSERT_TRUE(BitBlt(dst.Dc(), 0, 0, 4, 4, src.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.At(0, 0), 0u);
    EXPECT_EQ(dst.At(1, 0), Argb(255, 1, 2, 3));
    EXPECT_EQ(dst.At(2, 0), 0u);  // the clip is in device coordinates
}
