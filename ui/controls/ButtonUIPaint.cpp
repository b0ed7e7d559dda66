// Button: the state image by state, the fade between normal and hot, and the text colour.
#include "ui/controls/ButtonUI.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CButtonUI::RefreshPaintBits() {
    m_uButtonState =
        IsFocused() ? m_uButtonState | UISTATE_FOCUSED : m_uButtonState & ~UISTATE_FOCUSED;
    m_uButtonState =
        !IsEnabled() ? m_uButtonState | UISTATE_DISABLED : m_uButtonState & ~UISTATE_DISABLED;
}

bool CButtonUI::DrawState(HDC hDC, ImagePaintState& state) {
    if (state.strDescriptor.IsEmpty())
        return false;
    return CDrawEngine::DrawImageDescriptor(hDC, m_pHost, m_rcItem, m_rcPaint, state);
}

bool CButtonUI::DrawStateFaded(HDC hDC, ImagePaintState& state, BYTE uFade) {
    state.uFade = uFade;
    return DrawState(hDC, state);
}

void CButtonUI::PaintHotImages(HDC hDC) {
    if (m_uFadeAlphaDelta > 0) {
        if (m_uFadeAlpha != 0)
            DrawStateFaded(hDC, m_diNormal, m_uFadeAlpha);
        DrawStateFaded(hDC, m_diHot, m_uFadeAlpha == 0 ? 255 : 255 - m_uFadeAlpha);
    } else if (!DrawState(hDC, m_diHot)) {
        DrawState(hDC, m_diNormal);
    }
}

void CButtonUI::PaintNormalImages(HDC hDC) {
    if (m_uFadeAlphaDelta > 0) {
        if (m_uFadeAlpha < 255) {
            DrawStateFaded(hDC, m_diHot, 255 - m_uFadeAlpha);
            m_diNormal.uFade = m_uFadeAlpha;
        } else {
            m_diNormal.uFade = 255;
        }
    }
    DrawState(hDC, m_diNormal);
}

void CButtonUI::PaintStateImage(HDC hDC) {
    RefreshPaintBits();
    UINT s = m_uButtonState;
    bool bNormal = true;
    if ((s & UISTATE_DISABLED) != 0) {
        bNormal = !DrawState(hDC, m_diDisabled);
    } else if ((s & UISTATE_PUSHED) != 0) {
        if (!DrawState(hDC, m_diPushed))
            DrawState(hDC, m_diNormal);
        if (DrawState(hDC, m_diPushedFore))
            return;
        bNormal = false;
    } else if ((s & UISTATE_HOT) != 0) {
        PaintHotImages(hDC);
        if (DrawState(hDC, m_diHotFore))
            return;
        if (m_dwHotBkColor != 0) {
            CDrawEngine::FillColor(hDC, m_rcPaint, m_dwHotBkColor);
            return;
        }
        bNormal = false;
    } else if ((s & UISTATE_FOCUSED) != 0) {
        bNormal = !DrawState(hDC, m_diFocused);
    }
    if (bNormal)
        PaintNormalImages(hDC);
    DrawState(hDC, m_diFore);
}

DWORD CButtonUI::PaintTextColor() const {
    UINT s = m_uButtonState;
    if ((s & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0)
        return m_dwPushedTextColor;
    if ((s & UISTATE_HOT) != 0 && m_dwHotTextColor != 0)
        return m_dwHotTextColor;
    if ((s & UISTATE_FOCUSED) != 0 && m_dwFocusedTextColor != 0)
        return m_dwFocusedTextColor;
    return CLabelUI::PaintTextColor();
}

void CButtonUI::PaintText(HDC hDC) {
    RefreshPaintBits();
    CLabelUI::PaintText(hDC);
}

}  // namespace Orvik
