// xdrive: waits for, photographs, clicks and closes windows on $DISPLAY, for scripts.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/xdrive/PngFile.h"
#include "tools/xdrive/XDisplay.h"

namespace {

using Args = std::vector<std::string>;
constexpr int SETTLE_MS = 3000;

int Fail(const std::string& strWhy) {
    std::fprintf(stderr, "xdrive: %s\n", strWhy.c_str());
    return 1;
}

int Number(const std::string& strText) {
    return std::atoi(strText.c_str());
}

int WaitWindowManager(const xdrive::CXDisplay& display, const Args& args) {
    bool up = xdrive::WaitFor([&] { return display.HasWindowManager(); }, Number(args[0]));
    return up ? 0 : Fail("no window manager came up");
}

int WaitCompositor(const xdrive::CXDisplay& display, const Args& args) {
    bool up = xdrive::WaitFor([&] { return display.HasCompositor(); }, Number(args[0]));
    return up ? 0 : Fail("no compositing manager came up");
}

int WaitWindow(const xdrive::CXDisplay& display, const Args& args) {
    xdrive::FoundWindow w;
    if (!display.WaitWindow(args[0], Number(args[1]), w))
        return Fail("no window of class " + args[0] + " appeared");
    std::printf("%lu %d %d %d %d\n", w.xid, w.rect.x, w.rect.y, w.rect.width, w.rect.height);
    return 0;
}

int WaitGone(const xdrive::CXDisplay& display, const Args& args) {
    return display.WaitGone(args[0], Number(args[1])) ? 0 : Fail("window " + args[0] + " stayed");
}

// Prints the wall-clock second at which the window's pixel first showed the colour, so a
// script can set it against other timestamps of the same clock (strace -ttt).
int WaitPixel(const xdrive::CXDisplay& display, const Args& args) {
    long colour = std::strtol(args[3].c_str(), nullptr, 16);
    xdrive::FoundWindow w;
    timespec now{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &end);
    end.tv_sec += Number(args[4]) / 1000;
    for (;;) {
        if ((w.xid != 0 || display.FindWindow(args[0], w)) &&
            display.WindowPixel(w.xid, Number(args[1]), Number(args[2])) == colour)
            break;
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec > end.tv_sec)
            return Fail("the pixel of " + args[0] + " never showed " + args[3]);
        usleep(1000);  // finer than WaitFor's step: the moment itself is the figure
    }
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("%ld.%06ld\n", long(now.tv_sec), long(now.tv_nsec / 1000));
    return 0;
}

// The whole screen, or a window of the class grown by a margin (for its shadow).
int Shot(const xdrive::CXDisplay& display, const Args& args) {
    xdrive::ScreenRect rect = display.Screen();
    if (args.size() > 1) {
        xdrive::FoundWindow w;
        if (!display.FindWindow(args[1], w))
            return Fail("no window of class " + args[1]);
        int margin = args.size() > 2 ? Number(args[2]) : 0;
        rect = {w.rect.x - margin, w.rect.y - margin, w.rect.width + 2 * margin,
                w.rect.height + 2 * margin};
    }
    xdrive::ScreenImage image;
    if (!display.CaptureSettled(rect, SETTLE_MS, image))
        return Fail("the screen did not settle for a picture");
    std::string strError;
    return xdrive::WritePng(args[0], image, strError) ? 0 : Fail(strError);
}

int Move(const xdrive::CXDisplay& display, const Args& args) {
    display.MovePointer(Number(args[0]), Number(args[1]));
    return 0;
}

int Click(const xdrive::CXDisplay& display, const Args& args) {
    display.Click(Number(args[0]), Number(args[1]));
    return 0;
}

int Key(const xdrive::CXDisplay& display, const Args& args) {
    return display.PressKeys(args[0]) ? 0 : Fail("no key " + args[0] + " on this keyboard");
}

// A point given in the window's own coordinates.
int ClickIn(const xdrive::CXDisplay& display, const Args& args) {
    xdrive::FoundWindow w;
    if (!display.FindWindow(args[0], w))
        return Fail("no window of class " + args[0]);
    display.Click(w.rect.x + Number(args[1]), w.rect.y + Number(args[2]));
    return 0;
}

int Close(const xdrive::CXDisplay& display, const Args& args) {
    xdrive::FoundWindow w;
    if (!display.FindWindow(args[0], w))
        return Fail("no window of class " + args[0]);
    return display.RequestClose(w.xid) ? 0 : Fail("the close request was not sent");
}

struct Command {
    const char* pstrName;
    size_t nMinArgs;
    size_t nMaxArgs;
    int (*pfnRun)(const xdrive::CXDisplay&, const Args&);
    const char* pstrUsage;
};

const Command COMMANDS[] = {
    {"wait-wm", 1, 1, WaitWindowManager, "wait-wm TIMEOUT_MS"},
    {"wait-compositor", 1, 1, WaitCompositor, "wait-compositor TIMEOUT_MS"},
    {"wait-window", 2, 2, WaitWindow, "wait-window CLASS TIMEOUT_MS   (prints XID X Y W H)"},
    {"wait-gone", 2, 2, WaitGone, "wait-gone CLASS TIMEOUT_MS"},
    {"wait-pixel", 5, 5, WaitPixel,
     "wait-pixel CLASS X Y RRGGBB TIMEOUT_MS   (prints the wall-clock second it showed)"},
    {"shot", 1, 3, Shot, "shot FILE.png [CLASS [MARGIN]]"},
    {"move", 2, 2, Move, "move X Y"},
    {"click", 2, 2, Click, "click X Y"},
    {"click-in", 3, 3, ClickIn, "click-in CLASS X Y"},
    {"key", 1, 1, Key, "key KEY[+KEY...]   (keysyms; alt, ctrl, shift)"},
    {"close", 1, 1, Close, "close CLASS"},
};

int Usage() {
    std::fprintf(stderr, "usage: xdrive COMMAND ARGS... on $DISPLAY\n");
    for (const Command& c : COMMANDS)
        std::fprintf(stderr, "  xdrive %s\n", c.pstrUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    for (const Command& c : COMMANDS) {
        if (std::strcmp(argv[1], c.pstrName) != 0)
            continue;
        Args args(argv + 2, argv + argc);
        if (args.size() < c.nMinArgs || args.size() > c.nMaxArgs)
            return Usage();
        xdrive::CXDisplay display;
        std::string strError;
        if (!display.Open(nullptr, strError))
            return Fail(strError);
        return c.pfnRun(display, args);
    }
    return Usage();
}
