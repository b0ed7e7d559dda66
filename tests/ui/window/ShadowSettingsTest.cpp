// Shadow settings: each setter's range, the skin attributes, and when a setting rebuilds the
// picture.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/window/ShadowFixture.h"

using Orvik::CShadowUI;
using shadowtest::CShadowWindow;
using shadowtest::Pump;
using shadowtest::RectOf;
using shadowtest::SkinDocument;

namespace {

struct RangeCase {
    const char* name;
    std::function<bool(CShadowUI&, int)> set;
    std::function<int(const CShadowUI&)> get;
    int nLow;
    int nHigh;
};

const RangeCase RANGES[] = {
    {"size", [](CShadowUI& s, int v) { return s.SetSize(v); },
     [](const CShadowUI& s) { return s.GetLook().nSize; }, -20, 20},
    {"sharpness", [](CShadowUI& s, int v) { return s.SetSharpness(v); },
     [](const CShadowUI& s) { return s.GetLook().nSharpness; }, 0, 20},
    {"darkness", [](CShadowUI& s, int v) { return s.SetDarkness(v); },
     [](const CShadowUI& s) { return s.GetLook().nDarkness; }, 0, 255},
    {"offset x", [](CShadowUI& s, int v) { return s.SetPosition(v, 0); },
     [](const CShadowUI& s) { return s.GetLook().nOffsetX; }, -20, 20},
    {"offset y", [](CShadowUI& s, int v) { return s.SetPosition(0, v); },
     [](const CShadowUI& s) { return s.GetLook().nOffsetY; }, -20, 20},
    {"corner left",
     [](CShadowUI& s, int v) {
         return s.SetShadowCorner(RECT{v, 0, 0, 0});
     },
     [](const CShadowUI& s) { return int(s.GetShadowCorner().left); }, 0, 100000},
    {"corner bottom",
     [](CShadowUI& s, int v) {
         return s.SetShadowCorner(RECT{0, 0, 0, v});
     },
     [](const CShadowUI& s) { return int(s.GetShadowCorner().bottom); }, 0, 100000},
};

}  // namespace

TEST(ShadowSettingsTest, DefaultsAndRanges) {
    CShadowUI shadow;
    EXPECT_EQ(shadow.GetLook().nDarkness, 150);
    EXPECT_EQ(shadow.GetLook().nSharpness, 5);
    EXPECT_EQ(shadow.GetLook().nSize, 0);
    EXPECT_FALSE(shadow.IsImageMode());
    for (const RangeCase& c : RANGES) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.set(shadow, c.nLow + 1));
        EXPECT_FALSE(c.set(shadow, c.nLow - 1));
        EXPECT_EQ(c.get(shadow), c.nLow + 1) << "a refused value keeps the old one";
        if (c.nHigh < 100000) {
            EXPECT_FALSE(c.set(shadow, c.nHigh + 1));
            EXPECT_TRUE(c.set(shadow, c.nHigh));
            EXPECT_EQ(c.get(shadow), c.nHigh);
        }
        EXPECT_TRUE(c.set(shadow, c.nLow));
        EXPECT_EQ(c.get(shadow), c.nLow);
    }
    EXPECT_FALSE(shadow.SetPosition(3, 21)) << "one coordinate out of range refuses both";
    EXPECT_EQ(shadow.GetLook().nOffsetX, 0);
    EXPECT_FALSE(shadow.SetImage(nullptr));
    EXPECT_FALSE(shadow.IsImageMode());
    EXPECT_TRUE(shadow.SetColor(0x12345678));
    EXPECT_EQ(shadow.GetLook().dwColor, 0x12345678u);
}

TEST(ShadowSettingsTest, WindowAttributesReachTheShadow) {
    Orvik::CWindowHostUI host;
    struct Attribute {
        const char* name;
        const char* value;
    } attributes[] = {
        {"shadowsize", "21"},         {"shadowsize", "-20"},         {"shadowsharpness", "9"},
        {"shadowdarkness", "256"},    {"shadowdarkness", "80"},      {"shadowposition", "3,-4"},
        {"shadowposition", "3,40"},   {"shadowcolor", "#FF102030"},  {"shadowcorner", "1,2,3,4"},
        {"shadowcorner", "1,-2,3,4"}, {"shadowimage", "shadow.png"}, {"ShowShadow", "true"},
        {"showshadow", "TRUE"},
    };
    for (const Attribute& a : attributes)
        host.SetWindowAttribute(a.name, a.value);
    const CShadowUI& shadow = host.GetShadow();
    EXPECT_EQ(shadow.GetLook().nSize, -20);
    EXPECT_EQ(shadow.GetLook().nSharpness, 9);
    EXPECT_EQ(shadow.GetLook().nDarkness, 80);
    EXPECT_EQ(shadow.GetLook().nOffsetX, 3);
    EXPECT_EQ(shadow.GetLook().nOffsetY, -4);
    EXPECT_EQ(shadow.GetLook().dwColor, 0xFF102030u);
    EXPECT_EQ(shadow.GetShadowCorner().right, 3);
    EXPECT_EQ(shadow.GetShadowCorner().top, 2);
    EXPECT_STREQ(shadow.GetImage(), "shadow.png");
    EXPECT_FALSE(shadow.IsShowShadow()) << "\"true\" only in lower case, key exact";
    EXPECT_STREQ(host.GetWindowCustomAttribute("ShowShadow"), "true");
    host.SetWindowAttribute("showshadow", "true");
    EXPECT_TRUE(shadow.IsShowShadow());
}

TEST(ShadowSettingsTest, ASettingRebuildsOnlyWhileTheShadowIsShown) {
    CShadowWindow window(SkinDocument("showshadow=\"true\" shadowsize=\"4\""));
    ASSERT_NE(window.ShadowHwnd(), nullptr);
    EXPECT_EQ(RectOf(window.ShadowHwnd()).right - RectOf(window.ShadowHwnd()).left, 688);
    EXPECT_TRUE(window.Shadow().SetSize(10));
    EXPECT_EQ(RectOf(window.ShadowHwnd()).left, 90) << "rebuilt at once";
    ShowWindow(window.Hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(window.Shadow().SetSize(2));
    EXPECT_EQ(RectOf(window.ShadowHwnd()).left, 90) << "hidden: stored only";
    ShowWindow(window.Hwnd(), SW_RESTORE);
    Pump();
    EXPECT_EQ(RectOf(window.ShadowHwnd()).left, 98);
    EXPECT_EQ(RectOf(window.ShadowHwnd()).right - RectOf(window.ShadowHwnd()).left, 684);
}
