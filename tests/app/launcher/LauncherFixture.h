// The launcher's main window in-process on the headless screen, against the simulator.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/mainwindow/MainFrame.h"
#include "app/pages/MainMessages.h"
#include "app/pages/Page1.h"
#include "app/pages/Page2.h"
#include "app/startup/StartUp.h"
#include "app/testing/LauncherSeam.h"
#include "app/update/UpdateGate.h"
#include "net/Endpoints.h"
#include "platform/backends/headless/headless.h"
#include "platform/shell.h"
#include "platform/testing/platform_seam.h"
#include "platform/user.h"
#include "platform/wininet.h"
#include "support/CaptureStderr.h"
#include "tools/sim/PlatformSimulator.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ControlUI.h"
#include "ui/controls/LabelUI.h"
#include "ui/controls/ProgressUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

namespace launchertest {

inline SimHostConfig Host(int latencyMs, SimProbeBehaviour behaviour = SimProbeBehaviour::Ok,
                          int status = 200) {
    SimHostConfig host;
    host.probeLatencyMs = latencyMs;
    host.behaviour = behaviour;
    host.status = status;
    return host;
}

inline void SetLines(const std::vector<std::string>& urls) {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    g_lstPtLine.clear();
    for (const std::string& url : urls)
        g_lstPtLine.push_back(PtLineEntry{url, -1});
}

// The page's request clock, moved by the tests alone.
inline DWORD g_dwTestTicks = 0;
inline DWORD TestTicks() {
    return g_dwTestTicks;
}

// Wakes a thread blocked in GetMessageA once the deadline has passed, so a
// wait for worker results is bounded without polling.
class CWakeAtDeadline {
public:
    CWakeAtDeadline(HWND hWnd, std::chrono::steady_clock::time_point deadline)
        : m_thread([this, hWnd, deadline] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_cv.wait_until(lock, deadline, [this] { return m_bDone; }))
                  PostMessageA(hWnd, WM_NULL, 0, 0);
          }) {}
    ~CWakeAtDeadline() {
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_bDone = true;
        }
        m_cv.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_bDone = false;
    std::thread m_thread;
};

class CLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::SetScreen(1024, 768, RECT{0, 0, 1024, 728});
        platform::headless::UseManualClock(true);
        platform::headless::ResetInput();
        platform::seam::SetConnectedState(true);
        m_strTempDir = std::filesystem::path(::testing::TempDir()) /
                       ("lumora_launcher_" + std::to_string(getpid()));
        std::filesystem::remove_all(m_strTempDir);
        std::filesystem::create_directories(m_strTempDir);
        m_strTempDir += "/";
        setenv("TMPDIR", m_strTempDir.c_str(), 1);
        WriteRecorder();
        g_dwTestTicks = 100000;
        seam::SetClock(TestTicks);
        Orvik::CSkinStore::SetSkinPath(GetDefaultSkinFolder().c_str());
    }
    void TearDown() override {
        CloseWindow();
        ShutdownWorkers();
        seam::ResetSeedHost();
        SetLines({});
        seam::ResetUpdateGate();
        seam::ResetClock();
        platform::seam::ResetShellOpenProgram();
        CloseRecorder();
        platform::seam::ResetConnectedState();
        unsetenv("TMPDIR");
        platform::headless::ResetInput();
        platform::headless::UseManualClock(false);
        platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
        std::filesystem::remove_all(m_strTempDir);
    }

    // Starts the simulator and makes its seed host the launcher's.
    void StartSim(SimProfile profile) {
        ASSERT_TRUE(m_sim.Start(profile)) << m_sim.Error();
        seam::SetSeedHost(m_sim.SeedUrl());
        seam::SetUpdateManifestUrl("https://" + m_sim.UpdateHost() + UPDATE_MANIFEST_PATH);
    }
    // The window as start-up opens it; with bPool false its jobs are dropped
    // and the tests hand the pages made-up results.
    void Open(bool bPool = true) {
        if (bPool)
            InitWorkersAndLines();
        m_pFrame = OpenMainWindow();
        ASSERT_NE(m_pFrame, nullptr);
        m_hWnd = m_pFrame->GetHWND();
        Pump();
    }
    void CloseWindow() {
        if (m_hWnd != nullptr && IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        m_pFrame = nullptr;
        Pump();  // the quit message the destruction posted
    }

    // Serves what is queued now.
    void Pump() {
        MSG msg;
        for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
            Dispatch(msg);
    }
    // Serves messages as they come until done() holds; false after 30 s.
    bool WaitFor(const std::function<bool()>& done, int nSeconds = 30) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(nSeconds);
        CWakeAtDeadline wake(m_hWnd, deadline);
        MSG msg;
        while (!done()) {
            if (std::chrono::steady_clock::now() >= deadline || m_bQuit)
                return false;
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) &&
                GetMessageA(&msg, nullptr, 0, 0) <= 0) {
                m_bQuit = true;
                continue;
            }
            Dispatch(msg);
        }
        return true;
    }
    void Dispatch(MSG& msg) {
        if (msg.message == WM_QUIT) {
            m_bQuit = true;
            return;
        }
        if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
            return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    bool RunEnded() const {
        return m_pFrame->GetSpeedTestTotal() > 0 &&
               m_pFrame->GetSpeedTestFinishCount() >= m_pFrame->GetSpeedTestTotal();
    }

    template <class T = Orvik::CControlUI>
    T* Find(const char* pstrName) {
        return static_cast<T*>(m_pFrame->Host().FindChildByName(nullptr, pstrName));
    }
    Orvik::CContainerUI* Rows() { return Find<Orvik::CContainerUI>("layout_ptline"); }
    Orvik::CControlUI* Row(int i) { return Rows()->GetItemAt(i); }
    Orvik::CControlUI* InRow(int i, const char* pstrName) {
        return m_pFrame->Host().FindChildByName(Row(i), pstrName);
    }
    std::string TipText() { return Find("txt_tip")->GetText().GetData(); }

    // A press and release on the control's centre, through the screen.
    void Click(Orvik::CControlUI* pControl) {
        ASSERT_NE(pControl, nullptr);
        RECT rcWindow{};
        GetWindowRect(m_hWnd, &rcWindow);
        const Orvik::CUIRect& rc = pControl->GetBounds();
        platform::headless::MovePointer(rcWindow.left + (rc.left + rc.right) / 2,
                                        rcWindow.top + (rc.top + rc.bottom) / 2);
        Pump();
        platform::headless::PressButton();
        Pump();
        platform::headless::ReleaseButton();
        Pump();
        // Keeps the next press from pairing with this one into a double click.
        platform::headless::AdvanceClock(1000);
        Pump();
    }

    // Made-up results: a run over the hosts whose probes never run.
    void StartMadeUpRun(const std::vector<std::string>& hosts) {
        m_pFrame->GetPage1()->ShowWaiting();
        SetLines(hosts);
        testsupport::CCaptureStderr quiet;
        ASSERT_EQ(m_pFrame->PtLineSpeedTest(), 0);
    }
    void Deliver(const PtLineTestResult& result) {
        testsupport::CCaptureStderr quiet;
        bool handled = false;
        m_pFrame->HandleCustomMessage(
            WM_PTLINETEST_DONE, 0, reinterpret_cast<LPARAM>(new PtLineTestResult(result)), handled);
        Pump();
    }

    // The URLs the shell was asked to open, in order, once nCount have come
    // (or 10 s have passed). The recorder runs detached, so it is waited for.
    std::vector<std::string> Opened(size_t nCount) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (CountLines() < nCount && std::chrono::steady_clock::now() < deadline) {
            pollfd fd{m_nFifoRead, POLLIN, 0};
            if (poll(&fd, 1, 100) > 0)
                ReadFifo();
        }
        ReadFifo();
        std::vector<std::string> lines;
        size_t nStart = 0;
        for (size_t n; (n = m_strOpened.find('\n', nStart)) != std::string::npos; nStart = n + 1)
            lines.push_back(m_strOpened.substr(nStart, n - nStart));
        return lines;
    }
    // What the window shows, kept beside the test for a person to look at.
    void Screenshot(const char* pstrName) {
        Pump();
        std::string strDir = std::string(LUMORA_BIN_DIR) + "/launcher_output/";
        std::filesystem::create_directories(strDir);
        EXPECT_TRUE(
            platform::headless::SaveWindowPng(m_hWnd, (strDir + pstrName + ".png").c_str()));
    }
    // Pixels of the window's client area whose colour is dwArgb (opaque).
    int CountPixels(const RECT& rc, DWORD dwArgb) {
        Pump();
        int cx = 0, cy = 0;
        std::vector<uint32_t> pixels = platform::headless::WindowPixels(m_hWnd, cx, cy);
        int n = 0;
        for (int y = std::max(0, int(rc.top)); y < std::min(cy, int(rc.bottom)); ++y)
            for (int x = std::max(0, int(rc.left)); x < std::min(cx, int(rc.right)); ++x)
                n += (pixels[size_t(y) * cx + x] | 0xFF000000u) == (dwArgb | 0xFF000000u);
        return n;
    }

    std::string m_strTempDir;
    CPlatformSimulator m_sim;
    CMainFrame* m_pFrame = nullptr;
    HWND m_hWnd = nullptr;
    bool m_bQuit = false;

private:
    // The recorder writes each URL into a pipe the test holds both ends of,
    // so reads wait for it without polling a file.
    void WriteRecorder() {
        std::string strFifo = m_strTempDir + "opened.fifo";
        ASSERT_EQ(mkfifo(strFifo.c_str(), 0600), 0);
        m_nFifoRead = open(strFifo.c_str(), O_RDONLY | O_NONBLOCK);
        m_nFifoWrite = open(strFifo.c_str(), O_WRONLY | O_NONBLOCK);
        ASSERT_GE(m_nFifoRead, 0);
        ASSERT_GE(m_nFifoWrite, 0);
        std::string strScript = m_strTempDir + "open-recorder.sh";
        std::ofstream(strScript) << "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" << strFifo << "'\n";
        chmod(strScript.c_str(), 0755);
        platform::seam::SetShellOpenProgram(strScript.c_str());
    }
    void CloseRecorder() {
        close(m_nFifoRead);
        close(m_nFifoWrite);
    }
    void ReadFifo() {
        char buffer[4096];
        for (ssize_t n; (n = read(m_nFifoRead, buffer, sizeof buffer)) > 0;)
            m_strOpened.append(buffer, size_t(n));
    }
    size_t CountLines() const {
        return size_t(std::count(m_strOpened.begin(), m_strOpened.end(), '\n'));
    }

    int m_nFifoRead = -1;
    int m_nFifoWrite = -1;
    std::string m_strOpened;
};

}  // namespace launchertest
