// The draggable resize band along one edge of a box layout.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

// Geometry of the band for one axis: vertical layouts move their bottom
// (positive size) or top (negative size) edge, horizontal ones their right
// or left edge.
class CResizeBand {
public:
    CResizeBand(bool bVertical, int nSize) : m_bVertical(bVertical), m_nSize(nSize) {}

    // The strip of the band inside rc.
    RECT Band(const RECT& rc) const;
    // One drag step of the pointer: moves the band's edge of rcNew within
    // [nMin, nMax]. False when the step is ignored.
    bool Drag(RECT& rcNew, POINT pt, POINT& ptLast, int nMin, int nMax) const;

private:
    LONG RECT::*Start() const { return m_bVertical ? &RECT::top : &RECT::left; }
    LONG RECT::*End() const { return m_bVertical ? &RECT::bottom : &RECT::right; }
    LONG POINT::*Coord() const { return m_bVertical ? &POINT::y : &POINT::x; }

    bool m_bVertical;
    int m_nSize;
};

}  // namespace Orvik
