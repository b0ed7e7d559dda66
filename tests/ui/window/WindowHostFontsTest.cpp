// CWindowHostUI font tables and default fonts.
#include <gtest/gtest.h>

#include <cstring>

#include "ui/window/WindowHostUI.h"

using Orvik::CWindowHostUI;
using Orvik::FontInfo;

namespace {

class WindowHostFonts : public ::testing::Test {
protected:
    void TearDown() override { m_host.RemoveAllFonts(true); }
    CWindowHostUI m_host;
};

LOGFONTA Describe(HFONT hFont) {
    LOGFONTA lf = {};
    GetObjectA(hFont, sizeof(lf), &lf);
    return lf;
}

}  // namespace

TEST_F(WindowHostFonts, TheDefaultFontIsTheSystemGuiFontMeasuredOnUse) {
    LOGFONTA gui = Describe(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    FontInfo* pInfo = m_host.GetDefaultFontInfo();
    ASSERT_NE(pInfo, nullptr);
    ASSERT_NE(pInfo->hFont, nullptr);
    EXPECT_STREQ(pInfo->strFaceName, gui.lfFaceName);
    EXPECT_EQ(pInfo->nSize, -gui.lfHeight);
    EXPECT_FALSE(pInfo->bBold);
    EXPECT_GT(pInfo->tm.tmHeight, 0);
    EXPECT_EQ(Describe(pInfo->hFont).lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(m_host.GetFont(-1), pInfo->hFont);
    EXPECT_EQ(m_host.GetFont(42), pInfo->hFont);
    EXPECT_EQ(m_host.GetFontInfo(static_cast<HFONT>(nullptr)), pInfo);
}

TEST_F(WindowHostFonts, AddFontBuildsTheDescribedFontAndReplacesItsId) {
    HFONT hFirst = m_host.AddFont(1, "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA", 14, false, false, false);
    ASSERT_NE(hFirst, nullptr);
    LOGFONTA lf = Describe(hFirst);
    EXPECT_EQ(lf.lfHeight, -14);
    EXPECT_STREQ(lf.lfFaceName, "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA");
    HFONT hSecond = m_host.AddFont(1, "sans-serif", 16, true, true, true);
    ASSERT_NE(hSecond, nullptr);
    EXPECT_EQ(m_host.GetFont(1), hSecond);
    EXPECT_EQ(GetObjectA(hFirst, 0, nullptr), 0);  // the replaced font is deleted
    LOGFONTA bold = Describe(hSecond);
    EXPECT_GE(bold.lfWeight, FW_BOLD);
    EXPECT_TRUE(bold.lfUnderline && bold.lfItalic);
    FontInfo* pInfo = m_host.GetFontInfo(1);
    EXPECT_EQ(pInfo->nSize, 16);
    EXPECT_TRUE(pInfo->bBold && pInfo->bUnderline && pInfo->bItalic);
    EXPECT_GT(pInfo->tm.tmHeight, 0);
    EXPECT_EQ(m_host.GetFontInfo(hSecond), pInfo);
}

TEST_F(WindowHostFonts, LongFaceNamesAreCutOnACharacterBoundary) {
    // Sixteen double-byte characters: 32 bytes, one more than the face field holds.
    std::string face;
    for (int i = 0; i < 16; ++i)
        face += "\xCE\xA2";
    HFONT hFont = m_host.AddFont(3, face.c_str(), 12, false, false, false);
    ASSERT_NE(hFont, nullptr);
    LOGFONTA lf = Describe(hFont);
    EXPECT_EQ(std::strlen(lf.lfFaceName), 30u);
    EXPECT_STREQ(m_host.GetFontInfo(3)->strFaceName, face.c_str());
}

TEST_F(WindowHostFonts, FindFontMatchesEveryPropertyWindowTableFirst) {
    HFONT hShared = m_host.AddFont(5, "sans-serif", 12, true, false, false, true);
    CWindowHostUI other;
    EXPECT_EQ(other.FindFont("sans-serif", 12, true, false, false), hShared);
    EXPECT_EQ(other.GetFont(5), hShared);
    HFONT hOwn = other.AddFont(6, "sans-serif", 12, true, false, false);
    EXPECT_EQ(other.FindFont("sans-serif", 12, true, false, false), hOwn);
    EXPECT_EQ(other.FindFont("Sans-Serif", 12, true, false, false), nullptr);
    EXPECT_EQ(other.FindFont("sans-serif", 13, true, false, false), nullptr);
    EXPECT_EQ(other.FindFont("sans-serif", 12, false, false, false), nullptr);
    other.RemoveAllFonts(false);
    EXPECT_EQ(GetObjectA(hOwn, 0, nullptr), 0);
    EXPECT_EQ(other.FindFont("sans-serif", 12, true, false, false), hShared);
}

TEST_F(WindowHostFonts, SharedResourcesModeAddsToTheSharedTable) {
    m_host.SetSharedResources(true);
    HFONT hFont = m_host.AddFont(8, "sans-serif", 20, false, false, false);
    CWindowHostUI other;
    EXPECT_EQ(other.GetFont(8), hFont);
}

TEST_F(WindowHostFonts, WindowAndProcessDefaultFonts) {
    FontInfo* pProcess = m_host.GetDefaultFontInfo();
    std::string processFace = pProcess->strFaceName.GetData();
    int processSize = pProcess->nSize;

    m_host.SetDefaultFont("sans-serif", 18, false, false, false);
    CWindowHostUI other;
    EXPECT_EQ(m_host.GetDefaultFontInfo()->nSize, 18);
    EXPECT_EQ(m_host.GetFont(-1), m_host.GetDefaultFontInfo()->hFont);
    EXPECT_GT(m_host.GetDefaultFontInfo()->tm.tmHeight, 0);
    EXPECT_EQ(other.GetDefaultFontInfo()->nSize, processSize);

    other.SetDefaultFont("sans-serif", 15, true, false, false, true);
    EXPECT_EQ(other.GetDefaultFontInfo()->nSize, 15);
    EXPECT_TRUE(other.GetDefaultFontInfo()->bBold);
    EXPECT_EQ(m_host.GetDefaultFontInfo()->nSize, 18);  // the window default wins
    other.SetDefaultFont(processFace.c_str(), processSize, false, false, false, true);
    EXPECT_EQ(other.GetDefaultFontInfo()->nSize, processSize);
}
