// Options by injected clicks: groups select exclusively, ungrouped ones toggle, the selected look.
#include <gtest/gtest.h>

#include "tests/ui/controls/InputWindowFixture.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/OptionUI.h"

namespace {

using controltest::CInputWindow;
using Orvik::COptionUI;
using Strings = std::vector<std::string>;

// The main window's two page options, 72 wide side by side, then a loose one.
const char* const kPages = R"(<Window size="300,100"><VerticalLayout>
  <HorizontalLayout height="32">
    <Option name="opt_page1" text="快速登录" width="72" group="group_pages" selected="true"
        textcolor="FFA7A4AB" hottextcolor="#FFFFFFFF" selectedtextcolor="#FFFFFFFF" normalimage=""
        hotimage="file='opt_nav_hot.png' corner='1,1,1,1' dest='4,30,68,32'"
        pushedimage="file='opt_nav_hot.png' corner='1,1,1,1' dest='4,30,68,32'"
        selectedimage="file='opt_nav_selected.png' corner='1,1,1,1' dest='4,30,68,32'"/>
    <Option name="opt_page2" text="客户端下载" width="72" group="group_pages"
        textcolor="FFA7A4AB" hottextcolor="#FFFFFFFF" selectedtextcolor="#FFFFFFFF" normalimage=""
        hotimage="file='opt_nav_hot.png' corner='1,1,1,1' dest='4,30,68,32'"
        pushedimage="file='opt_nav_hot.png' corner='1,1,1,1' dest='4,30,68,32'"
        selectedimage="file='opt_nav_selected.png' corner='1,1,1,1' dest='4,30,68,32'"/>
    <Option name="loose" width="40"/>
    <Control/>
  </HorizontalLayout><Control/></VerticalLayout></Window>)";

TEST(OptionTest, GroupMembersDeselectEachOtherWithOneNotification) {
    CInputWindow w(kPages);
    COptionUI* p1 = w.Find<COptionUI>("opt_page1");
    COptionUI* p2 = w.Find<COptionUI>("opt_page2");
    ASSERT_NE(w.Host().GetOptionGroup("group_pages"), nullptr);
    EXPECT_EQ(w.Host().GetOptionGroup("group_pages")->GetSize(), 2);
    EXPECT_TRUE(p1->IsSelected());
    EXPECT_NE(p1->GetState() & Orvik::UISTATE_SELECTED, 0u);

    w.Click(100, 16);
    EXPECT_EQ(w.TakeNotes(), (Strings{"click opt_page2 0 0", "selectchanged opt_page2 0 0"}));
    EXPECT_TRUE(p2->IsSelected());
    EXPECT_FALSE(p1->IsSelected());
    EXPECT_EQ(p1->GetState() & Orvik::UISTATE_SELECTED, 0u);

    // The selected one clicked again stays selected and only clicks.
    w.Click(100, 16);
    EXPECT_EQ(w.TakeNotes(), Strings{"click opt_page2 0 0"});
    EXPECT_TRUE(p2->IsSelected());

    w.Click(30, 16);
    EXPECT_EQ(w.TakeNotes(), (Strings{"click opt_page1 0 0", "selectchanged opt_page1 0 0"}));
    EXPECT_FALSE(p2->IsSelected());
}

TEST(OptionTest, AnUngroupedOptionTogglesOnEveryClick) {
    CInputWindow w(kPages);
    COptionUI* loose = w.Find<COptionUI>("loose");
    for (bool expected : {true, false, true}) {
        w.Click(160, 16);
        EXPECT_EQ(w.TakeNotes(), (Strings{"click loose 0 0", "selectchanged loose 0 0"}));
        EXPECT_EQ(loose->IsSelected(), expected);
    }
}

TEST(OptionTest, GroupsFollowRenamesAndDestruction) {
    CInputWindow w(kPages);
    COptionUI* p2 = w.Find<COptionUI>("opt_page2");
    p2->SetGroup("other");
    EXPECT_EQ(w.Host().GetOptionGroup("group_pages")->GetSize(), 1);
    ASSERT_NE(w.Host().GetOptionGroup("other"), nullptr);
    p2->SetSelected(true, false);
    EXPECT_TRUE(w.Find<COptionUI>("opt_page1")->IsSelected());  // no longer its group
    auto* row = static_cast<Orvik::CContainerUI*>(p2->GetParent());
    row->Remove(p2);
    w.Pump();  // deferred deletion
    EXPECT_EQ(w.Host().GetOptionGroup("other"), nullptr);
    p2 = nullptr;
    w.Find<COptionUI>("opt_page1")->SetGroup(nullptr);
    EXPECT_EQ(w.Host().GetOptionGroup("group_pages"), nullptr);
}

TEST(OptionTest, DisablingKeepsOnlyTheSelectedBit) {
    CInputWindow w(kPages);
    COptionUI* p1 = w.Find<COptionUI>("opt_page1");
    w.Move(30, 16);
    EXPECT_NE(p1->GetState() & Orvik::UISTATE_HOT, 0u);
    p1->SetEnabled(false);
    EXPECT_EQ(p1->GetState(), Orvik::UISTATE_SELECTED);
    w.Click(30, 16);
    EXPECT_TRUE(w.TakeNotes().empty());
}

// The page tabs selected and not, hovered and not; tolerance 2 for text antialiasing.
TEST(OptionTest, SelectedAndUnselectedMatchTheirGoldenImages) {
    struct Case {
        const char* golden;
        POINT hover;
    } cases[] = {
        {"option_page1_selected", {290, 90}},
        {"option_page2_hot", {100, 16}},
    };
    for (const Case& c : cases) {
        CInputWindow w(std::string(kPages).replace(std::string(kPages).find("<VerticalLayout>"), 16,
                                                   "<VerticalLayout bkcolor=\"#FF1D202A\">"),
                       160, 32);
        w.Move(c.hover.x, c.hover.y);
        // Font 1 of the main window is not declared here; the default font draws.
        testsupport::CTestCanvas canvas(160, 32);
        w.PaintInto(canvas);
        EXPECT_TRUE(testsupport::MatchesGolden(canvas, controltest::GoldenDir(),
                                               controltest::GoldenOutDir(), c.golden, 2))
            << c.golden;
    }
}

}  // namespace
