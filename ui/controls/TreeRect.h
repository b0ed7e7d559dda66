// Rectangle arithmetic of the control tree: hit tests, intersections, unions.
#pragma once

#include <algorithm>

#include "platform/win32_types.h"

namespace Orvik {

inline bool PointInRect(const RECT& rc, POINT pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

inline bool IsRectEmptyArea(const RECT& rc) {
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

// The common part; false (out emptied) when the two do not meet.
inline bool IntersectArea(RECT& out, const RECT& a, const RECT& b) {
    out = RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
    if (IsRectEmptyArea(out)) {
        out = RECT{0, 0, 0, 0};
        return false;
    }
    return true;
}

inline bool AreasMeet(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectArea(common, a, b);
}

// The smallest rectangle covering both; an empty one adds nothing.
inline RECT UnionArea(const RECT& a, const RECT& b) {
    if (IsRectEmptyArea(a))
        return b;
    if (IsRectEmptyArea(b))
        return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

}  // namespace Orvik
