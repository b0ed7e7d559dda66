// Measures one line fetch and speed test over the simulator's default hosts.
//
// Reports the time from the start of the fetch to the last probe result, how
// much of it the pool spent waiting on its own (pass pauses) rather than on
// the network, and each probe's measured time against the host's latency.
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/mainwindow/MainFrame.h"
#include "app/pages/MainMessages.h"
#include "app/pool/IdleThreadManager.h"
#include "app/startup/StartUp.h"
#include "app/testing/LauncherSeam.h"
#include "platform/testing/platform_seam.h"
#include "platform/user.h"
#include "platform/wininet.h"
#include "tools/sim/PlatformSimulator.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Arrival {
    double atMs;
    PtLineTestResult result;
};

struct RunLog {
    Clock::time_point start;
    double fetchDoneMs = -1;
    std::vector<Arrival> arrivals;
} g_log;

double SinceStart() {
    return std::chrono::duration<double, std::milli>(Clock::now() - g_log.start).count();
}

// Notes each result before the frame consumes (and frees) it.
void Note(const MSG& msg) {
    if (msg.message == WM_GETPTLINE_DONE)
        g_log.fetchDoneMs = SinceStart();
    if (msg.message == WM_PTLINETEST_DONE && msg.lParam != 0)
        g_log.arrivals.push_back({SinceStart(), *reinterpret_cast<PtLineTestResult*>(msg.lParam)});
}

void RunUntilDone(CMainFrame& frame) {
    MSG msg{};
    while (frame.GetSpeedTestTotal() == 0 ||
           frame.GetSpeedTestFinishCount() < frame.GetSpeedTestTotal()) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            return;
        Note(msg);
        DispatchMessageA(&msg);
    }
}

// The fetch alone, timed outside the pool, as the network's share of step one.
double TimeFetchAlone(CMainFrame& frame, const std::string& seed) {
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        g_lstPtLine = {{seed, -1}};
    }
    LPARAM unused = 0;
    Clock::time_point t0 = Clock::now();
    frame.GetPtLine(0, &unused);
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

std::map<std::string, SimHostConfig> HostConfigs(const CPlatformSimulator& sim,
                                                 const SimProfile& profile) {
    std::map<std::string, SimHostConfig> configs{{sim.SeedUrl(), profile.seed}};
    std::vector<std::string> urls = sim.LineUrls();
    for (size_t i = 0; i < urls.size(); ++i)
        configs[urls[i]] = profile.lines[i];
    return configs;
}

// Probes go to the workers in rotation after the fetch job took worker 0.
std::map<std::string, int> WorkerOfHost(const std::vector<std::string>& order) {
    std::map<std::string, int> worker;
    for (size_t i = 0; i < order.size(); ++i) {
        worker[order[i]] = int(1 + i) % CIdleThreadManager::WORKER_COUNT;
    }
    return worker;
}

void Report(const std::map<std::string, SimHostConfig>& configs,
            const std::vector<std::string>& order, double fetchAloneMs) {
    std::map<std::string, int> worker = WorkerOfHost(order);
    std::printf("%-24s %-10s %6s %9s %9s %6s %3s %7s\n", "host", "behaviour", "worker", "latencyMs",
                "costMs", "status", "ok", "overMs");
    std::map<int, double> busyMs, lastMs;
    for (const Arrival& a : g_log.arrivals) {
        const SimHostConfig& config = configs.at(a.result.url);
        int w = worker[a.result.url];
        busyMs[w] += a.result.costMs;
        lastMs[w] = std::max(lastMs[w], a.atMs);
        std::printf("%-24s %-10s %6d %9d %9d %6d %3s %7d\n", a.result.url.c_str(),
                    SimProbeBehaviourName(config.behaviour), w, config.probeLatencyMs,
                    a.result.costMs, a.result.status, a.result.ok ? "yes" : "no",
                    a.result.costMs - config.probeLatencyMs);
    }
    double totalMs = g_log.arrivals.empty() ? 0 : g_log.arrivals.back().atMs;
    double fetchWaitMs = g_log.fetchDoneMs - fetchAloneMs;
    std::printf("\nfetch start -> last result: %.1f ms (%zu probes on %d workers)\n", totalMs,
                g_log.arrivals.size(), CIdleThreadManager::WORKER_COUNT);
    std::printf(
        "fetch job done after %.1f ms; the fetch itself takes %.1f ms -> pool wait %.1f ms\n",
        g_log.fetchDoneMs, fetchAloneMs, fetchWaitMs);
    double criticalWait = 0;
    for (const auto& [w, last] : lastMs) {
        double wait = last - g_log.fetchDoneMs - busyMs[w];
        std::printf("worker %d: last result at %.1f ms, probing %.0f ms -> pool wait %.1f ms\n", w,
                    last, busyMs[w], wait);
        if (last == totalMs)
            criticalWait = wait;
    }
    std::printf("pool's own waiting on the critical path: %.1f ms of %.1f ms\n",
                fetchWaitMs + criticalWait, totalMs);
}

}  // namespace

int main() {
    platform::seam::SetConnectedState(true);
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    CPlatformSimulator sim;
    if (!sim.Start(profile)) {
        std::fprintf(stderr, "simulator: %s\n", sim.Error().c_str());
        return 1;
    }
    double fetchAloneMs = 0;
    std::vector<std::string> order;
    {
        CMainFrame probe;  // no window: only its fetch runs
        fetchAloneMs = TimeFetchAlone(probe, sim.SeedUrl());
        std::lock_guard<std::mutex> guard(g_csPtLine);
        for (const PtLineEntry& e : g_lstPtLine)
            order.push_back(e.url);
    }
    seam::SetSeedHost(sim.SeedUrl());
    InitWorkersAndLines();
    g_log.start = Clock::now();
    // Creating the window queues the fetch, as at start-up.
    CMainFrame* pFrame = OpenMainWindow();
    if (pFrame == nullptr)
        return 1;
    RunUntilDone(*pFrame);
    Report(HostConfigs(sim, profile), order, fetchAloneMs);
    DestroyWindow(pFrame->GetHWND());
    ShutdownWorkers();
    return 0;
}
