// End-to-end measurement of the real launcher on a private Xvfb (openbox, xcompmgr) against the
// simulator's default hosts: time to the first presented frame, resident memory with the lines
// shown, CPU while idle, and the speed test's length against its slowest probe.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/x11/LauncherProcess.h"
#include "tests/x11/XServerProcess.h"
#include "tools/sim/PlatformSimulator.h"
#include "tools/xdrive/XDisplay.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char MAIN_CLASS[] = "CMainFrame";
constexpr uint32_t FRAME_COLOUR = 0x1D202A;  // MainFrame.xml's bkcolor, left of the logo
constexpr int FRAME_X = 100, FRAME_Y = 100;
constexpr int PROBE_LIMIT_MS = 5000;  // the hanging host 18406 ends at the probe's 5 s limit
constexpr int WORKERS = 3;
constexpr int IDLE_MS = 10000;
constexpr int WAIT_MS = 60000;

struct Figures {
    double firstFrameMs = -1;
    double lastResultMs = -1;
    long rssKb = -1;
    double idleCpuPercent = -1;
};

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// VmRSS of /proc/<pid>/status in KiB.
long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// User plus system time of the process, in seconds.
double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i)  // state .. cmajflt; utime and stime follow
        fields >> skip;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / double(sysconf(_SC_CLK_TCK));
}

bool SpeedTestDone(const std::string& tracePath) {
    int count = 0, total = 0;
    return x11test::LastSpeedTestCount(x11test::ReadFile(tracePath), count, total) && total > 0 &&
           count >= total;
}

// The first moment the window's own pixels show the skin's background.
double WaitFirstFrame(const xdrive::CXDisplay& display, Clock::time_point start) {
    xdrive::FoundWindow window;
    bool shown = xdrive::WaitFor(
        [&] {
            if (window.xid == 0 && !display.FindWindow(MAIN_CLASS, window))
                return false;
            return display.WindowPixel(window.xid, FRAME_X, FRAME_Y) == long(FRAME_COLOUR);
        },
        WAIT_MS);
    return shown ? MsSince(start) : -1;
}

double IdleCpuPercent(pid_t pid) {
    double before = CpuSeconds(pid);
    usleep(IDLE_MS * 1000);
    return 100.0 * (CpuSeconds(pid) - before) / (IDLE_MS / 1000.0);
}

Figures MeasureRun(const std::string& display, const xdrive::CXDisplay& x, const std::string& dir) {
    Figures figures;
    std::string tracePath = dir + "/trace.log";
    Clock::time_point start = Clock::now();
    x11test::LauncherProcess launcher(LUMORA_LAUNCHER_PATH, display, {}, tracePath);
    pid_t pid = launcher.Pid();
    figures.firstFrameMs = WaitFirstFrame(x, start);
    if (xdrive::WaitFor([&] { return SpeedTestDone(tracePath); }, WAIT_MS))
        figures.lastResultMs = MsSince(start);
    figures.rssKb = ResidentKb(pid);
    usleep(1000 * 1000);  // the QR downloads and the last repaint settle first
    figures.idleCpuPercent = IdleCpuPercent(pid);
    xdrive::FoundWindow window;
    if (x.FindWindow(MAIN_CLASS, window))
        x.RequestClose(window.xid);
    if (launcher.WaitExit(WAIT_MS) != 0)
        std::fprintf(stderr, "launcher_measure: the launcher did not end with 0\n");
    return figures;
}

int ConfiguredMs(const SimHostConfig& host) {
    if (host.behaviour == SimProbeBehaviour::Hang)
        return PROBE_LIMIT_MS;
    return host.behaviour == SimProbeBehaviour::Reset ? 0 : host.probeLatencyMs;
}

// The configured probe time of the busiest worker: the fetch job takes worker 0, then the probes
// of the seed and the announced lines go round the workers in that order, each worker's in turn.
int CriticalPathMs(const SimProfile& profile) {
    std::vector<SimHostConfig> hosts{profile.seed};
    hosts.insert(hosts.end(), profile.lines.begin(), profile.lines.end());
    int busy[WORKERS] = {};
    for (size_t i = 0; i < hosts.size(); ++i)
        busy[(i + 1) % WORKERS] += ConfiguredMs(hosts[i]);
    return *std::max_element(busy, busy + WORKERS);
}

void Print(int run, const Figures& f, int criticalMs) {
    std::printf("%4d %9.1f %11.1f %15.1f %14.1f %9ld %8.2f\n", run, f.firstFrameMs, f.lastResultMs,
                f.lastResultMs - PROBE_LIMIT_MS, f.lastResultMs - criticalMs, f.rssKb,
                f.idleCpuPercent);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    x11test::Xvfb server;
    if (server.Display().empty()) {
        std::fprintf(stderr, "launcher_measure: Xvfb did not start\n");
        return 1;
    }
    x11test::ChildProcess manager({"openbox", "--sm-disable"}, server.Display());
    x11test::ChildProcess compositor({"xcompmgr"}, server.Display());
    xdrive::CXDisplay x;
    std::string why;
    if (!x.Open(server.Display().c_str(), why) ||
        !xdrive::WaitFor([&] { return x.HasWindowManager() && x.HasCompositor(); }, WAIT_MS)) {
        std::fprintf(stderr, "launcher_measure: no display session: %s\n", why.c_str());
        return 1;
    }
    CPlatformSimulator sim;
    if (!sim.Start(SimProfile::Default())) {
        std::fprintf(stderr, "launcher_measure: simulator: %s\n", sim.Error().c_str());
        return 1;
    }
    char pattern[] = "/tmp/lumora-measure.XXXXXX";
    std::string dir = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    int criticalMs = CriticalPathMs(SimProfile::Default());
    std::printf(
        "slowest probe: the hanging host 18406, ended by the %d ms limit; the busiest\n"
        "worker's configured probe time (critical path): %d ms\n\n",
        PROBE_LIMIT_MS, criticalMs);
    std::printf("%4s %9s %11s %15s %14s %9s %8s\n", "run", "frame ms", "last result",
                "- slowest probe", "- crit. path", "RSS KiB", "idle CPU");
    for (int run = 1; run <= runs; ++run)
        Print(run, MeasureRun(server.Display(), x, dir), criticalMs);
    std::remove((dir + "/trace.log").c_str());
    rmdir(dir.c_str());
    return 0;
}
