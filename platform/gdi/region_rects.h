// The rectangles that make up a region, for backends that hand shapes to a window system.
#pragma once

#include <vector>

#include "platform/gdi.h"

namespace gdi {

// Non-overlapping rectangles covering the region; empty for an empty or unknown handle.
std::vector<RECT> RegionRectangles(HRGN region);

}  // namespace gdi
