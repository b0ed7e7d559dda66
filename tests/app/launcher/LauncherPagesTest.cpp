// The caption's two options switch the pages; only the exact option names do.
#include "app/launcher/LauncherFixture.h"

using namespace launchertest;

namespace {

class LauncherPages : public CLauncherTest {
protected:
    Orvik::CControlUI* Page1Root() { return m_pFrame->GetPage1()->GetRoot(); }
    Orvik::CControlUI* Page2Root() { return m_pFrame->GetPage2()->GetRoot(); }
};

}  // namespace

TEST_F(LauncherPages, TheOptionsSwitchPagesAndTheRowsStay) {
    Open(false);
    StartMadeUpRun({"http://a.example", "http://b.example"});
    Deliver({"http://a.example", 200, 300, true});
    Deliver({"http://b.example", 200, 100, true});
    Orvik::CControlUI* pFirstRow = Row(0);
    EXPECT_TRUE(Page1Root()->IsVisible());
    EXPECT_FALSE(Page2Root()->IsVisible());

    Click(Find("opt_page2"));
    EXPECT_FALSE(Page1Root()->IsVisible());
    EXPECT_TRUE(Page2Root()->IsVisible());
    Screenshot("client_page");

    Click(Find("opt_page1"));
    EXPECT_TRUE(Page1Root()->IsVisible());
    EXPECT_FALSE(Page2Root()->IsVisible());
    ASSERT_EQ(Rows()->GetCount(), 2);
    EXPECT_EQ(Row(0), pFirstRow);
    EXPECT_EQ(std::string(InRow(0, "btn_go")->GetUserData()), "http://b.example");
}

TEST_F(LauncherPages, ASelectionFromAnyOtherNameSwitchesNothing) {
    Open(false);
    Orvik::CControlUI* pOption = Find("opt_page2");
    ASSERT_TRUE(m_pFrame->Host().RenameControl(pOption, "OPT_PAGE1"));
    Click(pOption);  // selected, so it sends "selectchanged" under the capital name
    EXPECT_TRUE(Page1Root()->IsVisible());
    EXPECT_FALSE(Page2Root()->IsVisible());
    ASSERT_TRUE(m_pFrame->Host().RenameControl(pOption, "opt_page2x"));
    Click(Find("opt_page1"));
    Click(pOption);
    EXPECT_TRUE(Page1Root()->IsVisible());
}
