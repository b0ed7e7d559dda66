// Resize band arithmetic of the box layout.
#include "ui/controls/ResizeBand.h"

#include <algorithm>

namespace Orvik {

RECT CResizeBand::Band(const RECT& rc) const {
    RECT band = rc;
    LONG RECT::*start = m_axis.Start();
    LONG RECT::*end = m_axis.End();
    if (m_nSize > 0)
        band.*start = std::max<LONG>(rc.*end - m_nSize, rc.*start);
    else
        band.*end = std::min<LONG>(rc.*start - m_nSize, rc.*end);
    return band;
}

bool CResizeBand::Drag(RECT& rcNew, POINT pt, POINT& ptLast, int nMin, int nMax) const {
    LONG p = m_axis.Of(pt);
    LONG d = p - m_axis.Of(ptLast);
    ptLast = pt;
    bool bAtEnd = m_nSize > 0;
    LONG RECT::*edge = bAtEnd ? m_axis.End() : m_axis.Start();
    // The band spans [nLow, nHigh]; the pointer must be past it in the direction it moves.
    LONG nLow = bAtEnd ? rcNew.*edge - m_nSize : rcNew.*edge;
    LONG nHigh = bAtEnd ? rcNew.*edge : rcNew.*edge - m_nSize;
    if ((d > 0 && p < nLow) || (d < 0 && p > nHigh))
        return false;
    LONG extent = m_axis.Extent(rcNew);
    LONG newExtent = bAtEnd ? extent + d : extent - d;
    if (newExtent <= nMin && extent <= nMin)
        return false;
    if (newExtent >= nMax && extent >= nMax)
        return false;
    newExtent = std::clamp<LONG>(newExtent, nMin, std::max(nMin, nMax));
    if (bAtEnd)
        rcNew.*edge = rcNew.*m_axis.Start() + newExtent;
    else
        rcNew.*edge = rcNew.*m_axis.End() - newExtent;
    return true;
}

}  // namespace Orvik
