// The event record the window host hands to a control.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

class CControlUI;

// Kind numbers are a contract: controls test ranges (mouse kinds are 9 to 18).
enum ControlEventKind {
    UIEVENT_KEYDOWN = 3,
    UIEVENT_KEYUP = 4,
    UIEVENT_CHAR = 5,
    UIEVENT_SYSKEY = 6,
    UIEVENT_MOUSEMOVE = 9,
    UIEVENT_MOUSELEAVE = 10,
    UIEVENT_MOUSEENTER = 11,
    UIEVENT_MOUSEHOVER = 12,
    UIEVENT_BUTTONDOWN = 13,
    UIEVENT_BUTTONUP = 14,
    UIEVENT_RBUTTONDOWN = 15,
    UIEVENT_DBLCLICK = 16,
    UIEVENT_CONTEXTMENU = 17,
    UIEVENT_SCROLLWHEEL = 18,
    UIEVENT_KILLFOCUS = 20,
    UIEVENT_SETFOCUS = 21,
    UIEVENT_WINDOWSIZE = 22,
    UIEVENT_SETCURSOR = 23,
    UIEVENT_TIMER = 24,
};

constexpr int UIEVENT_MOUSE_FIRST = UIEVENT_MOUSEMOVE;
constexpr int UIEVENT_MOUSE_LAST = UIEVENT_SCROLLWHEEL;

struct ControlEvent {
    int kind = 0;
    // For KillFocus: the control about to receive the focus.
    CControlUI* sender = nullptr;
    DWORD timestamp = 0;
    POINT mousePoint = {0, 0};
    BYTE keyChar = 0;
    WORD keyState = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

}  // namespace Orvik
