// Box layouts: allocation of the children's positions, documents built by the real builder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TreeFixture.h"
#include "ui/controls/ScrollBarUI.h"

using testsupport::CTreeFixture;

namespace {

struct LayoutCase {
    const char* name;
    const char* body;  // children of the root layout, placed at 0,0,W,H
    int width;
    int height;
    std::vector<std::pair<const char*, const char*>> expected;  // control, l,t,r,b
};

std::string Document(const LayoutCase& c) {
    return std::string("<Window>") + c.body + "</Window>";
}

class BoxLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BoxLayoutTest, PlacesChildren) {
    const LayoutCase& c = GetParam();
    CTreeFixture tree(Document(c));
    ASSERT_NE(tree.Root(), nullptr);
    tree.Layout(c.width, c.height);
    for (const auto& [control, rect] : c.expected)
        EXPECT_EQ(tree.RectOf(control), rect) << control;
}

const LayoutCase CASES[] = {
    {"VerticalPaddingSharesTheRest",
     R"(<VerticalLayout childpadding="5"><Control name="a" height="30"/><Control name="b"/>
        <Control name="c" height="50"/></VerticalLayout>)",
     100,
     200,
     {{"a", "0,0,100,30"}, {"b", "0,35,100,145"}, {"c", "0,150,100,200"}}},
    {"VerticalLastStretchableAbsorbsRemainder",
     R"(<VerticalLayout><Control name="a"/><Control name="b"/></VerticalLayout>)",
     10,
     101,
     {{"a", "0,0,10,50"}, {"b", "0,50,10,101"}}},
    {"VerticalFixedWidthLeftKeepsPadding",
     R"(<VerticalLayout><Control name="a" width="205" height="10" padding="7,0,3,0"/>
        </VerticalLayout>)",
     400,
     100,
     {{"a", "7,0,212,10"}}},
    {"VerticalFixedWidthCentredIgnoresPadding",
     R"(<VerticalLayout childalign="center"><Control name="a" width="205" height="10"
        padding="7,0,3,0"/></VerticalLayout>)",
     400,
     100,
     {{"a", "98,0,303,10"}}},
    {"VerticalRightAlignKeepsRightPadding",
     R"(<VerticalLayout childalign="right"><Control name="a" width="50" height="10"
        padding="0,0,4,0"/></VerticalLayout>)",
     100,
     100,
     {{"a", "46,0,96,10"}}},
    {"VerticalOverfullStretchableGetsZero",
     R"(<VerticalLayout><Control name="a" height="80"/><Control name="b"/>
        <Control name="c" height="80"/></VerticalLayout>)",
     50,
     100,
     {{"a", "0,0,50,80"}, {"b", "0,80,50,80"}, {"c", "0,80,50,160"}}},
    {"InsetAndPaddingShrinkTheClientArea",
     R"(<VerticalLayout inset="8,8,8,8"><Control name="a" height="20" padding="0,4,0,6"/>
        <Control name="b"/></VerticalLayout>)",
     100,
     100,
     {{"a", "8,12,92,32"}, {"b", "8,38,92,92"}}},
    {"InvisibleChildrenTakeNoSpace",
     R"(<VerticalLayout childpadding="5"><Control name="a" height="20"/>
        <Control name="h" height="30" visible="false"/><Control name="b"/></VerticalLayout>)",
     10,
     100,
     {{"a", "0,0,10,20"}, {"b", "0,25,10,100"}}},
    {"MinAndMaxHeightsClampShares",
     R"(<VerticalLayout><Control name="a" maxheight="10"/><Control name="b" minheight="70"/>
        </VerticalLayout>)",
     10,
     100,
     {{"a", "0,0,10,10"}, {"b", "0,10,10,100"}}},
    {"MaxWidthCapsTheFilledWidth",
     R"(<VerticalLayout><Control name="a" height="5" maxwidth="30"/>
        <Control name="b" height="5" minwidth="500"/></VerticalLayout>)",
     100,
     100,
     {{"a", "0,0,30,5"}, {"b", "0,5,500,10"}}},
    {"HorizontalPaddingSharesTheRest",
     R"(<HorizontalLayout childpadding="4"><Control name="a" width="16"/><Control name="b"/>
        <Control name="c" width="40" padding="8,0,0,0"/></HorizontalLayout>)",
     200,
     32,
     {{"a", "0,0,16,32"}, {"b", "20,0,148,32"}, {"c", "160,0,200,32"}}},
    {"HorizontalVCenterAndBottom",
     R"(<HorizontalLayout childvalign="vcenter"><Control name="a" width="16" height="16"/>
        </HorizontalLayout>)",
     100,
     40,
     {{"a", "0,12,16,28"}}},
    {"HorizontalBottomKeepsBottomPadding",
     R"(<HorizontalLayout childvalign="bottom"><Control name="a" width="16" height="16"
        padding="0,0,0,3"/></HorizontalLayout>)",
     100,
     40,
     {{"a", "0,21,16,37"}}},
    {"NestedLayoutsLikeTheCaption",
     R"(<VerticalLayout inset="8,8,8,8"><HorizontalLayout name="cap" height="32">
        <HorizontalLayout name="title" width="156"/><Control name="gap"/>
        <HorizontalLayout name="sys" width="40"><Control name="min" width="16" height="16"/>
        <Control name="close" width="16" height="16" padding="8,0,0,0"/></HorizontalLayout>
        </HorizontalLayout><Control name="rest"/></VerticalLayout>)",
     680,
     480,
     {{"cap", "8,8,672,40"},
      {"title", "8,8,164,40"},
      {"gap", "164,8,632,40"},
      {"sys", "632,8,672,40"},
      {"min", "632,8,648,24"},
      {"close", "656,8,672,24"},
      {"rest", "8,40,672,472"}}},
    {"FloatWithPosFromTheCorner",
     R"(<Container inset="5,5,5,5"><Control name="f" float="true" pos="10,20,110,60"/>
        <Control name="fill"/></Container>)",
     300,
     200,
     {{"f", "10,20,110,60"}, {"fill", "5,5,295,195"}}},
    {"FloatAnchorsHoldTheCentreOffset",
     R"(<Container><Control name="f" float="0.5,0,0.5,0" pos="-20,10,20,30"/></Container>)",
     200,
     100,
     {{"f", "80,10,120,30"}}},
    {"FloatInsideABoxLayoutTakesNoSpace",
     R"(<VerticalLayout><Control name="f" float="true" pos="1,2,11,12"/><Control name="a"/>
        </VerticalLayout>)",
     50,
     50,
     {{"f", "1,2,11,12"}, {"a", "0,0,50,50"}}},
};

INSTANTIATE_TEST_SUITE_P(Examples, BoxLayoutTest, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoxLayoutScrollTest, OverflowShowsTheBarAndRelaysOutWithoutItsWidth) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="list" vscrollbar="true">
        <Control name="a" height="80"/><Control name="b"/><Control name="c" height="80"/>
        </VerticalLayout></Window>)");
    tree.Layout(100, 100);
    auto* pList = static_cast<Orvik::CContainerUI*>(tree.Find("list"));
    Orvik::CScrollBarUI* pBar = pList->GetVerticalScrollBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_TRUE(pBar->IsVisible());
    EXPECT_EQ(pBar->GetScrollRange(), 60);
    EXPECT_EQ(tree.RectOf("a"), "0,0,84,80");
    EXPECT_EQ(tree.RectOf("b"), "0,80,84,80");
    EXPECT_EQ(testsupport::RectText(pBar->GetBounds()), "84,0,100,100");
}

TEST(BoxLayoutScrollTest, BothBarsShareTheCornerWhenBothOverflow) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="list" vscrollbar="true"
        hscrollbar="true"><Control name="a" height="300" minwidth="250"/></VerticalLayout>
        </Window>)");
    tree.Layout(100, 100);
    auto* pList = static_cast<Orvik::CContainerUI*>(tree.Find("list"));
    Orvik::CScrollBarUI* pV = pList->GetVerticalScrollBar();
    Orvik::CScrollBarUI* pH = pList->GetHorizontalScrollBar();
    ASSERT_TRUE(pV->IsVisible());
    ASSERT_TRUE(pH->IsVisible());
    EXPECT_EQ(testsupport::RectText(pList->GetClientBounds()), "0,0,84,84");
    EXPECT_EQ(pV->GetScrollRange(), 300 - 84);
    EXPECT_EQ(pH->GetScrollRange(), 250 - 84);
    EXPECT_EQ(testsupport::RectText(pH->GetBounds()), "0,84,84,100");
}

TEST(BoxLayoutScrollTest, ContentThatFitsHidesTheBar) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="list" vscrollbar="true">
        <Control name="a" height="30"/></VerticalLayout></Window>)");
    tree.Layout(100, 100);
    auto* pList = static_cast<Orvik::CContainerUI*>(tree.Find("list"));
    EXPECT_FALSE(pList->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(tree.RectOf("a"), "0,0,100,30");
}

TEST(BoxLayoutScrollTest, ScrollingMovesChildrenButNotFloatingOnes) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="list" vscrollbar="true">
        <Control name="a" height="80"/><Control name="b" height="80"/>
        <Control name="f" float="true" pos="0,0,10,10"/></VerticalLayout></Window>)");
    tree.Layout(100, 100);
    auto* pList = static_cast<Orvik::CContainerUI*>(tree.Find("list"));
    pList->SetScrollPos(SIZE{0, 30});
    EXPECT_EQ(tree.RectOf("a"), "0,-30,84,50");
    EXPECT_EQ(tree.RectOf("b"), "0,50,84,130");
    EXPECT_EQ(tree.RectOf("f"), "0,0,10,10");
}

TEST(BoxLayoutScrollTest, WheelScrollsByTheLineStep) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="list" vscrollbar="true">
        <Control name="a" height="300"/></VerticalLayout></Window>)");
    tree.Layout(100, 100);
    auto* pList = static_cast<Orvik::CContainerUI*>(tree.Find("list"));
    int step = tree.Host().GetDefaultFontInfo()->tm.tmHeight + 8;
    Orvik::ControlEvent event;
    event.kind = Orvik::UIEVENT_SCROLLWHEEL;
    event.wParam = 1;
    pList->HandleEvent(event);
    EXPECT_EQ(pList->GetScrollPos().cy, step);
    pList->GetVerticalScrollBar()->SetScrollUnit(25);
    pList->HandleEvent(event);
    EXPECT_EQ(pList->GetScrollPos().cy, step + 25);
}

}  // namespace
