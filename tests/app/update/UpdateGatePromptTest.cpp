// The update gate's own prompt and opener: the skinned box, then the shell, against the simulator.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/msgbox/ModalScript.h"
#include "app/testing/LauncherSeam.h"
#include "app/update/DataManager.h"
#include "app/update/UpdateGate.h"
#include "net/Endpoints.h"
#include "support/CaptureStderr.h"
#include "support/ShellRecorder.h"
#include "tools/sim/PlatformSimulator.h"

namespace {

using msgboxtest::BoxControl;

int g_nExitCode = -1;
void RecordExit(int nCode) {
    g_nExitCode = nCode;
}

// What the box showed while the gate waited on it.
struct PromptSeen {
    std::string strText, strTitle;
    bool bOk = false, bCancel = true;
    std::vector<std::string> others;  // top-level windows besides the box's own
};

class UpdateGatePromptTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_recorder.Ready());
        g_nExitCode = -1;
        seam::SetUpdateExit(RecordExit);  // the real prompt and opener stay
        g_lstPtLine = {{"http://seed", -1}};
        SimProfile profile = SimProfile::Default().WithEphemeralPorts();
        profile.lines.clear();
        profile.announcedVersion = "1.0.7";
        ASSERT_TRUE(m_sim.Start(profile)) << m_sim.Error();
        seam::SetUpdateManifestUrl("https://" + m_sim.UpdateHost() + UPDATE_MANIFEST_PATH);
    }
    void TearDown() override {
        seam::ResetUpdateGate();
        g_lstPtLine.clear();
    }
    // Runs the gate; the box is looked at, then answered with a click on pstrButton.
    PromptSeen RunGate(const char* pstrButton) {
        PromptSeen seen;
        msgboxtest::CModalScript script;
        script.Then([&](HWND hBox) {
            ASSERT_NE(hBox, nullptr);
            seen.strText = BoxControl(hBox, "txt_normalmsg")->GetText().GetData();
            seen.strTitle = BoxControl(hBox, "title")->GetText().GetData();
            seen.bOk = BoxControl(hBox, "btn_ok")->IsVisible();
            seen.bCancel = BoxControl(hBox, "btn_cancel")->IsVisible();
            for (const std::string& strClass : msgboxtest::TopLevelClasses()) {
                if (strClass != "CMessageBox" && strClass != "OrvikShadowWnd" &&
                    strClass != "MsgBoxTestScript")
                    seen.others.push_back(strClass);
            }
            msgboxtest::ClickControl(hBox, pstrButton);
        });
        script.Start();
        testsupport::CCaptureStderr quiet;
        CheckUpdateAtStart();
        EXPECT_FALSE(script.GuardFired()) << "the gate's box was left open";
        return seen;
    }
    void ExpectThePrompt(const PromptSeen& seen) {
        // The default build is 1.0.6: "...[1.0.7]，当前版本[1.0.6]， ...".
        EXPECT_EQ(seen.strText, "检测到新版本[1.0.7]，当前版本[" + CDataManager::OwnVersion() +
                                    "]， 请点击确定下载使用新版！");
        EXPECT_EQ(seen.strTitle, "Lumora-升级提示");
        EXPECT_TRUE(seen.bOk);
        EXPECT_FALSE(seen.bCancel);
        EXPECT_TRUE(seen.others.empty()) << seen.others.front();
        EXPECT_EQ(g_nExitCode, 0);
        EXPECT_EQ(msgboxtest::FindTopLevel("CMessageBox"), nullptr);
    }

    msgboxtest::CBoxScreen m_screen;
    testsupport::CShellRecorder m_recorder;
    CPlatformSimulator m_sim;
};

}  // namespace

TEST_F(UpdateGatePromptTest, OkOpensTheDownloadAddressAndExits) {
    PromptSeen seen = RunGate("btn_ok");
    ExpectThePrompt(seen);
    EXPECT_EQ(m_recorder.WaitForCalls(1),
              std::vector<std::string>{"1|" + CDataManager::DefaultDownloadUrl()});
}

TEST_F(UpdateGatePromptTest, TheCloseButtonOpensNothingAndExits) {
    PromptSeen seen = RunGate("closebtn");
    ExpectThePrompt(seen);
    // A marker opened now is the first call: the gate made none before it.
    ShellExecuteA(nullptr, nullptr, "http://marker.test/", nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_EQ(m_recorder.WaitForCalls(1), std::vector<std::string>{"1|http://marker.test/"});
}
