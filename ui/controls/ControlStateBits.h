// Named bits of the interaction state that buttons and scroll bar parts keep.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

constexpr UINT UISTATE_FOCUSED = 0x01;
constexpr UINT UISTATE_SELECTED = 0x02;
constexpr UINT UISTATE_DISABLED = 0x04;
constexpr UINT UISTATE_HOT = 0x08;
constexpr UINT UISTATE_PUSHED = 0x10;
// The left button went down inside and is still held.
constexpr UINT UISTATE_CAPTURED = 0x40;

// Timer keys controls name their timers by.
constexpr UINT TIMER_KEY_SCROLL_REPEAT = 10;
constexpr UINT TIMER_KEY_BUTTON_FADE = 11;

}  // namespace Orvik
