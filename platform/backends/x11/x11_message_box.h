// The message box on a display: a small modal window drawn with the platform's own drawing.
#pragma once

#include <string>

#include "platform/gdi.h"
#include "platform/user.h"

namespace platform::x11 {

// Shows the box owned by owner (may be null) until OK, Enter, Escape or a close; IDOK.
int RunMessageBox(HWND owner, const std::string& textUtf8, const std::string& captionUtf8);

// The innermost box on screen (null when none), and its OK button in client pixels.
HWND ShownMessageBox();
RECT MessageBoxButton(HWND box);

}  // namespace platform::x11
