// Row tooltips on the line page: the probe's phases, and rows, bars and order as they were.
#include "app/launcher/LauncherFixture.h"
#include "app/pages/LineToolTipText.h"

using namespace launchertest;

namespace {

class LauncherRowToolTip : public CLauncherTest {
protected:
    // The row and every part of it carry the text, so hovering any part shows it.
    void ExpectRowToolTip(int i, const std::string& text) {
        EXPECT_EQ(std::string(Row(i)->GetToolTip()), text);
        for (const char* pstrName : {"txt_name", "ctrl_progress", "btn_go"})
            EXPECT_EQ(std::string(InRow(i, pstrName)->GetToolTip()), text) << pstrName;
    }
    // The text the window's tooltip takes when the pointer rests on the part.
    std::string HoverText(int i, const char* pstrName) {
        Pump();  // lays the new rows out
        const Orvik::CUIRect& rc = InRow(i, pstrName)->GetBounds();
        LRESULT lRes = 0;
        m_pFrame->Host().MessageHandler(
            WM_MOUSEHOVER, 0, MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2), lRes);
        return m_pFrame->Host().GetToolTipText().GetData();
    }
};

HttpPhaseTimes Phases(int lookup, int connect, int tls, int firstByte) {
    HttpPhaseTimes phases;
    phases.lookupMs = lookup;
    phases.connectMs = connect;
    phases.tlsMs = tls;
    phases.firstByteMs = firstByte;
    return phases;
}

}  // namespace

TEST_F(LauncherRowToolTip, RowsKeepTheirOrderBarsAndTextsAndGainTheTooltip) {
    struct Case {
        const char* url;
        int status, ms;
        HttpPhaseTimes phases;
        int value;
        const char* image;
        const char* text;
        const char* tip;
    } rows[] = {
        {"http://fast", 200, 128, Phases(2, 11, 35, 80), 87, "foreimage0", "0.128s",
         "解析 2 ms · 连接 11 ms · 加密 35 ms · 首字节 80 ms"},
        {"http://slow", 200, 960, Phases(0, 0, -1, 960), 20, "foreimage1", "0.960s",
         "解析 0 ms · 连接 0 ms · 首字节 960 ms"},
        {"http://down", 500, 90, Phases(0, 0, -1, 90), 0, "foreimage2", "线路不可用",
         "线路不可用：HTTP 状态 500 · 解析 0 ms · 连接 0 ms · 首字节 90 ms"},
    };
    Open(false);
    StartMadeUpRun({"http://down", "http://slow", "http://fast"});
    for (int i = 2; i >= 0; --i)  // the slowest first: arrival order must not matter
        Deliver({rows[i].url, rows[i].status, rows[i].ms, true, rows[i].phases});
    ASSERT_EQ(Rows()->GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].url);
        EXPECT_EQ(std::string(InRow(i, "btn_go")->GetUserData()), rows[i].url);
        EXPECT_EQ(std::string(InRow(i, "txt_name")->GetText()),
                  "线路地址" + std::to_string(i + 1) + "：");
        auto* pBar = static_cast<Orvik::CProgressUI*>(InRow(i, "ctrl_progress"));
        EXPECT_EQ(pBar->GetValue(), rows[i].value);
        EXPECT_EQ(std::string(pBar->GetForeImage()), pBar->GetCustomAttribute(rows[i].image));
        EXPECT_EQ(std::string(pBar->GetText()), rows[i].text);
        ExpectRowToolTip(i, rows[i].tip);
        EXPECT_EQ(HoverText(i, "ctrl_progress"), rows[i].tip);
        EXPECT_EQ(HoverText(i, "txt_name"), rows[i].tip);
    }
}

TEST_F(LauncherRowToolTip, RealProbesPutTheHandshakeAndTheWaitInTheirPhases) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(0, SimProbeBehaviour::Status, 503);
    SimHostConfig tls = Host(200);
    tls.tls = true;
    tls.tlsDelayMs = 120;
    profile.lines = {tls};
    StartSim(profile);
    testsupport::CCaptureStderr quiet;
    Open();
    ASSERT_TRUE(WaitFor([&] { return RunEnded(); })) << quiet.Text();
    ASSERT_EQ(Rows()->GetCount(), 2);
    const PtLineTestResult& line = *m_pFrame->GetTestResults().begin();
    EXPECT_EQ(line.url, m_sim.LineUrls()[0]);
    // One probe on a busy machine may run late, never early: each delay
    // lands in its own phase and nothing in the connect (tests/net holds the
    // phases to 20 ms).
    EXPECT_LT(line.phases.connectMs, 100);
    EXPECT_GE(line.phases.tlsMs, 119);
    EXPECT_GE(line.phases.firstByteMs, 199);
    EXPECT_LT(line.phases.tlsMs, 120 + 200);
    ExpectRowToolTip(0, GetLineToolTipText(line));
    EXPECT_NE(std::string(Row(0)->GetToolTip()).find("加密 1"), std::string::npos);
    ExpectRowToolTip(1, GetLineToolTipText(*m_pFrame->GetTestResults().rbegin()));
    EXPECT_EQ(std::string(Row(1)->GetToolTip()).rfind("线路不可用：HTTP 状态 503 · ", 0), 0u);
}
