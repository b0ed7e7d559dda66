// Creating and destroying windows, window longs and the default procedure.
#include <memory>

#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/input_state.h"
#include "platform/user/window_table.h"

using namespace platform::user;

namespace {

RECT InitialRect(int x, int y, int width, int height) {
    // Without a display policy yet, default positions and sizes are zero.
    if (x == CW_USEDEFAULT)
        x = y = 0;
    if (width == CW_USEDEFAULT)
        width = height = 0;
    return RECT{x, y, x + width, y + height};
}

std::shared_ptr<Window> MakeWindow(std::shared_ptr<const WindowClass> windowClass, DWORD exStyle,
                                   LPCSTR title, DWORD style, const RECT& rect, HWND parent,
                                   HMENU menu, HINSTANCE instance) {
    auto window = std::make_shared<Window>();
    window->proc = windowClass->info.lpfnWndProc;
    window->windowClass = std::move(windowClass);
    window->queue = CurrentQueue();
    window->exStyle = exStyle;
    window->style = style;
    window->title = title != nullptr ? title : "";
    window->rect = rect;
    if ((style & WS_CHILD) != 0)
        window->parent = parent;
    else
        window->owner = parent;
    window->style = style & ~DWORD(WS_VISIBLE);  // CreateWindowExA shows it after WM_CREATE
    window->surface.Resize(int(rect.right - rect.left), int(rect.bottom - rect.top),
                           (exStyle & WS_EX_LAYERED) != 0);
    window->id = reinterpret_cast<LONG_PTR>(menu);
    window->instance = instance;
    return window;
}

// Undoes a creation that a procedure refused: the window still gets its
// final message, as it would from DestroyWindow.
void AbandonCreation(HWND hwnd) {
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    ActiveBackend().DestroyNativeWindow(hwnd);
    CurrentQueue()->ForgetWindow(hwnd);
    WindowTable::Instance().Remove(hwnd);
}

bool CreateNative(HWND hwnd, const Window& window) {
    NativeWindowDesc desc{window.rect, window.style, window.exStyle, window.parent, window.owner};
    if (!ActiveBackend().CreateNativeWindow(hwnd, desc))
        return false;
    if (!window.title.empty())
        ActiveBackend().SetNativeTitle(hwnd, platform::AnsiToUtf8(window.title.c_str()));
    // A click-through window takes no input anywhere.
    if ((window.exStyle & WS_EX_TRANSPARENT) != 0)
        ActiveBackend().SetNativeShape(hwnd, NativeShape::Input, CreateRectRgn(0, 0, 0, 0));
    return true;
}

// The backend learns of style changes that need another native window setup;
// a window that stops being layered shows its painted pixels again.
void NoteStyleChange(HWND hwnd, DWORD oldExStyle) {
    DWORD style = DWORD(GetWindowLongPtrA(hwnd, GWL_STYLE));
    DWORD exStyle = DWORD(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    if ((oldExStyle & WS_EX_LAYERED) != 0 && (exStyle & WS_EX_LAYERED) == 0) {
        WindowTable::Instance().With(hwnd, [](Window& w) {
            w.layeredImage = w.perPixelAlpha = false;
            w.constantAlpha = 255;
        });
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    ActiveBackend().StyleChanged(hwnd, style, exStyle);
}

LRESULT EraseWithClassBrush(HWND hwnd, HDC hdc) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (window == nullptr || hdc == nullptr)
        return 0;
    HBRUSH brush = window->windowClass->info.hbrBackground;
    // Small values name a system colour plus one; only the window colour is known.
    if (reinterpret_cast<ULONG_PTR>(brush) <= 31)
        brush = reinterpret_cast<ULONG_PTR>(brush) == COLOR_WINDOW + 1 ? GetStockObject(WHITE_BRUSH)
                                                                       : nullptr;
    if (brush == nullptr)
        return 0;
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, brush);
    return 1;
}

// WM_WINDOWPOSCHANGED's default: the older WM_MOVE and WM_SIZE.
void ReportPosition(HWND hwnd, const WINDOWPOS& pos) {
    if ((pos.flags & SWP_NOMOVE) == 0)
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(pos.x, pos.y));
    if ((pos.flags & SWP_NOSIZE) == 0) {
        WPARAM kind = IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessageA(hwnd, WM_SIZE, kind, MAKELPARAM(pos.cx, pos.cy));
    }
}

LRESULT SystemCommand(HWND hwnd, WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
            break;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            break;
        default:
            break;
    }
    return 0;
}

bool IsFocusInside(HWND hwnd) {
    for (HWND current = GetFocus(); current != nullptr; current = GetAncestorParent(current)) {
        if (current == hwnd)
            return true;
    }
    return false;
}

bool OwnedByCaller(const Window& window) {
    return window.queue->ThreadId() == GetCurrentThreadId();
}

}  // namespace

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam) {
    std::shared_ptr<const WindowClass> windowClass = FindClass(lpClassName);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return nullptr;
    }
    if (hWndParent != nullptr && !IsWindow(hWndParent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    RECT rect = InitialRect(X, Y, nWidth, nHeight);
    std::shared_ptr<Window> window = MakeWindow(windowClass, dwExStyle, lpWindowName, dwStyle, rect,
                                                hWndParent, hMenu, hInstance);
    HWND hwnd = WindowTable::Instance().Add(window);
    NoteWindowThread(GetCurrentThreadId());
    if (!CreateNative(hwnd, *window)) {
        WindowTable::Instance().Remove(hwnd);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    CREATESTRUCTA create{lpParam,
                         hInstance,
                         hMenu,
                         hWndParent,
                         int(rect.bottom - rect.top),
                         int(rect.right - rect.left),
                         int(rect.top),
                         int(rect.left),
                         LONG(dwStyle),
                         lpWindowName,
                         lpClassName,
                         dwExStyle};
    LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, createParam)) {
        AbandonCreation(hwnd);
        return nullptr;
    }
    if (SendMessageA(hwnd, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(create.cx, create.cy));
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(create.x, create.y));
    if ((dwStyle & WS_VISIBLE) != 0 && IsWindow(hwnd))
        ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

BOOL DestroyWindow(HWND hWnd) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!OwnedByCaller(*window)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (window->destroying)
        return TRUE;  // a procedure destroying itself again
    window->destroying = true;
    // Owned popups go first, as they cannot outlive their owner.
    for (HWND owned : WindowTable::Instance().OwnedWindows(hWnd))
        DestroyWindow(owned);
    if (window->Visible())
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    // An active window that was not shown hands activation on here.
    if (GetActiveWindow() == hWnd)
        ActivateOtherWindow(hWnd);
    SendMessageA(hWnd, WM_DESTROY, 0, 0);
    for (HWND child : WindowTable::Instance().ChildrenOf(hWnd))
        DestroyWindow(child);
    SendMessageA(hWnd, WM_NCDESTROY, 0, 0);
    if (GetCapture() == hWnd)
        ReleaseCapture();
    ForgetInputWindow(hWnd);
    ActiveBackend().DestroyNativeWindow(hWnd);
    WindowTable::Instance().Remove(hWnd);
    window->queue->ForgetWindow(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    return WindowTable::Instance().Find(hWnd) != nullptr;
}

HWND GetParent(HWND hWnd) {
    HWND parent = nullptr;
    WindowTable::Instance().With(hWnd,
                                 [&](Window& w) { parent = w.IsChild() ? w.parent : w.owner; });
    return parent;
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
    LONG_PTR value = 0;
    bool found = WindowTable::Instance().With(hWnd, [&](Window& w) {
        switch (nIndex) {
            case GWLP_WNDPROC:
                value = reinterpret_cast<LONG_PTR>(w.proc);
                break;
            case GWLP_USERDATA:
                value = w.userData;
                break;
            case GWLP_HINSTANCE:
                value = reinterpret_cast<LONG_PTR>(w.instance);
                break;
            case GWLP_ID:
                value = w.id;
                break;
            case GWL_STYLE:
                value = LONG_PTR(w.style);
                break;
            case GWL_EXSTYLE:
                value = LONG_PTR(w.exStyle);
                break;
            default:
                SetLastError(ERROR_INVALID_PARAMETER);
                break;
        }
    });
    if (!found)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return value;
}

namespace {

LONG_PTR StoreWindowLong(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    LONG_PTR previous = 0;
    bool found = WindowTable::Instance().With(hWnd, [&](Window& w) {
        switch (nIndex) {
            case GWLP_WNDPROC:
                previous = reinterpret_cast<LONG_PTR>(w.proc);
                w.proc = reinterpret_cast<WNDPROC>(dwNewLong);
                break;
            case GWLP_USERDATA:
                previous = w.userData, w.userData = dwNewLong;
                break;
            case GWLP_ID:
                previous = w.id, w.id = dwNewLong;
                break;
            case GWL_STYLE:
                previous = LONG_PTR(w.style), w.style = DWORD(dwNewLong);
                break;
            case GWL_EXSTYLE:
                previous = LONG_PTR(w.exStyle), w.exStyle = DWORD(dwNewLong);
                break;
            default:
                SetLastError(ERROR_INVALID_PARAMETER);
                break;
        }
    });
    if (!found)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return previous;
}

}  // namespace

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    LONG_PTR previous = StoreWindowLong(hWnd, nIndex, dwNewLong);
    if ((nIndex == GWL_STYLE || nIndex == GWL_EXSTYLE) && previous != dwNewLong)
        NoteStyleChange(hWnd, nIndex == GWL_EXSTYLE ? DWORD(previous)
                                                    : DWORD(GetWindowLongPtrA(hWnd, GWL_EXSTYLE)));
    return previous;
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    switch (Msg) {
        case WM_NCCREATE:
        case WM_NCACTIVATE:
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            if (BeginPaint(hWnd, &ps) != nullptr)
                EndPaint(hWnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return EraseWithClassBrush(hWnd, reinterpret_cast<HDC>(wParam));
        case WM_WINDOWPOSCHANGED:
            ReportPosition(hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
            return 0;
        case WM_SYSCOMMAND:
            return SystemCommand(hWnd, wParam);
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_SETCURSOR:
            return DefaultSetCursor(hWnd, short(LOWORD(lParam)));
        case WM_MOUSEACTIVATE:
            return MA_ACTIVATE;
        case WM_ACTIVATE:
            // An activated window takes the focus unless it is already inside it.
            if (LOWORD(wParam) != WA_INACTIVE && !IsFocusInside(hWnd))
                SetFocus(hWnd);
            return 0;
        default:
            return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (lpPrevWndFunc == nullptr)
        return 0;
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}
