// Pointer and key input through the server arrive as the right window messages.
#include "X11Fixture.h"

#include <X11/keysym.h>

namespace x11test {

TEST_F(X11Test, PointerInputArrivesInClientCoordinates) {
    HWND hwnd = OpenWindow(200, 150, 160, 120);
    ASSERT_TRUE(WaitViewable(hwnd));
    MovePointer(230, 190);
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_MOUSEMOVE); }));
    EXPECT_EQ(Last(WM_MOUSEMOVE)->lParam, MAKELPARAM(30, 40));
    Button(1, true);
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_LBUTTONDOWN); }));
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->lParam, MAKELPARAM(30, 40));
    EXPECT_NE(Last(WM_LBUTTONDOWN)->wParam & MK_LBUTTON, 0u);
    MovePointer(240, 200);
    Button(1, false);
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_LBUTTONUP); }));
    EXPECT_EQ(Last(WM_LBUTTONUP)->lParam, MAKELPARAM(40, 50));
}

TEST_F(X11Test, CaptureTakesThePointerOutsideTheWindow) {
    HWND hwnd = OpenWindow(200, 150, 160, 120);
    ASSERT_TRUE(WaitViewable(hwnd));
    MovePointer(210, 160);
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_MOUSEMOVE); }));
    SetCapture(hwnd);
    XSync(m_backend->NativeDisplay(), False);
    MovePointer(180, 140);
    ASSERT_TRUE(PumpUntil([&] {
        const Recorded* move = Last(WM_MOUSEMOVE);
        return move != nullptr && move->lParam == MAKELPARAM(-20, -10);
    }));
    ReleaseCapture();
    XSync(m_backend->NativeDisplay(), False);  // the ungrab is in before the next motion
    m_script.messages.clear();
    MovePointer(170, 130);
    PumpFor(100);
    EXPECT_FALSE(Received(WM_MOUSEMOVE));
}

TEST_F(X11Test, WheelNotchesBecomeOneWheelMessageEach) {
    HWND hwnd = OpenWindow(200, 150, 160, 120);
    ASSERT_TRUE(WaitViewable(hwnd));
    MovePointer(250, 200);
    Button(4, true);
    Button(4, false);
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_MOUSEWHEEL); }));
    EXPECT_EQ(short(HIWORD(Last(WM_MOUSEWHEEL)->wParam)), 120);
    EXPECT_FALSE(Received(WM_LBUTTONDOWN));
}

struct KeyCase {
    KeySym keysym;
    WPARAM vk;
    WPARAM character;
};

TEST_F(X11Test, KeysArriveAsKeyDownAndCharacter) {
    HWND hwnd = OpenWindow(200, 150, 160, 120);
    ASSERT_TRUE(WaitViewable(hwnd));
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    ASSERT_TRUE(PumpUntil([&] {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(m_observer, &focus, &revert);
        return focus == Xid(hwnd);
    }));
    const KeyCase cases[] = {{XK_Tab, VK_TAB, '\t'}, {XK_Escape, VK_ESCAPE, 27}, {XK_a, 'A', 'a'}};
    for (const KeyCase& c : cases) {
        m_script.messages.clear();
        TapKey(c.keysym);
        ASSERT_TRUE(PumpUntil([&] { return Received(WM_CHAR) && Received(WM_KEYUP); }))
            << "keysym " << c.keysym;
        EXPECT_EQ(Last(WM_KEYDOWN)->wParam, c.vk);
        EXPECT_EQ(Last(WM_CHAR)->wParam, c.character);
        EXPECT_EQ(Last(WM_KEYUP)->wParam, c.vk);
    }
}

}  // namespace x11test
