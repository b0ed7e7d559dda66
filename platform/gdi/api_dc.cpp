// Device contexts, bitmaps and the DC's simple state (colours, modes, window origin).
#include "platform/gdi/device_context.h"

using namespace gdi;

HDC CreateCompatibleDC(HDC /*hdc*/) {
    return CDeviceContext::Publish(CDeviceContext::CreateMemory());
}

BOOL DeleteDC(HDC hdc) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    delete dc;
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC /*hdc*/, int cx, int cy) {
    CGdiBitmap* bmp = CGdiBitmap::Create(cx, cy, false, false);
    return CGdiObject::Publish(bmp);
}

HBITMAP CreateDIBSection(HDC /*hdc*/, const BITMAPINFO* pbmi, UINT usage, void** ppvBits,
                         HANDLE hSection, DWORD /*offset*/) {
    if (ppvBits)
        *ppvBits = nullptr;
    if (!pbmi || usage != DIB_RGB_COLORS || hSection)
        return nullptr;
    const BITMAPINFOHEADER& h = pbmi->bmiHeader;
    bool rgb = h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS;
    if (h.biBitCount != 32 || !rgb || h.biHeight == 0 || h.biHeight == INT32_MIN)
        return nullptr;
    bool bottomUp = h.biHeight > 0;
    CGdiBitmap* bmp =
        CGdiBitmap::Create(h.biWidth, bottomUp ? h.biHeight : -h.biHeight, true, bottomUp);
    HBITMAP hbm = CGdiObject::Publish(bmp);
    if (hbm && ppvBits)
        *ppvBits = bmp->Bits();
    return hbm;
}

int SaveDC(HDC hdc) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    return dc ? dc->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    return dc && dc->Restore(nSavedDC);
}

namespace {

// Replaces one field of the DC's state and returns the old value, or `fail`
// for an unknown DC.
template <class T>
T Exchange(HDC hdc, T DCState::*field, T value, T fail) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return fail;
    T old = dc->State().*field;
    dc->State().*field = value;
    return old;
}

template <class T>
T Read(HDC hdc, T DCState::*field, T fail) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    return dc ? dc->State().*field : fail;
}

}  // namespace

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DCState::textColor, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetTextColor(HDC hdc) {
    return Read(hdc, &DCState::textColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DCState::bkColor, color & 0xFFFFFF, CLR_INVALID);
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return Exchange(hdc, &DCState::bkMode, mode, 0);
}

int SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return Exchange(hdc, &DCState::stretchMode, mode, 0);
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->State().windowOrg;
    dc->State().windowOrg = POINT{x, y};
    return TRUE;
}

namespace platform {

HDC CreateSurfaceDC(void* pBits, int width, int height, int strideBytes) {
    CGdiBitmap* surface = CGdiBitmap::Wrap(pBits, width, height, strideBytes);
    return surface ? CDeviceContext::Publish(CDeviceContext::CreateSurface(surface)) : nullptr;
}

bool RebindSurfaceDC(HDC hdc, void* pBits, int width, int height, int strideBytes) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc || !dc->Surface())
        return false;
    return dc->Surface()->Rebind(pBits, width, height, strideBytes);
}

}  // namespace platform
