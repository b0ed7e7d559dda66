// Colour fills, two-colour gradients and strokes.
#include "ui/render/DrawEngine.h"
#include "ui/render/RenderRect.h"
#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

// Blends the colour over rc through a one-pixel premultiplied image, so a
// half-transparent colour really covers half: channel x alpha / 255 plus the
// target x (255 - alpha) / 255.
void BlendColor(HDC hDC, const RECT& rc, DWORD dwColor) {
    BYTE* pBits = nullptr;
    HBITMAP hPixel = CDrawEngine::CreateArgbBitmap(hDC, 1, 1, &pBits);
    if (hPixel == nullptr || pBits == nullptr) {
        if (hPixel != nullptr)
            DeleteObject(hPixel);
        return;
    }
    DWORD a = ColorAlpha(dwColor);
    pBits[0] = static_cast<BYTE>((dwColor & 0xFF) * a / 255);
    pBits[1] = static_cast<BYTE>(((dwColor >> 8) & 0xFF) * a / 255);
    pBits[2] = static_cast<BYTE>(((dwColor >> 16) & 0xFF) * a / 255);
    pBits[3] = static_cast<BYTE>(a);
    RECT rcPixel = {0, 0, 1, 1};
    RECT rcNoCorner = {0, 0, 0, 0};
    CDrawEngine::DrawImage(hDC, hPixel, rc, rc, rcPixel, rcNoCorner, true);
    DeleteObject(hPixel);
}

void FillOpaque(HDC hDC, const RECT& rc, DWORD dwColor) {
    HBRUSH hBrush = CreateSolidBrush(ToColorRef(dwColor));
    FillRect(hDC, &rc, hBrush);
    DeleteObject(hBrush);
}

TRIVERTEX Vertex(LONG x, LONG y, DWORD dwColor) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(((dwColor >> 16) & 0xFF) << 8),
                     static_cast<COLOR16>(((dwColor >> 8) & 0xFF) << 8),
                     static_cast<COLOR16>((dwColor & 0xFF) << 8),
                     0xFF00};
}

// The opaque gradient over rc of the DC.
void GradientInto(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical) {
    TRIVERTEX v[2] = {Vertex(rc.left, rc.top, dwFirst), Vertex(rc.right, rc.bottom, dwSecond)};
    GRADIENT_RECT mesh = {0, 1};
    GradientFill(hDC, v, 2, &mesh, 1, bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

// A translucent gradient is drawn opaque off-screen, then blended with the
// constant alpha.
void BlendGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical,
                   BYTE uAlpha) {
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    HDC hMemDC = CreateCompatibleDC(hDC);
    HBITMAP hBitmap = CreateCompatibleBitmap(hDC, cx, cy);
    if (hMemDC != nullptr && hBitmap != nullptr) {
        HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
        GradientInto(hMemDC, RECT{0, 0, cx, cy}, dwFirst, dwSecond, bVertical);
        BLENDFUNCTION bf = {AC_SRC_OVER, 0, uAlpha, AC_SRC_ALPHA};
        AlphaBlend(hDC, rc.left, rc.top, cx, cy, hMemDC, 0, 0, cx, cy, bf);
        SelectObject(hMemDC, hOld);
    }
    if (hBitmap != nullptr)
        DeleteObject(hBitmap);
    if (hMemDC != nullptr)
        DeleteDC(hMemDC);
}

// Pens for the outlines, and no fill. A solid pen frames inside the bounds;
// a dash style goes to the pen as it is, since or-ing it with inside-frame
// (value 6) would lose the dash.
template <typename Shape>
void StrokeInside(HDC hDC, int nWidth, DWORD dwColor, int nStyle, Shape shape) {
    int nPenStyle = nStyle == PS_SOLID ? PS_INSIDEFRAME : nStyle;
    HPEN hPen = CreatePen(nPenStyle, nWidth, ToColorRef(dwColor));
    HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(HOLLOW_BRUSH));
    shape();
    SelectObject(hDC, hOldBrush);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
}

}  // namespace

void CDrawEngine::FillColor(HDC hDC, const RECT& rc, DWORD dwColor) {
    BYTE uAlpha = ColorAlpha(dwColor);
    if (hDC == nullptr || uAlpha == 0 || render::IsEmptyRect(rc))
        return;
    if (uAlpha == 255)
        FillOpaque(hDC, rc, dwColor);
    else
        BlendColor(hDC, rc, dwColor);
}

void CDrawEngine::FillGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond,
                               bool bVertical, int /*nSteps*/) {
    BYTE uAlpha = static_cast<BYTE>((ColorAlpha(dwFirst) + ColorAlpha(dwSecond)) / 2);
    if (hDC == nullptr || uAlpha == 0 || render::IsEmptyRect(rc))
        return;
    if (uAlpha == 255)
        GradientInto(hDC, rc, dwFirst, dwSecond, bVertical);
    else
        BlendGradient(hDC, rc, dwFirst, dwSecond, bVertical, uAlpha);
}

void CDrawEngine::StrokeLine(HDC hDC, const RECT& rc, int nWidth, DWORD dwColor, int nStyle) {
    if (hDC == nullptr)
        return;
    HPEN hPen = CreatePen(nStyle, nWidth, ToColorRef(dwColor));
    HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    POINT ptOld;
    MoveToEx(hDC, rc.left, rc.top, &ptOld);
    LineTo(hDC, rc.right, rc.bottom);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
}

void CDrawEngine::StrokeRect(HDC hDC, const RECT& rc, int nWidth, DWORD dwColor, int nStyle) {
    if (hDC == nullptr)
        return;
    StrokeInside(hDC, nWidth, dwColor, nStyle,
                 [&] { Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom); });
}

void CDrawEngine::StrokeRoundedRect(HDC hDC, const RECT& rc, int nWidth, int nEllipseWidth,
                                    int nEllipseHeight, DWORD dwColor, int nStyle) {
    if (hDC == nullptr)
        return;
    StrokeInside(hDC, nWidth, dwColor, nStyle, [&] {
        RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, nEllipseWidth, nEllipseHeight);
    });
}

}  // namespace Orvik
