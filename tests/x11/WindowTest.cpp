// Plain windows on the server: frame hints, title, class, size, the pixels they show and the
// shared memory they are shown from.
#include "X11Fixture.h"

#include <X11/Xatom.h>
#include <X11/extensions/shape.h>
#include <unistd.h>

#include <cstring>
#include <memory>

#include "platform/kernel.h"

namespace x11test {

namespace {

std::string StringProperty(Display* dpy, Window w, const char* name, Atom type) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(dpy, w, XInternAtom(dpy, name, False), 0, 1024, False, type, &actual,
                       &format, &count, &after, &data);
    std::string value = data != nullptr ? std::string(reinterpret_cast<char*>(data), count) : "";
    if (data != nullptr)
        XFree(data);
    return value;
}

std::vector<long> LongProperty(Display* dpy, Window w, const char* name) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(dpy, w, XInternAtom(dpy, name, False), 0, 64, False, AnyPropertyType,
                       &actual, &format, &count, &after, &data);
    std::vector<long> values;
    if (data != nullptr && format == 32)
        values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    if (data != nullptr)
        XFree(data);
    return values;
}

uint32_t Rgb(COLORREF c) {
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

}  // namespace

TEST_F(X11Test, WindowOpensUndecoratedAtItsSizeWithItsTitleAndClass) {
    // The title arrives in code page 936 and must reach the server as UTF-8.
    const char* utf8Title = reinterpret_cast<const char*>(u8"Lumora 线路");
    HWND hwnd = OpenWindow(100, 80, 240, 160, 0, platform::Utf8ToAnsi(utf8Title).c_str());
    ASSERT_TRUE(WaitViewable(hwnd));
    Window w = Xid(hwnd);
    RECT rect = ServerRect(hwnd);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 80);
    EXPECT_EQ(rect.right - rect.left, 240);
    EXPECT_EQ(rect.bottom - rect.top, 160);
    Atom utf8 = XInternAtom(m_observer, "UTF8_STRING", False);
    EXPECT_EQ(StringProperty(m_observer, w, "_NET_WM_NAME", utf8), utf8Title);
    EXPECT_EQ(StringProperty(m_observer, w, "WM_NAME", AnyPropertyType), utf8Title);
    std::vector<long> motif = LongProperty(m_observer, w, "_MOTIF_WM_HINTS");
    ASSERT_EQ(motif.size(), 5u);
    EXPECT_EQ(motif[0], 2);  // decorations field given
    EXPECT_EQ(motif[2], 0);  // and none of them
    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(m_observer, w, &hint));
    EXPECT_STREQ(hint.res_class, "LumoraX11Test");
    XFree(hint.res_name);
    XFree(hint.res_class);
    std::vector<long> pid = LongProperty(m_observer, w, "_NET_WM_PID");
    ASSERT_EQ(pid.size(), 1u);
    EXPECT_EQ(pid[0], long(getpid()));
}

TEST_F(X11Test, ServerShowsExactlyThePaintedPixels) {
    HWND hwnd = OpenWindow(10, 10, 120, 90);
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(100);
    XImage* image = XGetImage(m_observer, Xid(hwnd), 0, 0, 120, 90, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    int wrong = 0;
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 120; ++x) {
            int quadrant = (x >= 60 ? 1 : 0) + (y >= 45 ? 2 : 0);
            uint32_t got = uint32_t(XGetPixel(image, x, y)) & 0xffffff;
            wrong += got != Rgb(QuadrantColour(quadrant)) ? 1 : 0;
        }
    }
    XDestroyImage(image);
    EXPECT_EQ(wrong, 0);
}

TEST_F(X11Test, WindowRegionBecomesTheBoundingShape) {
    HWND hwnd = OpenWindow(10, 10, 120, 90);
    ASSERT_TRUE(WaitViewable(hwnd));
    SetWindowRgn(hwnd, CreateRectRgn(10, 5, 110, 85), TRUE);
    PumpFor(50);
    int count = 0, ordering = 0;
    XRectangle* rects =
        XShapeGetRectangles(m_observer, Xid(hwnd), ShapeBounding, &count, &ordering);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(rects[0].x, 10);
    EXPECT_EQ(rects[0].y, 5);
    EXPECT_EQ(rects[0].width, 100);
    EXPECT_EQ(rects[0].height, 80);
    XFree(rects);
    SetWindowRgn(hwnd, nullptr, TRUE);  // back to the whole window
    PumpFor(50);
    rects = XShapeGetRectangles(m_observer, Xid(hwnd), ShapeBounding, &count, &ordering);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(rects[0].width, 120);
    XFree(rects);
}

TEST_F(X11Test, OwnedWindowIsTransientAndModalWhileItsOwnerIsDisabled) {
    HWND owner = OpenWindow(10, 10, 200, 150);
    ASSERT_TRUE(WaitViewable(owner));
    EnableWindow(owner, FALSE);
    HWND owned = CreateWindowExA(0, "LumoraX11Test", "owned", WS_POPUP, 40, 40, 100, 60, owner,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(owned, nullptr);
    m_windows.insert(m_windows.begin(), owned);  // destroyed before its owner
    ShowWindow(owned, SW_SHOW);
    ASSERT_TRUE(WaitViewable(owned));
    Window transientFor = None;
    ASSERT_TRUE(XGetTransientForHint(m_observer, Xid(owned), &transientFor));
    EXPECT_EQ(transientFor, Xid(owner));
    std::vector<long> state = LongProperty(m_observer, Xid(owned), "_NET_WM_STATE");
    ASSERT_EQ(state.size(), 1u);
    EXPECT_EQ(Atom(state[0]), XInternAtom(m_observer, "_NET_WM_STATE_MODAL", False));
    EnableWindow(owner, TRUE);
}

TEST_F(X11Test, DeleteRequestFromTheManagerBecomesClose) {
    HWND hwnd = OpenWindow(10, 10, 80, 60);
    ASSERT_TRUE(WaitViewable(hwnd));
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Xid(hwnd);
    event.xclient.message_type = XInternAtom(m_observer, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(m_observer, "WM_DELETE_WINDOW", False));
    XSendEvent(m_observer, Xid(hwnd), False, NoEventMask, &event);
    XFlush(m_observer);
    EXPECT_TRUE(PumpUntil([&] { return Received(WM_CLOSE); }));
}

TEST_F(X11Test, WorkAreaIsTheScreenWithoutAManager) {
    std::vector<platform::user::NativeMonitor> monitors = m_backend->Monitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(monitors[0].bounds.right - monitors[0].bounds.left, 1280);
    EXPECT_EQ(monitors[0].bounds.bottom - monitors[0].bounds.top, 800);
    EXPECT_EQ(std::memcmp(&monitors[0].workArea, &monitors[0].bounds, sizeof(RECT)), 0);
    EXPECT_TRUE(monitors[0].primary);
}

}  // namespace x11test

namespace x11test {

namespace {

void FillClient(HWND hwnd, COLORREF colour) {
    RECT client{};
    GetClientRect(hwnd, &client);
    HDC hdc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, hdc);  // presents the whole client
}

uint32_t ServerPixel(Display* dpy, Window w, int x, int y) {
    XImage* image = XGetImage(dpy, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return 0xFFFFFFFFu;
    uint32_t pixel = uint32_t(XGetPixel(image, 0, 0)) & 0xffffff;
    XDestroyImage(image);
    return pixel;
}

}  // namespace

// Presents do not wait for the server: large ones go through shared memory, written again only
// once the server has read it, small ones through the socket; a burst of both, without pumping
// in between, still ends with exactly the last pixels everywhere.
TEST_F(X11Test, PresentsInARowEndWithTheLastPixels) {
    HWND large = OpenWindow(10, 10, 300, 200);  // 60000 pixels: shared memory
    HWND small = OpenWindow(330, 10, 60, 40);   // 2400 pixels: the socket
    ASSERT_TRUE(WaitViewable(large) && WaitViewable(small));
    PumpFor(100);
    const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(10, 20, 30)};
    for (HWND hwnd : {large, small})
        for (COLORREF colour : colours)
            FillClient(hwnd, colour);
    // A small repaint right behind a shared-memory put the server may still be reading.
    RECT corner{0, 0, 8, 8};
    InvalidateRect(large, &corner, FALSE);
    UpdateWindow(large);
    uint32_t last = Rgb(colours[3]);
    auto shows = [&] {
        return ServerPixel(m_observer, Xid(large), 150, 100) == last &&
               ServerPixel(m_observer, Xid(large), 299, 199) == last &&
               ServerPixel(m_observer, Xid(large), 2, 2) == Rgb(QuadrantColour(0)) &&
               ServerPixel(m_observer, Xid(large), 8, 8) == last &&
               ServerPixel(m_observer, Xid(small), 30, 20) == last;
    };
    EXPECT_TRUE(PumpUntil(shows));
}

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
                if (ServerPixel(m_observer, Xid(hwnd), p.x, p.y) != Rgb(QuadrantColour(p.quadrant)))
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
    std::unique_ptr<platform::user::SurfaceMemory> large =
        backend->NewSurfaceMemory(300, 200, false);
    // Small and layered windows keep their pixels in the core.
    EXPECT_EQ(backend->NewSurfaceMemory(60, 40, false), nullptr);
    EXPECT_EQ(backend->NewSurfaceMemory(300, 200, true), nullptr);
    delete backend;
    ASSERT_NE(large, nullptr) << "Xvfb has MIT-SHM: a large plain window is lent a segment";
    large->BeforeWrite();
    std::memset(large->Pixels(), 0x7F, 300 * 200 * 4);
    EXPECT_EQ(large->Pixels()[300 * 200 - 1], 0x7F7F7F7Fu);
    large.reset();
}

}  // namespace x11test
