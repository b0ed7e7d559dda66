// Test access to the headless backend: its screen, window pixels and screenshots.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/user/native_event.h"
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

// --- input injection ---------------------------------------------------------
// Each call becomes the native event a display would report and goes through
// the core's translation: messages are queued for the window's thread (or
// sent, when the caller is that thread). Pointer events go to the top-most
// shown window under the pointer that takes input there (its shape and input
// shape; click-through windows never), or to the capturing window.
void MovePointer(int x, int y);
void PressButton(platform::user::NativeButton button = platform::user::NativeButton::Left);
void ReleaseButton(platform::user::NativeButton button = platform::user::NativeButton::Left);
// Positive notches turn away from the user.
void TurnWheel(int notches);
// Keys go to the focus window. textCp936 is what the key types, if anything.
// Shift, control and alt (VK_SHIFT, VK_CONTROL, VK_MENU) stay held until released.
void PressKey(UINT vk, const char* textCp936 = nullptr);
void ReleaseKey(UINT vk);
// Forgets held keys and buttons without reporting them (between tests).
void ResetInput();
// The window the next pointer event goes to, null when none.
HWND WindowUnderPointer();

// --- clock --------------------------------------------------------------------
// A manual clock for hover, double-click and timer tests: frozen until
// advanced. Off returns to the monotonic clock.
void UseManualClock(bool on);
void AdvanceClock(DWORD ms);

}  // namespace platform::headless
