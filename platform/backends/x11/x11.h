// The X11 backend's public face: choosing the display backend at start (X11 when DISPLAY opens).
#pragma once

namespace platform::x11 {

enum class DisplayChoice { X11, Headless, Failed };

// Installs the X11 backend when DISPLAY is set and the connection opens.
// Unset DISPLAY keeps the headless backend; a display that is named but
// cannot be opened is Failed, after one line on standard error.
DisplayChoice ChooseDisplayBackend(const char* program);

// For programs that cannot work without a display: exits 1 unless X11 is in use.
void RequireDisplay(const char* program);

}  // namespace platform::x11
