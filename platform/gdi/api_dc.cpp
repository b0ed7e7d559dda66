// Device contexts, bitmaps and the DC's simple state (colours, modes, origins).
#include "platform/gdi/DeviceContext.h"

using namespace gdi;

HDC CreateCompatibleDC(HDC /*hdc*/) {
    return CDeviceContext::CreateMemory()->Handle();
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
    return bmp ? bmp->Handle() : nullptr;
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
    if (!bmp)
        return nullptr;
    if (ppvBits)
        *ppvBits = bmp->Bits();
    return bmp->Handle();
}

int SaveDC(HDC hdc) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    return dc ? dc->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    return dc && dc->Restore(nSavedDC);
}

int GetDeviceCaps(HDC hdc, int index) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    switch (index) {
        case HORZRES:
            return dc ? dc->Target()->Width() : 0;
        case VERTRES:
            return dc ? dc->Target()->Height() : 0;
        case BITSPIXEL:
            return 32;
        case PLANES:
            return 1;
        case NUMCOLORS:
            return -1;
        case RASTERCAPS:
            return RC_BITBLT | RC_STRETCHBLT | RC_DI_BITMAP;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        case SHADEBLENDCAPS:
            return SB_CONST_ALPHA | SB_PIXEL_ALPHA | SB_PREMULT_ALPHA | SB_GRAD_RECT;
        default:
            return 0;
    }
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

BOOL SetOrigin(HDC hdc, POINT DCState::*field, int x, int y, LPPOINT lppt, bool relative) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    POINT& org = dc->State().*field;
    if (lppt)
        *lppt = org;
    org = relative ? POINT{org.x + x, org.y + y} : POINT{x, y};
    return TRUE;
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
COLORREF GetBkColor(HDC hdc) {
    return Read(hdc, &DCState::bkColor, CLR_INVALID);
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return Exchange(hdc, &DCState::bkMode, mode, 0);
}
int GetBkMode(HDC hdc) {
    return Read(hdc, &DCState::bkMode, 0);
}

UINT SetTextAlign(HDC hdc, UINT align) {
    return Exchange(hdc, &DCState::textAlign, align, static_cast<UINT>(GDI_ERROR));
}
UINT GetTextAlign(HDC hdc) {
    return Read(hdc, &DCState::textAlign, static_cast<UINT>(GDI_ERROR));
}

int SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return Exchange(hdc, &DCState::stretchMode, mode, 0);
}
int GetStretchBltMode(HDC hdc) {
    return Read(hdc, &DCState::stretchMode, 0);
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, &DCState::viewportOrg, x, y, lppt, false);
}
BOOL OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, &DCState::viewportOrg, x, y, lppt, true);
}
BOOL GetViewportOrgEx(HDC hdc, LPPOINT lppt) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->State().viewportOrg;
    return TRUE;
}
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, &DCState::windowOrg, x, y, lppt, false);
}
BOOL GetWindowOrgEx(HDC hdc, LPPOINT lppt) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->State().windowOrg;
    return TRUE;
}

namespace platform {

HDC CreateSurfaceDC(void* pBits, int width, int height, int strideBytes) {
    CGdiBitmap* surface = CGdiBitmap::Wrap(pBits, width, height, strideBytes);
    return surface ? CDeviceContext::CreateSurface(surface)->Handle() : nullptr;
}

bool RebindSurfaceDC(HDC hdc, void* pBits, int width, int height, int strideBytes) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc || !dc->Surface())
        return false;
    return dc->Surface()->Rebind(pBits, width, height, strideBytes);
}

}  // namespace platform
