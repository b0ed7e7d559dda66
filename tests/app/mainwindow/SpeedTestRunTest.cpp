// A whole line run of the real main window through the pool, and shutdown in the middle of one.
#include <gtest/gtest.h>

#include "app/launcher/LauncherFixture.h"

using namespace launchertest;

namespace {

class SpeedTestRun : public CLauncherTest {};

}  // namespace

TEST_F(SpeedTestRun, FetchThenProbesEndWithUsableHostsFastestFirst) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(250);
    profile.lines = {Host(600), Host(50), Host(150, SimProbeBehaviour::Status, 500),
                     Host(0, SimProbeBehaviour::NoMarkers)};
    StartSim(profile);
    testsupport::CCaptureStderr capture;
    Open();
    ASSERT_TRUE(WaitFor([&] {
        return m_pFrame->GetSpeedTestTotal() == 5 && m_pFrame->GetSpeedTestFinishCount() == 5;
    })) << capture.Text();
    std::vector<std::string> lines = m_sim.LineUrls();
    std::vector<std::string> urls;
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        for (const PtLineEntry& entry : g_lstPtLine)
            urls.push_back(entry.url);
        EXPECT_GE(g_lstPtLine.front().costMs, 50);
    }
    EXPECT_EQ(urls, (std::vector<std::string>{lines[1], m_sim.SeedUrl(), lines[0], lines[2]}));
    std::vector<int> statuses;
    for (const auto& result : m_pFrame->GetTestResults())
        statuses.push_back(result.status);
    EXPECT_EQ(statuses, (std::vector<int>{200, 200, 200, 500}));
    EXPECT_NE(capture.Text().find("ptline test fail."), std::string::npos);  // the markerless host
}

TEST_F(SpeedTestRun, ShutdownInTheMiddleFreesEveryProbeAndResult) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(200);
    profile.lines.assign(7, Host(200));
    StartSim(profile);
    testsupport::CCaptureStderr quiet;
    Open();
    // Three probes run, five wait when the window goes.
    ASSERT_TRUE(WaitFor([&] { return m_pFrame->GetSpeedTestTotal() == 8; }));
    CMainFrame* pFrame = m_pFrame;
    int nFinished = pFrame->GetSpeedTestFinishCount();
    EXPECT_LT(nFinished, 8);
    CloseWindow();      // results still in flight now reach no window
    ShutdownWorkers();  // waits for the running probes, frees the waiting ones
    // The sanitizer build's leak check covers the strings and records.
}
