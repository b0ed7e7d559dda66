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

uint32_t* WindowSurface::Data() const {
    if (m_memory != nullptr)
        return m_memory->Pixels();
    return m_pixels.empty() ? nullptr : const_cast<uint32_t*>(m_pixels.data());
}

void* WindowSurface::Bits() {
    uint32_t* data = Data();
    return data == nullptr ? &g_emptyPixel : data;
}

uint32_t* WindowSurface::Pixels() {
    if (m_memory != nullptr)
        m_memory->BeforeWrite();
    return Data();
}

void WindowSurface::Resize(int width, int height, bool layered) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height)
        return;
    std::unique_ptr<SurfaceMemory> memory =
        width > 0 && height > 0 ? ActiveBackend().NewSurfaceMemory(width, height, layered)
                                : nullptr;
    std::vector<uint32_t> pixels;
    uint32_t* to = nullptr;
    if (memory != nullptr) {
        to = memory->Pixels();
        std::memset(to, 0, size_t(width) * size_t(height) * 4);
    } else {
        pixels.assign(size_t(width) * height, 0);
        to = pixels.data();
    }
    const uint32_t* from = Data();
    int keepWidth = std::min(width, m_width), keepHeight = std::min(height, m_height);
    for (int y = 0; y < keepHeight; ++y)
        std::memcpy(to + size_t(y) * width, from + size_t(y) * m_width, size_t(keepWidth) * 4);
    // The DCs move to the new pixels before the old ones go.
    m_memory.swap(memory);
    m_pixels.swap(pixels);
    m_width = width;
    m_height = height;
    for (HDC hdc : m_dcs)
        platform::RebindSurfaceDC(hdc, Bits(), std::max(m_width, 1), std::max(m_height, 1),
                                  std::max(m_width, 1) * 4);
}

HDC WindowSurface::NewDC() {
    if (m_memory != nullptr)
        m_memory->BeforeWrite();
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
    return SurfaceView{Data(), m_width, m_height, m_width * 4};
}

}  // namespace platform::user
