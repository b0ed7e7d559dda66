// Measures the launcher's font creation in fresh processes: time, and how often font files are
// mapped.
//
// Each run forks a child that creates the fonts a launcher window creates at
// start (the default GUI font and the main window's three skin fonts, each
// selected and measured, which resolves and opens its face), then counts
// the font files in its own /proc/self/maps. Run: build/bin/font_open_measure [RUNS]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gdi.h"

namespace {

// Wall and CPU time; the first font includes starting fontconfig.
struct RunResult {
    double firstMs = 0;
    double firstCpuMs = 0;
    double restMs = 0;
    double restCpuMs = 0;
    int fontMappings = 0;
    long fontMappedKb = 0;
};

struct SkinFont {
    const char* face;
    int size;
    bool bold;
};

// The main window's skin fonts.
constexpr SkinFont SKIN_FONTS[] = {
    {"微软雅黑", 12, false}, {"微软雅黑", 14, true}, {"微软雅黑", 16, true}};

bool IsFontFile(const std::string& path) {
    for (const char* ext : {".ttf", ".ttc", ".otf", ".TTF", ".TTC", ".OTF"})
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ext) == 0)
            return true;
    return false;
}

void CountFontMappings(RunResult& r) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        size_t slash = line.find('/');
        if (slash == std::string::npos || !IsFontFile(line.substr(slash)))
            continue;
        unsigned long from = 0, to = 0;
        std::sscanf(line.c_str(), "%lx-%lx", &from, &to);
        ++r.fontMappings;
        r.fontMappedKb += static_cast<long>((to - from) / 1024);
    }
}

LOGFONTA GuiFont() {
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfCharSet = DEFAULT_CHARSET;
    return lf;
}

// Creates, selects and measures one font, as a window host does.
void Realise(HDC dc, const LOGFONTA& lf) {
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
}

double CpuMs() {
    timespec ts = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + ts.tv_nsec * 1e-6;
}

double WallMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

RunResult MeasureOnce() {
    HDC dc = CreateCompatibleDC(nullptr);
    RunResult r;
    double wall = WallMs(), cpu = CpuMs();
    Realise(dc, GuiFont());
    r.firstMs = WallMs() - wall;
    r.firstCpuMs = CpuMs() - cpu;
    wall = WallMs();
    cpu = CpuMs();
    for (const SkinFont& f : SKIN_FONTS) {
        LOGFONTA lf = GuiFont();
        std::strcpy(lf.lfFaceName, f.face);
        lf.lfHeight = -f.size;
        if (f.bold)
            lf.lfWeight += FW_BOLD;
        Realise(dc, lf);
    }
    r.restMs = WallMs() - wall;
    r.restCpuMs = CpuMs() - cpu;
    CountFontMappings(r);
    return r;
}

// One measurement in a child process, so that every run starts cold.
bool RunChild(RunResult& out) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        RunResult r = MeasureOnce();
        bool ok = write(fds[1], &r, sizeof(r)) == static_cast<ssize_t>(sizeof(r));
        _exit(ok ? 0 : 1);
    }
    close(fds[1]);
    bool ok = pid > 0 && read(fds[0], &out, sizeof(out)) == static_cast<ssize_t>(sizeof(out));
    close(fds[0]);
    int status = 0;
    if (pid > 0)
        waitpid(pid, &status, 0);
    return ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename Fn>
void PrintRow(const char* name, std::vector<RunResult>& runs, Fn value) {
    std::vector<double> v;
    for (const RunResult& r : runs)
        v.push_back(value(r));
    std::sort(v.begin(), v.end());
    std::printf("%-30s %10.2f %10.2f %10.2f\n", name, v[v.size() / 2], v.front(), v.back());
}

}  // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<RunResult> runs;
    for (int i = 0; i < count; ++i) {
        RunResult r;
        if (!RunChild(r)) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        runs.push_back(r);
    }
    std::printf("%d fresh processes: default GUI font + 3 skin fonts, created and measured\n",
                count);
    std::printf("%-30s %10s %10s %10s\n", "figure", "median", "min", "max");
    PrintRow("first font, wall (ms)", runs, [](const RunResult& r) { return r.firstMs; });
    PrintRow("first font, CPU (ms)", runs, [](const RunResult& r) { return r.firstCpuMs; });
    PrintRow("three skin fonts, wall (ms)", runs, [](const RunResult& r) { return r.restMs; });
    PrintRow("three skin fonts, CPU (ms)", runs, [](const RunResult& r) { return r.restCpuMs; });
    PrintRow("all four, CPU (ms)", runs,
             [](const RunResult& r) { return r.firstCpuMs + r.restCpuMs; });
    PrintRow("font file mappings", runs, [](const RunResult& r) { return r.fontMappings; });
    PrintRow("font files mapped (KB)", runs,
             [](const RunResult& r) { return static_cast<double>(r.fontMappedKb); });
    return 0;
}
