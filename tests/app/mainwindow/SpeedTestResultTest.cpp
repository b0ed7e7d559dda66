// Collecting speed-test results: order, counting and the line list (the pages: tests/app/launcher).
#include <gtest/gtest.h>

#include "app/mainwindow/LineTestSupport.h"
#include "app/mainwindow/MainFrame.h"
#include "app/pages/MainMessages.h"
#include "app/pool/IdleThreadManager.h"
#include "app/startup/StartUp.h"
#include "support/CaptureStderr.h"

using namespace linetest;

namespace {

class SpeedTestResults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(g_pIdleThreadManager, nullptr);  // jobs are dropped: results come from the test
    }
    void TearDown() override { SetLines({}); }

    // Starts a run over the hosts, then delivers the results in the given order.
    void Start(const std::vector<std::string>& hosts) {
        SetLines(hosts);
        testsupport::CCaptureStderr quiet;
        ASSERT_EQ(m_frame.PtLineSpeedTest(), 0);
        ASSERT_EQ(m_frame.GetSpeedTestTotal(), int(hosts.size()));
    }
    LRESULT Deliver(const PtLineTestResult& result) {
        bool handled = false;
        auto* record = new PtLineTestResult(result);
        testsupport::CCaptureStderr capture;
        LRESULT r = m_frame.HandleCustomMessage(WM_PTLINETEST_DONE, 0,
                                                reinterpret_cast<LPARAM>(record), handled);
        m_strTrace = capture.Text();
        EXPECT_FALSE(handled);
        return r;
    }
    std::vector<std::string> ResultUrls() const {
        std::vector<std::string> urls;
        for (const auto& r : m_frame.GetTestResults())
            urls.push_back(r.url);
        return urls;
    }

    ConnectedScope m_connected{true};
    CMainFrame m_frame;
    std::string m_strTrace;
};

}  // namespace

TEST_F(SpeedTestResults, ArrivalsEndFastestFirst) {
    Start({"http://a", "http://b", "http://c"});
    EXPECT_EQ(Deliver({"http://a", 200, 800, true}), 0);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"http://a"}));  // the first result replaces the list
    Deliver({"http://b", 200, 300, true});
    Deliver({"http://c", 200, 1500, true});
    std::vector<std::string> expected{"http://b", "http://a", "http://c"};
    EXPECT_EQ(ResultUrls(), expected);
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(g_lstPtLine.front().costMs, 300);
    EXPECT_EQ(m_frame.GetSpeedTestFinishCount(), 3);
    EXPECT_NE(m_strTrace.find("CMainFrame::HandleCustomMessage(app/mainwindow/MainFrame.cpp["),
              std::string::npos);
    EXPECT_NE(m_strTrace.find(" - m_nSpeedTestFinishCount=3 total=3\n"), std::string::npos);
}

TEST_F(SpeedTestResults, EqualTimesKeepArrivalAndStatus200GoesFirst) {
    Start({"http://a", "http://b", "http://c"});
    Deliver({"http://c", 500, 100, true});
    Deliver({"http://b", 200, 900, true});
    Deliver({"http://a", 200, 900, true});
    EXPECT_EQ(ResultUrls(), (std::vector<std::string>{"http://b", "http://a", "http://c"}));
}

TEST_F(SpeedTestResults, FailedProbesCountButLeaveTheListAlone) {
    Start({"http://a", "http://b"});
    Deliver({"http://a", 200, 100, false});
    EXPECT_NE(m_strTrace.find("ptline test fail."), std::string::npos);
    Deliver({"http://b", 7, 5000, false});
    EXPECT_EQ(m_frame.GetSpeedTestFinishCount(), 2);
    EXPECT_TRUE(m_frame.GetTestResults().empty());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"http://a", "http://b"}));
}

TEST_F(SpeedTestResults, MessageWithoutRecordChangesNothing) {
    Start({"http://a"});
    bool handled = false;
    EXPECT_EQ(m_frame.HandleCustomMessage(WM_PTLINETEST_DONE, 0, 0, handled), -1);
    EXPECT_EQ(m_frame.GetSpeedTestFinishCount(), 0);
}

TEST_F(SpeedTestResults, FetchEndStartsTheTestOrTracesWhyNot) {
    bool handled = false;
    SetLines({});
    testsupport::CCaptureStderr capture;
    EXPECT_EQ(m_frame.HandleCustomMessage(WM_GETPTLINE_DONE, WPARAM(-2), 0, handled), 0);
    std::string trace = capture.Text();
    EXPECT_NE(trace.find("CMainFrame::PtLineSpeedTest("), std::string::npos);
    EXPECT_NE(trace.find("empty ptline list."), std::string::npos);
    EXPECT_NE(trace.find("CMainFrame::HandleCustomMessage("), std::string::npos);
    EXPECT_NE(trace.find("cannot test speed"), std::string::npos);
    {
        ConnectedScope offline(false);
        EXPECT_EQ(m_frame.PtLineSpeedTest(), 1);
    }
    EXPECT_EQ(m_frame.HandleCustomMessage(WM_GETQRCODE_DONE, 0, 0, handled), 0);
    EXPECT_FALSE(handled);
}

TEST_F(SpeedTestResults, ProbeWithoutHostReportsMinusOne) {
    LPARAM lparam = 0;
    EXPECT_EQ(m_frame.TestPtLine(0, &lparam), -1);
    EXPECT_EQ(lparam, 0);
}
