// A solid or null brush.
#pragma once

#include "platform/gdi/gdi_object.h"

namespace gdi {

class CGdiBrush : public CGdiObject {
public:
    static constexpr ObjKind KIND = ObjKind::Brush;
    CGdiBrush(COLORREF color, bool isNull) : CGdiObject(KIND), m_color(color), m_bNull(isNull) {}

    COLORREF Color() const { return m_color; }
    bool IsNull() const { return m_bNull; }

private:
    COLORREF m_color;
    bool m_bNull;
};

}  // namespace gdi
