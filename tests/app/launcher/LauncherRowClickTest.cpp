// A click on a row's button opens its line in the browser with the launcher's suffix.
#include "app/launcher/LauncherFixture.h"

using namespace launchertest;

namespace {

class LauncherRowClick : public CLauncherTest {};

}  // namespace

TEST_F(LauncherRowClick, EachRowsButtonOpensItsLineAlsoWhenUnavailable) {
    Open(false);
    StartMadeUpRun({"http://fast.example", "https://gone.example:8443"});
    Deliver({"https://gone.example:8443", 404, 40, true});
    Deliver({"http://fast.example", 200, 120, true});
    ASSERT_EQ(Rows()->GetCount(), 2);
    Click(InRow(1, "btn_go"));  // the 404 row, shown as unavailable
    Click(InRow(0, "btn_go"));
    EXPECT_EQ(Opened(2), (std::vector<std::string>{"https://gone.example:8443?from=kestova",
                                                   "http://fast.example?from=kestova"}));
}

TEST_F(LauncherRowClick, AButtonWithoutALineOpensNothing) {
    Open(false);
    StartMadeUpRun({"http://a.example"});
    Deliver({"http://a.example", 200, 10, true});
    InRow(0, "btn_go")->SetUserData("");
    Click(InRow(0, "btn_go"));
    InRow(0, "btn_go")->SetUserData("http://a.example");
    Click(InRow(0, "btn_go"));
    EXPECT_EQ(Opened(1), (std::vector<std::string>{"http://a.example?from=kestova"}));
}
