// The close button: the owned modal confirmation, Cancel keeps running, OK ends the start-up body,
// and a window manager's close under the confirmation ends it too.
#include "app/launcher/LauncherFixture.h"
#include "app/pool/IdleThreadManager.h"
#include "platform/kernel.h"
#include "ui/windowbase/WindowImplBase.h"

using namespace launchertest;

namespace {

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam) {
    char szClass[64] = {};
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (std::string(szClass) == "CMessageBox" && IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND MessageBoxWindow() {
    HWND hBox = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&hBox));
    return hBox;
}

// A click on a named control of a skinned window, through the screen.
void ClickIn(HWND hWnd, const char* pstrName) {
    auto* pWindow = dynamic_cast<Orvik::WindowImplBase*>(
        reinterpret_cast<Orvik::CWindowWnd*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA)));
    ASSERT_NE(pWindow, nullptr);
    Orvik::CControlUI* pControl = pWindow->Host().FindControlByName(pstrName);
    ASSERT_NE(pControl, nullptr) << pstrName;
    RECT rcWindow{};
    GetWindowRect(hWnd, &rcWindow);
    const Orvik::CUIRect& rc = pControl->GetBounds();
    platform::headless::MovePointer(rcWindow.left + (rc.left + rc.right) / 2,
                                    rcWindow.top + (rc.top + rc.bottom) / 2);
    platform::headless::PressButton();
    platform::headless::ReleaseButton();
}

// Drives the launcher from a timer of its own window; the steps run inside
// the message box's loop too, so each one moves the state on before it clicks.
struct CCloseDriver {
    enum Step { CLICK_CLOSE, CANCEL_BOX, CLICK_CLOSE_AGAIN, OK_BOX, DONE };
    Step step = CLICK_CLOSE;
    HWND hMain = nullptr;
    bool bBoxOwned = false, bMainDisabled = false, bBoxOverMain = false;
    bool bRunningAfterCancel = false, bProbesRunningAtOk = false;
    std::chrono::steady_clock::time_point okAt;

    void OnTimer() {
        HWND hBox = MessageBoxWindow();
        if (step == CLICK_CLOSE || step == CLICK_CLOSE_AGAIN) {
            if (hBox != nullptr || !ProbesRunning())
                return;
            bRunningAfterCancel = step == CLICK_CLOSE_AGAIN && IsWindowEnabled(hMain);
            step = step == CLICK_CLOSE ? CANCEL_BOX : OK_BOX;
            ClickIn(hMain, "closebtn");
        } else if (step == CANCEL_BOX && hBox != nullptr) {
            Observe(hBox);
            step = CLICK_CLOSE_AGAIN;
            ClickIn(hBox, "btn_cancel");
        } else if (step == OK_BOX && hBox != nullptr) {
            step = DONE;
            bProbesRunningAtOk = ProbesRunning();
            okAt = std::chrono::steady_clock::now();
            ClickIn(hBox, "btn_ok");
        }
    }
    bool ProbesRunning() const {
        return g_pMainFrame != nullptr && g_pMainFrame->GetSpeedTestTotal() > 0 &&
               g_pMainFrame->GetSpeedTestFinishCount() < g_pMainFrame->GetSpeedTestTotal();
    }
    void Observe(HWND hBox) {
        bBoxOwned = GetWindow(hBox, GW_OWNER) == hMain;
        bMainDisabled = !IsWindowEnabled(hMain);
        RECT rcBox{}, rcMain{};
        GetWindowRect(hBox, &rcBox);
        GetWindowRect(hMain, &rcMain);
        platform::headless::MovePointer((rcMain.left + rcMain.right) / 2,
                                        (rcMain.top + rcMain.bottom) / 2);
        bBoxOverMain = rcBox.left > rcMain.left && rcBox.right < rcMain.right &&
                       rcBox.top > rcMain.top && rcBox.bottom < rcMain.bottom &&
                       platform::headless::WindowUnderPointer() == hBox;
        platform::headless::SaveScreenPng(
            (std::string(LUMORA_BIN_DIR) + "/launcher_output/close_confirmation.png").c_str());
    }
};

CCloseDriver* g_pDriver = nullptr;

void CALLBACK DriverTimer(HWND, UINT, UINT_PTR, DWORD) {
    g_pDriver->OnTimer();
}

// Clicks the close button, then closes the main window the way a window manager's
// close request arrives (the system close command) while the confirmation is up.
// A notifier registered after the frame's sees whether the click's sender still
// exists once the confirmation has returned.
struct CManagerCloseDriver : public Orvik::INotifyUI {
    enum Step { CLICK_CLOSE, CLOSE_MAIN, DONE };
    Step step = CLICK_CLOSE;
    HWND hMain = nullptr;
    bool bCloseBtnGone = false;
    bool bClickSeen = false;
    bool bGoneWhenClickReturned = true;

    void OnTimer() {
        HWND hBox = MessageBoxWindow();
        if (step == CLICK_CLOSE && hBox == nullptr) {
            step = CLOSE_MAIN;
            Watch();
            ClickIn(hMain, "closebtn");
        } else if (step == CLOSE_MAIN && hBox != nullptr) {
            step = DONE;
            SendMessageA(hMain, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    }
    void Watch() {
        Orvik::CWindowHostUI& host = g_pMainFrame->Host();
        Orvik::CControlUI* pClose = host.FindControlByName("closebtn");
        ASSERT_NE(pClose, nullptr);
        pClose->OnDestroy.Add(Orvik::CDelegateStatic(this, [](void* pDriver, void*) {
            static_cast<CManagerCloseDriver*>(pDriver)->bCloseBtnGone = true;
            return true;
        }));
        host.AddNotifier(this);
    }
    void HandleNotify(Orvik::NotifyRecord& msg) override {
        if (msg.type != "click")
            return;
        bClickSeen = true;
        bGoneWhenClickReturned = bCloseBtnGone;
    }
};

CManagerCloseDriver* g_pManagerDriver = nullptr;

void CALLBACK ManagerDriverTimer(HWND, UINT, UINT_PTR, DWORD) {
    g_pManagerDriver->OnTimer();
}

class LauncherClose : public CLauncherTest {};

}  // namespace

TEST_F(LauncherClose, CancelKeepsRunningAndOkEndsTheBodyWhileProbesHang) {
    platform::headless::UseManualClock(false);  // the driver runs on a real timer
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.seed = Host(0);
    profile.lines = {Host(0, SimProbeBehaviour::Hang), Host(0, SimProbeBehaviour::Hang),
                     Host(0, SimProbeBehaviour::Hang), Host(0, SimProbeBehaviour::Hang)};
    StartSim(profile);
    std::filesystem::create_directories(std::string(LUMORA_BIN_DIR) + "/launcher_output");
    CCloseDriver driver;
    g_pDriver = &driver;
    testsupport::CCaptureStderr quiet;
    int nResult = RunLauncher(nullptr, [&](HWND hWnd) {
        driver.hMain = hWnd;
        SetTimer(hWnd, 77, 20, DriverTimer);
    });
    auto ended = std::chrono::steady_clock::now();
    g_pDriver = nullptr;
    EXPECT_EQ(nResult, 0);
    ASSERT_EQ(driver.step, CCloseDriver::DONE);
    EXPECT_TRUE(driver.bBoxOwned);
    EXPECT_TRUE(driver.bMainDisabled);
    EXPECT_TRUE(driver.bBoxOverMain);
    EXPECT_TRUE(driver.bRunningAfterCancel);
    EXPECT_TRUE(driver.bProbesRunningAtOk);
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
    EXPECT_EQ(g_pMainFrame, nullptr);
    double dMs = std::chrono::duration<double, std::milli>(ended - driver.okAt).count();
    RecordProperty("ok_to_return_ms", std::to_string(int(dMs)));
    std::printf("OK -> start-up body returned: %.1f ms\n", dMs);
}

TEST_F(LauncherClose, AManagersCloseUnderTheConfirmationEndsTheBodyWithZero) {
    platform::headless::UseManualClock(false);  // the driver runs on a real timer
    StartSim(SimProfile::Default().WithEphemeralPorts());
    CManagerCloseDriver driver;
    g_pManagerDriver = &driver;
    testsupport::CCaptureStderr quiet;
    int nResult = RunLauncher(nullptr, [&](HWND hWnd) {
        driver.hMain = hWnd;
        SetTimer(hWnd, 78, 20, ManagerDriverTimer);
    });
    g_pManagerDriver = nullptr;
    EXPECT_EQ(nResult, 0);
    ASSERT_EQ(driver.step, CManagerCloseDriver::DONE);
    EXPECT_TRUE(driver.bClickSeen);
    EXPECT_FALSE(driver.bGoneWhenClickReturned);  // the tree outlived the click's handlers
    EXPECT_TRUE(driver.bCloseBtnGone);            // and went with the window afterwards
    EXPECT_EQ(MessageBoxWindow(), nullptr);
    EXPECT_EQ(g_pMainFrame, nullptr);
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
}
