// The pixels a window draws into, and the DCs that draw into them.
#pragma once

#include <cstdint>
#include <memory>
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
    // moves every DC over to the new buffer, which the active backend lends
    // when it can present it without a copy.
    void Resize(int width, int height, bool layered);
    // A DC drawing into the pixels; it stays bound until Release. Waits until
    // the display has read the last present.
    HDC NewDC();
    bool Release(HDC hdc);
    bool Owns(HDC hdc) const;
    SurfaceView View() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixels for writing, once the display has read the last present.
    uint32_t* Pixels();

private:
    void* Bits();
    uint32_t* Data() const;

    std::unique_ptr<SurfaceMemory> m_memory;  // the backend's, or null: then m_pixels
    std::vector<uint32_t> m_pixels;
    int m_width = 0;
    int m_height = 0;
    std::vector<HDC> m_dcs;
};

}  // namespace platform::user
