// The draggable resize band along one edge of a box layout.
#pragma once

#include "ui/controls/Axis.h"

namespace Orvik {

// Geometry of the band along one axis: a positive size puts it at the end
// edge (right or bottom), a negative one at the start edge (left or top).
class CResizeBand {
public:
    CResizeBand(CAxis axis, int nSize) : m_axis(axis), m_nSize(nSize) {}

    // The strip of the band inside rc.
    RECT Band(const RECT& rc) const;
    // One drag step of the pointer: moves the band's edge of rcNew within
    // [nMin, nMax]. False when the step is ignored.
    bool Drag(RECT& rcNew, POINT pt, POINT& ptLast, int nMin, int nMax) const;

private:
    CAxis m_axis;
    int m_nSize;
};

}  // namespace Orvik
