// Internal geometry helpers shared by positioning, painting and input.
#pragma once

#include <memory>

#include "platform/user/window_table.h"

namespace platform::user {

inline LONG Width(const RECT& rc) {
    return rc.right - rc.left;
}
inline LONG Height(const RECT& rc) {
    return rc.bottom - rc.top;
}
inline bool IsEmpty(const RECT& rc) {
    return rc.right <= rc.left || rc.bottom <= rc.top;
}
// The screen position of a window's client origin.
POINT ClientOrigin(HWND hwnd);
// The window's rectangle with its top-left on the screen.
RECT ScreenRectOf(const Window& window);
// The owning thread's queue registers or drops a WM_PAINT request according
// to the window's update region and visibility.
void RefreshPaintRequest(HWND hwnd);
// Invalidates the whole client area (the core's own shows and resizes).
void InvalidateAll(HWND hwnd);
// Applies a new rectangle the window system chose (a configure event) or
// SetWindowPos asked for, and sends WM_WINDOWPOSCHANGED.
void ApplyWindowRect(HWND hwnd, const RECT& rect, UINT flags);
// Presents a part of a window's pixels through the backend.
// Shows the surface's pixels in dirty; drawn says they were just painted. A surface never
// painted is not shown: an expose before the first paint would show garbage.
void PresentWindow(HWND hwnd, const RECT& dirty, bool drawn);

}  // namespace platform::user
