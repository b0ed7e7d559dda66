// Pen and brush shapes: lines, rectangles and rounded rectangles, drawn aliased like the original.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pen_dashes.h"

using namespace gdi;

namespace {

// A line of the pen's width as a filled polygon, without anti-aliasing.
void FillLinePolygon(CDeviceContext& dc, double x0, double y0, double x1, double y1, int width,
                     COLORREF color) {
    double dx = x1 - x0, dy = y1 - y0;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0)
        return;
    double nx = -dy / len * width / 2.0, ny = dx / len * width / 2.0;
    auto fx = [](double v) { return pixman_double_to_fixed(v); };
    pixman_point_fixed_t p[4] = {{fx(x0 + nx), fx(y0 + ny)},
                                 {fx(x1 + nx), fx(y1 + ny)},
                                 {fx(x1 - nx), fx(y1 - ny)},
                                 {fx(x0 - nx), fx(y0 - ny)}};
    pixman_triangle_t tris[2] = {{p[0], p[1], p[2]}, {p[0], p[2], p[3]}};
    pixman_color_t c = ToPixmanColor(color);
    pixman_image_t* solid = pixman_image_create_solid_fill(&c);
    CPixelRegion clip = dc.DrawableRegion();
    pixman_image_t* dst = dc.Target()->Image();
    pixman_image_set_clip_region32(dst, clip.Raw());
    pixman_composite_triangles(PIXMAN_OP_OVER, solid, dst, PIXMAN_a1, 0, 0, 0, 0, 2, tris);
    pixman_image_set_clip_region32(dst, nullptr);
    pixman_image_unref(solid);
}

// Horizontal and vertical lines are exact pixel rectangles: the end point is
// left out, and a wide pen grows evenly around the line.
void DrawSolidLine(CDeviceContext& dc, POINT a, POINT b, int w, COLORREF color) {
    int lo = w / 2;
    if (a.y == b.y) {
        int left = std::min(a.x, b.x) + (a.x > b.x ? 1 : 0);
        int right = std::max(a.x, b.x) + (a.x > b.x ? 1 : 0);
        FillArea(dc, CPixelRegion(RECT{left, a.y - lo, right, a.y - lo + w}), color);
    } else if (a.x == b.x) {
        int top = std::min(a.y, b.y) + (a.y > b.y ? 1 : 0);
        int bottom = std::max(a.y, b.y) + (a.y > b.y ? 1 : 0);
        FillArea(dc, CPixelRegion(RECT{a.x - lo, top, a.x - lo + w, bottom}), color);
    } else {
        FillLinePolygon(dc, a.x + 0.5, a.y + 0.5, b.x + 0.5, b.y + 0.5, w, color);
    }
}

// The colour of a dash or gap, or false for a gap that leaves the pixels
// alone (transparent background mode).
bool PieceColor(const CDeviceContext& dc, bool on, COLORREF& color) {
    if (on) {
        color = dc.Pen()->Color();
        return true;
    }
    color = dc.State().bkColor;
    return dc.State().bkMode == OPAQUE;
}

// A styled line dash by dash; the gaps show the background colour when the
// background mode is opaque. Straight lines keep whole pixels.
void DrawDashedLine(CDeviceContext& dc, POINT a, POINT b, const std::vector<int>& pattern) {
    bool straight = a.x == b.x || a.y == b.y;
    double dx = b.x - a.x, dy = b.y - a.y;
    double length = straight ? std::abs(dx + dy) : std::sqrt(dx * dx + dy * dy);
    int w = dc.Pen()->Width();
    ForEachDashPiece(pattern, length, [&](double s0, double s1, bool on) {
        COLORREF color;
        if (!PieceColor(dc, on, color))
            return;
        double f0 = s0 / length, f1 = s1 / length;
        if (straight) {
            POINT p0 = {a.x + int(dx * f0), a.y + int(dy * f0)};
            POINT p1 = {a.x + int(dx * f1), a.y + int(dy * f1)};
            DrawSolidLine(dc, p0, p1, w, color);
            return;
        }
        FillLinePolygon(dc, a.x + 0.5 + dx * f0, a.y + 0.5 + dy * f0, a.x + 0.5 + dx * f1,
                        a.y + 0.5 + dy * f1, w, color);
    });
}

void DrawLine(CDeviceContext& dc, POINT a, POINT b, const CGdiPen& pen) {
    std::vector<int> pattern = DashPattern(pen);
    if (pattern.empty())
        DrawSolidLine(dc, a, b, pen.Width(), pen.Color());
    else
        DrawDashedLine(dc, a, b, pattern);
}

// The outer edge of a shape's outline: inside the bounds for inside-frame
// pens and 1-pixel pens, centred on the bounds for wider solid pens.
RECT OuterBounds(const RECT& rc, const CGdiPen& pen) {
    int w = pen.Width();
    if (pen.IsInsideFrame() || w <= 1)
        return rc;
    return RECT{rc.left - w / 2, rc.top - w / 2, rc.right + (w - 1) / 2, rc.bottom + (w - 1) / 2};
}

RECT Deflate(const RECT& rc, int d) {
    return RECT{rc.left + d, rc.top + d, rc.right - d, rc.bottom - d};
}

// The pen's band between outer and inner; a styled pen leaves gaps that
// show the background colour when the background mode is opaque.
void PaintFrame(CDeviceContext& dc, const CPixelRegion& outer, const CPixelRegion& inner) {
    CPixelRegion frame(outer);
    frame.Subtract(inner);
    std::vector<int> pattern = DashPattern(*dc.Pen());
    if (pattern.empty()) {
        FillArea(dc, frame, dc.Pen()->Color());
        return;
    }
    CPixelRegion dashes = DashedOutline(frame, outer.Bounds(), pattern);
    FillArea(dc, dashes, dc.Pen()->Color());
    COLORREF gap;
    if (PieceColor(dc, false, gap)) {
        frame.Subtract(dashes);
        FillArea(dc, frame, gap);
    }
}

// Fills the interior with the brush and the band between outer and inner with the pen.
void PaintShape(CDeviceContext& dc, const CPixelRegion& outer, const CPixelRegion& inner,
                bool hasPen) {
    CGdiBrush* brush = dc.Brush();
    if (!brush->IsNull())
        FillArea(dc, hasPen ? inner : outer, brush->Color());
    if (hasPen)
        PaintFrame(dc, outer, inner);
}

RECT Normalized(CDeviceContext& dc, int left, int top, int right, int bottom) {
    return dc.ToDevice(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                            std::max(top, bottom)});
}

}  // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->State().curPos;
    dc->State().curPos = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    POINT from = dc->State().curPos;
    dc->State().curPos = POINT{x, y};
    if (dc->Pen()->IsNull())
        return TRUE;
    POINT o = dc->Offset();
    DrawLine(*dc, POINT{from.x + o.x, from.y + o.y}, POINT{x + o.x, y + o.y}, *dc->Pen());
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    RECT rc = Normalized(*dc, left, top, right, bottom);
    CGdiPen* pen = dc->Pen();
    if (pen->IsNull()) {
        // Without a pen the filled area is one pixel smaller, like the original.
        RECT fill = {rc.left, rc.top, rc.right - 1, rc.bottom - 1};
        PaintShape(*dc, CPixelRegion(fill), CPixelRegion(fill), false);
        return TRUE;
    }
    RECT outer = OuterBounds(rc, *pen);
    PaintShape(*dc, CPixelRegion(outer), CPixelRegion(Deflate(outer, pen->Width())), true);
    return TRUE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    RECT rc = Normalized(*dc, left, top, right, bottom);
    CGdiPen* pen = dc->Pen();
    bool hasPen = !pen->IsNull();
    RECT outer =
        hasPen ? OuterBounds(rc, *pen) : RECT{rc.left, rc.top, rc.right - 1, rc.bottom - 1};
    int w = hasPen ? pen->Width() : 0;
    // Region rounded rectangles end one pixel short; shapes cover their bounds.
    auto round = [](const RECT& r, int ew, int eh) {
        return CPixelRegion::RoundRect(RECT{r.left, r.top, r.right + 1, r.bottom + 1}, ew, eh);
    };
    CPixelRegion outerRgn = round(outer, width, height);
    CPixelRegion innerRgn = round(Deflate(outer, w), width - 2 * w, height - 2 * w);
    if (hasPen)
        innerRgn.Intersect(outerRgn);
    PaintShape(*dc, outerRgn, innerRgn, hasPen);
    return TRUE;
}
