// Control base: painting in its fixed order, background, image and border.
#include "ui/controls/ControlUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/render/ClipScope.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

bool CControlUI::Paint(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) {
    if (pStopAt == this)
        return false;
    RECT rc;
    if (!IntersectArea(rc, rcPaint, m_rcItem))
        return true;
    m_rcPaint = rc;
    if (!OnPaint.IsEmpty() && !OnPaint.Invoke(this))
        return true;
    if (!PaintSelf(hDC, rcPaint, pStopAt))
        return false;
    if (m_pOverlay != nullptr)
        return m_pOverlay->Paint(hDC, rcPaint, nullptr);
    return true;
}

bool CControlUI::PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI*) {
    RECT rc;
    if (!IntersectArea(rc, rcPaint, m_rcItem))
        return true;
    m_rcPaint = rc;
    CClipScope clip;
    if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0)
        clip.ClipToRoundedRect(hDC, m_rcPaint, m_rcItem, m_cxyBorderRound.cx, m_cxyBorderRound.cy);
    PaintBackColor(hDC);
    PaintBackImage(hDC);
    PaintStateImage(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
    return true;
}

void CControlUI::PaintBackColor(HDC hDC) {
    if (m_dwBackColor == 0)
        return;
    if (m_dwBackColor2 != 0 && m_dwBackColor3 != 0) {
        LONG middle = (m_rcItem.top + m_rcItem.bottom) / 2;
        RECT rcUpper = {m_rcItem.left, m_rcItem.top, m_rcItem.right, middle};
        RECT rcLower = {m_rcItem.left, middle, m_rcItem.right, m_rcItem.bottom};
        CDrawEngine::FillGradient(hDC, rcUpper, m_dwBackColor, m_dwBackColor2, true, 8);
        CDrawEngine::FillGradient(hDC, rcLower, m_dwBackColor2, m_dwBackColor3, true, 8);
    } else if (m_dwBackColor2 != 0) {
        CDrawEngine::FillGradient(hDC, m_rcItem, m_dwBackColor, m_dwBackColor2, true, 16);
    } else if (m_dwBackColor >= 0xFF000000) {
        CDrawEngine::FillColor(hDC, m_rcPaint, m_dwBackColor);
    } else {
        // A translucent colour blends over the whole control, so partial
        // repaints come out the same as full ones.
        CDrawEngine::FillColor(hDC, m_rcItem, m_dwBackColor);
    }
}

void CControlUI::PaintBackImage(HDC hDC) {
    if (m_diBk.strDescriptor.IsEmpty() || m_pHost == nullptr)
        return;
    CDrawEngine::DrawImageDescriptor(hDC, m_pHost, m_rcItem, m_rcPaint, m_diBk);
}

void CControlUI::PaintBorder(HDC hDC) {
    if (m_dwBorderColor == 0 && m_dwFocusBorderColor == 0)
        return;
    DWORD dwColor =
        m_bFocused && m_dwFocusBorderColor != 0 ? m_dwFocusBorderColor : m_dwBorderColor;
    const CUIRect& b = m_rcBorderSize;
    if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0) {
        CDrawEngine::StrokeRoundedRect(hDC, m_rcItem, b.left, m_cxyBorderRound.cx,
                                       m_cxyBorderRound.cy, dwColor, m_nBorderStyle);
        return;
    }
    if (b.left == b.top && b.left == b.right && b.left == b.bottom) {
        if (b.left >= 1)
            CDrawEngine::StrokeRect(hDC, m_rcItem, b.left, dwColor, m_nBorderStyle);
        return;
    }
    const CUIRect& r = m_rcItem;
    if (b.left > 0)
        CDrawEngine::StrokeLine(hDC, RECT{r.left, r.top, r.left, r.bottom}, b.left, dwColor,
                                m_nBorderStyle);
    if (b.top > 0)
        CDrawEngine::StrokeLine(hDC, RECT{r.left, r.top, r.right, r.top}, b.top, dwColor,
                                m_nBorderStyle);
    if (b.right > 0)
        CDrawEngine::StrokeLine(hDC, RECT{r.right, r.top, r.right, r.bottom}, b.right, dwColor,
                                m_nBorderStyle);
    if (b.bottom > 0)
        CDrawEngine::StrokeLine(hDC, RECT{r.left, r.bottom, r.right, r.bottom}, b.bottom, dwColor,
                                m_nBorderStyle);
}

void CControlUI::PaintOverlay(HDC, const RECT& rcPaint) {
    RECT rc = rcPaint;
    OnPaintOverlay.Invoke(&rc);
}

}  // namespace Orvik
