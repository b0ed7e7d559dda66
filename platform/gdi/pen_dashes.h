// Dash patterns of styled pens, and the dash pixels of a shape's outline.
#pragma once

#include <vector>

#include "platform/gdi/gdi_pen.h"
#include "platform/gdi/pixel_region.h"

namespace gdi {

// Alternating on and off lengths in pixels, starting with a dash; scaled by
// the width for wide pens. Empty for pens drawn without gaps.
std::vector<int> DashPattern(const CGdiPen& pen);

// Whether the pixel `s` pixels from the stroke's start lies on a dash.
bool OnDash(const std::vector<int>& pattern, long s);

// Calls piece(start, end, on) for consecutive pieces of a stroke of `length`
// pixels, so a line can be drawn dash by dash.
template <typename Piece>
void ForEachDashPiece(const std::vector<int>& pattern, double length, Piece piece) {
    double s = 0;
    for (size_t i = 0; s < length; i = (i + 1) % pattern.size()) {
        double end = s + pattern[i] < length ? s + pattern[i] : length;
        piece(s, end, i % 2 == 0);
        s = end;
    }
}

// The pixels of `band` (an outline inside `outer`) that lie on a dash,
// measured clockwise around `outer` from its top-left corner.
CPixelRegion DashedOutline(const CPixelRegion& band, const RECT& outer,
                           const std::vector<int>& pattern);

}  // namespace gdi
