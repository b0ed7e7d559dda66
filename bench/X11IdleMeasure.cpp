// End-to-end measurement: CPU the program uses while one window sits open on an X display.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "platform/backends/x11/x11.h"
#include "platform/user.h"
#include "tests/x11/XServerProcess.h"

namespace {

constexpr UINT IDLE_MS = 5000;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

LRESULT CALLBACK IdleProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_TIMER) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wp, lp);
}

HWND OpenIdleWindow() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = IdleProc;
    wc.lpszClassName = "LumoraIdle";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(6);
    RegisterClassExA(&wc);
    HWND hwnd = CreateWindowExA(0, "LumoraIdle", "idle", WS_POPUP, 100, 100, 680, 480, nullptr,
                                nullptr, nullptr, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return hwnd;
}

}  // namespace

int main() {
    x11test::Xvfb server;
    if (server.Display().empty()) {
        std::fprintf(stderr, "x11_idle_measure: Xvfb did not start\n");
        return 1;
    }
    setenv("DISPLAY", server.Display().c_str(), 1);
    platform::x11::RequireDisplay("x11_idle_measure");
    HWND hwnd = OpenIdleWindow();
    SetTimer(hwnd, 1, IDLE_MS, nullptr);
    double start = CpuSeconds();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    double used = CpuSeconds() - start;
    std::printf("idle window for %.1f s: %.3f s CPU, %.2f %% of one core\n", IDLE_MS / 1000.0, used,
                100.0 * used / (IDLE_MS / 1000.0));
    DestroyWindow(hwnd);
    return 0;
}
