// Window attributes, custom attributes, default lists and option groups of the host.
#include <gtest/gtest.h>

#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

namespace {

using Orvik::CWindowHostUI;

TEST(WindowHostAttributesTest, TableEntries) {
    CWindowHostUI host;
    host.SetWindowAttribute("SIZE", "680,480");
    host.SetWindowAttribute("caption", "0,0,0,40");
    host.SetWindowAttribute("sizebox", "5,6,7,8");
    host.SetWindowAttribute("roundcorner", "4,4");
    host.SetWindowAttribute("mininfo", "100,50");
    host.SetWindowAttribute("maxinfo", "900,700");
    host.SetWindowAttribute("showdirty", "TRUE");
    host.SetWindowAttribute("NoActivate", "true");  // exact key: a custom attribute
    host.SetWindowAttribute("defaultfontcolor", "#FFFFFFFF");
    host.SetWindowAttribute("showshadow", "true");
    EXPECT_EQ(host.GetInitSize().cx, 680);
    EXPECT_EQ(host.GetInitSize().cy, 480);
    EXPECT_EQ(host.GetCaptionRect().bottom, 40);
    EXPECT_EQ(host.GetSizeBox().left, 5);
    EXPECT_EQ(host.GetSizeBox().bottom, 8);
    EXPECT_EQ(host.GetRoundCorner().cx, 4);
    EXPECT_EQ(host.GetMinInfo().cy, 50);
    EXPECT_EQ(host.GetMaxInfo().cx, 900);
    EXPECT_TRUE(host.IsShowDirty());
    EXPECT_FALSE(host.IsNoActivate());
    EXPECT_STREQ(host.GetWindowCustomAttribute("NoActivate"), "true");
    EXPECT_EQ(host.GetDefaultFontColor(), 0xFFFFFFFFu);
    EXPECT_TRUE(host.GetShadow().IsShowShadow());
}

TEST(WindowHostAttributesTest, CustomAttributesKeepTheFirstValue) {
    CWindowHostUI host;
    host.SetWindowAttribute("theme", "dark");
    host.SetWindowAttribute("theme", "light");
    host.SetWindowAttribute("empty", "");
    EXPECT_STREQ(host.GetWindowCustomAttribute("theme"), "dark");
    EXPECT_EQ(host.GetWindowCustomAttribute("empty"), nullptr);
}

TEST(WindowHostAttributesTest, DefaultListsPreferTheWindowTable) {
    CWindowHostUI host;
    host.AddDefaultAttributeList("HostTestClass", "width=\"1\"", true);
    host.AddDefaultAttributeList("HostTestClass", "width=\"2\"");
    EXPECT_STREQ(host.GetDefaultAttributeList("HostTestClass"), "width=\"2\"");
    host.RemoveAllDefaultAttributeLists();
    EXPECT_STREQ(host.GetDefaultAttributeList("HostTestClass"), "width=\"1\"");
    host.RemoveAllDefaultAttributeLists(true);
    EXPECT_EQ(host.GetDefaultAttributeList("HostTestClass"), nullptr);
}

TEST(WindowHostAttributesTest, OptionGroupsRejectDuplicatesAndVanishWhenEmpty) {
    CWindowHostUI host;
    Orvik::CControlUI a, b;
    EXPECT_FALSE(host.AddOptionGroup("g", nullptr));
    EXPECT_TRUE(host.AddOptionGroup("g", &a));
    EXPECT_FALSE(host.AddOptionGroup("g", &a));
    EXPECT_TRUE(host.AddOptionGroup("g", &b));
    EXPECT_EQ(host.GetOptionGroup("g")->GetSize(), 2);
    host.RemoveOptionFromGroup("g", &a);
    host.RemoveOptionFromGroup("g", &b);
    EXPECT_EQ(host.GetOptionGroup("g"), nullptr);
}

}  // namespace
