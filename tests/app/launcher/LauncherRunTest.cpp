// The whole start-up body in-process: the window opens centred, the loop runs, the pool goes.
#include "app/launcher/LauncherFixture.h"
#include "app/pool/IdleThreadManager.h"

using namespace launchertest;

namespace {

class LauncherRun : public CLauncherTest {};

}  // namespace

TEST_F(LauncherRun, OpensTheCentredMainWindowAndReturnsZeroOnceItIsGone) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    StartSim(profile);
    testsupport::CCaptureStderr quiet;
    HWND hSeen = nullptr;
    RECT rcSeen{};
    int nResult = RunLauncher(nullptr, [&](HWND hWnd) {
        hSeen = hWnd;
        GetWindowRect(hWnd, &rcSeen);
        EXPECT_NE(g_pIdleThreadManager, nullptr);
        EXPECT_NE(g_pMainFrame, nullptr);
        char szTitle[64] = {};
        GetWindowTextA(hWnd, szTitle, sizeof szTitle);
        EXPECT_STREQ(szTitle, "Lumora");
        // Escape closes the window without asking, as every way but the close button does.
        platform::headless::PressKey(VK_ESCAPE);
        platform::headless::ReleaseKey(VK_ESCAPE);
    });
    EXPECT_EQ(nResult, 0);
    ASSERT_NE(hSeen, nullptr);
    EXPECT_FALSE(IsWindow(hSeen));
    EXPECT_EQ(g_pMainFrame, nullptr);  // the object went with its window
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
    EXPECT_EQ(rcSeen.right - rcSeen.left, 680);
    EXPECT_EQ(rcSeen.bottom - rcSeen.top, 480);
    EXPECT_EQ(rcSeen.left, (1024 - 680) / 2);
    EXPECT_EQ(rcSeen.top, (728 - 480) / 2);
}

TEST_F(LauncherRun, AQuitFromElsewhereStillTakesTheWindowDownBeforeThePool) {
    StartSim(SimProfile::Default().WithEphemeralPorts());
    testsupport::CCaptureStderr quiet;
    HWND hSeen = nullptr;
    EXPECT_EQ(RunLauncher(nullptr,
                          [&](HWND hWnd) {
                              hSeen = hWnd;
                              PostQuitMessage(3);
                          }),
              0);
    EXPECT_FALSE(IsWindow(hSeen));
    EXPECT_EQ(g_pMainFrame, nullptr);
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // nothing left behind
}
