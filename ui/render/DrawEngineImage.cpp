// Drawing a bitmap as a 9-grid: unscaled corners, stretched or tiled edges and middle.
#include <algorithm>
#include <cstdint>

#include "ui/render/DrawEngine.h"
#include "ui/render/RenderRect.h"

namespace Orvik {

namespace {

using render::IsEmptyRect;
using render::RectsMeet;

// Every rectangle is clamped to +-this on entry: the 9-grid adds and
// subtracts at most four of them, which keeps each cell and its width well
// inside 32 bits.
constexpr LONG COORD_LIMIT = 1 << 28;

// Where the cells go: the target, the image's DC, the visible part of the
// paint rectangle and whether cells are blended or copied.
struct CellTarget {
    HDC hDC;
    HDC hImageDC;
    RECT rcPaint;
    bool bBlend;
    BYTE uFade;
};

LONG Width(const RECT& rc) {
    return rc.right - rc.left;
}
LONG Height(const RECT& rc) {
    return rc.bottom - rc.top;
}

// One source rectangle drawn into one destination rectangle, scaled to fit.
void DrawCell(const CellTarget& t, const RECT& rcDst, const RECT& rcSrc) {
    if (IsEmptyRect(rcDst) || IsEmptyRect(rcSrc) || !RectsMeet(rcDst, t.rcPaint))
        return;
    if (t.bBlend) {
        BLENDFUNCTION bf = {AC_SRC_OVER, 0, t.uFade, AC_SRC_ALPHA};
        AlphaBlend(t.hDC, rcDst.left, rcDst.top, Width(rcDst), Height(rcDst), t.hImageDC,
                   rcSrc.left, rcSrc.top, Width(rcSrc), Height(rcSrc), bf);
    } else if (Width(rcDst) == Width(rcSrc) && Height(rcDst) == Height(rcSrc)) {
        BitBlt(t.hDC, rcDst.left, rcDst.top, Width(rcDst), Height(rcDst), t.hImageDC, rcSrc.left,
               rcSrc.top, SRCCOPY);
    } else {
        StretchBlt(t.hDC, rcDst.left, rcDst.top, Width(rcDst), Height(rcDst), t.hImageDC,
                   rcSrc.left, rcSrc.top, Width(rcSrc), Height(rcSrc), SRCCOPY);
    }
}

// One column or row of a tiled middle: destination span and source span.
struct Span {
    LONG dstFrom, dstTo, srcFrom, srcTo;
};

// An axis of the middle cell: destination and source extent, and the part
// of the destination that is visible.
struct Axis {
    LONG dstFrom, dstTo, srcFrom, srcTo, clipFrom, clipTo;
};

// The spans covering [dstFrom, dstTo): 1:1 tiles of the source span, the
// last one cut, or one stretched span when not tiled. Tiles stay on the grid
// that starts at dstFrom, but only those that reach into the visible part
// are visited, so a huge area costs what its visible part costs.
template <typename Fn>
void ForEachSpan(const Axis& a, bool bTiled, Fn fn) {
    if (!bTiled) {
        fn(Span{a.dstFrom, a.dstTo, a.srcFrom, a.srcTo});
        return;
    }
    int64_t size = int64_t(a.srcTo) - a.srcFrom;
    int64_t first = a.dstFrom;
    if (a.clipFrom > a.dstFrom)
        first += (int64_t(a.clipFrom) - a.dstFrom) / size * size;
    int64_t end = std::min(a.dstTo, a.clipTo);
    for (int64_t pos = first; pos < end; pos += size) {
        int64_t cut = std::min<int64_t>(size, a.dstTo - pos);
        fn(Span{LONG(pos), LONG(pos + cut), a.srcFrom, LONG(a.srcFrom + cut)});
    }
}

// The middle cell with tiling in x, y or both, row by row from the top-left.
void DrawTiledMiddle(const CellTarget& t, const RECT& rcDst, const RECT& rcSrc, bool bTiledX,
                     bool bTiledY) {
    if ((bTiledX && Width(rcSrc) <= 0) || (bTiledY && Height(rcSrc) <= 0))
        return;
    Axis rows = {rcDst.top, rcDst.bottom, rcSrc.top, rcSrc.bottom, t.rcPaint.top, t.rcPaint.bottom};
    Axis cols = {rcDst.left, rcDst.right, rcSrc.left, rcSrc.right, t.rcPaint.left, t.rcPaint.right};
    ForEachSpan(rows, bTiledY, [&](const Span& row) {
        ForEachSpan(cols, bTiledX, [&](const Span& col) {
            DrawCell(t, RECT{col.dstFrom, row.dstFrom, col.dstTo, row.dstTo},
                     RECT{col.srcFrom, row.srcFrom, col.srcTo, row.srcTo});
        });
    });
}

// The nine cells in drawing order: middle, then the corners and edges from
// top-left to bottom-right. d and s are the destination and source, c the
// corner widths.
void DrawNineGrid(const CellTarget& t, const RECT& d, const RECT& s, const RECT& c, bool bHole,
                  bool bTiledX, bool bTiledY) {
    RECT dm = {d.left + c.left, d.top + c.top, d.right - c.right, d.bottom - c.bottom};
    RECT sm = {s.left + c.left, s.top + c.top, s.right - c.right, s.bottom - c.bottom};
    if (!bHole) {
        if (bTiledX || bTiledY)
            DrawTiledMiddle(t, dm, sm, bTiledX, bTiledY);
        else
            DrawCell(t, dm, sm);
    }
    bool l = c.left > 0, tp = c.top > 0, r = c.right > 0, b = c.bottom > 0;
    if (l && tp)
        DrawCell(t, {d.left, d.top, dm.left, dm.top}, {s.left, s.top, sm.left, sm.top});
    if (tp)
        DrawCell(t, {dm.left, d.top, dm.right, dm.top}, {sm.left, s.top, sm.right, sm.top});
    if (r && tp)
        DrawCell(t, {dm.right, d.top, d.right, dm.top}, {sm.right, s.top, s.right, sm.top});
    if (l)
        DrawCell(t, {d.left, dm.top, dm.left, dm.bottom}, {s.left, sm.top, sm.left, sm.bottom});
    if (r)
        DrawCell(t, {dm.right, dm.top, d.right, dm.bottom}, {sm.right, sm.top, s.right, sm.bottom});
    if (l && b)
        DrawCell(t, {d.left, dm.bottom, dm.left, d.bottom}, {s.left, sm.bottom, sm.left, s.bottom});
    if (b)
        DrawCell(t, {dm.left, dm.bottom, dm.right, d.bottom},
                 {sm.left, sm.bottom, sm.right, s.bottom});
    if (r && b)
        DrawCell(t, {dm.right, dm.bottom, d.right, d.bottom},
                 {sm.right, sm.bottom, s.right, s.bottom});
}

// An opaque image of exactly the destination's size: only the painted part
// is copied.
void CopyPaintedPart(const CellTarget& t, const RECT& d, const RECT& s) {
    RECT part;
    if (!render::IntersectRects(part, d, t.rcPaint))
        return;
    BitBlt(t.hDC, part.left, part.top, Width(part), Height(part), t.hImageDC,
           s.left + part.left - d.left, s.top + part.top - d.top, SRCCOPY);
}

LONG Clamp(LONG value) {
    return std::clamp(value, -COORD_LIMIT, COORD_LIMIT);
}

RECT ClampRect(const RECT& rc) {
    return RECT{Clamp(rc.left), Clamp(rc.top), Clamp(rc.right), Clamp(rc.bottom)};
}

// The paint rectangle cut to the DC's clip box: nothing outside both can show.
bool VisiblePart(HDC hDC, const RECT& rcPaint, RECT& rcVisible) {
    RECT rcClip;
    if (GetClipBox(hDC, &rcClip) == ERROR)
        rcClip = rcPaint;
    return render::IntersectRects(rcVisible, ClampRect(rcPaint), ClampRect(rcClip));
}

}  // namespace

void CDrawEngine::DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rcDest, const RECT& rcPaint,
                            const RECT& rcSrc, const RECT& rcCornerIn, bool bAlpha, BYTE uFade,
                            bool bHole, bool bTiledX, bool bTiledY) {
    RECT rcVisible;
    if (hDC == nullptr || hBitmap == nullptr || !VisiblePart(hDC, rcPaint, rcVisible))
        return;
    const RECT rc = ClampRect(rcDest);
    const RECT rcSource = ClampRect(rcSrc);
    const RECT rcCorner = ClampRect(rcCornerIn);
    HDC hImageDC = CreateCompatibleDC(hDC);
    if (hImageDC == nullptr)
        return;
    HGDIOBJ hOld = SelectObject(hImageDC, hBitmap);
    SetStretchBltMode(hDC, COLORONCOLOR);
    CellTarget t = {hDC, hImageDC, rcVisible, bAlpha || uFade < 255, uFade};
    bool bCornersZero =
        rcCorner.left == 0 && rcCorner.top == 0 && rcCorner.right == 0 && rcCorner.bottom == 0;
    if (!t.bBlend && bCornersZero && Width(rc) == Width(rcSource) && Height(rc) == Height(rcSource))
        CopyPaintedPart(t, rc, rcSource);
    else
        DrawNineGrid(t, rc, rcSource, rcCorner, bHole, bTiledX, bTiledY);
    SelectObject(hImageDC, hOld);
    DeleteDC(hImageDC);
}

}  // namespace Orvik
