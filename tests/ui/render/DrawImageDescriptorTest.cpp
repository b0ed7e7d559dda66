// Drawing image descriptors through a window host's cache, and decoding skin images.
#include <gtest/gtest.h>

#include "RenderTestImages.h"
#include "platform/kernel.h"
#include "support/TestCanvas.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

using Orvik::CDrawEngine;
using Orvik::CWindowHostUI;
using Orvik::ImagePaintState;
using Orvik::SkinImage;
using rendertest::CTempSkin;
using rendertest::SolidPng;
using testsupport::Argb;
using testsupport::CTestCanvas;
using testsupport::MaxChannelDiff;

namespace {

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);
constexpr uint32_t BLACK = Argb(255, 0, 0, 0);

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

uint32_t FirstPixel(const SkinImage* pImage) {
    return reinterpret_cast<const uint32_t*>(pImage->pBits)[0];
}

// Draws one descriptor over rcItem of a fresh canvas and returns the state.
struct Drawn {
    bool bResult;
    RECT rcInk;
};
Drawn DrawOnce(CWindowHostUI& host, CTestCanvas& c, const char* pstrDescriptor,
               const RECT& rcItem) {
    ImagePaintState state(pstrDescriptor);
    RECT paint = {0, 0, c.Width(), c.Height()};
    bool result = CDrawEngine::DrawImageDescriptor(c.Dc(), &host, rcItem, paint, state);
    return Drawn{result, c.InkBounds(WHITE)};
}

}  // namespace

// Tolerance 0: the strip's position is exact.
TEST(DrawImageDescriptor, DestOffsetsAreClampedToTheControl) {
    CWindowHostUI host;
    RECT option = {10, 5, 82, 37};  // a 72 x 32 option
    CTestCanvas c(100, 50, WHITE);
    Drawn d = DrawOnce(host, c, "color='FFFF0000' dest='4,30,68,32'", option);
    EXPECT_TRUE(d.bResult);
    EXPECT_TRUE(SameRect(d.rcInk, {14, 35, 78, 37}));
    EXPECT_EQ(c.At(14, 35), Argb(255, 255, 0, 0));

    CTestCanvas wide(100, 50, WHITE);
    Drawn clamped = DrawOnce(host, wide, "color='FFFF0000' dest='4,30,200,90'", option);
    EXPECT_TRUE(SameRect(clamped.rcInk, {14, 35, 82, 37}));
}

// Tolerance 0: an exact 1:1 copy of the clamped source.
TEST(DrawImageDescriptor, SourceIsClampedToTheImage) {
    CTempSkin skin;
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            rgba.insert(rgba.end(), {static_cast<uint8_t>(x * 60), 0, 0, 255});
    skin.Write("cols.png", rendertest::EncodePng(4, 4, rgba));
    CWindowHostUI host;
    CTestCanvas c(10, 10, WHITE);
    ImagePaintState state("file='cols.png' source='2,0,99,99'");
    RECT item = {0, 0, 2, 4};
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(c.Dc(), &host, item, item, state));
    EXPECT_TRUE(SameRect(state.rcSource, {2, 0, 4, 4}));
    EXPECT_EQ(c.At(0, 3), Argb(255, 120, 0, 0));
    EXPECT_EQ(c.At(1, 0), Argb(255, 180, 0, 0));
}

// Tolerance 1 for the blend; the alpha-0 colour must leave every pixel.
TEST(DrawImageDescriptor, ColorImagesBlendAndAlphaZeroDrawsNothing) {
    CWindowHostUI host;
    CTestCanvas dark(8, 8, BLACK);
    ImagePaintState half("color='80FF0000'");
    RECT item = {0, 0, 8, 8};
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(dark.Dc(), &host, item, item, half));
    EXPECT_LE(MaxChannelDiff(dark.At(3, 3), Argb(255, 128, 0, 0)), 1) << std::hex << dark.At(3, 3);
    EXPECT_TRUE(half.pImage->bAlpha);

    CTestCanvas c(8, 8, WHITE);
    Drawn none = DrawOnce(host, c, "color='FF0000'", item);
    EXPECT_TRUE(none.bResult);
    EXPECT_EQ(none.rcInk.right, 0);
}

TEST(DrawImageDescriptor, WithoutHostOrDcNothingIsDrawn) {
    CWindowHostUI host;
    ImagePaintState state("color='FFFF0000'");
    RECT item = {0, 0, 4, 4};
    EXPECT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, nullptr, item, item, state));
    EXPECT_FALSE(state.bAttempted);
    EXPECT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, state));
    EXPECT_NE(state.pImage, nullptr);  // loaded, not drawn
    ImagePaintState empty("");
    EXPECT_FALSE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, empty));
}

TEST(DrawImageDescriptor, BareNameAndFileKeyShareOneRecord) {
    CTempSkin skin;
    skin.Write("btn_min_normal.png", SolidPng(3, 3, 0, 0, 255));
    CWindowHostUI host;
    ImagePaintState bare("btn_min_normal.png");
    ImagePaintState keyed("file='btn_min_normal.png' corner='1,1,1,1'");
    RECT item = {0, 0, 3, 3};
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, bare));
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, keyed));
    EXPECT_EQ(bare.pImage, keyed.pImage);
    EXPECT_EQ(FirstPixel(bare.pImage), Argb(255, 0, 0, 255));
}

TEST(DrawImageDescriptor, MissingFileFailsOnceAndIsNotRetried) {
    CTempSkin skin;
    CWindowHostUI host;
    ImagePaintState state("file='late.png'");
    RECT item = {0, 0, 3, 3};
    EXPECT_FALSE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, state));
    skin.Write("late.png", SolidPng(3, 3, 0, 255, 0));
    EXPECT_FALSE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, state));
    EXPECT_EQ(host.GetImage("late.png"), nullptr);
    state.SetDescriptor("file='late.png'");  // a reset state tries again
    EXPECT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, state));
}

TEST(DrawImageDescriptor, TwoMasksOnOneNameShareTheFirstLoad) {
    CTempSkin skin;
    skin.Write("m.png", SolidPng(2, 2, 255, 0, 255));
    CWindowHostUI host;
    ImagePaintState masked("file='m.png' mask='#FFFF00FF'");
    ImagePaintState plain("file='m.png' mask='#FF000000'");
    RECT item = {0, 0, 2, 2};
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, masked));
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, plain));
    EXPECT_EQ(masked.pImage, plain.pImage);
    EXPECT_EQ(FirstPixel(plain.pImage), 0u);
    EXPECT_EQ(plain.pImage->dwMask, 0xFFFF00FFu);
}

TEST(DrawImageDescriptor, ResAndRestypeReadResourcesWhileFileReadsTheSkin) {
    CTempSkin skin;
    static const std::string resource = SolidPng(2, 2, 255, 0, 0);
    ASSERT_TRUE(platform::RegisterEmbeddedResource("PNG", 7, resource.data(), resource.size()));
    skin.Write("7", SolidPng(2, 2, 0, 0, 255));
    skin.Write("fallback.png", SolidPng(2, 2, 0, 255, 0));
    CWindowHostUI host;
    RECT item = {0, 0, 2, 2};
    ImagePaintState file("file='7' restype='PNG'");
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &host, item, item, file));
    EXPECT_EQ(FirstPixel(file.pImage), Argb(255, 0, 0, 255));

    CWindowHostUI other;  // a fresh cache, so the name is loaded again
    ImagePaintState res("res='7' restype='PNG'");
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &other, item, item, res));
    EXPECT_EQ(FirstPixel(res.pImage), Argb(255, 255, 0, 0));
    EXPECT_STREQ(res.pImage->strResType, "PNG");

    // No such resource: the name is tried as a plain path.
    std::string descriptor = "res='" + skin.PathOf("fallback.png") + "' restype='PNG'";
    ImagePaintState path(descriptor.c_str());
    ASSERT_TRUE(CDrawEngine::DrawImageDescriptor(nullptr, &other, item, item, path));
    EXPECT_EQ(FirstPixel(path.pImage), Argb(255, 0, 255, 0));
}

TEST(LoadImage, PremultipliesAndAppliesTheMask) {
    CTempSkin skin;
    std::vector<uint8_t> rgba = {255, 0, 0, 128, 255, 0, 255, 255, 10, 20, 30, 255, 0, 0, 0, 0};
    skin.Write("px.png", rendertest::EncodePng(2, 2, rgba));
    SkinImage* pImage = CDrawEngine::LoadImage("px.png", nullptr, 0xFFFF00FF);
    ASSERT_NE(pImage, nullptr);
    const auto* px = reinterpret_cast<const uint32_t*>(pImage->pBits);
    EXPECT_EQ(px[0], Argb(128, 128, 0, 0));  // red 255 at alpha 128 is stored as 128
    EXPECT_EQ(px[1], 0u);                    // opaque magenta is the mask
    EXPECT_EQ(px[2], Argb(255, 10, 20, 30));
    EXPECT_EQ(px[3], 0u);
    EXPECT_TRUE(pImage->bAlpha);
    EXPECT_EQ(pImage->nWidth, 2);
    CDrawEngine::FreeImage(pImage);

    // Opaque pixels only: no alpha, unless the mask cleared one.
    skin.Write("opaque.png", SolidPng(2, 2, 1, 2, 3));
    SkinImage* pOpaque = CDrawEngine::LoadImage("opaque.png");
    ASSERT_NE(pOpaque, nullptr);
    EXPECT_FALSE(pOpaque->bAlpha);
    CDrawEngine::FreeImage(pOpaque);
    SkinImage* pMasked = CDrawEngine::LoadImage("opaque.png", nullptr, 0xFF010203);
    ASSERT_NE(pMasked, nullptr);
    EXPECT_TRUE(pMasked->bAlpha);
    CDrawEngine::FreeImage(pMasked);
}

TEST(LoadImage, UndecodableOrMissingDataGivesNoImage) {
    CTempSkin skin;
    skin.Write("junk.png", "not an image at all");
    EXPECT_EQ(CDrawEngine::LoadImage("junk.png"), nullptr);
    EXPECT_EQ(CDrawEngine::LoadImage("absent.png"), nullptr);
    std::string truncated = SolidPng(8, 8, 1, 2, 3).substr(0, 40);
    skin.Write("short.png", truncated);
    EXPECT_EQ(CDrawEngine::LoadImage("short.png"), nullptr);
}
