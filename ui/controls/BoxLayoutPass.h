// Shared arithmetic of the two box layouts' passes.
#pragma once

#include <algorithm>

#include "ui/controls/ControlUI.h"

namespace Orvik::boxlayout {

// Fixed width when at least 1, else the maximum width.
inline LONG CapWidth(const CControlUI& c) {
    return c.GetFixedWidth() >= 1 ? c.GetFixedWidth() : c.GetMaxWidth();
}
inline LONG CapHeight(const CControlUI& c) {
    return c.GetFixedHeight() >= 1 ? c.GetFixedHeight() : c.GetMaxHeight();
}
// Raised to the minimum, then lowered to the maximum.
inline LONG ClampWidth(const CControlUI& c, LONG v) {
    return std::min<LONG>(std::max<LONG>(v, c.GetMinWidth()), c.GetMaxWidth());
}
inline LONG ClampHeight(const CControlUI& c, LONG v) {
    return std::min<LONG>(std::max<LONG>(v, c.GetMinHeight()), c.GetMaxHeight());
}
// What the child may measure into, lowered to its caps.
inline SIZE Limit(const CControlUI& c, LONG cx, LONG cy) {
    return SIZE{std::min(cx, CapWidth(c)), std::min(cy, CapHeight(c))};
}

// What the measuring pass hands to the placing pass.
struct MeasureResult {
    LONG nFixedTotal = 0;
    int nStretchable = 0;
    int nPlaced = 0;
    // The extent across the layout's axis: widest (or tallest) child.
    LONG nCrossContent = 0;
};

}  // namespace Orvik::boxlayout
