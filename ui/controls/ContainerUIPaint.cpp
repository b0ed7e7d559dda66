// Container: painting itself, its children clipped to the client area, then its bars.
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/render/ClipScope.h"

namespace Orvik {

bool CContainerUI::PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) {
    RECT rcTemp;
    if (!IntersectArea(rcTemp, rcPaint, m_rcItem))
        return true;
    CClipScope clip;
    clip.ClipToRect(hDC, rcTemp);
    CControlUI::PaintSelf(hDC, rcPaint, pStopAt);
    if (!m_items.IsEmpty() && !PaintChildren(hDC, rcPaint, pStopAt, clip))
        return false;
    CControlUI* aBars[] = {m_pVerticalScrollBar, m_pHorizontalScrollBar};
    for (CControlUI* pBar : aBars) {
        if (pBar == nullptr)
            continue;
        if (pBar == pStopAt)
            return false;
        if (pBar->IsVisible() && AreasMeet(rcPaint, pBar->GetBounds()) &&
            !pBar->Paint(hDC, rcPaint, pStopAt))
            return false;
    }
    return true;
}

bool CContainerUI::PaintChildren(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt,
                                 CClipScope& clip) {
    CUIRect rcClient = GetClientBounds();
    RECT rcInner;
    if (!IntersectArea(rcInner, rcPaint, rcClient)) {
        // Only floating children can show outside the client area.
        for (int i = 0; i < m_items.GetSize(); ++i) {
            CControlUI* pChild = ItemAt(i);
            if (pChild == pStopAt)
                return false;
            if (!pChild->IsVisible() || !pChild->IsFloat())
                continue;
            if (AreasMeet(rcPaint, pChild->GetBounds()) &&
                AreasMeet(m_rcItem, pChild->GetBounds()) && !pChild->Paint(hDC, rcPaint, pStopAt))
                return false;
        }
        return true;
    }
    CClipScope childClip;
    childClip.ClipToRect(hDC, rcInner);
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* pChild = ItemAt(i);
        if (pChild == pStopAt)
            return false;
        if (!pChild->IsVisible() || !AreasMeet(rcPaint, pChild->GetBounds()))
            continue;
        if (pChild->IsFloat()) {
            if (!AreasMeet(m_rcItem, pChild->GetBounds()))
                continue;
            // A floating child may reach into the inset: the outer clip holds.
            childClip.SuspendClip();
            bool bGoOn = pChild->Paint(hDC, rcPaint, pStopAt);
            childClip.ResumeClip();
            if (!bGoOn)
                return false;
        } else if (AreasMeet(rcClient, pChild->GetBounds()) &&
                   !pChild->Paint(hDC, rcPaint, pStopAt)) {
            return false;
        }
    }
    (void)clip;
    return true;
}

}  // namespace Orvik
