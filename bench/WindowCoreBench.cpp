// Window core costs: a post and read round trip, a 680 x 480 paint, a layered update, a screen
// composition.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/backends/headless/headless.h"
#include "platform/user.h"

namespace {

HWND MakeWindow(DWORD exStyle, int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "BenchWindow";
        RegisterClassExA(&wc);
        registered = true;
    }
    return CreateWindowExA(exStyle, "BenchWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                           nullptr, nullptr, nullptr, nullptr);
}

void BM_PostAndPeek(benchmark::State& state) {
    HWND hwnd = MakeWindow(0, 10, 10);
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    for (auto _ : state) {
        PostMessageA(hwnd, WM_USER, 1, 2);
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        benchmark::DoNotOptimize(msg.wParam);
    }
    DestroyWindow(hwnd);
}
BENCHMARK(BM_PostAndPeek);

// Invalidate all, WM_PAINT, BeginPaint, fill, EndPaint presenting 680 x 480.
void BM_FullPaint(benchmark::State& state) {
    HWND hwnd = MakeWindow(0, 680, 480);
    HBRUSH brush = CreateSolidBrush(RGB(20, 120, 220));
    MSG msg{};
    for (auto _ : state) {
        InvalidateRect(hwnd, nullptr, FALSE);
        PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE);
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        FillRect(hdc, &ps.rcPaint, brush);
        EndPaint(hwnd, &ps);
    }
    DeleteObject(brush);
    DestroyWindow(hwnd);
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_LayeredUpdate(benchmark::State& state) {
    HWND hwnd = MakeWindow(WS_EX_LAYERED, 680, 480);
    BITMAPINFO info{};
    info.bmiHeader =
        BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 680, -480, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::fill_n(static_cast<uint32_t*>(bits), 680 * 480, 0x80402010u);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    POINT src{0, 0};
    SIZE size{680, 480};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (auto _ : state)
        UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, dc, &src, 0, &blend, ULW_ALPHA);
    DeleteDC(dc);
    DeleteObject(bitmap);
    DestroyWindow(hwnd);
}
BENCHMARK(BM_LayeredUpdate)->Unit(benchmark::kMicrosecond);

// The whole 1920 x 1080 screen with one opaque and one per-pixel-alpha window.
void BM_ComposeScreen(benchmark::State& state) {
    HWND plain = MakeWindow(0, 680, 480);
    HWND layered = MakeWindow(WS_EX_LAYERED, 716, 520);
    HDC hdc = GetDC(plain);
    ReleaseDC(plain, hdc);
    for (auto _ : state) {
        int width = 0, height = 0;
        std::vector<uint32_t> screen = platform::headless::ScreenPixels(width, height);
        benchmark::DoNotOptimize(screen.data());
    }
    DestroyWindow(layered);
    DestroyWindow(plain);
}
BENCHMARK(BM_ComposeScreen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
