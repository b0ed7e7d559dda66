// Text drawing throughput: a markup line with a link and bold text, 30 lines of plain text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/gdi.h"
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

constexpr const char* MARKUP_LINE =
    "1.打开微信或扫码工具 {b}扫一扫{/b}，或访问 {a http://127.0.0.1/}下载地址{/a} 立即登录";

std::string ThirtyLines() {
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "线路 " + std::to_string(i + 1) + " 测速完成，响应时间 0.153s，可以立即打开。\n";
    return text;
}

// What a text control does per paint: one markup line, vertically centred,
// with its link slots.
void BM_MarkupLineLinkBold(benchmark::State& state) {
    CWindowHostUI host;
    host.AddFont(1, "微软雅黑", 14, false, false, false);
    Canvas c(520, 30, 0xFFFFFFFFu);
    RECT rcLinks[8] = {};
    CUIString strLinks[8];
    for (auto _ : state) {
        RECT rc = {0, 0, 520, 30};
        int nLinks = 8;
        CDrawEngine::DrawMarkupText(c.dc, &host, rc, MARKUP_LINE, 0xFF333333, rcLinks, strLinks,
                                    nLinks, 1, DT_SINGLELINE | DT_VCENTER);
        benchmark::DoNotOptimize(nLinks);
    }
}
BENCHMARK(BM_MarkupLineLinkBold);

// A label measuring its markup text for its preferred width.
void BM_MarkupLineMeasure(benchmark::State& state) {
    CWindowHostUI host;
    host.AddFont(1, "微软雅黑", 14, false, false, false);
    Canvas c(8, 8, 0xFFFFFFFFu);
    for (auto _ : state) {
        RECT rc = {0, 0, 9999, 30};
        int nLinks = 0;
        CDrawEngine::DrawMarkupText(c.dc, &host, rc, MARKUP_LINE, 0xFF333333, nullptr, nullptr,
                                    nLinks, 1, DT_SINGLELINE | DT_CALCRECT);
        benchmark::DoNotOptimize(rc.right);
    }
}
BENCHMARK(BM_MarkupLineMeasure);

// Thirty wrapped lines of plain text; range 1 draws them as markup text.
void BM_ThirtyLines(benchmark::State& state) {
    CWindowHostUI host;
    host.AddFont(1, "微软雅黑", 14, false, false, false);
    Canvas c(680, 640, 0xFFFFFFFFu);
    std::string text = ThirtyLines();
    for (auto _ : state) {
        RECT rc = {0, 0, 680, 640};
        int nLinks = 0;
        if (state.range(0) == 0)
            CDrawEngine::DrawPlainText(c.dc, &host, rc, text.c_str(), 0xFF333333, 1, DT_WORDBREAK);
        else
            CDrawEngine::DrawMarkupText(c.dc, &host, rc, text.c_str(), 0xFF333333, nullptr, nullptr,
                                        nLinks, 1, DT_WORDBREAK);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ThirtyLines)->ArgName("markup")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
