// The resource part without a host or a window: table isolation, the draw engine's view, the
// pointer it reports.
#include <gtest/gtest.h>

#include "../render/RenderTestImages.h"
#include "ui/window/HostResources.h"

namespace {

using Orvik::CHostResources;
using Orvik::FontInfo;
using Orvik::IRenderResources;

// Two parts as two windows have them; the process-wide tables are emptied after each test.
class HostResourcesTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_first.RemoveAllFonts(true);
        m_first.RemoveAllImages(true);
        m_first.RemoveAllDefaultAttributeLists(true);
    }
    POINT m_ptMouse = {-1, -1};
    CHostResources m_first{m_ptMouse};
    CHostResources m_second{m_ptMouse};
};

// What one part stores is seen by the other only through the shared tables.
TEST_F(HostResourcesTest, OnlySharedEntriesCrossBetweenParts) {
    struct Case {
        int nId;
        bool bShared;      // the flag of the call
        bool bSharedMode;  // the part's shared-resources mode
        bool bSeenByOther;
    };
    const Case cases[] = {
        {11, false, false, false},
        {12, true, false, true},
        {13, false, true, true},
    };
    for (const Case& c : cases) {
        m_first.SetSharedResources(c.bSharedMode);
        HFONT hFont = m_first.AddFont(c.nId, "Sans", 10 + c.nId, false, false, false, c.bShared);
        ASSERT_NE(hFont, nullptr) << c.nId;
        EXPECT_EQ(m_first.GetFont(c.nId), hFont) << c.nId;
        EXPECT_EQ(m_second.GetFont(c.nId) == hFont, c.bSeenByOther) << c.nId;
        // An unknown id falls back to the default font, never to null.
        if (!c.bSeenByOther) {
            EXPECT_EQ(m_second.GetFontInfo(c.nId), m_second.GetDefaultFontInfo()) << c.nId;
        }
    }
    m_first.SetSharedResources(false);
}

// Without a window the fonts are measured on a memory DC.
TEST_F(HostResourcesTest, FontsAreMeasuredWithoutAWindow) {
    m_first.AddFont(1, "Sans", 14, true, false, false, false);
    FontInfo* pInfo = m_first.GetFontInfo(1);
    ASSERT_NE(pInfo, nullptr);
    EXPECT_GT(pInfo->tm.tmHeight, 0);
    EXPECT_GT(m_first.GetDefaultFontInfo()->tm.tmHeight, 0);
    IRenderResources& res = m_first;
    EXPECT_EQ(res.LookupFont(1), pInfo);
    EXPECT_EQ(res.LookupFontByStyle("Sans", 14, true, false, false), pInfo);
    EXPECT_EQ(res.LookupFontByStyle("Sans", 15, true, false, false), nullptr);
}

// The draw engine's view follows the setters and the pointer the owner keeps.
TEST_F(HostResourcesTest, TheDrawEnginesViewFollowsColoursAndPointer) {
    IRenderResources& res = m_first;
    m_first.SetDefaultLinkFontColor(0xFF010203);
    m_first.SetDefaultLinkHoverFontColor(0xFF040506);
    m_first.SetDefaultSelectedBkColor(0xFF070809);
    EXPECT_EQ(res.LinkTextColor(), 0xFF010203u);
    EXPECT_EQ(res.LinkHoverTextColor(), 0xFF040506u);
    EXPECT_EQ(res.SelectedTextBkColor(), 0xFF070809u);
    // The other part keeps the process defaults.
    EXPECT_NE(m_second.LinkTextColor(), 0xFF010203u);
    m_ptMouse = POINT{12, 34};
    EXPECT_EQ(res.LastMousePoint().x, 12);
    EXPECT_EQ(res.LastMousePoint().y, 34);
    CHostResources::SetLanguageText(4711, "hello");
    EXPECT_STREQ(res.LanguageText(4711), "hello");
    Orvik::CUIString str("%{4711} and %{4712}");
    CHostResources::ExpandLanguageTokens(str);
    EXPECT_STREQ(str.GetData(), "hello and %{4712}");
}

// Emptying the part's own tables leaves the shared ones alone.
TEST_F(HostResourcesTest, RemoveAllTablesKeepsTheSharedOnes) {
    rendertest::CTempSkin skin;
    skin.Write("r.png", rendertest::SolidPng(1, 1, 9, 9, 9));
    ASSERT_NE(m_first.AddImage("r.png", nullptr, 0, false), nullptr);
    m_first.AddDefaultAttributeList("Button", "width=\"1\"", false);
    m_first.AddDefaultAttributeList("Label", "width=\"2\"", true);
    m_first.AddWindowCustomAttribute("theme", "dark");
    m_first.RemoveAllTables();
    EXPECT_EQ(m_first.GetImage("r.png"), nullptr);
    EXPECT_EQ(m_first.GetDefaultAttributeList("Button"), nullptr);
    EXPECT_EQ(m_first.GetWindowCustomAttribute("theme"), nullptr);
    EXPECT_STREQ(m_second.GetDefaultAttributeList("Label"), "width=\"2\"");
}

}  // namespace
