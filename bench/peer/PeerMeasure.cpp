// peer_measure: runs the peer window and one or more launcher builds alternately on $DISPLAY
// (which the peer script prepares with a window manager and the simulator) and prints medians
// and ranges of the first frame, memory, idle CPU, hover and page-switch repaint.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ProcessFigures.h"
#include "XProbe.h"
#include "tests/x11/LauncherProcess.h"
#include "tests/x11/SkinGeometry.h"
#include "tests/x11/XServerProcess.h"

namespace {

using peer::Area;
using peer::Clock;

constexpr int MAP_MS = 30000, LINES_MS = 60000, EXIT_MS = 15000, EVENT_MS = 2000;
constexpr int SETTLE_MS = 1000;
constexpr int EVENT_PAIRS = 20;  // 20 there and 20 back: 40 events per run

struct Subject {
    std::string name;
    std::string path;
    bool launcher = false;
};

struct Probe {
    std::string windowClass;
    int x = 0, y = 0;
    uint32_t rgb = 0;  // what the first painted frame shows there
};

const Probe LAUNCHER_PROBE{"CMainFrame", 100, 100,
                           0x1D202A};                      // the frame's colour, left of the logo
const Probe PEER_PROBE{"LumoraPeer", 220, 160, 0x2EB84B};  // inside row 1's bar fill

struct Figures {
    std::vector<double> mapMs, frameMs, rssMb, pssMb, idleCpu, hoverMs, pageMs;
};

struct Targets {  // main window points, from the skin
    x11test::Bounds close, page1, page2;
};

struct Options {
    int pairs = 5;
    int idleMs = 20000;
    bool interact = true;
    std::vector<Subject> subjects;
    std::string dir;
};

void Sleep(int ms) {
    usleep(useconds_t(ms) * 1000);
}

bool SpeedTestDone(const std::string& tracePath) {
    int count = 0, total = 0;
    return x11test::LastSpeedTestCount(x11test::ReadFile(tracePath), count, total) && total > 0 &&
           count >= total;
}

Area AreaOf(const x11test::Bounds& b) {
    return Area{b.left, b.top, b.right - b.left, b.bottom - b.top};
}

// Pointer onto the close button and off it again: both changes count.
void MeasureHover(peer::CXProbe& x, unsigned long xid, const Targets& t, Figures& f) {
    const int restX = 400, restY = 20;  // bare caption
    Area button = AreaOf(t.close);
    x.MoveTo(xid, restX, restY);
    Sleep(150);
    std::vector<uint32_t> normal = x.Pixels(xid, button);
    for (int i = 0; i < EVENT_PAIRS; ++i) {
        Clock::time_point start = Clock::now();
        x.MoveTo(xid, t.close.CentreX(), t.close.CentreY());
        f.hoverMs.push_back(x.WaitArea(xid, button, normal, false, start, EVENT_MS));
        Sleep(60);  // well before the tooltip's delay
        start = Clock::now();
        x.MoveTo(xid, restX, restY);
        f.hoverMs.push_back(x.WaitArea(xid, button, normal, true, start, EVENT_MS));
        Sleep(60);
    }
}

// Clicks the second page's option and the first's in turn; the time until the page shows.
void MeasurePageSwitch(peer::CXProbe& x, unsigned long xid, const Targets& t, Figures& f) {
    const Area strip{30, 240, 620, 1};  // crosses the rows of page 1 and the cards of page 2
    for (int i = 0; i < 2 * EVENT_PAIRS; ++i) {
        const x11test::Bounds& option = i % 2 == 0 ? t.page2 : t.page1;
        x.MoveTo(xid, option.CentreX(), option.CentreY());
        Sleep(100);
        std::vector<uint32_t> before = x.Pixels(xid, strip);
        Clock::time_point start = Clock::now();
        x.Click();
        f.pageMs.push_back(x.WaitArea(xid, strip, before, false, start, EVENT_MS));
        Sleep(150);
    }
    x.MoveOutside();
}

void MeasureIdle(pid_t pid, int idleMs, Figures& f) {
    double before = peer::CpuSeconds(pid);
    Sleep(idleMs);
    f.idleCpu.push_back(100.0 * (peer::CpuSeconds(pid) - before) / (idleMs / 1000.0));
}

void RunOnce(const Subject& s, const Options& o, const Targets& t, peer::CXProbe& x, Figures& f) {
    const Probe& probe = s.launcher ? LAUNCHER_PROBE : PEER_PROBE;
    std::string trace = o.dir + "/trace.log";
    x.MoveOutside();
    x.WatchNewWindows();
    Clock::time_point start = Clock::now();
    x11test::LauncherProcess process(s.path, std::getenv("DISPLAY"), {}, trace);
    unsigned long xid = x.WaitMapped(probe.windowClass, MAP_MS);
    f.mapMs.push_back(xid != 0 ? peer::MsSince(start) : -1);
    bool painted = xid != 0 && x.WaitPixel(xid, probe.x, probe.y, probe.rgb, MAP_MS);
    f.frameMs.push_back(painted ? peer::MsSince(start) : -1);
    if (!painted)
        std::fprintf(stderr, "peer_measure: %s showed no frame\n", s.name.c_str());
    if (s.launcher && !x11test::WaitFor([&] { return SpeedTestDone(trace); }, LINES_MS))
        std::fprintf(stderr, "peer_measure: %s: the speed test did not finish\n", s.name.c_str());
    Sleep(SETTLE_MS);
    f.rssMb.push_back(peer::ResidentKb(process.Pid()) / 1024.0);
    f.pssMb.push_back(peer::ProportionalKb(process.Pid()) / 1024.0);
    MeasureIdle(process.Pid(), o.idleMs, f);
    if (s.launcher && o.interact && painted) {
        MeasureHover(x, xid, t, f);
        MeasurePageSwitch(x, xid, t, f);
    }
    if (xid != 0)
        x.RequestClose(xid);
    if (process.WaitExit(EXIT_MS) != 0)
        std::fprintf(stderr, "peer_measure: %s did not end with 0\n", s.name.c_str());
}

double Median(std::vector<double> v) {
    v.erase(std::remove(v.begin(), v.end(), -1.0), v.end());
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Cell(const std::vector<double>& v, const char* format) {
    std::vector<double> seen = v;
    seen.erase(std::remove(seen.begin(), seen.end(), -1.0), seen.end());
    if (seen.empty())
        return "-";
    auto [lo, hi] = std::minmax_element(seen.begin(), seen.end());
    char median[32], low[32], high[32], text[128];
    std::snprintf(median, sizeof median, format, Median(seen));
    std::snprintf(low, sizeof low, format, *lo);
    std::snprintf(high, sizeof high, format, *hi);
    std::snprintf(text, sizeof text, "%s (%s-%s)", median, low, high);
    return text;
}

using Row = std::vector<double> Figures::*;

void PrintRow(const char* label, Row row, const char* format, const Options& o,
              std::map<std::string, Figures>& all) {
    std::printf("| %-28s |", label);
    for (const Subject& s : o.subjects)
        std::printf(" %-26s |", Cell(all[s.name].*row, format).c_str());
    std::printf("\n");
}

void PrintRatios(const Options& o, std::map<std::string, Figures>& all) {
    double peerFrame = Median(all[o.subjects[0].name].frameMs);
    double peerPss = Median(all[o.subjects[0].name].pssMb);
    std::printf("| %-28s |", "first frame / peer's");
    for (const Subject& s : o.subjects)
        std::printf(" %-26.2f |", Median(all[s.name].frameMs) / peerFrame);
    std::printf("\n| %-28s |", "PSS / peer's");
    for (const Subject& s : o.subjects)
        std::printf(" %-26.2f |", Median(all[s.name].pssMb) / peerPss);
    std::printf("\n");
}

void PrintTable(const Options& o, std::map<std::string, Figures>& all) {
    std::printf("\n%d pairs, median (min-max)\n\n| %-28s |", o.pairs, "figure");
    for (const Subject& s : o.subjects)
        std::printf(" %-26s |", s.name.c_str());
    std::printf("\n|%s|", std::string(30, '-').c_str());
    for (size_t i = 0; i < o.subjects.size(); ++i)
        std::printf("%s|", std::string(28, '-').c_str());
    std::printf("\n");
    PrintRow("window mapped, ms after exec", &Figures::mapMs, "%.1f", o, all);
    PrintRow("first frame, ms after exec", &Figures::frameMs, "%.1f", o, all);
    PrintRow("RSS, MB, lines shown", &Figures::rssMb, "%.1f", o, all);
    PrintRow("PSS, MB, lines shown", &Figures::pssMb, "%.1f", o, all);
    PrintRow("idle CPU, %", &Figures::idleCpu, "%.2f", o, all);
    PrintRatios(o, all);
    PrintRow("hover repaint, ms (40/run)", &Figures::hoverMs, "%.2f", o, all);
    PrintRow("page switch, ms (40/run)", &Figures::pageMs, "%.2f", o, all);
}

bool ParseArgs(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--pairs" && i + 1 < argc)
            o.pairs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--idle-ms" && i + 1 < argc)
            o.idleMs = std::max(100, std::atoi(argv[++i]));
        else if (a == "--no-interact")
            o.interact = false;
        else if (o.subjects.empty())
            o.subjects.push_back({"peer", a, false});
        else if (size_t eq = a.find('='); eq != std::string::npos)
            o.subjects.push_back({a.substr(0, eq), a.substr(eq + 1), true});
        else
            return false;
    }
    return o.subjects.size() >= 2;
}

Targets SkinTargets() {
    Targets t;
    t.close = x11test::ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "closebtn");
    t.page1 = x11test::ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "opt_page1");
    t.page2 = x11test::ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "opt_page2");
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseArgs(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: peer_measure [--pairs N] [--idle-ms MS] [--no-interact] PEER "
                     "NAME=LAUNCHER [NAME=LAUNCHER...]   (on $DISPLAY, simulator running)\n");
        return 2;
    }
    Targets targets = SkinTargets();
    peer::CXProbe x;
    std::string why;
    if (targets.close.Empty() || targets.page2.Empty() || !x.Open(why)) {
        std::fprintf(stderr, "peer_measure: no skin geometry or display %s\n", why.c_str());
        return 1;
    }
    char pattern[] = "/tmp/peer-measure.XXXXXX";
    o.dir = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    std::map<std::string, Figures> all;
    for (int pair = 0; pair < o.pairs; ++pair) {
        for (size_t k = 0; k < o.subjects.size(); ++k) {  // the order turns each pair
            const Subject& s = o.subjects[(k + size_t(pair)) % o.subjects.size()];
            RunOnce(s, o, targets, x, all[s.name]);
            std::fprintf(stderr, "pair %d %s: frame %.1f ms\n", pair + 1, s.name.c_str(),
                         all[s.name].frameMs.back());
        }
    }
    PrintTable(o, all);
    std::remove((o.dir + "/trace.log").c_str());
    rmdir(o.dir.c_str());
    return 0;
}
