// The window host seen through the draw engine's resource interface.
#include <gtest/gtest.h>

#include "ui/window/WindowHostUI.h"

using Orvik::CWindowHostUI;
using Orvik::FontInfo;
using Orvik::IRenderResources;

TEST(WindowHostRender, FontsThroughTheInterfaceAreTheHostsRecordsMeasured) {
    CWindowHostUI host;
    IRenderResources& res = host;
    EXPECT_EQ(res.LookupFont(7), host.GetDefaultFontInfo());
    EXPECT_EQ(res.LookupDefaultFont(), host.GetDefaultFontInfo());
    EXPECT_EQ(res.LookupFontByStyle("Sans", 13, true, false, false), nullptr);

    FontInfo* pMade = res.CreateWindowFont(30001, "Sans", 13, true, false, false);
    ASSERT_NE(pMade, nullptr);
    EXPECT_GT(pMade->tm.tmHeight, 0);
    EXPECT_TRUE(pMade->bBold);
    EXPECT_EQ(res.LookupFontByStyle("Sans", 13, true, false, false), pMade);
    EXPECT_EQ(res.LookupFont(30001), pMade);
    EXPECT_EQ(host.GetFont(30001), pMade->hFont);
}

TEST(WindowHostRender, ImagesAndColoursThroughTheInterface) {
    CWindowHostUI host;
    IRenderResources& res = host;
    EXPECT_EQ(res.LookupImage("FF00FF00"), nullptr);
    auto* pImage = res.LookupOrLoadImage("FF00FF00", "*COLOR*", 0);
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(res.LookupImage("FF00FF00"), pImage);
    EXPECT_EQ(host.GetImage("FF00FF00"), pImage);
    EXPECT_EQ(res.LinkTextColor(), host.GetDefaultLinkFontColor());
    EXPECT_EQ(res.LinkHoverTextColor(), host.GetDefaultLinkHoverFontColor());
    EXPECT_EQ(res.SelectedTextBkColor(), host.GetDefaultSelectedBkColor());
}
