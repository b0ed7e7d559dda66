// The start: the waiting tip, rows arriving fastest first, the end of the run; bar values.
#include "app/launcher/LauncherFixture.h"

using namespace launchertest;

namespace {

class LauncherStart : public CLauncherTest {};

std::vector<std::string> RowUrls(CLauncherTest& test, Orvik::CContainerUI* pRows,
                                 Orvik::CWindowHostUI& host) {
    (void)test;
    std::vector<std::string> urls;
    for (int i = 0; i < pRows->GetCount(); ++i)
        urls.push_back(
            host.FindChildByName(pRows->GetItemAt(i), "btn_go")->GetUserData().GetData());
    return urls;
}

}  // namespace

TEST_F(LauncherStart, RowsArriveFastestFirstUnderTheTipThenTheRefreshButtonShows) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(150);
    profile.lines = {Host(400), Host(20)};
    StartSim(profile);
    testsupport::CCaptureStderr quiet;
    Open();
    EXPECT_EQ(TipText(), CPage1::WAITING_TEXT);
    EXPECT_TRUE(Find("layout_tip")->IsVisible());
    EXPECT_FALSE(Rows()->IsVisible());
    EXPECT_FALSE(Find("btn_refresh")->IsVisible());
    EXPECT_EQ(Find<Orvik::CLabelUI>("txt_tip")->GetTextColor(), 0xFFFFFFFFu);
    Screenshot("start_waiting");

    ASSERT_TRUE(WaitFor([&] { return m_pFrame->GetSpeedTestFinishCount() >= 1; }));
    EXPECT_TRUE(Rows()->IsVisible());
    EXPECT_EQ(Rows()->GetCount(), 1);
    EXPECT_TRUE(Find("layout_tip")->IsVisible());  // the tip stays while the run goes on
    EXPECT_EQ(TipText(), CPage1::WAITING_TEXT);
    EXPECT_FALSE(Find("btn_refresh")->IsVisible());

    ASSERT_TRUE(WaitFor([&] { return RunEnded(); })) << quiet.Text();
    std::vector<std::string> lines = m_sim.LineUrls();
    EXPECT_EQ(RowUrls(*this, Rows(), m_pFrame->Host()),
              (std::vector<std::string>{lines[1], m_sim.SeedUrl(), lines[0]}));
    EXPECT_EQ(std::string(InRow(0, "txt_name")->GetText()), "线路地址1：");
    EXPECT_EQ(std::string(InRow(2, "txt_name")->GetText()), "线路地址3：");
    EXPECT_FALSE(Find("layout_tip")->IsVisible());
    EXPECT_TRUE(Find("btn_refresh")->IsVisible());
    Screenshot("start_rows");
}

TEST_F(LauncherStart, FiveUsableLinesShowTheThreeFastestNumberedOneToThree) {
    Open(false);
    StartMadeUpRun({"http://a", "http://b", "http://c", "http://d", "http://e"});
    for (auto [url, ms] : std::vector<std::pair<const char*, int>>{{"http://a", 500},
                                                                   {"http://b", 90},
                                                                   {"http://c", 900},
                                                                   {"http://d", 60},
                                                                   {"http://e", 300}})
        Deliver({url, 200, ms, true});
    ASSERT_EQ(Rows()->GetCount(), 3);
    const char* expected[] = {"http://d", "http://b", "http://e"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::string(InRow(i, "btn_go")->GetUserData()), expected[i]);
        EXPECT_EQ(std::string(InRow(i, "txt_name")->GetText()),
                  "线路地址" + std::to_string(i + 1) + "：");
    }
    EXPECT_FALSE(Find("layout_tip")->IsVisible());
    EXPECT_TRUE(Find("btn_refresh")->IsVisible());
}

TEST_F(LauncherStart, BarsFollowTheTimeAndTheStatus) {
    struct Case {
        int status, ms, value;
        const char* image;
        const char* text;
    } cases[] = {
        {200, 430, 56, "foreimage0", "0.430s"},
        {200, 701, 29, "foreimage1", "0.701s"},
        {200, 1401, 20, "foreimage2", "1.401s"},
        {404, 120, 0, "foreimage2", "线路不可用"},
    };
    Open(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.status) + " " + std::to_string(c.ms));
        StartMadeUpRun({"http://only"});
        Deliver({"http://only", c.status, c.ms, true});
        ASSERT_EQ(Rows()->GetCount(), 1);
        auto* pBar = static_cast<Orvik::CProgressUI*>(InRow(0, "ctrl_progress"));
        EXPECT_EQ(pBar->GetValue(), c.value);
        EXPECT_EQ(std::string(pBar->GetForeImage()), pBar->GetCustomAttribute(c.image));
        EXPECT_EQ(std::string(pBar->GetText()), c.text);
        if (c.status == 404)
            Screenshot("row_unavailable");
    }
}
