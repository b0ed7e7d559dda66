// The start-up gate: prompt text, download on OK, exit either way, nothing without an update.
#include "app/update/UpdateGate.h"

#include <gtest/gtest.h>

#include <thread>

#include "app/lines/PtLine.h"
#include "app/startup/StartUp.h"
#include "app/testing/LauncherSeam.h"
#include "app/update/DataManager.h"
#include "net/Endpoints.h"
#include "support/CaptureStderr.h"
#include "tools/sim/PlatformSimulator.h"

namespace {

struct GateRecord {
    int prompts = 0;
    std::string text, title, opened;
    int exitCode = -1;
    int answer = 1;
    std::thread::id promptThread;
} g_record;

int RecordPrompt(const std::string& text, const std::string& title) {
    ++g_record.prompts;
    g_record.promptThread = std::this_thread::get_id();
    g_record.text = text;
    g_record.title = title;
    return g_record.answer;
}
void RecordOpen(const std::string& url) {
    g_record.opened = url;
}
void RecordExit(int code) {
    g_record.exitCode = code;
}

class UpdateGateTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_record = GateRecord{};
        seam::SetUpdatePrompt(RecordPrompt);
        seam::SetUpdateOpener(RecordOpen);
        seam::SetUpdateExit(RecordExit);
        g_lstPtLine = {{"http://seed", -1}};
    }
    void TearDown() override {
        seam::ResetUpdateGate();
        g_lstPtLine.clear();
    }
    void RunAgainst(const std::string& announced, void (*pfnGate)() = CheckUpdateAtStart) {
        SimProfile profile = SimProfile::Default().WithEphemeralPorts();
        profile.lines.clear();
        profile.announcedVersion = announced;
        CPlatformSimulator sim;
        ASSERT_TRUE(sim.Start(profile)) << sim.Error();
        seam::SetUpdateManifestUrl("https://" + sim.UpdateHost() + UPDATE_MANIFEST_PATH);
        testsupport::CCaptureStderr quiet;
        pfnGate();
    }
};

}  // namespace

TEST_F(UpdateGateTest, NewerVersionPromptsOpensTheInstallerAndExits) {
    RunAgainst("9.0.0");
    EXPECT_EQ(g_record.prompts, 1);
    std::string own = CDataManager::OwnVersion();
    EXPECT_EQ(g_record.text,
              "检测到新版本[9.0.0]，当前版本[" + own + "]， 请点击确定下载使用新版！");
    EXPECT_EQ(g_record.title, "Lumora-升级提示");
    EXPECT_EQ(g_record.opened, CDataManager::DefaultDownloadUrl());
    EXPECT_EQ(g_record.exitCode, 0);
}

TEST_F(UpdateGateTest, ClosingThePromptStillExitsWithoutDownload) {
    g_record.answer = 2;
    RunAgainst("9.0.0");
    EXPECT_EQ(g_record.opened, "");
    EXPECT_EQ(g_record.exitCode, 0);
}

TEST_F(UpdateGateTest, NoUpdateOrNoLinesLetStartUpContinue) {
    RunAgainst(CDataManager::OwnVersion());
    EXPECT_EQ(g_record.prompts, 0);
    EXPECT_EQ(g_record.exitCode, -1);
    g_lstPtLine.clear();
    RunAgainst("9.0.0");
    EXPECT_EQ(g_record.prompts, 0);
}

// Start-up asks on a thread of its own while it warms up, but the answer is acted on where the
// windows live: the prompt comes on the calling thread, and nothing without a newer version.
TEST_F(UpdateGateTest, StartUpsGateActsOnTheAnswerOnItsOwnThread) {
    RunAgainst("9.0.0", PassUpdateGate);
    EXPECT_EQ(g_record.prompts, 1);
    EXPECT_EQ(g_record.promptThread, std::this_thread::get_id());
    EXPECT_EQ(g_record.exitCode, 0);
    g_record = GateRecord{};
    RunAgainst(CDataManager::OwnVersion(), PassUpdateGate);
    EXPECT_EQ(g_record.prompts, 0);
    EXPECT_EQ(g_record.exitCode, -1);
}
