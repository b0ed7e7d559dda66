// Activation: the active window, the foreground request and handing activation on.
#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/input_state.h"
#include "platform/user/window_table.h"

using namespace platform::user;

namespace {

HWND ExchangeActive(HWND value) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    HWND old = input.active;
    input.active = value;
    return old;
}

HWND RootOf(HWND hwnd) {
    for (HWND parent = GetAncestorParent(hwnd); parent != nullptr; parent = GetAncestorParent(hwnd))
        hwnd = parent;
    return hwnd;
}

// A shown, enabled top-level window that is not going away and not a
// click-through or no-activate popup (shadows, tooltips).
bool CanActivate(HWND hwnd) {
    bool can = false;
    WindowTable::Instance().With(hwnd, [&](Window& w) {
        can = !w.IsChild() && w.Visible() && !w.destroying && (w.style & WS_DISABLED) == 0 &&
              (w.exStyle & (WS_EX_NOACTIVATE | WS_EX_TRANSPARENT)) == 0;
    });
    return can;
}

}  // namespace

namespace platform::user {

HWND ActivateWindow(HWND hwnd, bool moveFocus) {
    HWND old = ExchangeActive(hwnd);
    if (old == hwnd)
        return old;
    if (old != nullptr && IsWindow(old)) {
        SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
    }
    if (hwnd != nullptr) {
        SendMessageA(hwnd, WM_NCACTIVATE, TRUE, 0);
        SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(old));
    }
    // The focus moves only now, so it is lost after the new window is
    // active; a window procedure that took it on WM_ACTIVATE keeps it.
    if (moveFocus && GetActiveWindow() == hwnd) {
        HWND focus = GetFocus();
        if (hwnd == nullptr || focus == nullptr || RootOf(focus) != hwnd)
            MoveFocus(hwnd);
    }
    return old;
}

void ActivateOtherWindow(HWND hwnd) {
    HWND next = nullptr;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (owner != nullptr && CanActivate(owner)) {
        next = owner;
    } else {
        // The core keeps no stacking order: the latest window made wins.
        for (HWND candidate : WindowTable::Instance().OwnedBy(GetCurrentThreadId())) {
            if (candidate != hwnd && CanActivate(candidate))
                next = candidate;
        }
    }
    if (next != nullptr)
        ActiveBackend().FocusNativeWindow(next);
    ActivateWindow(next, true);
}

}  // namespace platform::user

HWND GetActiveWindow() {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    return input.active;
}

HWND SetActiveWindow(HWND hWnd) {
    if (hWnd != nullptr && !IsWindow(hWnd))
        return nullptr;
    return ActivateWindow(hWnd, true);
}

BOOL SetForegroundWindow(HWND hWnd) {
    if (!IsWindow(hWnd))
        return FALSE;
    HWND top = RootOf(hWnd);
    ActiveBackend().FocusNativeWindow(top);
    ActivateWindow(top, true);
    return TRUE;
}
