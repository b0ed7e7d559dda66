// Lists a region's rectangles straight from its pixman boxes.
#include "platform/gdi/region_rects.h"

#include "platform/gdi/gdi_region.h"

namespace gdi {

std::vector<RECT> RegionRectangles(HRGN region) {
    std::vector<RECT> rects;
    auto* rgn = ObjectAs<CGdiRegion>(region);
    if (rgn == nullptr)
        return rects;
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(rgn->Pixels().Raw(), &count);
    rects.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        rects.push_back(RECT{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    return rects;
}

}  // namespace gdi
