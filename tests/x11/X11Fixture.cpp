// The X11 tests' fixture: server, backend, test window procedure, pumping and XTest input.
#include "X11Fixture.h"

#include <X11/extensions/XTest.h>
#include <poll.h>

namespace x11test {

namespace {

constexpr char TEST_CLASS[] = "LumoraX11Test";
WindowScript* g_script = nullptr;

// Four quadrants of known colours, so a read-back can be compared exactly.
void PaintQuadrants(HWND hwnd) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    LONG midX = client.right / 2, midY = client.bottom / 2;
    RECT parts[4] = {{0, 0, midX, midY},
                     {midX, 0, client.right, midY},
                     {0, midY, midX, client.bottom},
                     {midX, midY, client.right, client.bottom}};
    for (int i = 0; i < 4; ++i) {
        HBRUSH brush = CreateSolidBrush(QuadrantColour(i));
        FillRect(dc, &parts[i], brush);
        DeleteObject(brush);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK TestProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    if (g_script != nullptr)
        g_script->messages.push_back(Recorded{message, wp, lp});
    switch (message) {
        case WM_NCHITTEST:
            return g_script != nullptr ? g_script->hitTest : HTCLIENT;
        case WM_GETMINMAXINFO:
            if (g_script != nullptr) {
                auto* info = reinterpret_cast<MINMAXINFO*>(lp);
                info->ptMinTrackSize = g_script->minTrack;
                info->ptMaxTrackSize = g_script->maxTrack;
            }
            return 0;
        case WM_PAINT:
            PaintQuadrants(hwnd);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wp, lp);
    }
}

}  // namespace

COLORREF QuadrantColour(int index) {
    static const COLORREF colours[4] = {RGB(200, 30, 40), RGB(20, 180, 60), RGB(30, 60, 220),
                                        RGB(250, 240, 10)};
    return colours[index];
}

void X11Test::SetUp() {
    m_server = std::make_unique<Xvfb>();
    ASSERT_FALSE(m_server->Display().empty()) << "Xvfb did not start";
    std::string why;
    platform::x11::Connection* connection =
        platform::x11::Connection::Open(m_server->Display().c_str(), why);
    ASSERT_NE(connection, nullptr) << why;
    m_backend = new platform::x11::X11Backend(connection);
    platform::user::InstallBackend(m_backend);
    m_observer = XOpenDisplay(m_server->Display().c_str());
    ASSERT_NE(m_observer, nullptr);
    static bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = TestProc;
        wc.lpszClassName = TEST_CLASS;
        return RegisterClassExA(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    g_script = &m_script;
}

void X11Test::TearDown() {
    for (HWND hwnd : m_windows)
        DestroyWindow(hwnd);
    g_script = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    platform::user::InstallBackend(nullptr);
    delete m_backend;
    if (m_observer != nullptr)
        XCloseDisplay(m_observer);
    m_helpers.clear();
    m_server.reset();
}

HWND X11Test::OpenWindow(int x, int y, int width, int height, DWORD exStyle, const char* title) {
    HWND hwnd = CreateWindowExA(exStyle, TEST_CLASS, title, WS_POPUP, x, y, width, height, nullptr,
                                nullptr, nullptr, nullptr);
    EXPECT_NE(hwnd, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    m_windows.push_back(hwnd);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return hwnd;
}

bool X11Test::PumpUntil(const std::function<bool()>& check, int timeoutMs) {
    return WaitFor(
        [&] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            XSync(m_observer, False);
            return check();
        },
        timeoutMs);
}

void X11Test::PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

XWindowAttributes X11Test::Attributes(HWND hwnd) const {
    XWindowAttributes attrs{};
    XGetWindowAttributes(m_observer, Xid(hwnd), &attrs);
    return attrs;
}

bool X11Test::WaitViewable(HWND hwnd) {
    return PumpUntil([&] { return Attributes(hwnd).map_state == IsViewable; });
}

RECT X11Test::ServerRect(HWND hwnd) const {
    XWindowAttributes attrs = Attributes(hwnd);
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(m_observer, Xid(hwnd), DefaultRootWindow(m_observer), 0, 0, &x, &y,
                          &child);
    return RECT{x, y, x + attrs.width, y + attrs.height};
}

long X11Test::WmState(HWND hwnd) const {
    Atom wmState = XInternAtom(m_observer, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(m_observer, Xid(hwnd), wmState, 0, 2, False, wmState, &type, &format, &count,
                       &after, &data);
    long state = data != nullptr && count > 0 ? reinterpret_cast<long*>(data)[0] : -1;
    if (data != nullptr)
        XFree(data);
    return state;
}

// Ready means managing: the manager has put its WM_STATE on a probe window.
void X11Test::StartWindowManager() {
    m_helpers.push_back(std::make_unique<ChildProcess>(
        std::vector<std::string>{"openbox", "--sm-disable"}, m_server->Display()));
    Window probe =
        XCreateSimpleWindow(m_observer, DefaultRootWindow(m_observer), 0, 0, 10, 10, 0, 0, 0);
    Atom wmState = XInternAtom(m_observer, "WM_STATE", False);
    bool up = WaitFor(
        [&] {
            XMapWindow(m_observer, probe);
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(m_observer, probe, wmState, 0, 1, False, AnyPropertyType, &type,
                               &format, &count, &after, &data);
            if (data != nullptr)
                XFree(data);
            return count == 1;
        },
        WAIT_MS * 2);
    XDestroyWindow(m_observer, probe);
    XSync(m_observer, False);
    ASSERT_TRUE(up) << "openbox did not start";
}

void X11Test::StartCompositor() {
    m_helpers.push_back(
        std::make_unique<ChildProcess>(std::vector<std::string>{"xcompmgr"}, m_server->Display()));
    Atom selection = XInternAtom(m_observer, "_NET_WM_CM_S0", False);
    bool up =
        WaitFor([&] { return XGetSelectionOwner(m_observer, selection) != None; }, WAIT_MS * 2);
    ASSERT_TRUE(up) << "xcompmgr did not start";
}

void X11Test::MovePointer(int x, int y) {
    XTestFakeMotionEvent(m_observer, -1, x, y, CurrentTime);
    XSync(m_observer, False);
}

void X11Test::Button(unsigned button, bool press) {
    XTestFakeButtonEvent(m_observer, button, press ? True : False, CurrentTime);
    XSync(m_observer, False);
}

void X11Test::TapKey(KeySym keysym) {
    KeyCode code = XKeysymToKeycode(m_observer, keysym);
    XTestFakeKeyEvent(m_observer, code, True, CurrentTime);
    XTestFakeKeyEvent(m_observer, code, False, CurrentTime);
    XSync(m_observer, False);
}

// A drag in small steps, each given time to arrive, as a hand would make it.
void X11Test::Drag(POINT from, POINT to) {
    MovePointer(from.x, from.y);
    PumpFor(50);
    Button(1, true);
    PumpFor(50);
    constexpr int STEPS = 5;
    for (int i = 1; i <= STEPS; ++i) {
        MovePointer(from.x + (to.x - from.x) * i / STEPS, from.y + (to.y - from.y) * i / STEPS);
        PumpFor(30);
    }
    Button(1, false);
    PumpFor(100);
}

bool X11Test::Received(UINT message) const {
    return Last(message) != nullptr;
}

const Recorded* X11Test::Last(UINT message) const {
    for (auto it = m_script.messages.rbegin(); it != m_script.messages.rend(); ++it) {
        if (it->message == message)
            return &*it;
    }
    return nullptr;
}

}  // namespace x11test
