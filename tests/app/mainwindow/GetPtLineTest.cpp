// The line list fetch: hosts in order, failures traced, decoding, no connection.
#include <gtest/gtest.h>

#include "app/mainwindow/LineTestSupport.h"
#include "app/mainwindow/MainFrame.h"
#include "support/CaptureStderr.h"
#include "tools/sim/PlatformSimulator.h"
#include "tools/sim/SimAnswers.h"

using namespace linetest;

namespace {

SimProfile TwoLineProfile() {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.lines.resize(2);
    profile.lines[0] = SimHostConfig{};
    profile.lines[1] = SimHostConfig{};
    profile.seed = SimHostConfig{};
    return profile;
}

std::string Answer(const std::string& array) {
    return "{\"code\":1,\"result\":" + array + ",\"msg\":\"success\"}";
}

class GetPtLine : public ::testing::Test {
protected:
    int Fetch() {
        testsupport::CCaptureStderr capture;
        LPARAM lparam = 77;
        int result = m_frame.GetPtLine(0, &lparam);
        EXPECT_EQ(lparam, 77);
        m_strTrace = capture.Text();
        return result;
    }
    bool Traced(const std::string& text) const {
        return m_strTrace.find(text) != std::string::npos;
    }
    void TearDown() override { SetLines({}); }

    ConnectedScope m_connected{true};
    CMainFrame m_frame;
    std::string m_strTrace;
};

}  // namespace

TEST_F(GetPtLine, AppendsTheAnnouncedHostsInOrder) {
    CPlatformSimulator sim;
    ASSERT_TRUE(sim.Start(TwoLineProfile())) << sim.Error();
    SetLines({sim.SeedUrl()});
    EXPECT_EQ(Fetch(), 0);
    std::vector<std::string> expected{sim.SeedUrl(), sim.LineUrls()[0], sim.LineUrls()[1]};
    EXPECT_EQ(Lines(), expected);
    EXPECT_TRUE(Traced("CMainFrame::GetPtLine(app/mainwindow/MainFrame.cpp["));
    EXPECT_TRUE(Traced("begin to get ptline...\n"));

    EXPECT_EQ(Fetch(), 0);  // known hosts are not added again
    EXPECT_EQ(Lines(), expected);
}

TEST_F(GetPtLine, CodeZeroAndEmptyArrayFailTheHostAndTheNextIsAsked) {
    SimProfile profile = TwoLineProfile();
    profile.seed.query = SimQueryMode::CodeZero;
    profile.lines[0].query = SimQueryMode::EmptyArray;
    CPlatformSimulator sim;
    ASSERT_TRUE(sim.Start(profile)) << sim.Error();
    std::string seed = sim.SeedUrl(), empty = sim.LineUrls()[0], good = sim.LineUrls()[1];
    SetLines({seed, empty, good});
    EXPECT_EQ(Fetch(), 0);
    EXPECT_TRUE(Traced("get ptline from[" + seed + "] fail. response[{\"code\":0,"));
    EXPECT_TRUE(Traced("\"msg\":\"success\"}]\n\n"));  // the response trace ends in an empty line
    EXPECT_TRUE(Traced("decode ptline result[] from[" + empty + "] fail"));
    EXPECT_EQ(Lines(), (std::vector<std::string>{seed, empty, good}));
}

TEST_F(GetPtLine, EveryHostFailingLeavesTheListAsItWas) {
    SimProfile profile = TwoLineProfile();
    profile.seed.query = SimQueryMode::Status500;
    CPlatformSimulator sim;
    ASSERT_TRUE(sim.Start(profile)) << sim.Error();
    std::string oversized = "[\"" + std::string(348, 'Q') + "\"]";
    CQueryServer undecodable(Answer(oversized));
    SetLines({sim.SeedUrl(), undecodable.Url(), "http://127.0.0.1:1"});
    EXPECT_EQ(Fetch(), -2);
    EXPECT_TRUE(Traced("get ptline from[" + sim.SeedUrl() + "] fail. code[500]"));
    EXPECT_TRUE(Traced("decode ptline result[" + std::string(348, 'Q') + "] from[" +
                       undecodable.Url() + "] fail"));
    EXPECT_TRUE(Traced("get ptline from[http://127.0.0.1:1] fail. code[7]"));
    EXPECT_TRUE(Traced("get ptline all fail"));
    EXPECT_EQ(Lines().size(), 3u);
}

TEST_F(GetPtLine, NoisyBase64EntriesDecodeAsIfClean) {
    std::string encoded = EncodeLineHost("http://noisy.example");
    std::string noisy = encoded.substr(0, 6) + "\r\n  " + encoded.substr(6) + "==";
    CQueryServer server(Answer("[\"" + noisy + "\"]"));
    SetLines({server.Url()});
    EXPECT_EQ(Fetch(), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{server.Url(), "http://noisy.example"}));
}

TEST_F(GetPtLine, NoConnectionAsksNobody) {
    CQueryServer server(Answer("[]"));
    SetLines({server.Url()});
    ConnectedScope offline(false);
    EXPECT_EQ(Fetch(), -1);
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_TRUE(Traced("it seems that you don't have network connetion ..."));
    EXPECT_FALSE(Traced("begin to get ptline"));
}
