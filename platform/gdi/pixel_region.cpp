// Region arithmetic over pixman regions, and the row-exact rounded rectangle.
#include "platform/gdi/pixel_region.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gdi {

namespace {

bool IsEmptyRect(const RECT& rc) {
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

// How far the corner ellipse cuts into row `row` (0 = outermost) of a corner
// that is `rows` rows high, for an ellipse `w` wide and `h` high.
int CornerInset(int row, int w, int h) {
    double a = w / 2.0;
    double b = h / 2.0;
    double dy = b - (row + 0.5);  // distance of the row's centre from the ellipse's centre
    double t = 1.0 - (dy * dy) / (b * b);
    double half = a * std::sqrt(std::max(0.0, t));
    return static_cast<int>(std::lround(a - half));
}

}  // namespace

CPixelRegion::CPixelRegion(const RECT& rc) {
    if (IsEmptyRect(rc))
        pixman_region32_init(&m_region);
    else
        pixman_region32_init_rect(&m_region, rc.left, rc.top, rc.right - rc.left,
                                  rc.bottom - rc.top);
}

CPixelRegion::CPixelRegion(const CPixelRegion& o) {
    pixman_region32_init(&m_region);
    pixman_region32_copy(&m_region, const_cast<pixman_region32_t*>(&o.m_region));
}

CPixelRegion& CPixelRegion::operator=(const CPixelRegion& o) {
    if (this != &o)
        pixman_region32_copy(&m_region, const_cast<pixman_region32_t*>(&o.m_region));
    return *this;
}

CPixelRegion CPixelRegion::RoundRect(const RECT& rcIn, int w, int h) {
    RECT rc = {std::min(rcIn.left, rcIn.right), std::min(rcIn.top, rcIn.bottom),
               std::max(rcIn.left, rcIn.right) - 1, std::max(rcIn.top, rcIn.bottom) - 1};
    if (IsEmptyRect(rc))
        return CPixelRegion();
    w = std::min<int>(std::abs(w), rc.right - rc.left);
    h = std::min<int>(std::abs(h), rc.bottom - rc.top);
    if (w < 2 || h < 2)
        return CPixelRegion(rc);

    int cornerRows = h / 2;
    std::vector<pixman_box32_t> boxes;
    auto addRow = [&](int y, int inset) {
        boxes.push_back({rc.left + inset, y, rc.right - inset, y + 1});
    };
    for (int row = 0; row < cornerRows; ++row)
        addRow(rc.top + row, CornerInset(row, w, h));
    if (rc.bottom - cornerRows > rc.top + cornerRows)
        boxes.push_back({rc.left, rc.top + cornerRows, rc.right, rc.bottom - cornerRows});
    for (int row = cornerRows - 1; row >= 0; --row)
        addRow(rc.bottom - 1 - row, CornerInset(row, w, h));

    CPixelRegion result;
    pixman_region32_fini(&result.m_region);
    pixman_region32_init_rects(&result.m_region, boxes.data(), static_cast<int>(boxes.size()));
    return result;
}

bool CPixelRegion::IsEmpty() const {
    return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(&m_region));
}

RECT CPixelRegion::Bounds() const {
    if (IsEmpty())
        return RECT{0, 0, 0, 0};
    const pixman_box32_t* b = pixman_region32_extents(const_cast<pixman_region32_t*>(&m_region));
    return RECT{b->x1, b->y1, b->x2, b->y2};
}

int CPixelRegion::Complexity() const {
    if (IsEmpty())
        return NULLREGION;
    return pixman_region32_n_rects(const_cast<pixman_region32_t*>(&m_region)) == 1 ? SIMPLEREGION
                                                                                   : COMPLEXREGION;
}

bool CPixelRegion::Contains(int x, int y) const {
    return pixman_region32_contains_point(const_cast<pixman_region32_t*>(&m_region), x, y, nullptr);
}

void CPixelRegion::Intersect(const CPixelRegion& o) {
    pixman_region32_intersect(&m_region, &m_region, const_cast<pixman_region32_t*>(&o.m_region));
}

void CPixelRegion::Intersect(const RECT& rc) {
    if (IsEmptyRect(rc)) {
        pixman_region32_clear(&m_region);
        return;
    }
    pixman_region32_intersect_rect(&m_region, &m_region, rc.left, rc.top, rc.right - rc.left,
                                   rc.bottom - rc.top);
}

void CPixelRegion::Union(const CPixelRegion& o) {
    pixman_region32_union(&m_region, &m_region, const_cast<pixman_region32_t*>(&o.m_region));
}

void CPixelRegion::Subtract(const CPixelRegion& o) {
    pixman_region32_subtract(&m_region, &m_region, const_cast<pixman_region32_t*>(&o.m_region));
}

void CPixelRegion::Xor(const CPixelRegion& o) {
    CPixelRegion both(*this);
    both.Intersect(o);
    Union(o);
    Subtract(both);
}

bool CPixelRegion::Combine(const CPixelRegion& o, int mode) {
    switch (mode) {
        case RGN_AND:
            Intersect(o);
            return true;
        case RGN_OR:
            Union(o);
            return true;
        case RGN_XOR:
            Xor(o);
            return true;
        case RGN_DIFF:
            Subtract(o);
            return true;
        case RGN_COPY:
            *this = o;
            return true;
        default:
            return false;
    }
}

}  // namespace gdi
