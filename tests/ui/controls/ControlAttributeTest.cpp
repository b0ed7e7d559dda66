// Control attributes: value grammars, setters' guards and attribute lists.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ui/controls/ControlUI.h"

using Orvik::CControlUI;

namespace {

struct AttributeCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> attributes;
    std::function<std::string(const CControlUI&)> read;
    std::string expected;
};

std::string Rect(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom);
}

std::string Hex(DWORD v) {
    char sz[16];
    std::snprintf(sz, sizeof sz, "%08X", v);
    return sz;
}

class ControlAttributeTest : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(ControlAttributeTest, Applies) {
    const AttributeCase& c = GetParam();
    CControlUI control;
    for (const auto& [name, value] : c.attributes)
        control.SetAttribute(name, value);
    EXPECT_EQ(c.read(control), c.expected);
}

auto FixedSize = [](const CControlUI& c) {
    return std::to_string(c.GetFixedWidth()) + "x" + std::to_string(c.GetFixedHeight());
};

const AttributeCase CASES[] = {
    {"NegativeWidthIgnored", {{"width", "30"}, {"width", "-5"}}, FixedSize, "30x0"},
    {"MinAboveMaxWins",
     {{"minwidth", "50"}, {"maxwidth", "20"}},
     [](const CControlUI& c) { return std::to_string(c.GetMaxWidth()); },
     "50"},
    {"PosSetsOffsetAndSize",
     {{"pos", "10,20,110,60"}},
     [](const CControlUI& c) {
         return std::to_string(c.GetFloatOffset().cx) + "," +
                std::to_string(c.GetFloatOffset().cy) + " " + FixedSize(c);
     },
     "10,20 100x40"},
    {"PosWithNegativeWidthKeepsWidth", {{"width", "7"}, {"pos", "10,20,5,60"}}, FixedSize, "7x40"},
    {"SinglePaddingIsLeftOnly",
     {{"padding", "8"}},
     [](const CControlUI& c) { return Rect(c.GetPadding()); },
     "8,0,0,0"},
    {"BkColorSkipsLeadingSpace",
     {{"bkcolor", " #FF1D202A"}},
     [](const CControlUI& c) { return Hex(c.GetBackColor()); },
     "FF1D202A"},
    {"BorderColorDoesNotSkipSpace",
     {{"bordercolor", " #FF2D2941"}},
     [](const CControlUI& c) { return Hex(c.GetBorderColor()); },
     "00000000"},
    {"ColorWithoutHash",
     {{"bordercolor", "FF2D2941"}},
     [](const CControlUI& c) { return Hex(c.GetBorderColor()); },
     "FF2D2941"},
    {"BorderSizeOneValueAllSides",
     {{"bordersize", "2"}},
     [](const CControlUI& c) { return Rect(c.GetBorderSize()); },
     "2,2,2,2"},
    {"BorderSizeList",
     {{"bordersize", "0,1,0,0"}},
     [](const CControlUI& c) { return Rect(c.GetBorderSize()); },
     "0,1,0,0"},
    {"CapitalTrueIsFalse",
     {{"visible", "True"}},
     [](const CControlUI& c) { return std::to_string(c.IsVisible()); },
     "0"},
    {"TooltipLineBreaks",
     {{"tooltip", "a<n>b"}},
     [](const CControlUI& c) { return std::string(c.GetToolTip().GetData()); },
     "a\r\nb"},
    {"FloatAnchors",
     {{"float", "0.5,0,0.25,1"}},
     [](const CControlUI& c) {
         const double* a = c.GetFloatAnchors();
         return std::to_string(c.IsFloat()) + " " + std::to_string(a[0]) + " " +
                std::to_string(a[2]) + " " + std::to_string(a[3]);
     },
     "1 0.500000 0.250000 1.000000"},
    {"UnknownNamesBecomeCustomFirstWins",
     {{"group", "one"}, {"group", "two"}},
     [](const CControlUI& c) { return std::string(c.GetCustomAttribute("group")); },
     "one"},
    {"EmptyCustomValueIgnored",
     {{"thing", ""}},
     [](const CControlUI& c) { return std::to_string(c.GetCustomAttribute("thing") == nullptr); },
     "1"},
    {"HugeSizesAreHeld",
     {{"width", "2147483647"}, {"height", "99999999999"}, {"padding", "-99999999,0,0,0"}},
     [](const CControlUI& c) { return FixedSize(c) + " " + Rect(c.GetPadding()); },
     "100000x100000 -100000,0,0,0"},
    {"AnchorsThatAreNotFractionsAreHeld",
     {{"float", "nan,1e308,-inf,0.5"}},
     [](const CControlUI& c) {
         const double* a = c.GetFloatAnchors();
         return std::to_string(a[0]) + " " + std::to_string(a[1]) + " " + std::to_string(a[2]);
     },
     "0.000000 1000.000000 0.000000"},
    {"ShortcutFirstByte",
     {{"shortcut", "xyz"}},
     [](const CControlUI& c) { return std::string(1, c.GetShortcut()); },
     "x"},
};

INSTANTIATE_TEST_SUITE_P(Grammar, ControlAttributeTest, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControlAttributeListTest, PairsNeedExactlyOneSpace) {
    CControlUI a;
    a.ApplyAttributes("width=\"10\" height=\"20\"");
    EXPECT_EQ(a.GetFixedWidth(), 10);
    EXPECT_EQ(a.GetFixedHeight(), 20);

    CControlUI b;
    b.ApplyAttributes("width=\"10\"  height=\"20\"");
    EXPECT_EQ(b.GetFixedHeight(), 0);
    EXPECT_STREQ(b.GetCustomAttribute(" height"), "20");

    CControlUI c;
    c.ApplyAttributes("width=\"10");
    EXPECT_EQ(c.GetFixedWidth(), 0);
    EXPECT_EQ(c.GetFixedHeight(), 0);
}

TEST(ControlAttributeListTest, LaterPairOverridesAndBrokenTailStops) {
    CControlUI a;
    a.ApplyAttributes("width=\"10\" width=\"12\" height=20");
    EXPECT_EQ(a.GetFixedWidth(), 12);
    EXPECT_EQ(a.GetFixedHeight(), 0);
    a.ApplyAttributes(nullptr);
    a.ApplyAttributes("");
    a.ApplyAttributes("=\"");
    EXPECT_EQ(a.GetFixedWidth(), 12);
}

}  // namespace
