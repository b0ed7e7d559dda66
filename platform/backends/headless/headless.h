// Test access to the headless backend: its screen, window pixels and screenshots.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32_types.h"

namespace platform::headless {

// The screen size and work area the monitor functions report (default
// 1920 x 1080 with a work area of 1920 x 1040). False when another backend is active.
bool SetScreen(int width, int height, const RECT& workArea);

// What a window last presented (client size, premultiplied B, G, R, A), and
// the whole screen with every visible window composed in Z order with its
// alpha and shape over opaque black. Empty when unknown.
std::vector<uint32_t> WindowPixels(HWND hwnd, int& width, int& height);
std::vector<uint32_t> ScreenPixels(int& width, int& height);

// The same as PNG files (straight alpha), path in UTF-8.
bool SaveWindowPng(HWND hwnd, const char* pathUtf8);
bool SaveScreenPng(const char* pathUtf8);

// What the backend was last told about a window.
bool IsShownOnScreen(HWND hwnd);
bool ScreenRect(HWND hwnd, RECT& rect);

}  // namespace platform::headless
