// Draw engine throughput: 9-grid window background and button through their descriptors, a text
// line.
#include <benchmark/benchmark.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "ui/markup/SkinStore.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;

namespace {

// A memory DC over a 32-bit top-down DIB section filled with one pixel value.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;

    Canvas(int w, int h, uint32_t px) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* p = nullptr;
        bmp = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &p, nullptr, 0);
        old = SelectObject(dc, bmp);
        std::fill(static_cast<uint32_t*>(p), static_cast<uint32_t*>(p) + w * h, px);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
};

// A skin folder with a 48 x 32 button image (opaque or with a soft edge) and
// a 36 x 36 panel image, in the temporary directory.
void PrepareSkin() {
    static bool done = [] {
        auto dir = std::filesystem::temp_directory_path() / "lumora-bench-skin";
        std::filesystem::create_directories(dir);
        auto write = [&](const char* name, int w, int h, bool soft) {
            std::vector<uint8_t> rgba;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                    uint8_t a = soft && edge ? 96 : 255;
                    rgba.insert(rgba.end(), {uint8_t(200 + y), uint8_t(40 + x), 30, a});
                }
            stbi_write_png((dir / name).string().c_str(), w, h, 4, rgba.data(), w * 4);
        };
        write("button.png", 48, 32, false);
        write("button_soft.png", 48, 32, true);
        write("panel.png", 36, 36, false);
        write("panel_soft.png", 36, 36, true);
        CSkinStore::OpenArchiveFile("", true);
        CSkinStore::SetSkinPath((dir.string() + "/").c_str());
        return true;
    }();
    (void)done;
}

// One descriptor drawn over a w x h control, as a control paints it.
void DrawDescriptor(benchmark::State& state, const char* descriptor, int w, int h) {
    PrepareSkin();
    CWindowHostUI host;
    Canvas c(w, h, 0xFF1D202Au);
    ImagePaintState paint(descriptor);
    RECT rc = {0, 0, w, h};
    if (!CDrawEngine::DrawImageDescriptor(c.dc, &host, rc, rc, paint)) {
        state.SkipWithError("image did not load");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(CDrawEngine::DrawImageDescriptor(c.dc, &host, rc, rc, paint));
    state.SetItemsProcessed(state.iterations() * w * h);
}

void BM_NineGridWindow680x480(benchmark::State& state) {
    DrawDescriptor(state,
                   state.range(0) ? "file='panel_soft.png' corner='12,12,12,12'"
                                  : "file='panel.png' corner='12,12,12,12'",
                   680, 480);
}
BENCHMARK(BM_NineGridWindow680x480)->ArgName("alpha")->Arg(0)->Arg(1);

void BM_NineGridButton90x30(benchmark::State& state) {
    DrawDescriptor(state,
                   state.range(0) ? "file='button_soft.png' corner='12,12,12,12'"
                                  : "file='button.png' corner='12,12,12,12'",
                   90, 30);
}
BENCHMARK(BM_NineGridButton90x30)->ArgName("alpha")->Arg(0)->Arg(1);

// One line of Chinese text in a host font (the engine's text path is DrawTextA).
void BM_TextLineHostFont(benchmark::State& state) {
    CWindowHostUI host;
    HFONT font = host.AddFont(1, "微软雅黑", 14, false, false, false);
    Canvas c(680, 30, 0xFF1D202Au);
    HGDIOBJ old = SelectObject(c.dc, font);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, RGB(255, 255, 255));
    const char* text = "线路更新中，请稍后 ... 最快线路 0.153s 立即登录";
    for (auto _ : state) {
        RECT rc = {0, 0, 680, 30};
        benchmark::DoNotOptimize(
            DrawTextA(c.dc, text, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX));
    }
    SelectObject(c.dc, old);
}
BENCHMARK(BM_TextLineHostFont);

}  // namespace

BENCHMARK_MAIN();
