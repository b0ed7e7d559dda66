// Box layout: dragging the resize band along its end or start edge.
#include "ui/controls/BoxLayoutUI.h"
#include "ui/controls/ResizeBand.h"
#include "ui/controls/TreeRect.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

constexpr UINT DRAGGING = 0x40;
constexpr DWORD SHADED_BAND_COLOR = 0xAA000000;

}  // namespace

void CBoxLayoutUI::ProcessEvent(ControlEvent& event) {
    if (m_iSepSize == 0 || !BandEvent(event))
        CContainerUI::ProcessEvent(event);
}

bool CBoxLayoutUI::BandEvent(ControlEvent& event) {
    CResizeBand band(m_axis, m_iSepSize);
    bool bDragging = (m_uButtonState & DRAGGING) != 0;
    switch (event.kind) {
        case UIEVENT_BUTTONDOWN:
            if (!IsEnabled() || !PointInRect(band.Band(m_rcItem), event.mousePoint))
                return false;
            m_uButtonState |= DRAGGING;
            m_ptLastMouse = event.mousePoint;
            m_rcNewPos = m_rcItem;
            if (!m_bImmMode && m_pHost != nullptr)
                m_pHost->AddOverlayPaint(this);
            return true;
        case UIEVENT_BUTTONUP:
            if (!bDragging)
                return false;
            m_uButtonState &= ~DRAGGING;
            m_rcItem = m_rcNewPos;
            if (!m_bImmMode && m_pHost != nullptr)
                m_pHost->RemoveOverlayPaint(this);
            RequestParentLayout();
            return true;
        case UIEVENT_MOUSEMOVE:
            if (!bDragging)
                return false;
            BandDragStep(event.mousePoint);
            return true;
        case UIEVENT_SETCURSOR:
            // The sizing cursor needs a cursor call the platform does not offer yet.
            return IsEnabled() && PointInRect(band.Band(m_rcItem), event.mousePoint);
        default:
            return false;
    }
}

void CBoxLayoutUI::BandDragStep(POINT pt) {
    CResizeBand band(m_axis, m_iSepSize);
    RECT rcBandBefore = band.Band(m_rcNewPos);
    if (!band.Drag(m_rcNewPos, pt, m_ptLastMouse, m_axis.Min(*this), m_axis.Max(*this)))
        return;
    // Straight into the field: the setter would ask for a layout on every step.
    (m_axis.IsVertical() ? m_cyFixed : m_cxFixed) = m_axis.Extent(m_rcNewPos);
    if (m_bImmMode) {
        m_rcItem = m_rcNewPos;
        RequestParentLayout();
        return;
    }
    RECT rcInvalid = UnionArea(UnionArea(rcBandBefore, band.Band(m_rcNewPos)), band.Band(m_rcItem));
    if (m_pHost != nullptr)
        m_pHost->Invalidate(rcInvalid);
}

void CBoxLayoutUI::PaintOverlay(HDC hDC, const RECT& rcPaint) {
    if ((m_uButtonState & DRAGGING) != 0 && !m_bImmMode && m_iSepSize != 0)
        CDrawEngine::FillColor(hDC, CResizeBand(m_axis, m_iSepSize).Band(m_rcNewPos),
                               SHADED_BAND_COLOR);
    CContainerUI::PaintOverlay(hDC, rcPaint);
}

}  // namespace Orvik
