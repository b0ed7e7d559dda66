// Window rectangles, SetWindowPos and the messages that report a change.
#include <algorithm>

#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/input_state.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace platform::user {

RECT ScreenRectOf(const Window& window) {
    RECT rect = window.rect;
    if (window.IsChild() && window.parent != nullptr) {
        POINT origin = ClientOrigin(window.parent);
        rect = RECT{rect.left + origin.x, rect.top + origin.y, rect.right + origin.x,
                    rect.bottom + origin.y};
    }
    return rect;
}

POINT ClientOrigin(HWND hwnd) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (window == nullptr)
        return POINT{0, 0};
    RECT rect = ScreenRectOf(*window);
    return POINT{rect.left, rect.top};
}

}  // namespace platform::user

namespace {

struct RectChange {
    bool moved = false;
    bool sized = false;
    RECT before{};
};

// Stores the rectangle, resizes the pixels and invalidates what grew.
RectChange StoreRect(HWND hwnd, const RECT& rect) {
    RectChange change;
    UINT classStyle = 0;
    WindowTable::Instance().With(hwnd, [&](Window& w) {
        change.before = w.rect;
        change.moved = w.rect.left != rect.left || w.rect.top != rect.top;
        change.sized = Width(w.rect) != Width(rect) || Height(w.rect) != Height(rect);
        w.rect = rect;
        if (change.sized)
            w.surface.Resize(Width(rect), Height(rect), (w.exStyle & WS_EX_LAYERED) != 0);
        classStyle = w.windowClass->info.style;
    });
    if (!change.sized)
        return change;
    if ((classStyle & (CS_HREDRAW | CS_VREDRAW)) != 0) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return change;
    }
    // Only the newly uncovered strips need painting.
    RECT right{Width(change.before), 0, Width(rect), Height(rect)};
    RECT bottom{0, Height(change.before), Width(rect), Height(rect)};
    if (!IsEmpty(right))
        InvalidateRect(hwnd, &right, TRUE);
    if (!IsEmpty(bottom))
        InvalidateRect(hwnd, &bottom, TRUE);
    return change;
}

void SendChanged(HWND hwnd, WINDOWPOS pos, const RectChange& change) {
    if (!change.moved)
        pos.flags |= SWP_NOMOVE;
    if (!change.sized)
        pos.flags |= SWP_NOSIZE;
    SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

void ChangeVisibility(HWND hwnd, bool show, bool activate) {
    SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    WindowTable::Instance().With(hwnd, [&](Window& w) {
        w.style = show ? (w.style | WS_VISIBLE) : (w.style & ~DWORD(WS_VISIBLE));
    });
    DWORD exStyle = DWORD(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    bool topLevel = (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) == 0;
    activate = activate && topLevel && (exStyle & WS_EX_NOACTIVATE) == 0;
    ActiveBackend().ShowNativeWindow(hwnd, show, activate);
    if (show && activate)
        SetActiveWindow(hwnd);
    if (show)
        InvalidateAll(hwnd);
    else
        RefreshPaintRequest(hwnd);
    // A hidden active window hands activation on (to its owner first).
    if (!show && GetActiveWindow() == hwnd)
        ActivateOtherWindow(hwnd);
}

void Restack(HWND hwnd, HWND insertAfter) {
    bool toTop =
        insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST;
    ActiveBackend().RestackNativeWindow(hwnd, toTop ? nullptr : insertAfter);
}

WINDOWPOS ProposedPos(HWND hwnd, const Window& window, HWND insertAfter, int x, int y, int cx,
                      int cy, UINT flags) {
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if ((flags & SWP_NOMOVE) != 0)
        pos.x = window.rect.left, pos.y = window.rect.top;
    if ((flags & SWP_NOSIZE) != 0)
        pos.cx = Width(window.rect), pos.cy = Height(window.rect);
    return pos;
}

}  // namespace

namespace platform::user {

void ApplyWindowRect(HWND hwnd, const RECT& rect, UINT flags) {
    RectChange change = StoreRect(hwnd, rect);
    if (!change.moved && !change.sized)
        return;
    WINDOWPOS pos{hwnd,
                  nullptr,
                  int(rect.left),
                  int(rect.top),
                  int(Width(rect)),
                  int(Height(rect)),
                  flags | SWP_NOZORDER | SWP_NOACTIVATE};
    SendChanged(hwnd, pos, change);
}

}  // namespace platform::user

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr || lpRect == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RECT rect{};
    WindowTable::Instance().With(hWnd, [&](Window& w) { rect = w.rect; });
    *lpRect = RECT{0, 0, Width(rect), Height(rect)};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr || lpRect == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *lpRect = ScreenRectOf(*window);
    return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    WINDOWPOS pos = ProposedPos(hWnd, *window, hWndInsertAfter, X, Y, cx, cy, uFlags);
    if ((uFlags & SWP_NOSENDCHANGING) == 0)
        SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    bool activate = (pos.flags & SWP_NOACTIVATE) == 0;
    if ((pos.flags & SWP_SHOWWINDOW) != 0 && !window->Visible())
        ChangeVisibility(hWnd, true, activate);
    RECT rect{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    RectChange change = StoreRect(hWnd, rect);
    if (change.moved || change.sized)
        ActiveBackend().MoveResizeNativeWindow(hWnd, rect);
    if ((pos.flags & SWP_NOZORDER) == 0)
        Restack(hWnd, pos.hwndInsertAfter);
    if ((pos.flags & SWP_HIDEWINDOW) != 0 && window->Visible())
        ChangeVisibility(hWnd, false, false);
    SendChanged(hWnd, pos, change);
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

BOOL IsWindowVisible(HWND hWnd) {
    for (HWND current = hWnd; current != nullptr;) {
        std::shared_ptr<Window> window = WindowTable::Instance().Find(current);
        if (window == nullptr || !window->Visible())
            return FALSE;
        current = window->IsChild() ? window->parent : nullptr;
    }
    return TRUE;
}

BOOL IsIconic(HWND hWnd) {
    return (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hWnd) {
    return (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_MAXIMIZE) != 0 ? TRUE : FALSE;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    std::string title = lpString != nullptr ? lpString : "";
    bool found = WindowTable::Instance().With(hWnd, [&](Window& w) { w.title = title; });
    if (!found) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    ActiveBackend().SetNativeTitle(hWnd, platform::AnsiToUtf8(title.c_str()));
    return TRUE;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    std::string title;
    if (!WindowTable::Instance().With(hWnd, [&](Window& w) { title = w.title; }) ||
        lpString == nullptr || nMaxCount <= 0) {
        return 0;
    }
    size_t count = std::min(title.size(), size_t(nMaxCount - 1));
    // Never cut a double-byte character in half.
    size_t whole = 0;
    while (whole < count) {
        size_t step = IsDBCSLeadByte(BYTE(title[whole])) ? 2 : 1;
        if (whole + step > count)
            break;
        whole += step;
    }
    title.copy(lpString, whole);
    lpString[whole] = '\0';
    return int(whole);
}
