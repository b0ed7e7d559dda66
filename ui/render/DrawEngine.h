// Stateless drawing operations: skin images, 9-grids, colour fills, gradients and strokes.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIResName.h"
#include "ui/render/IRenderResources.h"
#include "ui/render/ImagePaintState.h"
#include "ui/render/SkinImage.h"

namespace Orvik {

// Every operation takes plain records and a device context; nothing is
// remembered between calls. Colours are 0xAARRGGBB values.
class CDrawEngine {
public:
    // Decodes an image into a premultiplied bitmap. With type "*COLOR*" the
    // name is a colour text and the image is one pixel of that colour;
    // otherwise the bytes come from the skin store. Pixels whose
    // premultiplied value equals dwMask become transparent. Null on failure.
    static SkinImage* LoadImage(CUIResName name, const char* pstrType = nullptr, DWORD dwMask = 0);
    // Frees the bitmap and, with bDelete, the record.
    static void FreeImage(SkinImage* pImage, bool bDelete = true);

    // Draws rcSource of the bitmap into rc as a 9-grid with unscaled corners
    // rcCorner, touching only cells that meet rcPaint. Images with alpha, and
    // any image with uFade below 255, are blended; opaque ones are copied.
    static void DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint,
                          const RECT& rcSource, const RECT& rcCorner, bool bAlpha, BYTE uFade = 255,
                          bool bHole = false, bool bTiledX = false, bool bTiledY = false);
    // Draws an image attribute inside rcItem, loading the image through the
    // host's cache on the first call. False when the image cannot be had;
    // a failed load is not retried until the state is reset. Without a DC
    // the image is only loaded.
    static bool DrawImageDescriptor(HDC hDC, IRenderResources* pHost, const RECT& rcItem,
                                    const RECT& rcPaint, ImagePaintState& state);

    // Alpha 0 draws nothing, 255 fills opaque, anything between blends.
    static void FillColor(HDC hDC, const RECT& rc, DWORD dwColor);
    // A two-colour gradient from the left (top when bVertical) edge to the
    // right (bottom) one, blended with the average of the two alphas. The
    // platform's gradient fill is smooth, so nSteps is not needed.
    static void FillGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical,
                             int nSteps);

    // A line from rc's left-top to its right-bottom corner.
    static void StrokeLine(HDC hDC, const RECT& rc, int nWidth, DWORD dwColor,
                           int nStyle = PS_SOLID);
    // Outlines drawn inside rc.
    static void StrokeRect(HDC hDC, const RECT& rc, int nWidth, DWORD dwColor,
                           int nStyle = PS_SOLID);
    static void StrokeRoundedRect(HDC hDC, const RECT& rc, int nWidth, int nEllipseWidth,
                                  int nEllipseHeight, DWORD dwColor, int nStyle = PS_SOLID);

    // Text in the host's font of iFont (default font when it has none) and
    // the colour's RGB, on a transparent background, laid out by the
    // platform with uStyle; "&" is never a prefix. "%{id}" language tokens
    // are expanded first. With DT_CALCRECT only rc is updated.
    static void DrawPlainText(HDC hDC, IRenderResources* pHost, RECT& rc, const char* pstrText,
                              DWORD dwTextColor, int iFont, UINT uStyle);
    // Text with one-letter tags ("{b}bold{/b}", "{n}" a line break, "{a url}"
    // a link, ...), laid out by the engine with per-line alignment. On entry
    // nLinkRects is the number of link slots in prcLinks and sLinks (they may
    // be null with 0); on return the number of links laid out. With
    // DT_CALCRECT nothing is drawn and rc gets the text's size.
    static void DrawMarkupText(HDC hDC, IRenderResources* pHost, RECT& rc, const char* pstrText,
                               DWORD dwTextColor, RECT* prcLinks, CUIString* sLinks,
                               int& nLinkRects, int iFont, UINT uStyle);

    // A 32-bit bottom-up bitmap and its pixels, for layered windows.
    static HBITMAP CreateArgbBitmap(HDC hDC, int cx, int cy, BYTE** ppBits);
};

}  // namespace Orvik
