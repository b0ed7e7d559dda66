// The process's input state: keys, pointer, capture, focus, activation and tracking.
#pragma once

#include <array>
#include <deque>
#include <mutex>

#include "platform/user.h"

namespace platform::user {

// One byte a virtual key: 0x80 down, 0x01 toggled.
using KeyTable = std::array<BYTE, 256>;

struct ClickMemory {
    HWND hwnd = nullptr;
    UINT button = 0;  // the WM_*BUTTONDOWN message
    DWORD time = 0;
    POINT pos{};  // screen
    bool wasDouble = false;
};

struct MouseTracking {
    HWND hwnd = nullptr;
    DWORD flags = 0;  // TME_HOVER | TME_LEAVE still armed
    DWORD hoverTime = 400;
};

// The text a key press typed, kept until TranslateMessage meets its WM_KEYDOWN.
struct KeyText {
    HWND hwnd = nullptr;
    WPARAM vk = 0;
    DWORD time = 0;
    bool sys = false;
    char text[8] = {};
};

struct InputState {
    std::mutex lock;
    KeyTable keys{};
    POINT cursor{};  // screen
    HWND capture = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND pointerWindow = nullptr;  // the window the pointer was last over
    ClickMemory lastClick;
    MouseTracking tracking;
    std::deque<KeyText> keyTexts;  // oldest first, bounded
};

InputState& Input();
// What GetAsyncKeyState and the MK_* flags read, updated from native events.
void SetKeyDown(int vk, bool down);
bool IsKeyDown(int vk);
// The live table, for an input message to carry to the thread that reads it.
KeyTable KeySnapshot();
// Clears the live table and the calling thread's retrieved one.
void ResetKeyState();
WPARAM MouseKeyFlags();
// A child's parent, null for a top-level window.
HWND GetAncestorParent(HWND hwnd);
// Enabled, and so is every ancestor.
bool AcceptsInput(HWND hwnd);
// Gives the focus to hwnd (null: nobody) and tells the old and new windows.
HWND MoveFocus(HWND hwnd);
// Deactivates the active window, then activates hwnd (may be null); with
// moveFocus a focus outside hwnd then moves to hwnd.
HWND ActivateWindow(HWND hwnd, bool moveFocus);
// The active window hwnd goes away: its owner, else another shown window,
// becomes active.
void ActivateOtherWindow(HWND hwnd);
// Motion inside a window whose hover report is armed starts the rest again.
void RearmHover(HWND hwnd, POINT client);
// DefWindowProcA's WM_SETCURSOR.
LRESULT DefaultSetCursor(HWND hwnd, int hitTest);
// The window drops out of every pointer held for it.
void ForgetInputWindow(HWND hwnd);

}  // namespace platform::user
