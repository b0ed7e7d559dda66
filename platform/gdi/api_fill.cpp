// Rectangle fills and gradients.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"

using namespace gdi;

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hDC);
    auto* brush = ObjectAs<CGdiBrush>(hbr);
    if (!dc || !lprc || !brush)
        return 0;
    if (!brush->IsNull())
        FillArea(*dc, CPixelRegion(dc->ToDevice(*lprc)), brush->Color());
    return 1;
}

namespace {

pixman_color_t VertexColor(const TRIVERTEX& v) {
    return pixman_color_t{v.Red, v.Green, v.Blue, v.Alpha};
}

// One rectangle of a gradient fill: a two-stop linear gradient from the
// upper-left vertex's edge to the lower-right vertex's edge.
void FillGradientRect(CDeviceContext& dc, const TRIVERTEX& a, const TRIVERTEX& b, bool vertical) {
    POINT o = dc.Offset();
    RECT rc = {std::min(a.x, b.x) + o.x, std::min(a.y, b.y) + o.y, std::max(a.x, b.x) + o.x,
               std::max(a.y, b.y) + o.y};
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;
    pixman_point_fixed_t p1 = {pixman_int_to_fixed(a.x + o.x), pixman_int_to_fixed(a.y + o.y)};
    pixman_point_fixed_t p2 = p1;
    if (vertical)
        p2.y = pixman_int_to_fixed(b.y + o.y);
    else
        p2.x = pixman_int_to_fixed(b.x + o.x);
    pixman_gradient_stop_t stops[2] = {{pixman_int_to_fixed(0), VertexColor(a)},
                                       {pixman_int_to_fixed(1), VertexColor(b)}};
    pixman_image_t* grad = pixman_image_create_linear_gradient(&p1, &p2, stops, 2);
    if (!grad)
        return;
    pixman_image_set_repeat(grad, PIXMAN_REPEAT_PAD);
    CompositeClipped(dc, PIXMAN_OP_SRC, grad, nullptr, rc.left, rc.top, 0, 0, rc.left, rc.top,
                     rc.right - rc.left, rc.bottom - rc.top);
    pixman_image_unref(grad);
}

}  // namespace

BOOL GradientFill(HDC hdc, TRIVERTEX* pVertex, ULONG nVertex, PVOID pMesh, ULONG nMesh,
                  ULONG ulMode) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc || !pVertex || !pMesh)
        return FALSE;
    if (ulMode != GRADIENT_FILL_RECT_H && ulMode != GRADIENT_FILL_RECT_V)
        return FALSE;
    auto* rects = static_cast<const GRADIENT_RECT*>(pMesh);
    for (ULONG i = 0; i < nMesh; ++i)
        if (rects[i].UpperLeft >= nVertex || rects[i].LowerRight >= nVertex)
            return FALSE;
    for (ULONG i = 0; i < nMesh; ++i)
        FillGradientRect(*dc, pVertex[rects[i].UpperLeft], pVertex[rects[i].LowerRight],
                         ulMode == GRADIENT_FILL_RECT_V);
    return TRUE;
}
