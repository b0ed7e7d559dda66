// The scroll bar: part geometry, snapping, and a container scrolled by thumb, arrows and wheel.
#include <gtest/gtest.h>

#include "support/TreeFixture.h"
#include "tests/ui/controls/InputWindowFixture.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ScrollBarUI.h"

namespace {

using controltest::CInputWindow;
using Orvik::CScrollBarUI;
using testsupport::RectText;

std::string R(const Orvik::CUIRect& rc) {
    return RectText(rc);
}

TEST(ScrollBarTest, PartsFollowLengthRangeAndPosition) {
    struct Case {
        const char* name;
        bool horizontal, buttons;
        int thickness;
        RECT bounds;
        int range, pos;
        const char *button1, *button2, *thumb;
    } cases[] = {
        // The launcher's line list: 214 high, content 340.
        {"line list top",
         false,
         false,
         8,
         {0, 10, 8, 224},
         126,
         0,
         "0,10,0,10",
         "0,224,0,224",
         "0,10,8,144"},
        {"line list middle",
         false,
         false,
         8,
         {0, 10, 8, 224},
         126,
         63,
         "0,10,0,10",
         "0,224,0,224",
         "0,50,8,184"},
        {"line list end",
         false,
         false,
         8,
         {0, 10, 8, 224},
         126,
         126,
         "0,10,0,10",
         "0,224,0,224",
         "0,90,8,224"},
        {"no room for a thumb",
         false,
         true,
         16,
         {0, 0, 16, 20},
         100,
         0,
         "0,0,16,10",
         "0,10,16,20",
         "0,0,0,0"},
        {"range 0 fills the track",
         false,
         true,
         16,
         {0, 0, 16, 100},
         0,
         0,
         "0,0,16,16",
         "0,84,16,100",
         "0,16,16,84"},
        {"horizontal with buttons",
         true,
         true,
         10,
         {0, 0, 110, 10},
         90,
         90,
         "0,0,10,10",
         "100,0,110,10",
         "51,0,100,10"},
        {"thumb never shorter than thick",
         true,
         false,
         10,
         {0, 0, 50, 10},
         10000,
         5000,
         "0,0,0,0",
         "50,0,50,0",
         "20,0,30,10"},
    };
    for (const Case& c : cases) {
        CScrollBarUI bar;
        bar.SetHorizontal(c.horizontal);
        if (c.horizontal)
            bar.SetFixedHeight(c.thickness);
        else
            bar.SetFixedWidth(c.thickness);
        bar.SetShowButton1(c.buttons);
        bar.SetShowButton2(c.buttons);
        bar.SetScrollRange(c.range);
        bar.SetScrollPos(c.pos);
        bar.SetBounds(c.bounds, false);
        EXPECT_EQ(R(bar.GetButton1Rect()), c.button1) << c.name;
        EXPECT_EQ(R(bar.GetButton2Rect()), c.button2) << c.name;
        EXPECT_EQ(R(bar.GetThumbRect()), c.thumb) << c.name;
    }
}

TEST(ScrollBarTest, PositionsSnapToTheUnitAndStayInTheRange) {
    struct Case {
        int unit, range, pos, stored;
    } cases[] = {
        {20, 100, 29, 20}, {20, 100, 30, 40},  {20, 100, 31, 40}, {20, 35, 31, 35},
        {1, 100, -5, 0},   {1, 100, 150, 100}, {0, 100, 7, 7},
    };
    for (const Case& c : cases) {
        CScrollBarUI bar;
        bar.SetScrollUnit(c.unit);
        bar.SetScrollRange(c.range);
        bar.SetScrollPos(c.pos);
        EXPECT_EQ(bar.GetScrollPos(), c.stored) << c.unit << " " << c.pos;
    }
    CScrollBarUI bar;
    bar.SetScrollPos(60);
    bar.SetScrollRange(-5);
    EXPECT_EQ(bar.GetScrollRange(), 0);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    bar.SetAttribute("scrollunit", "-3");
    bar.SetAttribute("linesize", "-1");
    EXPECT_EQ(bar.GetLineSize(), 8);
    bar.SetAttribute("scrollunit", "12");
    EXPECT_EQ(bar.GetLineSize(), 12);
}

// The line list of the first page: 214 high, five rows of 68, the main
// window's default look for vertical bars.
const char* const kList = R"(<Window size="200,214">
  <Default name="VScrollBar" value="thumbnormalimage=&quot;file='scroll_thumb_normal.png' corner='2,2,2,2'&quot; thumbhotimage=&quot;file='scroll_thumb_normal.png' corner='2,2,2,2'&quot; thumbpushedimage=&quot;file='scroll_thumb_press.png' corner='2,2,2,2'&quot; showbutton1=&quot;false&quot; showbutton2=&quot;false&quot; width=&quot;8&quot;"/>
  <VerticalLayout name="list" vscrollbar="true" bkcolor="#FFC82227">
    <Control name="r0" height="68" bkcolor="#FF303030"/><Control name="r1" height="68"/>
    <Control name="r2" height="68" bkcolor="#FF303030"/><Control name="r3" height="68"/>
    <Control name="r4" height="68" bkcolor="#FF303030"/>
  </VerticalLayout></Window>)";

class ScrollListTest : public ::testing::Test {
protected:
    ScrollListTest() : w(kList, 200, 214) {}
    CScrollBarUI* Bar() { return w.Find<Orvik::CContainerUI>("list")->GetVerticalScrollBar(); }
    int RowTop() { return w.Find("r0")->GetY(); }
    CInputWindow w;
};

TEST_F(ScrollListTest, TheBarTakesItsWidthOffTheClientAndSpansTheOverflow) {
    CScrollBarUI* bar = Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetFixedWidth(), 8);
    EXPECT_FALSE(bar->IsShowButton1());
    EXPECT_EQ(bar->GetScrollRange(), 340 - 214);
    EXPECT_EQ(R(bar->GetBounds()), "192,0,200,214");
    EXPECT_EQ(w.Find("r0")->GetWidth(), 192);
    EXPECT_EQ(R(bar->GetThumbRect()), "192,0,200,134");
}

TEST_F(ScrollListTest, DraggingTheThumbToTheEndGivesTheMaximumPosition) {
    w.Move(196, 50);
    w.Press();
    EXPECT_NE(Bar()->GetThumbState() & Orvik::UISTATE_CAPTURED, 0u);
    w.Move(196, 50 + 80);                 // the whole track: 214 - 134
    EXPECT_EQ(Bar()->GetScrollPos(), 0);  // the content follows on the timer
    w.Tick(CScrollBarUI::REPEAT_INTERVAL_MS);
    EXPECT_EQ(Bar()->GetScrollPos(), 126);
    EXPECT_EQ(RowTop(), -126);
    EXPECT_EQ(R(Bar()->GetThumbRect()), "192,80,200,214");
    w.Move(196, 400);  // past the end
    w.Tick(CScrollBarUI::REPEAT_INTERVAL_MS);
    EXPECT_EQ(Bar()->GetScrollPos(), 126);
    w.Release();
    EXPECT_EQ(Bar()->GetThumbState() & (Orvik::UISTATE_CAPTURED | Orvik::UISTATE_PUSHED), 0u);
    EXPECT_EQ(w.TakeNotes(), std::vector<std::string>{"scroll  126 0"});
}

TEST_F(ScrollListTest, AReleaseBeforeTheNextTickStillLandsWhereThePointerLetGo) {
    w.Move(196, 50);
    w.Press();
    w.Move(196, 90);  // half the track
    w.Release();
    EXPECT_EQ(Bar()->GetScrollPos(), 63);
    EXPECT_EQ(RowTop(), -63);
}

TEST_F(ScrollListTest, TheWheelScrollsByTheLineSizeInItsDirection) {
    int nLine = w.Host().GetDefaultFontInfo()->tm.tmHeight + 8;
    w.Move(100, 100);  // over a row: the wheel reaches the list through it
    w.Wheel(-1);       // towards the user: down
    EXPECT_EQ(Bar()->GetScrollPos(), nLine);
    EXPECT_EQ(RowTop(), -nLine);
    w.Wheel(-1);
    EXPECT_EQ(Bar()->GetScrollPos(), 2 * nLine);
    w.Wheel(1);
    EXPECT_EQ(Bar()->GetScrollPos(), nLine);
    w.Wheel(1);
    w.Wheel(1);
    EXPECT_EQ(Bar()->GetScrollPos(), 0);
    EXPECT_EQ(RowTop(), 0);
}

TEST_F(ScrollListTest, HoldingTheTrackPagesAfterTheInitialDelay) {
    Bar()->SetAttribute("thumbnormalimage", "");
    w.Move(196, 200);  // below the thumb
    w.Press();
    EXPECT_EQ(Bar()->GetScrollPos(), 126);  // one page covers the whole range
    Bar()->GetOwner()->SetScrollPos(SIZE{0, 0});
    w.Tick(CScrollBarUI::REPEAT_INTERVAL_MS, 5);
    EXPECT_EQ(Bar()->GetScrollPos(), 0);  // the delay
    w.Tick(CScrollBarUI::REPEAT_INTERVAL_MS);
    EXPECT_EQ(Bar()->GetScrollPos(), 126);
    w.Release();
}

// Tolerance 2: the 9-grid thumb is blended.
TEST_F(ScrollListTest, BarWithItsThumbMatchesItsGoldenImage) {
    w.Move(100, 100);
    w.Wheel(-2);
    testsupport::CTestCanvas canvas(200, 214);
    w.PaintInto(canvas);
    EXPECT_TRUE(testsupport::MatchesGolden(canvas, controltest::GoldenDir(),
                                           controltest::GoldenOutDir(), "scrollbar_list", 2));
}

// Arrow buttons without an owner step the bar itself.
TEST(ScrollBarArrowTest, HoldingAnArrowRepeatsFromTheSixthTick) {
    CInputWindow w(R"(<Window size="100,200"><HorizontalLayout><Control/>
        <ScrollBar name="bar" linesize="5" range="100"/></HorizontalLayout></Window>)",
                   100, 200);
    auto* bar = w.Find<CScrollBarUI>("bar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(R(bar->GetButton2Rect()), "84,184,100,200");
    w.Move(92, 190);
    w.Press();
    EXPECT_EQ(bar->GetScrollPos(), 5);
    std::vector<int> seen;
    for (int i = 0; i < 8; ++i) {
        w.Tick(CScrollBarUI::REPEAT_INTERVAL_MS);
        seen.push_back(bar->GetScrollPos());
    }
    EXPECT_EQ(seen, (std::vector<int>{5, 5, 5, 5, 5, 10, 15, 20}));
    w.Release();
    w.Tick(CScrollBarUI::REPEAT_INTERVAL_MS, 3);
    EXPECT_EQ(bar->GetScrollPos(), 20);
    EXPECT_EQ(bar->GetButton2State() & Orvik::UISTATE_PUSHED, 0u);
}

}  // namespace
