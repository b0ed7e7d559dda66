// Tiled image cost: a 1 x 1 tile over a 30000 x 30000 control, painted through a 680 x 480 clip.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "platform/gdi.h"
#include "ui/render/DrawEngine.h"

using namespace Orvik;

namespace {

HBITMAP TopDownBitmap(HDC dc, int w, int h, uint32_t px) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* p = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &p, nullptr, 0);
    std::fill(static_cast<uint32_t*>(p), static_cast<uint32_t*>(p) + w * h, px);
    return bmp;
}

// bAlpha picks blended tiles, else plain copies; the control is far larger
// than the painted area, which is all a paint should cost.
void HugeTiledControl(benchmark::State& state, bool bAlpha) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = TopDownBitmap(dc, 680, 480, 0xFF000000);
    HGDIOBJ old = SelectObject(dc, canvas);
    HBITMAP tile = TopDownBitmap(dc, 1, 1, bAlpha ? 0x80400000 : 0xFF00FF00);
    RECT rcControl = {0, 0, 30000, 30000};
    RECT rcPaint = {0, 0, 680, 480};
    RECT rcSource = {0, 0, 1, 1};
    RECT rcCorner = {0, 0, 0, 0};
    for (auto _ : state)
        CDrawEngine::DrawImage(dc, tile, rcControl, rcPaint, rcSource, rcCorner, bAlpha, 255, false,
                               true, true);
    SelectObject(dc, old);
    DeleteObject(tile);
    DeleteObject(canvas);
    DeleteDC(dc);
}

void BM_TiledOpaque1x1Over30000(benchmark::State& state) {
    HugeTiledControl(state, false);
}
void BM_TiledAlpha1x1Over30000(benchmark::State& state) {
    HugeTiledControl(state, true);
}

}  // namespace

BENCHMARK(BM_TiledOpaque1x1Over30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TiledAlpha1x1Over30000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
