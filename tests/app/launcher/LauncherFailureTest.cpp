// Runs without a usable line: the error tip, the refresh button, and a new run from it.
#include "app/launcher/LauncherFixture.h"
#include "platform/testing/platform_seam.h"

using namespace launchertest;

namespace {

const DWORD ERROR_COLOUR = 0xFFD9AA4C;   // txt_tip's "errortextcolor" in the skin
const DWORD NORMAL_COLOUR = 0xFFFFFFFF;  // its "normaltextcolor"

class LauncherFailure : public CLauncherTest {
protected:
    DWORD TipColour() { return Find<Orvik::CLabelUI>("txt_tip")->GetTextColor(); }
    void ExpectFailureShown(const char* pstrText) {
        EXPECT_EQ(TipText(), pstrText);
        EXPECT_EQ(TipColour(), ERROR_COLOUR);
        EXPECT_TRUE(Find("layout_tip")->IsVisible());
        EXPECT_FALSE(Rows()->IsVisible());
        EXPECT_TRUE(Find("btn_refresh")->IsVisible());
    }
};

}  // namespace

TEST_F(LauncherFailure, EveryProbeFailingShowsTheErrorAndRefreshStartsAgain) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(0, SimProbeBehaviour::NoMarkers);
    profile.lines = {Host(0, SimProbeBehaviour::Reset), Host(300, SimProbeBehaviour::NoMarkers)};
    StartSim(profile);
    testsupport::CCaptureStderr quiet;
    Open();
    ASSERT_TRUE(WaitFor([&] { return RunEnded(); }));
    EXPECT_EQ(m_pFrame->GetSpeedTestTotal(), 3);
    ExpectFailureShown(CPage1::NO_LINE_TEXT);
    // The error colour is on screen where the tip is.
    const Orvik::CUIRect& rcTip = Find("txt_tip")->GetBounds();
    EXPECT_GT(CountPixels(RECT{rcTip.left, rcTip.top, rcTip.right, rcTip.bottom}, ERROR_COLOUR), 0);
    Screenshot("all_probes_failed");

    Click(Find("btn_refresh"));
    EXPECT_FALSE(Find("btn_refresh")->IsVisible());  // at once, before any answer
    EXPECT_EQ(TipText(), CPage1::WAITING_TEXT);
    EXPECT_EQ(TipColour(), NORMAL_COLOUR);
    EXPECT_FALSE(Rows()->IsVisible());
    ASSERT_TRUE(WaitFor([&] { return Find("btn_refresh")->IsVisible(); }));
    EXPECT_EQ(m_pFrame->GetSpeedTestFinishCount(), 3);
    ExpectFailureShown(CPage1::NO_LINE_TEXT);
}

TEST_F(LauncherFailure, NoConnectionAsksForItAndOffersTheRefreshButton) {
    platform::seam::SetConnectedState(false);
    testsupport::CCaptureStderr quiet;
    Open();
    ASSERT_TRUE(WaitFor([&] { return Find("btn_refresh")->IsVisible(); }));
    ExpectFailureShown(CPage1::NO_CONNECTION_TEXT);
    EXPECT_EQ(m_pFrame->GetSpeedTestFinishCount(), 0);
}

TEST_F(LauncherFailure, WithoutAPoolTheFetchCannotRunAndThePageSaysSo) {
    Open(false);
    ExpectFailureShown(CPage1::NO_LINE_TEXT);
    Click(Find("btn_refresh"));  // tries again, and fails the same way at once
    ExpectFailureShown(CPage1::NO_LINE_TEXT);
}
