// The test functions over the active headless backend.
#include "platform/backends/headless/headless.h"

#include "platform/backends/headless/headless_backend.h"
#include "platform/gdi.h"

namespace platform::headless {

HeadlessBackend* ActiveHeadless() {
    return dynamic_cast<HeadlessBackend*>(&platform::user::ActiveBackend());
}

namespace {

bool SavePixels(std::vector<uint32_t>& pixels, int width, int height, const char* pathUtf8) {
    if (pixels.empty())
        return false;
    HDC dc = platform::CreateSurfaceDC(pixels.data(), width, height, width * 4);
    bool saved = dc != nullptr && platform::SaveDCPng(dc, pathUtf8);
    if (dc != nullptr)
        DeleteDC(dc);
    return saved;
}

}  // namespace

bool SetScreen(int width, int height, const RECT& workArea) {
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr)
        return false;
    backend->SetScreen(width, height, workArea);
    return true;
}

std::vector<uint32_t> WindowPixels(HWND hwnd, int& width, int& height) {
    ScreenWindow window;
    HeadlessBackend* backend = ActiveHeadless();
    width = height = 0;
    if (backend == nullptr || !backend->CopyWindow(hwnd, window))
        return {};
    width = window.width;
    height = window.height;
    return std::move(window.pixels);
}

std::vector<uint32_t> ScreenPixels(int& width, int& height) {
    HeadlessBackend* backend = ActiveHeadless();
    width = height = 0;
    return backend != nullptr ? backend->ComposeScreen(width, height) : std::vector<uint32_t>{};
}

bool SaveWindowPng(HWND hwnd, const char* pathUtf8) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = WindowPixels(hwnd, width, height);
    return SavePixels(pixels, width, height, pathUtf8);
}

bool SaveScreenPng(const char* pathUtf8) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = ScreenPixels(width, height);
    return SavePixels(pixels, width, height, pathUtf8);
}

bool IsShownOnScreen(HWND hwnd) {
    ScreenWindow window;
    HeadlessBackend* backend = ActiveHeadless();
    return backend != nullptr && backend->CopyWindow(hwnd, window) && window.visible &&
           window.state != platform::user::NativeWindowState::Minimised;
}

bool ScreenRect(HWND hwnd, RECT& rect) {
    ScreenWindow window;
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr || !backend->CopyWindow(hwnd, window))
        return false;
    rect = window.rect;
    return true;
}

}  // namespace platform::headless
