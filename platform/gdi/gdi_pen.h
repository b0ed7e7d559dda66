// A cosmetic or geometric pen: style, width and colour.
#pragma once

#include "platform/gdi/gdi_object.h"

namespace gdi {

class CGdiPen : public CGdiObject {
public:
    static constexpr ObjKind KIND = ObjKind::Pen;
    CGdiPen(int style, int width, COLORREF color)
        : CGdiObject(KIND),
          m_nStyle(style & PS_STYLE_MASK),
          m_nWidth(width < 1 ? 1 : width),
          m_color(color) {}

    int Style() const { return m_nStyle; }
    int Width() const { return m_nWidth; }
    COLORREF Color() const { return m_color; }
    bool IsNull() const { return m_nStyle == PS_NULL; }
    bool IsInsideFrame() const { return m_nStyle == PS_INSIDEFRAME; }

private:
    int m_nStyle;
    int m_nWidth;
    COLORREF m_color;
};

}  // namespace gdi
