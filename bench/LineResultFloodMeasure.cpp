// Measures the main window taking thousands of speed-test results while keys keep arriving.
//
// The window runs headless without a pool; a feeder thread posts made-up
// probe results as the pool does (a burst per worker pass, then a pause) and
// another thread presses a key every few milliseconds. Reported: the UI
// thread's CPU time until the last result is handled, the longest gap between
// two handled key presses and the longest wait of a press for its handling
// (presses still queued when the last result is handled are served after it).
//
// Run: line_result_flood_measure [RESULTS] [BURST] [PAUSE_MS] [random|descending] 2>/dev/null
// (the trace goes to standard error, a line per result). A BURST of 0 posts
// every result at once.
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/mainwindow/MainFrame.h"
#include "app/pages/MainMessages.h"
#include "app/startup/StartUp.h"
#include "platform/backends/headless/headless.h"
#include "platform/testing/platform_seam.h"
#include "platform/user.h"
#include "platform/wininet.h"

namespace {

using Clock = std::chrono::steady_clock;

const DWORD KEY = 'A';
const int KEY_EVERY_MS = 5;

struct Options {
    int nResults = 5000;
    int nBurst = 15;  // three workers, five jobs a pass each
    int nPauseMs = 50;
    bool bDescending = false;  // every result the new fastest: the rows change each time
};

Options ReadOptions(int argc, char** argv) {
    Options o;
    if (argc > 1)
        o.nResults = std::max(1, std::atoi(argv[1]));
    if (argc > 2)
        o.nBurst = std::max(0, std::atoi(argv[2]));
    if (argc > 3)
        o.nPauseMs = std::max(0, std::atoi(argv[3]));
    if (argc > 4)
        o.bDescending = std::strcmp(argv[4], "descending") == 0;
    return o;
}

std::string HostUrl(int i) {
    return "http://line" + std::to_string(i) + ".example";
}

std::vector<PtLineTestResult> MakeResults(const Options& o) {
    std::mt19937 rng(19);
    std::vector<PtLineTestResult> results;
    for (int i = 0; i < o.nResults; ++i) {
        int cost = o.bDescending ? 5000 - i * 5000 / o.nResults : int(rng() % 5000);
        int status = rng() % 10 == 0 ? 404 : 200;
        results.push_back(PtLineTestResult{HostUrl(i), status, cost, rng() % 20 != 0});
    }
    return results;
}

void Feed(HWND hWnd, const Options& o, const std::vector<PtLineTestResult>& results) {
    for (size_t i = 0; i < results.size(); ++i) {
        PostMessageA(hWnd, WM_PTLINETEST_DONE, 0,
                     reinterpret_cast<LPARAM>(new PtLineTestResult(results[i])));
        if (o.nBurst > 0 && (i + 1) % size_t(o.nBurst) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(o.nPauseMs));
    }
}

struct KeyLog {
    std::mutex lock;
    std::vector<Clock::time_point> pressed;  // when each press was made
    std::vector<Clock::time_point> handled;  // when the window got it
};

void PressKeys(std::atomic<bool>& stop, KeyLog& log) {
    while (!stop) {
        {
            std::lock_guard<std::mutex> guard(log.lock);
            log.pressed.push_back(Clock::now());
        }
        platform::headless::PressKey(KEY);
        platform::headless::ReleaseKey(KEY);
        std::this_thread::sleep_for(std::chrono::milliseconds(KEY_EVERY_MS));
    }
}

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Handle(MSG& msg, KeyLog& log) {
    if (msg.message == WM_KEYDOWN && msg.wParam == KEY) {
        std::lock_guard<std::mutex> guard(log.lock);
        log.handled.push_back(Clock::now());
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool NextMessage(MSG& msg, KeyLog& log) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return false;
    Handle(msg, log);
    return true;
}

void RunUntilDone(CMainFrame& frame, KeyLog& log) {
    MSG msg{};
    while (frame.GetSpeedTestFinishCount() < frame.GetSpeedTestTotal() && NextMessage(msg, log)) {
    }
}

// Presses made while results were queued may still wait: they count too.
void HandleLeftPresses(KeyLog& log) {
    auto deadline = Clock::now() + std::chrono::seconds(60);
    MSG msg{};
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(log.lock);
            if (log.handled.size() >= log.pressed.size() || Clock::now() > deadline)
                return;
        }
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            Handle(msg, log);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void Report(const Options& o, double cpuMs, double wallMs, KeyLog& log) {
    std::lock_guard<std::mutex> guard(log.lock);
    // From the first press on, so a window that serves none until the end shows its gap.
    double gapMs = 0, waitMs = 0;
    for (size_t i = 0; i < log.handled.size() && !log.pressed.empty(); ++i)
        gapMs =
            std::max(gapMs, Ms(log.handled[i] - (i == 0 ? log.pressed[0] : log.handled[i - 1])));
    // Presses are handled in the order they were made.
    for (size_t i = 0; i < log.handled.size() && i < log.pressed.size(); ++i)
        waitMs = std::max(waitMs, Ms(log.handled[i] - log.pressed[i]));
    std::printf("results %d (burst %d, pause %d ms, %s)\n", o.nResults, o.nBurst, o.nPauseMs,
                o.bDescending ? "descending" : "random");
    std::printf("UI thread CPU %.1f ms (%.2f ms per result), wall %.1f ms\n", cpuMs,
                cpuMs / o.nResults, wallMs);
    std::printf(
        "key presses: %zu made, %zu handled; longest gap %.1f ms, "
        "longest wait %.1f ms\n",
        log.pressed.size(), log.handled.size(), gapMs, waitMs);
}

}  // namespace

int main(int argc, char** argv) {
    Options o = ReadOptions(argc, argv);
    platform::seam::SetConnectedState(true);
    CMainFrame* pFrame = OpenMainWindow();  // no pool: its own jobs are dropped
    if (pFrame == nullptr)
        return 1;
    HWND hWnd = pFrame->GetHWND();
    SetForegroundWindow(hWnd);
    SetFocus(hWnd);
    std::vector<PtLineTestResult> results = MakeResults(o);
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        g_lstPtLine.clear();
        for (const PtLineTestResult& r : results)
            g_lstPtLine.push_back(PtLineEntry{r.url, -1});
    }
    if (pFrame->PtLineSpeedTest() != 0)
        return 1;
    KeyLog log;
    std::atomic<bool> stop{false};
    double cpu0 = ThreadCpuMs();
    Clock::time_point t0 = Clock::now();
    std::thread keys(PressKeys, std::ref(stop), std::ref(log));
    std::thread feeder(Feed, hWnd, std::cref(o), std::cref(results));
    RunUntilDone(*pFrame, log);
    double cpuMs = ThreadCpuMs() - cpu0;
    double wallMs = Ms(Clock::now() - t0);
    stop = true;
    feeder.join();
    keys.join();
    HandleLeftPresses(log);
    Report(o, cpuMs, wallMs, log);
    DestroyWindow(hWnd);
    return 0;
}
