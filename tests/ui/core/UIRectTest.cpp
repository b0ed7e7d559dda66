// CUIRect and CUIResName: the small geometry and resource-name values.
#include <gtest/gtest.h>

#include "ui/core/UIRect.h"
#include "ui/core/UIResName.h"

using Orvik::CUIRect;
using Orvik::CUIResName;

TEST(UIRectTest, JoinTakesTheOuterEdgesWithoutAnEmptinessTest) {
    CUIRect rc(10, 10, 20, 20);
    rc.Join(CUIRect());  // an empty rectangle at the origin still counts
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, 20);
    EXPECT_EQ(rc.bottom, 20);
}

TEST(UIRectTest, OffsetsKeepTheSize) {
    CUIRect rc(5, 7, 25, 17);
    rc.Offset(-3, 4);
    EXPECT_EQ(rc.left, 2);
    EXPECT_EQ(rc.top, 11);
    rc.ResetOffset();
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.GetWidth(), 20);
    EXPECT_EQ(rc.GetHeight(), 10);
}

TEST(UIResNameTest, SmallValuesAreIdsTruncatedToSixteenBits) {
    CUIResName id(129);
    EXPECT_TRUE(id.IsId());
    EXPECT_EQ(id.GetId(), 129);
    EXPECT_EQ(id.GetName(), nullptr);
    EXPECT_EQ(CUIResName(0x10081).GetId(), 0x81);
    CUIResName name("MainFrame.xml");
    EXPECT_FALSE(name.IsId());
    EXPECT_STREQ(name.GetName(), "MainFrame.xml");
}
