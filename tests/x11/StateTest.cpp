// Minimise and restore under a window manager, asked by the program or by the manager itself.
#include "X11Fixture.h"

#include <X11/Xatom.h>

#include <functional>

namespace x11test {

TEST_F(X11Test, MinimiseAndRestoreFollowTheManager) {
    StartWindowManager();
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd));
    ASSERT_TRUE(PumpUntil([&] { return WmState(hwnd) == IconicState; }));
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_FALSE(IsIconic(hwnd));
    ASSERT_TRUE(WaitViewable(hwnd));
    PumpFor(100);
    EXPECT_FALSE(IsIconic(hwnd));
    // The manager iconifies it on its own (a taskbar click): the core reads it back.
    XIconifyWindow(m_observer, Xid(hwnd), DefaultScreen(m_observer));
    XFlush(m_observer);
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(hwnd) != FALSE; }));
    XMapWindow(m_observer, Xid(hwnd));
    XFlush(m_observer);
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(hwnd) == FALSE; }));
}

// A restore asked before the manager has carried out the minimise must still win.
TEST_F(X11Test, RestoreRightAfterMinimiseEndsRestored) {
    StartWindowManager();
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    XSelectInput(m_observer, Xid(hwnd), StructureNotifyMask);
    XSync(m_observer, False);
    ShowWindow(hwnd, SW_MINIMIZE);
    ShowWindow(hwnd, SW_RESTORE);
    XEvent event;
    // The manager's iconify lands either way; then the window has to come back by itself.
    ASSERT_TRUE(PumpUntil([&] {
        return XCheckTypedWindowEvent(m_observer, Xid(hwnd), UnmapNotify, &event) != False;
    })) << "the manager never iconified the window";
    EXPECT_TRUE(PumpUntil([&] {
        return Attributes(hwnd).map_state == IsViewable && WmState(hwnd) == NormalState;
    })) << "the late iconify won over the restore";
    PumpFor(100);
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(Attributes(hwnd).map_state, IsViewable);
}

TEST_F(X11Test, MaximiseFillsTheWorkAreaAndTheManagerKnowsIt) {
    StartWindowManager();
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    ShowWindow(hwnd, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(hwnd));
    Atom netState = XInternAtom(m_observer, "_NET_WM_STATE", False);
    Atom vert = XInternAtom(m_observer, "_NET_WM_STATE_MAXIMIZED_VERT", False);
    ASSERT_TRUE(PumpUntil([&] {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(m_observer, Xid(hwnd), netState, 0, 16, False, XA_ATOM, &type, &format,
                           &count, &after, &data);
        bool found = false;
        for (unsigned long i = 0; data != nullptr && i < count; ++i)
            found = found || reinterpret_cast<Atom*>(data)[i] == vert;
        if (data != nullptr)
            XFree(data);
        return found;
    }));
    EXPECT_TRUE(PumpUntil([&] { return ServerRect(hwnd).right - ServerRect(hwnd).left == 1280; }));
    PumpFor(100);
    EXPECT_TRUE(IsZoomed(hwnd));
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_TRUE(PumpUntil([&] { return ServerRect(hwnd).right - ServerRect(hwnd).left == 200; }));
    EXPECT_FALSE(IsZoomed(hwnd));
}

TEST_F(X11Test, MinimiseWithoutAManagerHidesAndRestoreShows) {
    HWND hwnd = OpenWindow(100, 100, 200, 150);
    ASSERT_TRUE(WaitViewable(hwnd));
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_TRUE(PumpUntil([&] { return Attributes(hwnd).map_state == IsUnmapped; }));
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_TRUE(WaitViewable(hwnd));
    EXPECT_FALSE(IsIconic(hwnd));
}

TEST_F(X11Test, WorkAreaComesFromTheManagerInsideTheMonitor) {
    StartWindowManager();
    ASSERT_TRUE(PumpUntil([&] {
        Atom area = XInternAtom(m_observer, "_NET_WORKAREA", False);
        int count = 0;
        Atom* props = XListProperties(m_observer, DefaultRootWindow(m_observer), &count);
        bool found = false;
        for (int i = 0; i < count; ++i)
            found = found || props[i] == area;
        if (props != nullptr)
            XFree(props);
        return found;
    }));
    std::vector<platform::user::NativeMonitor> monitors = m_backend->Monitors();
    ASSERT_FALSE(monitors.empty());
    const RECT& work = monitors[0].workArea;
    EXPECT_GE(work.left, monitors[0].bounds.left);
    EXPECT_LE(work.right, monitors[0].bounds.right);
    EXPECT_GT(work.right - work.left, 0);
}

}  // namespace x11test
