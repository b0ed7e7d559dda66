// Resize band of the box layouts: where it is, how a drag changes the fixed size.
#include <gtest/gtest.h>

#include "support/TreeFixture.h"

using testsupport::CTreeFixture;

namespace {

struct BandCase {
    const char* name;
    const char* layout;  // the band layout "b", first child of a 200 x 200 vertical root
    POINT down;
    POINT move;
    int expectedFixed;  // fixed height (vertical) or width (horizontal) after the drag
};

class ResizeBandTest : public ::testing::TestWithParam<BandCase> {};

void Send(Orvik::CControlUI* p, int kind, POINT pt) {
    Orvik::ControlEvent event;
    event.kind = kind;
    event.mousePoint = pt;
    p->HandleEvent(event);
}

TEST_P(ResizeBandTest, DragSetsTheFixedSize) {
    const BandCase& c = GetParam();
    CTreeFixture tree(std::string("<Window><VerticalLayout>") + c.layout +
                      "<Control/></VerticalLayout></Window>");
    tree.Layout(200, 200);
    Orvik::CControlUI* b = tree.Find("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetInputFlags(), 2u);
    Send(b, Orvik::UIEVENT_BUTTONDOWN, c.down);
    Send(b, Orvik::UIEVENT_MOUSEMOVE, c.move);
    Send(b, Orvik::UIEVENT_BUTTONUP, c.move);
    bool bVertical = std::string(b->GetTypeName()) == "VerticalLayout";
    EXPECT_EQ(bVertical ? b->GetFixedHeight() : b->GetFixedWidth(), c.expectedFixed);
}

const BandCase CASES[] = {
    {"BottomBandGrows",
     R"(<VerticalLayout name="b" height="50" sepheight="4"/>)",
     {10, 48},
     {10, 60},
     62},
    {"BottomBandShrinksToTheMinimum",
     R"(<VerticalLayout name="b" height="50" minheight="40" sepheight="4"/>)",
     {10, 48},
     {10, 20},
     40},
    {"PressOutsideTheBandDoesNothing",
     R"(<VerticalLayout name="b" height="50" sepheight="4"/>)",
     {10, 20},
     {10, 40},
     50},
    {"ImmediateModeResizesLive",
     R"(<VerticalLayout name="b" height="50" sepheight="4" sepimm="true"/>)",
     {10, 49},
     {10, 70},
     71},
    {"MaximumStopsTheGrowth",
     R"(<VerticalLayout name="b" height="50" maxheight="55" sepheight="4"/>)",
     {10, 48},
     {10, 90},
     55},
    {"RightBandOfAHorizontalLayout",
     R"(<HorizontalLayout name="b" height="50" width="80" sepwidth="5"/>)",
     {78, 10},
     {100, 10},
     102},
};

INSTANTIATE_TEST_SUITE_P(Drags, ResizeBandTest, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
