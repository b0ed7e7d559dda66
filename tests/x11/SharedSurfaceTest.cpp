// Window surfaces whose pixels live in shared memory: what a resize keeps reaches the server, and
// memory that outlives its backend frees itself quietly.
#include "X11Fixture.h"

#include <cstring>

namespace x11test {

namespace {

uint32_t Rgb(COLORREF c) {
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

uint32_t Pixel(Display* dpy, Window w, int x, int y) {
    XImage* image = XGetImage(dpy, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return 0xFFFFFFFFu;
    uint32_t pixel = uint32_t(XGetPixel(image, 0, 0)) & 0xffffff;
    XDestroyImage(image);
    return pixel;
}

}  // namespace

// Growing a window repaints only the new strips: the kept area must show the old quadrants from
// the new memory, the strips the new ones; shrinking keeps the top left.
TEST_F(X11Test, ResizedWindowShowsKeptAndNewPixels) {
    HWND hwnd = OpenWindow(10, 10, 300, 200);
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(100);
    struct Probe {
        int x, y, quadrant;
    };
    struct Step {
        int width, height;
        Probe probes[3];
    };
    const Step steps[] = {
        // old split at (150, 100), new at (200, 150): the strips are x >= 300 and y >= 200
        {400, 300, {{250, 120, 3}, {350, 50, 1}, {50, 250, 2}}},
        {120, 90, {{10, 10, 0}, {110, 10, 0}, {110, 80, 0}}},
    };
    for (const Step& step : steps) {
        SetWindowPos(hwnd, nullptr, 0, 0, step.width, step.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        auto shows = [&] {
            for (const Probe& p : step.probes)
                if (Pixel(m_observer, Xid(hwnd), p.x, p.y) != Rgb(QuadrantColour(p.quadrant)))
                    return false;
            return true;
        };
        EXPECT_TRUE(PumpUntil(shows)) << step.width << "x" << step.height;
    }
}

// A backend may go while a window's memory is still held (a test swapping backends, a window
// not yet destroyed at exit): the memory is written and freed without touching the connection.
TEST_F(X11Test, SurfaceMemoryOutlivesItsBackend) {
    std::string why;
    auto* connection = platform::x11::Connection::Open(m_server->Display().c_str(), why);
    ASSERT_NE(connection, nullptr) << why;
    auto* backend = new platform::x11::X11Backend(connection);
    std::unique_ptr<platform::user::SurfaceMemory> large = backend->NewSurfaceMemory(300, 200);
    std::unique_ptr<platform::user::SurfaceMemory> small = backend->NewSurfaceMemory(60, 40);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(small, nullptr);  // small windows keep their pixels in the core
    delete backend;
    large->BeforeWrite();
    std::memset(large->Pixels(), 0x7F, 300 * 200 * 4);
    EXPECT_EQ(large->Pixels()[300 * 200 - 1], 0x7F7F7F7Fu);
    large.reset();
}

}  // namespace x11test
