// Drawing primitives shared by the API functions: clipped composites and fills in device space.
#pragma once

#include <pixman.h>

#include "platform/gdi/device_context.h"

namespace gdi {

pixman_color_t ToPixmanColor(COLORREF color);

// Sets a clip on the DC's target image for as long as it lives, so several
// composites can share one clip computation.
class CTargetClip {
public:
    CTargetClip(CDeviceContext& dc, const CPixelRegion* limit);
    ~CTargetClip();
    CTargetClip(const CTargetClip&) = delete;
    CTargetClip& operator=(const CTargetClip&) = delete;
    bool IsEmpty() const { return m_clip.IsEmpty(); }
    pixman_image_t* Target() const { return m_pTarget; }

private:
    CPixelRegion m_clip;
    pixman_image_t* m_pTarget;
};

// Runs one pixman composite onto the DC's target, limited to the DC's clip
// and, when given, to `limit` (device coordinates).
void CompositeClipped(CDeviceContext& dc, pixman_op_t op, pixman_image_t* src, pixman_image_t* mask,
                      int srcX, int srcY, int maskX, int maskY, int dstX, int dstY, int width,
                      int height, const CPixelRegion* limit = nullptr);

// Paints every pixel of `area` (device coordinates) inside the clip with an
// opaque colour.
void FillArea(CDeviceContext& dc, const CPixelRegion& area, COLORREF color);

}  // namespace gdi
