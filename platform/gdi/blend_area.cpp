// Walks the clipped target rectangles row by row and hands each row to the active blend loop.
#include "platform/gdi/blend_area.h"

#include "platform/gdi/blend_rows.h"

namespace gdi {

namespace {

bool Inside(const RECT& rc, const CGdiBitmap& bmp) {
    return rc.left >= 0 && rc.top >= 0 && rc.right <= bmp.Width() && rc.bottom <= bmp.Height();
}

}  // namespace

bool BlendUnscaled(CDeviceContext& target, const CGdiBitmap& source, const RECT& dst,
                   const RECT& src, BYTE constAlpha, bool opaqueSource) {
    BlendRowFn blendRow = ActiveBlendRow();
    CGdiBitmap* bmp = target.Target();
    if (!blendRow || bmp == &source || !Inside(src, source))
        return false;
    CPixelRegion clip = target.DrawableRegion();
    clip.Intersect(dst);
    // Source pixel = target pixel + shift.
    int dx = src.left - dst.left;
    int dy = src.top - dst.top;
    uint32_t srcOr = opaqueSource ? 0xFF000000u : 0;
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(clip.Raw(), &count);
    for (int i = 0; i < count; ++i) {
        const pixman_box32_t& b = boxes[i];
        for (int y = b.y1; y < b.y2; ++y)
            blendRow(bmp->Row(y) + b.x1, source.Row(y + dy) + b.x1 + dx, b.x2 - b.x1, constAlpha,
                     srcOr);
    }
    return true;
}

}  // namespace gdi
