// Drawing throughput: AlphaBlend against a plain memory copy, a line of Chinese text, a gradient.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/gdi.h"

namespace {

constexpr int WIDTH = 680;
constexpr int HEIGHT = 480;

// A memory DC with a 32-bit top-down DIB section filled with one pixel value.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t* bits = nullptr;

    Canvas(int w, int h, uint32_t px) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* p = nullptr;
        bmp = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<uint32_t*>(p);
        old = SelectObject(dc, bmp);
        std::fill(bits, bits + w * h, px);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
};

// Seconds per copy of one 680 x 480 picture with memcpy.
double MemcpySeconds() {
    static double seconds = [] {
        std::vector<uint32_t> a(WIDTH * HEIGHT, 1), b(WIDTH * HEIGHT);
        const int rounds = 200;
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            std::memcpy(b.data(), a.data(), a.size() * 4);
            benchmark::DoNotOptimize(b.data());
            benchmark::ClobberMemory();
        }
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        return d.count() / rounds;
    }();
    return seconds;
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint32_t> a(WIDTH * HEIGHT, 1), b(WIDTH * HEIGHT);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * WIDTH * HEIGHT * 4);
}
BENCHMARK(BM_Memcpy);

// Half-transparent premultiplied source over an opaque target; the counter
// "x_memcpy" is how many memcpy copies of the same pixels one blend costs.
void BM_AlphaBlend(benchmark::State& state) {
    Canvas src(WIDTH, HEIGHT, 0x80402010u);
    Canvas dst(WIDTH, HEIGHT, 0xFF808080u);
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, static_cast<BYTE>(state.range(0)), AC_SRC_ALPHA};
    auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        AlphaBlend(dst.dc, 0, 0, WIDTH, HEIGHT, src.dc, 0, 0, WIDTH, HEIGHT, bf);
        benchmark::DoNotOptimize(dst.bits);
    }
    std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
    state.counters["x_memcpy"] = d.count() / state.iterations() / MemcpySeconds();
    state.SetBytesProcessed(state.iterations() * WIDTH * HEIGHT * 4);
}
BENCHMARK(BM_AlphaBlend)->Arg(255)->Arg(128);

void BM_DrawTextChineseLine(benchmark::State& state) {
    Canvas c(WIDTH, 40, 0xFFFFFFFFu);
    LOGFONTA lf = {};
    lf.lfHeight = -14;
    std::strcpy(lf.lfFaceName, "微软雅黑");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(c.dc, font);
    SetBkMode(c.dc, TRANSPARENT);
    const char* text = "线路检测完成，请选择最快的线路立即进入平台 Lumora 1.0.6";
    for (auto _ : state) {
        RECT rc = {0, 0, WIDTH, 40};
        benchmark::DoNotOptimize(
            DrawTextA(c.dc, text, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS));
    }
    SelectObject(c.dc, old);
    DeleteObject(font);
}
BENCHMARK(BM_DrawTextChineseLine);

void BM_GradientFill(benchmark::State& state) {
    Canvas c(WIDTH, HEIGHT, 0);
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0x2000, 0x1000, 0xFF00},
                      {WIDTH, HEIGHT, 0x1000, 0x8000, 0xFF00, 0xFF00}};
    GRADIENT_RECT r = {0, 1};
    for (auto _ : state) {
        GradientFill(c.dc, v, 2, &r, 1, static_cast<ULONG>(state.range(0)));
        benchmark::DoNotOptimize(c.bits);
    }
    state.SetBytesProcessed(state.iterations() * WIDTH * HEIGHT * 4);
}
BENCHMARK(BM_GradientFill)->Arg(GRADIENT_FILL_RECT_H)->Arg(GRADIENT_FILL_RECT_V);

// Calls that do almost nothing but resolve their handles: one DC and one pen
// per SelectObject, one DC per SetTextColor.
void BM_HandleLookup(benchmark::State& state) {
    Canvas c(8, 8, 0);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HGDIOBJ old = SelectObject(c.dc, pen);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SelectObject(c.dc, old));
        benchmark::DoNotOptimize(SelectObject(c.dc, pen));
        benchmark::DoNotOptimize(SetTextColor(c.dc, RGB(4, 5, 6)));
    }
    SelectObject(c.dc, old);
    DeleteObject(pen);
}
BENCHMARK(BM_HandleLookup);

}  // namespace

BENCHMARK_MAIN();
