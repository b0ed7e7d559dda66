// A whole line run through the pool and the message loop, and shutdown in the middle of one.
#include <gtest/gtest.h>

#include "app/frame/LineTestSupport.h"
#include "app/frame/MainFrame.h"
#include "app/pool/IdleThreadManager.h"
#include "app/startup/StartUp.h"
#include "support/CaptureStderr.h"
#include "support/TestWindow.h"
#include "tools/sim/PlatformSimulator.h"

using namespace linetest;

namespace {

// Stands in for the window base: hands every launcher message to the frame.
LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (frame != nullptr && msg >= WM_USER) {
        bool handled = false;
        frame->HandleCustomMessage(msg, wp, lp, handled);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND MakeFrameWindow(CMainFrame& frame) {
    HWND hwnd = testsupport::MakeTestWindow("LineRunTestFrame", FrameProc);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&frame));
    frame.SetHWND(hwnd);
    return hwnd;
}

SimHostConfig Host(int latencyMs, SimProbeBehaviour behaviour = SimProbeBehaviour::Ok,
                   int status = 200) {
    SimHostConfig host;
    host.probeLatencyMs = latencyMs;
    host.behaviour = behaviour;
    host.status = status;
    return host;
}

class SpeedTestRun : public ::testing::Test {
protected:
    void SetUp() override { g_pIdleThreadManager = new CIdleThreadManager(); }
    void TearDown() override {
        ShutdownWorkers();
        SetLines({});
    }
    ConnectedScope m_connected{true};
};

}  // namespace

TEST_F(SpeedTestRun, FetchThenProbesEndWithUsableHostsFastestFirst) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(250);
    profile.lines = {Host(600), Host(50), Host(150, SimProbeBehaviour::Status, 500),
                     Host(0, SimProbeBehaviour::NoMarkers)};
    CPlatformSimulator sim;
    ASSERT_TRUE(sim.Start(profile)) << sim.Error();
    SetLines({sim.SeedUrl()});

    CMainFrame frame;
    HWND hwnd = MakeFrameWindow(frame);
    testsupport::CCaptureStderr capture;
    frame.RefreshPtLine();
    ASSERT_TRUE(PumpUntil([&] {
        return frame.GetSpeedTestTotal() == 5 && frame.GetSpeedTestFinishCount() == 5;
    })) << capture.Text();
    std::vector<std::string> lines = sim.LineUrls();
    EXPECT_EQ(Lines(), (std::vector<std::string>{lines[1], sim.SeedUrl(), lines[0], lines[2]}));
    std::vector<int> statuses;
    for (const auto& result : frame.GetTestResults())
        statuses.push_back(result.status);
    EXPECT_EQ(statuses, (std::vector<int>{200, 200, 200, 500}));
    EXPECT_GE(g_lstPtLine[0].costMs, 50);
    EXPECT_NE(capture.Text().find("ptline test fail."), std::string::npos);  // the markerless host
    DestroyWindow(hwnd);
}

TEST_F(SpeedTestRun, ShutdownInTheMiddleFreesEveryProbeAndResult) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(200);
    profile.lines.assign(7, Host(200));
    CPlatformSimulator sim;
    ASSERT_TRUE(sim.Start(profile)) << sim.Error();
    std::vector<std::string> hosts = sim.LineUrls();
    hosts.push_back(sim.SeedUrl());
    SetLines(hosts);

    CMainFrame frame;
    HWND hwnd = MakeFrameWindow(frame);
    EXPECT_EQ(frame.PtLineSpeedTest(), 0);  // three probes run, five wait
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    DestroyWindow(hwnd);  // results still in flight now reach no window
    ShutdownWorkers();    // waits for the running probes, frees the waiting ones
    EXPECT_EQ(frame.GetSpeedTestFinishCount(), 0);
    EXPECT_EQ(Lines(), hosts);
    // The sanitizer build's leak check covers the strings and records.
}
