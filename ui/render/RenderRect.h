// Rectangle helpers shared by the draw engine's sources.
#pragma once

#include <algorithm>

#include "platform/win32_types.h"

namespace Orvik::render {

inline bool IsEmptyRect(const RECT& rc) {
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

// The common part of a and b; false (and out unspecified) when they do not meet.
inline bool IntersectRects(RECT& out, const RECT& a, const RECT& b) {
    out = RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
    return !IsEmptyRect(out);
}

inline bool RectsMeet(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRects(common, a, b);
}

}  // namespace Orvik::render
