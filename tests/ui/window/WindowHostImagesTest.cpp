// CWindowHostUI image tables: per-window and shared lookup, replacing, freeing, reloading.
#include <gtest/gtest.h>

#include "../render/RenderTestImages.h"
#include "ui/window/WindowHostUI.h"

using Orvik::CWindowHostUI;
using Orvik::SkinImage;
using rendertest::CTempSkin;
using rendertest::SolidPng;
using testsupport::Argb;

namespace {

uint32_t FirstPixel(const SkinImage* pImage) {
    return reinterpret_cast<const uint32_t*>(pImage->pBits)[0];
}

// Every test leaves the process-wide table empty for the next.
class WindowHostImages : public ::testing::Test {
protected:
    void TearDown() override { m_host.RemoveAllImages(true); }
    CTempSkin m_skin;
    CWindowHostUI m_host;
};

}  // namespace

TEST_F(WindowHostImages, WindowTableComesBeforeTheSharedOne) {
    m_skin.Write("a.png", SolidPng(1, 1, 255, 0, 0));
    SkinImage* pShared = m_host.AddImage("a.png", nullptr, 0, true);
    ASSERT_NE(pShared, nullptr);
    CWindowHostUI other;
    EXPECT_EQ(other.GetImage("a.png"), pShared);  // every host sees the shared table

    m_skin.Write("a.png", SolidPng(1, 1, 0, 255, 0));
    SkinImage* pOwn = m_host.AddImage("a.png");
    ASSERT_NE(pOwn, nullptr);
    EXPECT_EQ(m_host.GetImage("a.png"), pOwn);
    EXPECT_EQ(m_host.FindOrLoadImage("a.png"), pOwn);
    EXPECT_EQ(other.GetImage("a.png"), pShared);
}

TEST_F(WindowHostImages, SharedResourcesModeStoresInTheSharedTable) {
    m_skin.Write("s.png", SolidPng(1, 1, 1, 2, 3));
    m_host.SetSharedResources(true);
    SkinImage* pImage = m_host.FindOrLoadImage("s.png");
    ASSERT_NE(pImage, nullptr);
    CWindowHostUI other;
    EXPECT_EQ(other.GetImage("s.png"), pImage);
    m_host.RemoveAllImages(false);  // the window table is empty anyway
    EXPECT_EQ(other.GetImage("s.png"), pImage);
    m_host.RemoveAllImages(true);
    EXPECT_EQ(other.GetImage("s.png"), nullptr);
}

TEST_F(WindowHostImages, AddImageReplacesAnEntryOfTheSameName) {
    m_skin.Write("r.png", SolidPng(1, 1, 255, 0, 0));
    ASSERT_NE(m_host.AddImage("r.png"), nullptr);
    m_skin.Write("r.png", SolidPng(2, 1, 0, 0, 255));
    SkinImage* pSecond = m_host.AddImage("r.png");
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(m_host.GetImage("r.png"), pSecond);
    EXPECT_EQ(pSecond->nWidth, 2);
}

TEST_F(WindowHostImages, FailuresAndEmptyNamesGiveNoImage) {
    EXPECT_EQ(m_host.AddImage(""), nullptr);
    EXPECT_EQ(m_host.AddImage(nullptr), nullptr);
    EXPECT_EQ(m_host.FindOrLoadImage("nothing.png"), nullptr);
    EXPECT_EQ(m_host.GetImage("nothing.png"), nullptr);
}

TEST_F(WindowHostImages, DigitNamesAreFilesWithoutAType) {
    m_skin.Write("2x.png", SolidPng(1, 1, 9, 9, 9));
    SkinImage* pImage = m_host.AddImage("2x.png");
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(FirstPixel(pImage), Argb(255, 9, 9, 9));
    // Colour names start with digits too and stay colour texts.
    SkinImage* pColor = m_host.AddImage("80FF0000", "*COLOR*");
    ASSERT_NE(pColor, nullptr);
    EXPECT_EQ(FirstPixel(pColor), Argb(0x80, 0x80, 0, 0));
}

TEST_F(WindowHostImages, ReloadKeepsTheRecordAndTakesTheNewPixels) {
    m_skin.Write("bg.png", SolidPng(2, 2, 255, 0, 0));
    m_skin.Write("keep.png", SolidPng(1, 1, 1, 1, 1));
    SkinImage* pImage = m_host.AddImage("bg.png", nullptr, 0xFF00FF00);
    SkinImage* pKeep = m_host.AddImage("keep.png");
    ASSERT_NE(pImage, nullptr);
    ASSERT_NE(pKeep, nullptr);

    // A green pixel matches the stored mask and must come back transparent.
    m_skin.Write("bg.png", SolidPng(5, 3, 0, 255, 0));
    m_skin.Write("keep.png", SolidPng(1, 1, 2, 2, 2));
    m_host.ReloadImages("bg.png");
    EXPECT_EQ(m_host.GetImage("bg.png"), pImage);
    EXPECT_EQ(pImage->nWidth, 5);
    EXPECT_EQ(pImage->nHeight, 3);
    EXPECT_EQ(FirstPixel(pImage), 0u);
    EXPECT_TRUE(pImage->bAlpha);
    EXPECT_EQ(FirstPixel(pKeep), Argb(255, 1, 1, 1));  // not named, not reloaded

    // A file that is gone leaves the entry as it was; an empty name reloads all.
    m_skin.Remove("bg.png");
    m_host.ReloadImages("");
    EXPECT_EQ(pImage->nWidth, 5);
    EXPECT_EQ(FirstPixel(pKeep), Argb(255, 2, 2, 2));
}

TEST_F(WindowHostImages, RemoveAllEmptiesTheWindowTable) {
    for (const char* name : {"1a.png", "b.png", "c.png"}) {
        m_skin.Write(name, SolidPng(1, 1, 0, 0, 0));
        ASSERT_NE(m_host.AddImage(name), nullptr);
    }
    m_host.RemoveAllImages(false);
    EXPECT_EQ(m_host.GetImage("b.png"), nullptr);
    ASSERT_NE(m_host.FindOrLoadImage("b.png"), nullptr);  // usable again afterwards
}
