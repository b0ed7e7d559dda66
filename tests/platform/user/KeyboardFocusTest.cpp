// Focus and activation messages, injected keys and the characters they type.
#include "InputFixture.h"

using platform::headless::PressKey;
using platform::headless::ReleaseKey;
using usertest::Received;

namespace {

class KeyboardFocus : public usertest::InputTest {};

}  // namespace

TEST_F(KeyboardFocus, FocusMovesWithKillAndSetFocusMessages) {
    HWND a = Make(RECT{0, 0, 50, 50});
    HWND child = CreateWindowExA(0, "InputDbl", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, a, nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(GetActiveWindow(), a) << "showing activates";
    EXPECT_EQ(GetFocus(), a);
    usertest::Log().clear();
    EXPECT_EQ(SetFocus(child), a);
    EXPECT_EQ(GetFocus(), child);
    std::vector<Received> got = Take();
    std::vector<UINT> focus;
    for (const Received& r : got) {
        if (r.message == WM_KILLFOCUS || r.message == WM_SETFOCUS)
            focus.push_back(r.message);
        if (r.message == WM_KILLFOCUS) {
            EXPECT_EQ(r.wParam, reinterpret_cast<WPARAM>(child));
        }
    }
    EXPECT_EQ(focus, (std::vector<UINT>{WM_KILLFOCUS, WM_SETFOCUS}));

    HWND b = Make(RECT{100, 0, 150, 50});
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b) << "activation moves the focus out of the old window";
    DestroyWindow(b);
    EXPECT_EQ(GetActiveWindow(), a) << "the remaining window is activated";
    EXPECT_EQ(GetFocus(), a);
}

TEST_F(KeyboardFocus, KeysReachTheFocusWindowAndTranslateToCharacters) {
    HWND hwnd = Make(RECT{0, 0, 50, 50});
    SetFocus(hwnd);
    Take();
    PressKey('A', "a");
    ReleaseKey('A');
    PressKey('X', "\xC4\xE3");  // one code page 936 character: two bytes
    std::vector<Received> got = InputOnly(Take());
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(got[0].wParam, WPARAM('A'));
    EXPECT_EQ(got[0].lParam & 0xFFFF, 1) << "repeat count";
    EXPECT_EQ(got[1].message, UINT(WM_CHAR));
    EXPECT_EQ(got[1].wParam, WPARAM('a'));
    EXPECT_EQ(got[2].message, UINT(WM_KEYUP));
    EXPECT_EQ(DWORD(got[2].lParam) >> 30, 3u) << "previous state and transition bits";
    EXPECT_EQ(got[4].wParam, WPARAM(0xC4));
    EXPECT_EQ(got[5].wParam, WPARAM(0xE3));
}

TEST_F(KeyboardFocus, AltMakesSystemKeysAndModifierStateIsReadable) {
    HWND hwnd = Make(RECT{0, 0, 50, 50});
    SetFocus(hwnd);
    Take();
    PressKey(VK_MENU);
    EXPECT_NE(GetAsyncKeyState(VK_MENU) & 0x8000, 0);
    std::vector<Received> received = InputOnly(Take());
    EXPECT_LT(GetKeyState(VK_MENU), 0) << "once its message is read";
    PressKey('F', "f");
    ReleaseKey('F');
    ReleaseKey(VK_MENU);
    EXPECT_EQ(GetAsyncKeyState(VK_MENU), 0);
    EXPECT_LT(GetKeyState(VK_MENU), 0) << "the release is not read yet";
    for (const Received& r : InputOnly(Take()))
        received.push_back(r);
    EXPECT_GE(GetKeyState(VK_MENU), 0);
    std::vector<UINT> got;
    for (const Received& r : received)
        got.push_back(r.message);
    EXPECT_EQ(got, (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP,
                                      WM_SYSKEYUP}));
}

TEST_F(KeyboardFocus, DisablingTheFocusWindowTakesTheFocusAway) {
    HWND hwnd = Make(RECT{0, 0, 50, 50});
    SetFocus(hwnd);
    EnableWindow(hwnd, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    PressKey(VK_RETURN, "\r");
    ReleaseKey(VK_RETURN);
    EXPECT_TRUE(InputOnly(Take()).empty());
}
