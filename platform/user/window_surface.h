// The pixels a window draws into, and the DCs that draw into them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/user.h"
#include "platform/user/backend.h"

namespace platform::user {

class WindowSurface {
public:
    WindowSurface() = default;
    ~WindowSurface();
    WindowSurface(const WindowSurface&) = delete;
    WindowSurface& operator=(const WindowSurface&) = delete;

    // Keeps the pixels that still fit (the rest starts transparent black) and
    // moves every DC over to the new buffer.
    void Resize(int width, int height);
    // A DC drawing into the pixels; it stays bound until Release.
    HDC NewDC();
    bool Release(HDC hdc);
    bool Owns(HDC hdc) const;
    SurfaceView View() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t* Pixels() { return m_pixels.data(); }

private:
    void* Bits();

    std::vector<uint32_t> m_pixels;
    int m_width = 0;
    int m_height = 0;
    std::vector<HDC> m_dcs;
};

}  // namespace platform::user
