// The pixels a window draws into, and the DCs that draw into them.
#include "platform/user/window_surface.h"

#include <algorithm>
#include <cstring>

namespace platform::user {

namespace {
// A surface DC needs memory even for an empty window.
uint32_t g_emptyPixel = 0;
}  // namespace

WindowSurface::~WindowSurface() {
    for (HDC hdc : m_dcs)
        DeleteDC(hdc);
}

void* WindowSurface::Bits() {
    return m_pixels.empty() ? &g_emptyPixel : m_pixels.data();
}

void WindowSurface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height)
        return;
    std::vector<uint32_t> pixels(size_t(width) * height, 0);
    int keepWidth = std::min(width, m_width), keepHeight = std::min(height, m_height);
    for (int y = 0; y < keepHeight; ++y)
        std::memcpy(&pixels[size_t(y) * width], &m_pixels[size_t(y) * m_width],
                    size_t(keepWidth) * 4);
    // The DCs move to the new pixels before the old ones go.
    m_pixels.swap(pixels);
    m_width = width;
    m_height = height;
    for (HDC hdc : m_dcs)
        platform::RebindSurfaceDC(hdc, Bits(), std::max(m_width, 1), std::max(m_height, 1),
                                  std::max(m_width, 1) * 4);
}

HDC WindowSurface::NewDC() {
    HDC hdc = platform::CreateSurfaceDC(Bits(), std::max(m_width, 1), std::max(m_height, 1),
                                        std::max(m_width, 1) * 4);
    if (hdc != nullptr)
        m_dcs.push_back(hdc);
    return hdc;
}

bool WindowSurface::Release(HDC hdc) {
    auto it = std::find(m_dcs.begin(), m_dcs.end(), hdc);
    if (it == m_dcs.end())
        return false;
    m_dcs.erase(it);
    DeleteDC(hdc);
    return true;
}

bool WindowSurface::Owns(HDC hdc) const {
    return std::find(m_dcs.begin(), m_dcs.end(), hdc) != m_dcs.end();
}

SurfaceView WindowSurface::View() const {
    return SurfaceView{m_pixels.data(), m_width, m_height, m_width * 4};
}

}  // namespace platform::user
