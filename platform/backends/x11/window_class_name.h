// The registered class name of a window, for WM_CLASS.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace platform::x11 {

// Empty when the window is unknown.
std::string WindowClassName(HWND hwnd);

}  // namespace platform::x11
