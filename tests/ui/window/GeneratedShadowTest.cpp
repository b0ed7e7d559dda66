// The generated shadow's pixels, and its picture composed on the headless screen.
#include <gtest/gtest.h>

#include <vector>

#include "support/TestCanvas.h"
#include "tests/ui/window/ShadowFixture.h"
#include "ui/window/GeneratedShadow.h"

using Orvik::DrawGeneratedShadow;
using Orvik::ShadowLook;
using Orvik::ShadowSpan;

namespace {

struct Picture {
    int cx, cy;
    std::vector<uint32_t> px;
    uint32_t At(int x, int y) const { return px[size_t(y) * cx + x]; }
    int Alpha(int x, int y) const { return int(At(x, y) >> 24); }
};

Picture Generate(int nWidth, int nHeight, const ShadowLook& look) {
    Picture pic{nWidth + 2 * look.nSize, nHeight + 2 * look.nSize, {}};
    pic.px.assign(size_t(pic.cx) * pic.cy, 0);
    std::vector<ShadowSpan> rows(size_t(nHeight), ShadowSpan{0, nWidth - 1});
    DrawGeneratedShadow(rows, look, pic.px.data(), pic.cx, pic.cy);
    return pic;
}

}  // namespace

TEST(GeneratedShadowTest, FadesAlikeOnEverySideAndLeavesTheWindowClear) {
    struct Case {
        int nSize, nSharpness;
    } cases[] = {{8, 6}, {6, 8}, {10, 0}, {3, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.nSize << " sharpness " << c.nSharpness);
        ShadowLook look{c.nSize, c.nSharpness, 150, 0, 0, 0xFF000000};
        Picture pic = Generate(120, 80, look);
        for (int d = 0; d < c.nSize; ++d) {
            int left = pic.Alpha(d, pic.cy / 2), top = pic.Alpha(pic.cx / 2, d);
            EXPECT_EQ(left, top) << "depth " << d;
            EXPECT_EQ(left, pic.Alpha(pic.cx - 1 - d, pic.cy / 2));
            EXPECT_EQ(top, pic.Alpha(pic.cx / 2, pic.cy - 1 - d));
            if (d > 0) {
                EXPECT_GE(left, pic.Alpha(d - 1, pic.cy / 2)) << "darker towards the window";
            }
        }
        EXPECT_LE(pic.Alpha(c.nSize - 1, pic.cy / 2), 150);
        EXPECT_GT(pic.Alpha(c.nSize - 1, pic.cy / 2), 0);
        EXPECT_EQ(pic.At(c.nSize, c.nSize), 0u) << "the window's own corner";
        EXPECT_EQ(pic.At(pic.cx / 2, pic.cy / 2), 0u);
    }
}

TEST(GeneratedShadowTest, CoreColourAndOffsetShowBeyondTheWindow) {
    // Sharpness 0 with a size: a solid core of darkness 200 in the colour.
    ShadowLook look{5, 0, 200, 4, 4, 0xFF0080FF};
    Picture pic = Generate(40, 30, look);
    uint32_t core = (200u << 24) | (0u << 16) | ((0x80u * 200 / 255) << 8) | (0xFFu * 200 / 255);
    // The window sits at (size - offset) = (1, 1): bottom right of it is shadow.
    EXPECT_EQ(pic.At(pic.cx - 3, pic.cy - 3), core);
    EXPECT_EQ(pic.At(2, 2), 0u) << "under the window";
    EXPECT_EQ(pic.At(0, 0), 0u) << "top left: the offset moved the shadow away";
}

TEST(GeneratedShadowTest, NegativeSizeStaysInsideAndEmptyRowsAreSkipped) {
    ShadowLook look{-4, 2, 150, 0, 0, 0};
    Picture pic = Generate(30, 20, look);
    for (uint32_t px : pic.px)
        EXPECT_EQ(px, 0u) << "the whole picture lies under the window";

    std::vector<ShadowSpan> rows(10, ShadowSpan{});  // a region with nothing inside
    std::vector<uint32_t> px(size_t(30) * 26, 0);
    DrawGeneratedShadow(rows, ShadowLook{8, 4, 150, 0, 0, 0}, px.data(), 30, 26);
    for (uint32_t p : px)
        EXPECT_EQ(p, 0u);
}

TEST(GeneratedShadowTest, ComposedOnTheScreenAroundA680By480Window) {
    platform::headless::SetScreen(760, 560, RECT{0, 0, 760, 560});
    {
        // A light background window, then the shadowed window over it.
        shadowtest::CShadowWindow background(
            "<Window size=\"760,560\"><VerticalLayout bkcolor=\"#FFE8E4DA\"/></Window>", 0, 0);
        shadowtest::CShadowWindow window(
            shadowtest::SkinDocument("showshadow=\"true\" shadowsize=\"12\" shadowsharpness=\"10\" "
                                     "shadowdarkness=\"160\" shadowposition=\"4,6\" "
                                     "shadowcolor=\"#FF201040\""),
            40, 40);
        // Rounded corners: the shadow follows the window's region.
        SetWindowRgn(window.Hwnd(), CreateRoundRectRgn(0, 0, 681, 481, 24, 24), TRUE);
        SendMessageA(window.Hwnd(), WM_EXITSIZEMOVE, 0, 0);
        shadowtest::Pump();
        RECT rc = shadowtest::RectOf(window.ShadowHwnd());
        EXPECT_EQ(rc.right - rc.left, 704);
        EXPECT_EQ(rc.top, 40 + 6 - 12);
        int cx = 0, cy = 0;
        std::vector<uint32_t> screen = platform::headless::ScreenPixels(cx, cy);
        testsupport::CTestCanvas canvas(cx, cy);
        std::copy(screen.begin(), screen.end(), canvas.Bits());
        EXPECT_TRUE(testsupport::MatchesGolden(
            canvas, std::string(LUMORA_SOURCE_DIR) + "/tests/ui/window/golden", "shadow_output",
            "generated_shadow", 0));
    }
    platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
}
