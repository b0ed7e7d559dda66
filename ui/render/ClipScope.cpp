// Clip scopes over rectangles and rounded rectangles.
#include "ui/render/ClipScope.h"

namespace Orvik {

CClipScope::~CClipScope() {
    End();
}

void CClipScope::ClipToRect(HDC hDC, const RECT& rc) {
    Begin(hDC, rc, CreateRectRgnIndirect(&rc));
}

void CClipScope::ClipToRoundedRect(HDC hDC, const RECT& rcPaint, const RECT& rcItem,
                                   int nEllipseWidth, int nEllipseHeight) {
    HRGN hRegion = CreateRectRgnIndirect(&rcPaint);
    // The rounded region stops one pixel short on the right and bottom.
    HRGN hRound = CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1,
                                     nEllipseWidth, nEllipseHeight);
    CombineRgn(hRegion, hRegion, hRound, RGN_AND);
    DeleteObject(hRound);
    Begin(hDC, rcItem, hRegion);
}

void CClipScope::SuspendClip() {
    if (m_hDC != nullptr)
        SelectClipRgn(m_hDC, m_hOldRgn);
}

void CClipScope::ResumeClip() {
    if (m_hDC != nullptr)
        SelectClipRgn(m_hDC, m_hRgn);
}

void CClipScope::Begin(HDC hDC, const RECT& rcItem, HRGN hRegion) {
    End();
    if (hDC == nullptr || hRegion == nullptr) {
        if (hRegion != nullptr)
            DeleteObject(hRegion);
        return;
    }
    m_hDC = hDC;
    m_rcItem = rcItem;
    RECT rcClip = {0, 0, 0, 0};
    GetClipBox(hDC, &rcClip);
    m_hOldRgn = CreateRectRgnIndirect(&rcClip);
    // The scope's region is what the clip became, so ResumeClip restores
    // exactly the clip of the scope.
    ExtSelectClipRgn(hDC, hRegion, RGN_AND);
    if (GetClipRgn(hDC, hRegion) != 1)
        SetRectRgn(hRegion, 0, 0, 0, 0);
    m_hRgn = hRegion;
}

void CClipScope::End() {
    if (m_hDC == nullptr)
        return;
    SelectClipRgn(m_hDC, m_hOldRgn);
    DeleteObject(m_hOldRgn);
    DeleteObject(m_hRgn);
    m_hDC = nullptr;
    m_hRgn = nullptr;
    m_hOldRgn = nullptr;
}

}  // namespace Orvik
