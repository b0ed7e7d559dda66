// The check box: toggles by click and key, its type, and its look.
#include <gtest/gtest.h>

#include "tests/ui/controls/InputWindowFixture.h"
#include "ui/controls/CheckBoxUI.h"

namespace {

using controltest::CInputWindow;
using Orvik::CCheckBoxUI;
using Strings = std::vector<std::string>;

// The message box's "do not remind again" box with a 16 x 16 mark from the line icons.
const char* const kCheck =
    R"(<Window size="140,30"><VerticalLayout bkcolor="#FFFFFFFF" inset="4,4,4,4">
    <CheckBox name="chk" text="不再提醒" height="22" width="120" textcolor="#FF333333"
        align="left" textpadding="22,0,0,0"
        normalimage="file='icon_normal.png' dest='0,3,16,19'"
        selectedimage="file='icon_good.png' dest='0,3,16,19'"/>
    <Control/></VerticalLayout></Window>)";

TEST(CheckBoxTest, TogglesOnClicksAndSpaceAndAnswersItsType) {
    CInputWindow w(kCheck);
    CCheckBoxUI* chk = w.Find<CCheckBoxUI>("chk");
    EXPECT_STREQ(chk->GetTypeName(), "CheckBox");
    EXPECT_EQ(chk->AsType("CheckBox"), chk);
    EXPECT_EQ(chk->AsType("Option"), chk);
    EXPECT_EQ(chk->AsType("Button"), chk);
    EXPECT_EQ(w.Host().FindControlByName("chk"), chk);
    w.Click(30, 15);
    EXPECT_TRUE(chk->IsSelected());
    w.Host().SetFocus(chk);
    w.Key(VK_SPACE);
    EXPECT_FALSE(chk->IsSelected());
    EXPECT_EQ(w.TakeNotes(), (Strings{"click chk 0 0", "selectchanged chk 0 0", "click chk 0 0",
                                      "selectchanged chk 0 0"}));
    chk->SetSelected(true, false);
    EXPECT_TRUE(w.TakeNotes().empty());
}

// Tolerance 2 for the text's antialiasing.
TEST(CheckBoxTest, CheckedAndUncheckedMatchTheirGoldenImages) {
    for (bool bChecked : {false, true}) {
        CInputWindow w(kCheck, 140, 30);
        if (bChecked)
            w.Click(30, 15);
        w.Move(139, 29);
        testsupport::CTestCanvas canvas(140, 30);
        w.PaintInto(canvas);
        const char* golden = bChecked ? "checkbox_checked" : "checkbox_unchecked";
        EXPECT_TRUE(testsupport::MatchesGolden(canvas, controltest::GoldenDir(),
                                               controltest::GoldenOutDir(), golden, 2))
            << golden;
    }
}

}  // namespace
