// What a display backend reports about one of its windows, before it becomes messages.
#pragma once

#include "platform/win32_types.h"

namespace platform::user {

enum class NativeEventKind {
    PointerMotion,  // pos, screenPos, modifiers
    ButtonDown,     // button, pos, screenPos, modifiers
    ButtonUp,       // button, pos, screenPos, modifiers
    Wheel,          // wheelDelta, pos, screenPos, modifiers
    KeyDown,        // keysym, text, modifiers
    KeyUp,          // keysym, modifiers
    Exposed,        // damage (client coordinates)
    Configure,      // screenPos (window's top-left), size
    FocusGained,
    FocusLost,
    CloseRequest,
    PointerLeave,
    StateChange,  // state
};

enum class NativeButton { Left, Right, Middle };

// Modifier and button state at the time of the event.
enum NativeModifier : UINT {
    NATIVE_SHIFT = 0x01,
    NATIVE_CONTROL = 0x02,
    NATIVE_ALT = 0x04,
    NATIVE_LEFT = 0x10,
    NATIVE_RIGHT = 0x20,
    NATIVE_MIDDLE = 0x40,
};

enum class NativeWindowState { Normal, Minimised, Maximised };

// One wheel notch away from the user, as the messages count it.
constexpr int NATIVE_WHEEL_NOTCH = 120;

struct NativeEvent {
    NativeEventKind kind = NativeEventKind::PointerMotion;
    HWND hwnd = nullptr;  // the window the event belongs to
    DWORD time = 0;       // milliseconds on the core's clock; 0: the core stamps it
    POINT pos{};          // pointer in client coordinates
    POINT screenPos{};    // pointer on the screen, or the window's new top-left
    SIZE size{};          // the window's new size (Configure)
    RECT damage{};        // area to repaint (Exposed)
    NativeButton button = NativeButton::Left;
    UINT modifiers = 0;  // NativeModifier bits
    int wheelDelta = 0;  // multiples of NATIVE_WHEEL_NOTCH, positive away from the user
    UINT keysym = 0;     // X keysym numbering: the core maps it to a virtual key
    char text[8] = {};   // the character typed, code page 936, nul-terminated
    NativeWindowState state = NativeWindowState::Normal;
};

// The one place that turns native events into window messages: input is
// queued for the window's thread, state changes are sent to its procedure
// when called on that thread. Backends and headless injection both call it.
void TranslateNativeEvent(const NativeEvent& event);

}  // namespace platform::user
