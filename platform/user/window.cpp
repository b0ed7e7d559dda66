// Creating and destroying windows, window longs and the default procedure.
#include <memory>

#include "platform/kernel.h"
#include "platform/user/backend.h"
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
    window->parent = parent;
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
    if (!ActiveBackend().CreateNativeWindow(hwnd, rect, dwStyle, dwExStyle)) {
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
    SendMessageA(hWnd, WM_DESTROY, 0, 0);
    for (HWND child : WindowTable::Instance().ChildrenOf(hWnd))
        DestroyWindow(child);
    SendMessageA(hWnd, WM_NCDESTROY, 0, 0);
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
    WindowTable::Instance().With(hWnd, [&](Window& w) { parent = w.parent; });
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

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
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

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    switch (Msg) {
        case WM_NCCREATE:
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(hWnd);
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
