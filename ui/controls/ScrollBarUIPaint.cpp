// Scroll bar: back look, arrow buttons, thumb and rail, each by its state.
#include "ui/controls/ScrollBarUI.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// The look a part shows for its state bits.
int LookForState(UINT uState) {
    if ((uState & UISTATE_DISABLED) != 0)
        return CScrollBarUI::LOOK_DISABLED;
    if ((uState & UISTATE_PUSHED) != 0)
        return CScrollBarUI::LOOK_PUSHED;
    if ((uState & UISTATE_HOT) != 0)
        return CScrollBarUI::LOOK_HOT;
    return CScrollBarUI::LOOK_NORMAL;
}

UINT WithDisabled(UINT uState, bool bEnabled) {
    return bEnabled ? uState & ~UISTATE_DISABLED : uState | UISTATE_DISABLED;
}

}  // namespace

bool CScrollBarUI::DrawLook(HDC hDC, Part& part, const RECT& rcDest, int iLook) {
    ImagePaintState& state = part.looks[iLook];
    if (state.strDescriptor.IsEmpty() || m_pHost == nullptr)
        return false;
    // Resolve first: parsing the descriptor would replace the destination.
    if (!CDrawEngine::DrawImageDescriptor(nullptr, m_pHost, m_rcItem, m_rcPaint, state))
        return false;
    if (rcDest.right > rcDest.left || rcDest.bottom > rcDest.top)
        state.rcDest = CUIRect(rcDest.left - m_rcItem.left, rcDest.top - m_rcItem.top,
                               rcDest.right - m_rcItem.left, rcDest.bottom - m_rcItem.top);
    return CDrawEngine::DrawImageDescriptor(hDC, m_pHost, m_rcItem, m_rcPaint, state);
}

void CScrollBarUI::PaintBackLook(HDC hDC) {
    m_thumb.uState = WithDisabled(m_thumb.uState, IsEnabled());
    int iLook = LookForState(m_thumb.uState);
    if (iLook == LOOK_NORMAL || !DrawLook(hDC, m_back, RECT{0, 0, 0, 0}, iLook))
        DrawLook(hDC, m_back, RECT{0, 0, 0, 0}, LOOK_NORMAL);
}

void CScrollBarUI::PaintPart(HDC hDC, Part& part, const RECT& rcPart) {
    if (rcPart.right <= rcPart.left || rcPart.bottom <= rcPart.top)
        return;
    part.uState = WithDisabled(part.uState, IsEnabled());
    if (part.dwColor != 0)
        CDrawEngine::FillColor(hDC, rcPart, part.dwColor);
    int iLook = LookForState(part.uState);
    if (iLook == LOOK_NORMAL || !DrawLook(hDC, part, rcPart, iLook))
        DrawLook(hDC, part, rcPart, LOOK_NORMAL);
}

void CScrollBarUI::PaintRail(HDC hDC) {
    LONG t = Thickness();
    RECT rc;
    if (m_bHorizontal) {
        LONG c = (m_rcThumb.left + m_rcThumb.right) / 2;
        rc = RECT{c - t / 2, m_rcThumb.top, c - t / 2 + t, m_rcThumb.bottom};
    } else {
        LONG c = (m_rcThumb.top + m_rcThumb.bottom) / 2;
        rc = RECT{m_rcThumb.left, c - t / 2, m_rcThumb.right, c - t / 2 + t};
    }
    int iLook = LookForState(m_thumb.uState);
    if (iLook == LOOK_NORMAL || !DrawLook(hDC, m_rail, rc, iLook))
        DrawLook(hDC, m_rail, rc, LOOK_NORMAL);
}

bool CScrollBarUI::PaintSelf(HDC hDC, const RECT&, CControlUI*) {
    PaintBackColor(hDC);
    PaintBackImage(hDC);
    PaintBackLook(hDC);
    if (m_bShowButton1)
        PaintPart(hDC, m_button1, m_rcButton1);
    if (m_bShowButton2)
        PaintPart(hDC, m_button2, m_rcButton2);
    if (!m_rcThumb.IsNull()) {
        PaintPart(hDC, m_thumb, m_rcThumb);
        PaintRail(hDC);
    }
    PaintBorder(hDC);
    return true;
}

}  // namespace Orvik
