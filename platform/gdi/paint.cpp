// Clipped pixman composites: the clip is set on the target image for the one call only.
#include "platform/gdi/paint.h"

namespace gdi {

pixman_color_t ToPixmanColor(COLORREF color) {
    auto widen = [](BYTE v) { return static_cast<uint16_t>(v * 257); };
    return pixman_color_t{widen(GetRValue(color)), widen(GetGValue(color)), widen(GetBValue(color)),
                          0xFFFF};
}

CTargetClip::CTargetClip(CDeviceContext& dc, const CPixelRegion* limit)
    : m_clip(dc.DrawableRegion()), m_pTarget(dc.Target()->Image()) {
    if (limit)
        m_clip.Intersect(*limit);
    pixman_image_set_clip_region32(m_pTarget, m_clip.Raw());
}

CTargetClip::~CTargetClip() {
    pixman_image_set_clip_region32(m_pTarget, nullptr);
}

void CompositeClipped(CDeviceContext& dc, pixman_op_t op, pixman_image_t* src, pixman_image_t* mask,
                      int srcX, int srcY, int maskX, int maskY, int dstX, int dstY, int width,
                      int height, const CPixelRegion* limit) {
    if (width <= 0 || height <= 0)
        return;
    CPixelRegion clip = dc.DrawableRegion();
    if (limit)
        clip.Intersect(*limit);
    clip.Intersect(RECT{dstX, dstY, dstX + width, dstY + height});
    if (clip.IsEmpty())
        return;
    pixman_image_t* dst = dc.Target()->Image();
    pixman_image_set_clip_region32(dst, clip.Raw());
    pixman_image_composite32(op, src, mask, dst, srcX, srcY, maskX, maskY, dstX, dstY, width,
                             height);
    pixman_image_set_clip_region32(dst, nullptr);
}

void FillArea(CDeviceContext& dc, const CPixelRegion& area, COLORREF color) {
    if (area.IsEmpty())
        return;
    pixman_color_t c = ToPixmanColor(color);
    pixman_image_t* solid = pixman_image_create_solid_fill(&c);
    RECT b = area.Bounds();
    CompositeClipped(dc, PIXMAN_OP_SRC, solid, nullptr, 0, 0, 0, 0, b.left, b.top, b.right - b.left,
                     b.bottom - b.top, &area);
    pixman_image_unref(solid);
}

}  // namespace gdi
