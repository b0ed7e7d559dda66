// The region object behind an HRGN.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pixel_region.h"

namespace gdi {

class CGdiRegion : public CGdiObject {
public:
    static constexpr ObjKind KIND = ObjKind::Region;
    explicit CGdiRegion(const CPixelRegion& region) : CGdiObject(KIND), m_region(region) {}

    CPixelRegion& Pixels() { return m_region; }

private:
    CPixelRegion m_region;
};

}  // namespace gdi
