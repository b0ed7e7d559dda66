// Update regions, WM_PAINT requests, paint and window DCs, presenting pixels.
#include <mutex>
#include <set>

#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

void AddToUpdate(Window& w, const RECT* rect, bool erase) {
    RECT client{0, 0, Width(w.rect), Height(w.rect)};
    RECT area = client;
    if (rect != nullptr) {
        area = RECT{std::max(rect->left, client.left), std::max(rect->top, client.top),
                    std::min(rect->right, client.right), std::min(rect->bottom, client.bottom)};
    }
    if (IsEmpty(area))
        return;
    HRGN added = CreateRectRgnIndirect(&area);
    if (w.update == nullptr) {
        w.update = added;
    } else {
        CombineRgn(w.update, w.update, added, RGN_OR);
        DeleteObject(added);
    }
    w.erase = w.erase || erase;
}

void SubtractFromUpdate(Window& w, const RECT* rect) {
    if (w.update == nullptr)
        return;
    int left = NULLREGION;
    if (rect != nullptr) {
        HRGN removed = CreateRectRgnIndirect(rect);
        left = CombineRgn(w.update, w.update, removed, RGN_DIFF);
        DeleteObject(removed);
    }
    if (left == NULLREGION || left == ERROR) {
        DeleteObject(w.update);
        w.update = nullptr;
        w.erase = false;
    }
}

// DCs handed out for the whole screen (GetDC(nullptr)): memory DCs.
std::mutex g_screenDcLock;
std::set<HDC> g_screenDcs;

bool EraseBackground(HWND hwnd, HDC hdc) {
    return SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) != 0;
}

bool OnOwnerThread(const Window& window) {
    return window.queue->ThreadId() == GetCurrentThreadId();
}

}  // namespace

namespace platform::user {

void RefreshPaintRequest(HWND hwnd) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (window == nullptr)
        return;
    bool dirty = false;
    WindowTable::Instance().With(hwnd, [&](Window& w) { dirty = w.update != nullptr; });
    window->queue->SetPaintPending(hwnd, dirty && IsWindowVisible(hwnd));
}

void InvalidateAll(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

void PresentWindow(HWND hwnd, const RECT& dirty, bool drawn) {
    WindowTable::Instance().With(hwnd, [&](Window& w) {
        w.painted = w.painted || drawn;
        if (!w.painted)
            return;
        PresentRequest request{w.surface.View(), dirty, w.perPixelAlpha, w.constantAlpha};
        ActiveBackend().Present(hwnd, request);
    });
}

}  // namespace platform::user

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    if (!WindowTable::Instance().With(hWnd, [&](Window& w) { AddToUpdate(w, lpRect, bErase); })) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RefreshPaintRequest(hWnd);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
    if (!WindowTable::Instance().With(hWnd, [&](Window& w) { SubtractFromUpdate(w, lpRect); })) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RefreshPaintRequest(hWnd);
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL /*bErase*/) {
    RECT box{};
    bool found = WindowTable::Instance().With(hWnd, [&](Window& w) {
        if (w.update != nullptr)
            GetRgnBox(w.update, &box);
    });
    if (lpRect != nullptr)
        *lpRect = box;
    return found && !IsEmpty(box) ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hWnd) {
    if (!IsWindow(hWnd))
        return FALSE;
    if (GetUpdateRect(hWnd, nullptr, FALSE) && IsWindowVisible(hWnd))
        SendMessageA(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr || lpPaint == nullptr || !OnOwnerThread(*window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    HRGN region = nullptr;
    bool erase = false;
    HDC hdc = nullptr;
    WindowTable::Instance().With(hWnd, [&](Window& w) {
        region = w.update, erase = w.erase;
        w.update = nullptr, w.erase = false;
        hdc = w.surface.NewDC();
    });
    RefreshPaintRequest(hWnd);
    *lpPaint = PAINTSTRUCT{};
    if (region == nullptr)
        region = CreateRectRgn(0, 0, 0, 0);  // nothing to repaint: draw nowhere
    GetRgnBox(region, &lpPaint->rcPaint);
    if (hdc != nullptr)
        SelectClipRgn(hdc, region);
    DeleteObject(region);
    lpPaint->hdc = hdc;
    // fErase tells the procedure the background is still to be erased.
    lpPaint->fErase = erase && hdc != nullptr && !EraseBackground(hWnd, hdc) ? TRUE : FALSE;
    return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint == nullptr)
        return FALSE;
    bool released = false, showsPaint = false;
    WindowTable::Instance().With(hWnd, [&](Window& w) {
        released = w.surface.Release(lpPaint->hdc);
        showsPaint = !w.layeredImage;
    });
    if (released && showsPaint && !IsEmpty(lpPaint->rcPaint))
        PresentWindow(hWnd, lpPaint->rcPaint, true);
    return TRUE;
}

HDC GetDC(HWND hWnd) {
    if (hWnd == nullptr) {
        HDC hdc = CreateCompatibleDC(nullptr);
        std::lock_guard<std::mutex> guard(g_screenDcLock);
        g_screenDcs.insert(hdc);
        return hdc;
    }
    HDC hdc = nullptr;
    if (!WindowTable::Instance().With(hWnd, [&](Window& w) { hdc = w.surface.NewDC(); }))
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return hdc;
}

int ReleaseDC(HWND hWnd, HDC hDC) {
    if (hWnd == nullptr) {
        std::lock_guard<std::mutex> guard(g_screenDcLock);
        if (g_screenDcs.erase(hDC) == 0)
            return 0;
        DeleteDC(hDC);
        return 1;
    }
    bool released = false, showsPaint = false;
    RECT client{};
    WindowTable::Instance().With(hWnd, [&](Window& w) {
        released = w.surface.Release(hDC);
        showsPaint = !w.layeredImage;
        client = RECT{0, 0, Width(w.rect), Height(w.rect)};
    });
    if (released && showsPaint && !IsEmpty(client))
        PresentWindow(hWnd, client, true);
    return released ? 1 : 0;
}
