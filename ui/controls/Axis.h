// One axis of rectangles, sizes, points and control extents, so one code path serves both.
#pragma once

#include "ui/controls/ControlUI.h"

namespace Orvik {

// The x axis (horizontal) or the y axis (vertical). A rectangle is read along
// the axis as a start and an end edge; "cross" is the other axis.
class CAxis {
public:
    constexpr explicit CAxis(bool bVertical) : m_bVertical(bVertical) {}

    constexpr bool IsVertical() const { return m_bVertical; }
    constexpr CAxis Cross() const { return CAxis(!m_bVertical); }

    constexpr LONG RECT::*Start() const { return m_bVertical ? &RECT::top : &RECT::left; }
    constexpr LONG RECT::*End() const { return m_bVertical ? &RECT::bottom : &RECT::right; }
    LONG Extent(const RECT& rc) const { return rc.*End() - rc.*Start(); }
    LONG Of(const SIZE& sz) const { return m_bVertical ? sz.cy : sz.cx; }
    LONG& Of(SIZE& sz) const { return m_bVertical ? sz.cy : sz.cx; }
    LONG Of(const POINT& pt) const { return m_bVertical ? pt.y : pt.x; }

    SIZE MakeSize(LONG nAlong, LONG nAcross) const {
        return m_bVertical ? SIZE{nAcross, nAlong} : SIZE{nAlong, nAcross};
    }
    RECT MakeRect(LONG nStart, LONG nEnd, LONG nCrossStart, LONG nCrossEnd) const {
        return m_bVertical ? RECT{nCrossStart, nStart, nCrossEnd, nEnd}
                           : RECT{nStart, nCrossStart, nEnd, nCrossEnd};
    }

    int Fixed(const CControlUI& c) const {
        return m_bVertical ? c.GetFixedHeight() : c.GetFixedWidth();
    }
    int Min(const CControlUI& c) const { return m_bVertical ? c.GetMinHeight() : c.GetMinWidth(); }
    int Max(const CControlUI& c) const { return m_bVertical ? c.GetMaxHeight() : c.GetMaxWidth(); }

private:
    bool m_bVertical;
};

}  // namespace Orvik
