// Properties of the skin images that drawing relies on: stretchable 9-grid
// middles, a shadow that fades outward, visibly different button states.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/skin/ImageDecode.h"
#include "app/skin/SkinArchive.h"
#include "app/skin/SkinManifest.h"

using namespace skintest;

namespace {

DecodedImage Load(const char* name) {
    DecodedImage img;
    std::optional<std::string> bytes = ReadEntry(ArchiveBytes(), name);
    if (!bytes || !DecodeImage(*bytes, img))
        ADD_FAILURE() << "cannot load " << name;
    return img;
}

int Distance(const uint8_t* a, const uint8_t* b) {
    int d = 0;
    for (int i = 0; i < 4; ++i)
        d = std::max(d, std::abs(int(a[i]) - int(b[i])));
    return d;
}

// Mean absolute channel difference of two images of the same size.
double MeanDifference(const DecodedImage& a, const DecodedImage& b) {
    double sum = 0;
    for (size_t i = 0; i < a.m_rgba.size(); ++i)
        sum += std::abs(int(a.m_rgba[i]) - int(b.m_rgba[i]));
    return a.m_rgba.empty() ? 0 : sum / double(a.m_rgba.size());
}

}  // namespace

// The middle cells are stretched: every middle column must repeat the first
// one, every middle row the first one (within a gradient's tolerance).
TEST(SkinImages, NineGridMiddlesStretchWithoutSeams) {
    for (const NineGrid& g : NINE_GRIDS) {
        SCOPED_TRACE(g.m_pName);
        DecodedImage img = Load(g.m_pName);
        ASSERT_LT(g.m_nLeft + g.m_nRight, img.m_nWidth);
        ASSERT_LT(g.m_nTop + g.m_nBottom, img.m_nHeight);
        int worstColumn = 0, worstRow = 0;
        for (int y = 0; y < img.m_nHeight; ++y)
            for (int x = g.m_nLeft; x < img.m_nWidth - g.m_nRight; ++x)
                worstColumn = std::max(worstColumn, Distance(img.At(x, y), img.At(g.m_nLeft, y)));
        for (int y = g.m_nTop; y < img.m_nHeight - g.m_nBottom; ++y)
            for (int x = 0; x < img.m_nWidth; ++x)
                worstRow = std::max(worstRow, Distance(img.At(x, y), img.At(x, g.m_nTop)));
        EXPECT_LE(worstColumn, 2);
        if (g.m_nRowTolerance >= 0) {
            EXPECT_LE(worstRow, g.m_nRowTolerance);
        }
    }
}

TEST(SkinImages, ShadowFadesOutwardAndLeavesTheWindowClear) {
    DecodedImage img = Load("shadow.png");
    ASSERT_EQ(img.m_nWidth, 236);
    const int midX = 118, midY = 120;
    EXPECT_EQ(img.At(midX, midY)[3], 0);
    EXPECT_EQ(img.At(18, 17)[3], 0);    // first window pixel
    EXPECT_EQ(img.At(217, 216)[3], 0);  // last window pixel
    // Walking away from the window on each side, alpha never grows.
    auto checkRun = [&](int x, int y, int dx, int dy, int steps) {
        int prev = img.At(x, y)[3];
        EXPECT_GT(prev, 60) << "at the window edge " << x << "," << y;
        EXPECT_LT(prev, 200);
        for (int i = 1; i < steps; ++i) {
            int a = img.At(x + dx * i, y + dy * i)[3];
            EXPECT_LE(a, prev);
            prev = a;
        }
        EXPECT_LT(prev, 8) << "at the image border";
    };
    checkRun(17, midY, -1, 0, 18);
    checkRun(218, midY, 1, 0, 18);
    checkRun(midX, 16, 0, -1, 17);
    checkRun(midX, 217, 0, 1, 23);
    // The drop shadow reaches further below the window than above it.
    EXPECT_GT(img.At(midX, 217 + 12)[3], img.At(midX, 16 - 12)[3]);
}

TEST(SkinImages, HoverAndPushedStatesDifferVisibly) {
    const std::pair<const char*, const char*> pairs[] = {
        {"btn_min_normal.png", "btn_min_hover.png"},
        {"btn_close_normal.png", "btn_close_hover.png"},
        {"btn_refresh_normal.png", "btn_refresh_hover.png"},
        {"btn_login_normal.png", "btn_login_hover.png"},
        {"btn_login_click.png", "btn_login_disable.png"},
        {"scroll_thumb_normal.png", "scroll_thumb_press.png"},
        {"btn_download_normal.png", "btn_download_hover.png"},
        {"button_normal.png", "button_hover.png"},
        {"button_normal.png", "button_press.png"},
        {"opt_nav_hot.png", "opt_nav_selected.png"},
    };
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(std::string(a) + " / " + b);
        DecodedImage first = Load(a), second = Load(b);
        ASSERT_EQ(first.m_rgba.size(), second.m_rgba.size());
        EXPECT_GT(MeanDifference(first, second), 6.0);
    }
}
