// Shared arithmetic of the box layout's passes.
#pragma once

#include <algorithm>

#include "ui/controls/Axis.h"

namespace Orvik::boxlayout {

// Fixed extent when at least 1, else the maximum.
inline LONG Cap(const CControlUI& c, CAxis a) {
    return a.Fixed(c) >= 1 ? a.Fixed(c) : a.Max(c);
}
// Raised to the minimum, then lowered to the maximum.
inline LONG Clamp(const CControlUI& c, CAxis a, LONG v) {
    return std::min<LONG>(std::max<LONG>(v, a.Min(c)), a.Max(c));
}
// What the child may measure into, lowered to its caps.
inline SIZE Limit(const CControlUI& c, SIZE sz) {
    const CAxis x(false);
    const CAxis y(true);
    return SIZE{std::min(sz.cx, Cap(c, x)), std::min(sz.cy, Cap(c, y))};
}

// What the measuring pass hands to the placing pass.
struct MeasureResult {
    LONG nFixedTotal = 0;
    int nStretchable = 0;
    int nPlaced = 0;
    // The extent across the layout's axis: the widest (or tallest) child.
    LONG nCrossContent = 0;
};

// Where the placing pass stands after each child.
struct PlaceCursor {
    LONG nPos = 0;
    LONG nRemaining = 0;
    LONG nFixedLeft = 0;
    LONG nShare = 0;
    LONG nUsed = 0;
    int nPlaced = 0;
    int nStretched = 0;
};

}  // namespace Orvik::boxlayout
