// The platform headers, read before any X header: Xlib's event macros (KeyPress,
// Expose, FocusIn...) would otherwise rewrite the names of the native event kinds.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

namespace platform::x11 {

// The kinds whose names Xlib takes for macros, under names it leaves alone.
using platform::user::NativeEventKind;
inline constexpr NativeEventKind KIND_BUTTON_PRESS = NativeEventKind::ButtonPress;
inline constexpr NativeEventKind KIND_BUTTON_RELEASE = NativeEventKind::ButtonRelease;
inline constexpr NativeEventKind KIND_KEY_PRESS = NativeEventKind::KeyPress;
inline constexpr NativeEventKind KIND_KEY_RELEASE = NativeEventKind::KeyRelease;
inline constexpr NativeEventKind KIND_EXPOSE = NativeEventKind::Expose;
inline constexpr NativeEventKind KIND_FOCUS_IN = NativeEventKind::FocusIn;
inline constexpr NativeEventKind KIND_FOCUS_OUT = NativeEventKind::FocusOut;

}  // namespace platform::x11
