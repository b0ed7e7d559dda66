// Capture, keyboard focus and enabling windows.
#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/input_state.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

HWND Exchange(HWND InputState::*slot, HWND value) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    HWND old = input.*slot;
    input.*slot = value;
    return old;
}

HWND Read(HWND InputState::*slot) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    return input.*slot;
}

HWND TopLevelOf(HWND hwnd) {
    for (;;) {
        std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
        if (window == nullptr || !window->IsChild() || window->parent == nullptr)
            return hwnd;
        hwnd = window->parent;
    }
}

bool IsWithin(HWND hwnd, HWND ancestor) {
    for (HWND current = hwnd; current != nullptr; current = GetAncestorParent(current)) {
        if (current == ancestor)
            return true;
    }
    return false;
}

// A pending leave report ends when another window takes the pointer.
void EndLeaveTrackingFor(HWND newCapture) {
    InputState& input = Input();
    HWND tracked = nullptr;
    {
        std::lock_guard<std::mutex> guard(input.lock);
        if (input.tracking.hwnd != nullptr && input.tracking.hwnd != newCapture &&
            (input.tracking.flags & TME_LEAVE) != 0) {
            tracked = input.tracking.hwnd;
            input.tracking = MouseTracking{};
        }
    }
    if (tracked != nullptr)
        PostMessageA(tracked, WM_MOUSELEAVE, 0, 0);
}

}  // namespace

namespace platform::user {

HWND GetAncestorParent(HWND hwnd) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    return window != nullptr && window->IsChild() ? window->parent : nullptr;
}

HWND MoveFocus(HWND hwnd) {
    HWND old = Exchange(&InputState::focus, hwnd);
    if (old == hwnd)
        return old;
    // GetFocus already answers the new window while the old one hears of it.
    if (old != nullptr && IsWindow(old))
        SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd != nullptr && GetFocus() == hwnd)
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

bool AcceptsInput(HWND hwnd) {
    for (HWND current = hwnd; current != nullptr; current = GetAncestorParent(current)) {
        if (!IsWindowEnabled(current))
            return false;
    }
    return hwnd != nullptr;
}

}  // namespace platform::user

HWND SetCapture(HWND hWnd) {
    if (!IsWindow(hWnd))
        return nullptr;
    EndLeaveTrackingFor(hWnd);
    HWND old = Exchange(&InputState::capture, hWnd);
    ActiveBackend().GrabPointer(TopLevelOf(hWnd));
    if (old != nullptr && old != hWnd)
        SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return old;
}

BOOL ReleaseCapture() {
    HWND old = Exchange(&InputState::capture, nullptr);
    if (old == nullptr)
        return TRUE;
    ActiveBackend().ReleasePointer();
    SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return Read(&InputState::capture);
}

HWND GetFocus() {
    return Read(&InputState::focus);
}

HWND SetFocus(HWND hWnd) {
    if (hWnd != nullptr && !IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    // A disabled window (or one inside a disabled parent) cannot take keys.
    if (hWnd != nullptr && !AcceptsInput(hWnd))
        return nullptr;
    if (hWnd != nullptr && GetActiveWindow() != TopLevelOf(hWnd)) {
        HWND top = TopLevelOf(hWnd);
        ActiveBackend().FocusNativeWindow(top);
        ActivateWindow(top, false);
        // Its procedure may have destroyed it or handed activation on.
        if (!IsWindow(hWnd) || GetActiveWindow() != top)
            return nullptr;
    }
    return MoveFocus(hWnd);
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    DWORD style = DWORD(GetWindowLongPtrA(hWnd, GWL_STYLE));
    bool wasDisabled = (style & WS_DISABLED) != 0;
    if (!IsWindow(hWnd) || wasDisabled == !bEnable)
        return wasDisabled ? TRUE : FALSE;
    WindowTable::Instance().With(hWnd, [&](Window& w) {
        w.style = bEnable ? (w.style & ~DWORD(WS_DISABLED)) : (w.style | WS_DISABLED);
    });
    if (!bEnable) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsWithin(focus, hWnd))
            SetFocus(nullptr);
        if (GetCapture() != nullptr && IsWithin(GetCapture(), hWnd))
            ReleaseCapture();
    }
    SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
    return IsWindow(hWnd) && (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_DISABLED) == 0 ? TRUE : FALSE;
}
