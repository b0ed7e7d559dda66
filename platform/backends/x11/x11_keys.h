// Key events to keysyms and typed text in the active code page.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xlib.h>

#include "platform/user/native_event.h"

namespace platform::x11 {

// Modifier and button bits of an X state field.
UINT NativeModifiers(unsigned state);
// Fills keysym, text and modifiers of a key event.
void FillKeyEvent(XKeyEvent& key, platform::user::NativeEvent& out);

}  // namespace platform::x11
