// Shared fixture of the X11 tests: a private Xvfb, the X11 backend installed, a recording test
// window.
#pragma once

// gtest before any X header: Xlib's None and Bool macros would rewrite its names.
#include <gtest/gtest.h>

#include "platform/backends/x11/x11_backend.h"

#include <X11/Xutil.h>

#include <memory>
#include <string>
#include <vector>

#include "XServerProcess.h"

namespace x11test {

// The colour the test window paints into quadrant 0 (top left) to 3 (bottom right).
COLORREF QuadrantColour(int index);

struct Recorded {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the test window procedure answers and remembers.
struct WindowScript {
    int hitTest = HTCLIENT;
    POINT minTrack{1, 1};
    POINT maxTrack{32767, 32767};
    std::vector<Recorded> messages;
};

class X11Test : public ::testing::Test {
protected:
    static constexpr int WAIT_MS = 5000;

    void SetUp() override;
    void TearDown() override;

    // A top-level popup of the test class at a screen rectangle, shown and painted.
    HWND OpenWindow(int x, int y, int width, int height, DWORD exStyle = 0,
                    const char* title = "x11 test");
    Window Xid(HWND hwnd) const { return m_backend->NativeHandle(hwnd); }

    // Runs the message loop until check holds or the bound passes.
    bool PumpUntil(const std::function<bool()>& check, int timeoutMs = WAIT_MS);
    void PumpFor(int ms);
    bool WaitViewable(HWND hwnd);
    void StartWindowManager();
    void StartCompositor();

    // Input through the server, as a user's would come.
    void MovePointer(int x, int y);
    void Button(unsigned button, bool press);
    void TapKey(KeySym keysym);
    void Drag(POINT from, POINT to);

    bool Received(UINT message) const;
    const Recorded* Last(UINT message) const;
    XWindowAttributes Attributes(HWND hwnd) const;
    RECT ServerRect(HWND hwnd) const;
    // The ICCCM state the manager gives a window (IconicState, NormalState), -1 before it has one.
    long WmState(HWND hwnd) const;

    std::unique_ptr<Xvfb> m_server;
    Display* m_observer = nullptr;  // the test's own connection
    platform::x11::X11Backend* m_backend = nullptr;
    std::vector<std::unique_ptr<ChildProcess>> m_helpers;
    std::vector<HWND> m_windows;
    WindowScript m_script;
};

}  // namespace x11test
