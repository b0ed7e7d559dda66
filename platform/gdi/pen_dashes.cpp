// Dash patterns of styled pens and the dash pixels of outlines.
#include "platform/gdi/pen_dashes.h"

#include <algorithm>

namespace gdi {

namespace {

// Distance along the perimeter of `outer`, clockwise from the top-left
// pixel, of the perimeter pixel nearest to (x, y).
long PerimeterPosition(const RECT& outer, int x, int y) {
    long w = outer.right - outer.left - 1, h = outer.bottom - outer.top - 1;
    int top = y - outer.top, right = outer.right - 1 - x;
    int bottom = outer.bottom - 1 - y, left = x - outer.left;
    int nearest = std::min({top, right, bottom, left});
    if (nearest == top)
        return x - outer.left;
    if (nearest == right)
        return w + top;
    if (nearest == bottom)
        return w + h + right;
    return 2 * w + h + bottom;
}

}  // namespace

std::vector<int> DashPattern(const CGdiPen& pen) {
    std::vector<int> pattern;
    switch (pen.Style()) {
        case PS_DASH:
            pattern = {18, 6};
            break;
        case PS_DOT:
            pattern = {3, 3};
            break;
        case PS_DASHDOT:
            pattern = {9, 6, 3, 6};
            break;
        case PS_DASHDOTDOT:
            pattern = {9, 3, 3, 3, 3, 3};
            break;
        default:
            return pattern;
    }
    for (int& length : pattern)
        length *= pen.Width();
    return pattern;
}

bool OnDash(const std::vector<int>& pattern, long s) {
    long period = 0;
    for (int length : pattern)
        period += length;
    long at = s % period;
    for (size_t i = 0;; ++i) {
        if (at < pattern[i])
            return i % 2 == 0;
        at -= pattern[i];
    }
}

CPixelRegion DashedOutline(const CPixelRegion& band, const RECT& outer,
                           const std::vector<int>& pattern) {
    std::vector<pixman_box32_t> runs;
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(band.Raw(), &count);
    for (int i = 0; i < count; ++i) {
        for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
            for (int x = boxes[i].x1; x < boxes[i].x2; ++x) {
                if (!OnDash(pattern, PerimeterPosition(outer, x, y)))
                    continue;
                if (!runs.empty() && runs.back().y1 == y && runs.back().x2 == x)
                    ++runs.back().x2;
                else
                    runs.push_back(pixman_box32_t{x, y, x + 1, y + 1});
            }
        }
    }
    CPixelRegion dashes;
    pixman_region32_fini(dashes.Raw());
    pixman_region32_init_rects(dashes.Raw(), runs.data(), static_cast<int>(runs.size()));
    return dashes;
}

}  // namespace gdi
