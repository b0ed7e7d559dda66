// Region objects: creation, combination and queries.
#include <algorithm>

#include "platform/gdi/gdi_region.h"

using namespace gdi;

namespace {

RECT Ordered(int x1, int y1, int x2, int y2) {
    return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

HRGN NewRegion(const CPixelRegion& region) {
    return CGdiObject::Publish(new CGdiRegion(region));
}

}  // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    return NewRegion(CPixelRegion(Ordered(x1, y1, x2, y2)));
}

HRGN CreateRectRgnIndirect(const RECT* lprect) {
    if (!lprect)
        return nullptr;
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    return NewRegion(CPixelRegion::RoundRect(Ordered(x1, y1, x2, y2), w, h));
}

BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
    auto* rgn = ObjectAs<CGdiRegion>(hrgn);
    if (!rgn)
        return FALSE;
    rgn->Pixels() = CPixelRegion(Ordered(left, top, right, bottom));
    return TRUE;
}

int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
    auto* dst = ObjectAs<CGdiRegion>(hrgnDst);
    auto* src1 = ObjectAs<CGdiRegion>(hrgnSrc1);
    auto* src2 = ObjectAs<CGdiRegion>(hrgnSrc2);
    if (!dst || !src1 || (iMode != RGN_COPY && !src2))
        return ERROR;
    CPixelRegion result(src1->Pixels());
    if (iMode != RGN_COPY && !result.Combine(src2->Pixels(), iMode))
        return ERROR;
    dst->Pixels() = result;
    return dst->Pixels().Complexity();
}

int GetRgnBox(HRGN hrgn, LPRECT lprc) {
    auto* rgn = ObjectAs<CGdiRegion>(hrgn);
    if (!rgn || !lprc)
        return ERROR;
    *lprc = rgn->Pixels().Bounds();
    return rgn->Pixels().Complexity();
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
    auto* rgn = ObjectAs<CGdiRegion>(hrgn);
    return rgn && rgn->Pixels().Contains(x, y);
}

int OffsetRgn(HRGN hrgn, int x, int y) {
    auto* rgn = ObjectAs<CGdiRegion>(hrgn);
    if (!rgn)
        return ERROR;
    rgn->Pixels().Offset(x, y);
    return rgn->Pixels().Complexity();
}
