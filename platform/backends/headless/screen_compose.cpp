// Composes the in-memory screen: visible windows bottom to top, with their alpha and shapes.
#include "platform/backends/headless/headless_backend.h"
#include "platform/gdi.h"

namespace platform::headless {

POINT HeadlessBackend::ScreenOrigin(HWND hwnd) const {
    POINT origin{0, 0};
    for (auto it = m_windows.find(hwnd); it != m_windows.end();
         it = m_windows.find(it->second.parent)) {
        origin.x += it->second.rect.left;
        origin.y += it->second.rect.top;
        if (it->second.parent == nullptr)
            break;
    }
    return origin;
}

void HeadlessBackend::ComposeWindow(HWND hwnd, HDC screenDc) const {
    const ScreenWindow& window = m_windows.at(hwnd);
    if (!window.visible || window.state == platform::user::NativeWindowState::Minimised)
        return;
    POINT origin = ScreenOrigin(hwnd);
    if (window.width > 0 && window.height > 0) {
        // The DC only reads these pixels.
        HDC source = platform::CreateSurfaceDC(const_cast<uint32_t*>(window.pixels.data()),
                                               window.width, window.height, window.width * 4);
        HRGN clip = nullptr;
        if (window.shape != nullptr) {
            clip = CreateRectRgn(0, 0, 0, 0);
            CombineRgn(clip, window.shape, nullptr, RGN_COPY);
            OffsetRgn(clip, origin.x, origin.y);
            SelectClipRgn(screenDc, clip);
        }
        BYTE format = window.perPixelAlpha ? AC_SRC_ALPHA : 0;
        BLENDFUNCTION blend{AC_SRC_OVER, 0, window.constantAlpha, format};
        AlphaBlend(screenDc, origin.x, origin.y, window.width, window.height, source, 0, 0,
                   window.width, window.height, blend);
        SelectClipRgn(screenDc, nullptr);
        if (clip != nullptr)
            DeleteObject(clip);
        DeleteDC(source);
    }
    for (HWND child : m_zOrder) {
        if (m_windows.at(child).parent == hwnd)
            ComposeWindow(child, screenDc);
    }
}

std::vector<uint32_t> HeadlessBackend::ComposeScreen(int& width, int& height) const {
    std::lock_guard<std::mutex> guard(m_lock);
    width = m_screenWidth;
    height = m_screenHeight;
    std::vector<uint32_t> screen(size_t(width) * height, 0xFF000000u);
    HDC screenDc = platform::CreateSurfaceDC(screen.data(), width, height, width * 4);
    for (HWND hwnd : m_zOrder) {
        if (m_windows.at(hwnd).parent == nullptr)
            ComposeWindow(hwnd, screenDc);
    }
    DeleteDC(screenDc);
    return screen;
}

}  // namespace platform::headless
