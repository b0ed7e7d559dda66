// Layered windows: an image with per-pixel alpha, or painted pixels with constant alpha.
#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

bool IsLayered(HWND hwnd) {
    return (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

void MoveForImage(HWND hwnd, const POINT* dst, const SIZE* size) {
    if (dst == nullptr && size == nullptr)
        return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (dst == nullptr ? SWP_NOMOVE : 0) |
                 (size == nullptr ? SWP_NOSIZE : 0);
    SetWindowPos(hwnd, nullptr, dst ? dst->x : 0, dst ? dst->y : 0, size ? size->cx : 0,
                 size ? size->cy : 0, flags);
}

}  // namespace

BOOL UpdateLayeredWindow(HWND hWnd, HDC /*hdcDst*/, POINT* pptDst, SIZE* psize, HDC hdcSrc,
                         POINT* pptSrc, COLORREF /*crKey*/, BLENDFUNCTION* pblend, DWORD dwFlags) {
    if (!IsWindow(hWnd) || !IsLayered(hWnd) ||
        (psize != nullptr && (psize->cx < 0 || psize->cy < 0))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if ((dwFlags & ULW_COLORKEY) != 0 && (dwFlags & ULW_ALPHA) == 0) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    MoveForImage(hWnd, pptDst, psize);
    bool perPixel = (dwFlags & ULW_ALPHA) != 0 && pblend != nullptr &&
                    (pblend->AlphaFormat & AC_SRC_ALPHA) != 0 && (dwFlags & ULW_OPAQUE) == 0;
    BYTE alpha =
        pblend != nullptr && (dwFlags & ULW_OPAQUE) == 0 ? pblend->SourceConstantAlpha : 255;
    POINT src = pptSrc != nullptr ? *pptSrc : POINT{0, 0};
    bool copied = true;
    RECT client{};
    WindowTable::Instance().With(hWnd, [&](Window& w) {
        client = RECT{0, 0, Width(w.rect), Height(w.rect)};
        if (hdcSrc != nullptr && !IsEmpty(client)) {
            RECT from{src.x, src.y, src.x + client.right, src.y + client.bottom};
            copied = platform::ReadDCPixels(hdcSrc, from, w.surface.Pixels(), client.right * 4);
        }
        w.layeredImage = true;
        w.perPixelAlpha = perPixel;
        w.constantAlpha = alpha;
    });
    if (!copied) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PresentWindow(hWnd, client, true);
    return TRUE;
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF /*crKey*/, BYTE bAlpha, DWORD dwFlags) {
    if (!IsWindow(hwnd) || !IsLayered(hwnd)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if ((dwFlags & LWA_COLORKEY) != 0) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    RECT client{};
    WindowTable::Instance().With(hwnd, [&](Window& w) {
        w.layeredImage = false;
        w.perPixelAlpha = false;
        if ((dwFlags & LWA_ALPHA) != 0)
            w.constantAlpha = bAlpha;
        client = RECT{0, 0, Width(w.rect), Height(w.rect)};
    });
    PresentWindow(hwnd, client, false);
    return TRUE;
}
