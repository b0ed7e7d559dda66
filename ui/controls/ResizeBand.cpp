// Resize band arithmetic shared by the vertical and horizontal layouts.
#include "ui/controls/ResizeBand.h"

#include <algorithm>

namespace Orvik {

RECT CResizeBand::Band(const RECT& rc) const {
    RECT band = rc;
    if (m_nSize > 0)
        band.*Start() = std::max<LONG>(rc.*End() - m_nSize, rc.*Start());
    else
        band.*End() = std::min<LONG>(rc.*Start() - m_nSize, rc.*End());
    return band;
}

bool CResizeBand::Drag(RECT& rcNew, POINT pt, POINT& ptLast, int nMin, int nMax) const {
    LONG p = pt.*Coord();
    LONG d = p - ptLast.*Coord();
    ptLast = pt;
    LONG extent = rcNew.*End() - rcNew.*Start();
    if (m_nSize > 0) {
        // The pointer must be past the band in the direction it moves.
        if ((d > 0 && p < rcNew.*End() - m_nSize) || (d < 0 && p > rcNew.*End()))
            return false;
        LONG newExtent = extent + d;
        if (newExtent <= nMin && extent <= nMin)
            return false;
        if (newExtent >= nMax && extent >= nMax)
            return false;
        newExtent = std::clamp<LONG>(newExtent, nMin, std::max(nMin, nMax));
        rcNew.*End() = rcNew.*Start() + newExtent;
        return true;
    }
    if ((d > 0 && p < rcNew.*Start()) || (d < 0 && p > rcNew.*Start() - m_nSize))
        return false;
    LONG newExtent = extent - d;
    if (newExtent <= nMin && extent <= nMin)
        return false;
    if (newExtent >= nMax && extent >= nMax)
        return false;
    newExtent = std::clamp<LONG>(newExtent, nMin, std::max(nMin, nMax));
    rcNew.*Start() = rcNew.*End() - newExtent;
    return true;
}

}  // namespace Orvik
