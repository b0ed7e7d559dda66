// The main window's control tree at 680 x 480: layout pass, full repaint, one button's repaint.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;

namespace {

constexpr int WIDTH = 680;
constexpr int HEIGHT = 480;
// Where the close button sits in the caption.
constexpr RECT BUTTON_RECT = {656, 8, 672, 24};

// The host and tree of MainFrame.xml, and a back buffer of the window's size.
struct MainTree {
    CWindowHostUI host;
    CControlUI* pRoot = nullptr;
    HDC hDC = CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOld = nullptr;

    MainTree() {
        CSkinStore::SetSkinPath(LUMORA_SKIN_DIR);
        CSkinBuilder builder;
        pRoot = builder.Create("MainFrame.xml", nullptr, nullptr, &host);
        host.AttachRoot(pRoot);
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), WIDTH, -HEIGHT, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        hBitmap = CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        hOld = SelectObject(hDC, hBitmap);
        if (pRoot != nullptr)
            pRoot->SetBounds(RECT{0, 0, WIDTH, HEIGHT}, false);
    }
    ~MainTree() {
        SelectObject(hDC, hOld);
        DeleteObject(hBitmap);
        DeleteDC(hDC);
    }
};

MainTree& Tree() {
    static MainTree* s_pTree = new MainTree;
    return *s_pTree;
}

void BM_LayoutPass(benchmark::State& state) {
    MainTree& tree = Tree();
    if (tree.pRoot == nullptr) {
        state.SkipWithError("MainFrame.xml did not build");
        return;
    }
    for (auto _ : state)
        tree.pRoot->SetBounds(RECT{0, 0, WIDTH, HEIGHT}, false);
}

void BM_FullRepaint(benchmark::State& state) {
    MainTree& tree = Tree();
    if (tree.pRoot == nullptr) {
        state.SkipWithError("MainFrame.xml did not build");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.pRoot->Paint(tree.hDC, RECT{0, 0, WIDTH, HEIGHT}, nullptr));
}

void BM_ButtonRepaint(benchmark::State& state) {
    MainTree& tree = Tree();
    if (tree.pRoot == nullptr) {
        state.SkipWithError("MainFrame.xml did not build");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.pRoot->Paint(tree.hDC, BUTTON_RECT, nullptr));
}

// The floor: copying one back buffer's bytes.
void BM_MemcpyBackBuffer(benchmark::State& state) {
    std::vector<char> src(size_t(WIDTH) * HEIGHT * 4, 1);
    std::vector<char> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_LayoutPass);
BENCHMARK(BM_FullRepaint);
BENCHMARK(BM_ButtonRepaint);
BENCHMARK(BM_MemcpyBackBuffer);

}  // namespace

BENCHMARK_MAIN();
