// The DC's clip region: selection, combination and queries.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_region.h"

using namespace gdi;

namespace {

// The clip to combine with: the DC's own, or the whole target when it has none.
CPixelRegion CurrentClip(const CDeviceContext& dc) {
    if (dc.State().clip)
        return *dc.State().clip;
    return CPixelRegion(RECT{0, 0, dc.Target()->Width(), dc.Target()->Height()});
}

int ClipComplexity(const CDeviceContext& dc) {
    return dc.DrawableRegion().Complexity();
}

int CombineClip(CDeviceContext& dc, const CPixelRegion& region, int mode) {
    CPixelRegion clip = CurrentClip(dc);
    if (!clip.Combine(region, mode))
        return ERROR;
    dc.State().clip = clip;
    return ClipComplexity(dc);
}

RECT LogicalToDevice(const CDeviceContext& dc, int left, int top, int right, int bottom) {
    return dc.ToDevice(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                            std::max(top, bottom)});
}

}  // namespace

int SelectClipRgn(HDC hdc, HRGN hrgn) {
    return ExtSelectClipRgn(hdc, hrgn, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return ERROR;
    if (!hrgn) {
        if (mode != RGN_COPY)
            return ERROR;
        dc->State().clip.reset();
        return ClipComplexity(*dc);
    }
    auto* rgn = ObjectAs<CGdiRegion>(hrgn);
    if (!rgn)
        return ERROR;
    if (mode == RGN_COPY) {
        dc->State().clip = rgn->Pixels();
        return ClipComplexity(*dc);
    }
    return CombineClip(*dc, rgn->Pixels(), mode);
}

int GetClipBox(HDC hdc, LPRECT lprect) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc || !lprect)
        return ERROR;
    CPixelRegion region = dc->DrawableRegion();
    RECT box = region.Bounds();
    POINT o = dc->Offset();
    *lprect = RECT{box.left - o.x, box.top - o.y, box.right - o.x, box.bottom - o.y};
    return region.Complexity();
}

int GetClipRgn(HDC hdc, HRGN hrgn) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    auto* rgn = ObjectAs<CGdiRegion>(hrgn);
    if (!dc || !rgn)
        return -1;
    if (!dc->State().clip)
        return 0;
    rgn->Pixels() = *dc->State().clip;
    return 1;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return ERROR;
    return CombineClip(*dc, CPixelRegion(LogicalToDevice(*dc, left, top, right, bottom)), RGN_AND);
}
