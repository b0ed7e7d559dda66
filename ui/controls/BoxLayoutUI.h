// A container that lines its children up along one axis, with an optional resize band.
#pragma once

#include "ui/controls/Axis.h"
#include "ui/controls/BoxLayoutPass.h"
#include "ui/controls/ContainerUI.h"

namespace Orvik {

// Children with an extent along the axis (fixed or measured) keep it; the
// others share what is left, the last one absorbing the rounding. Across the
// axis a child fills the client area unless capped, aligned by the container.
// The horizontal and vertical layouts are this class with a name.
class CBoxLayoutUI : public CContainerUI {
public:
    UINT GetInputFlags() override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void SetBounds(const RECT& rc, bool bInvalidate) override;
    void ProcessEvent(ControlEvent& event) override;
    void PaintOverlay(HDC hDC, const RECT& rcPaint) override;

    bool IsSepImmMode() const { return m_bImmMode; }
    void SetSepImmMode(bool bImmediately);

protected:
    // bStretchUnlessFixed: a child without a fixed extent along the axis
    // stretches without being measured (text measures its height, never its
    // width, so a row cannot ask it for one).
    CBoxLayoutUI(bool bVertical, bool bStretchUnlessFixed)
        : m_axis(bVertical), m_bStretchUnlessFixed(bStretchUnlessFixed) {}

    // The resize band's thickness: at the end edge when positive, at the
    // start edge when negative, none when 0.
    int m_iSepSize = 0;

private:
    enum class CrossAlign { START, CENTRE, END };

    // The resize band's events; false for what the container handles.
    bool BandEvent(ControlEvent& event);
    void BandDragStep(POINT pt);
    SIZE AvailableExtent(const CUIRect& rcClient) const;
    // The passes take the axis as a template argument so that picking a
    // rectangle's edge costs nothing in the layout's inner loop.
    template <bool bVertical>
    void LayOut(const CUIRect& rcClient);
    template <bool bVertical>
    boxlayout::MeasureResult MeasurePass(SIZE szAvailable);
    template <bool bVertical>
    void MeasureChild(CControlUI& c, SIZE szAvailable, boxlayout::MeasureResult& m);
    template <bool bVertical>
    LONG PlacePass(const CUIRect& rcClient, SIZE szAvailable, const boxlayout::MeasureResult& m);
    template <bool bVertical>
    void PlaceChild(CControlUI& c, const CUIRect& rcClient, SIZE szAvailable,
                    const boxlayout::MeasureResult& m, boxlayout::PlaceCursor& cur);
    template <bool bVertical>
    LONG CrossExtent(const CControlUI& c, SIZE szAvailable, SIZE szLimit) const;
    CrossAlign CrossAlignment() const;
    template <bool bVertical>
    RECT AlignAcross(const CControlUI& c, const CUIRect& rcClient, LONG nPos, LONG nAlong,
                     LONG nAcross) const;

    const CAxis m_axis;
    const bool m_bStretchUnlessFixed;
    UINT m_uButtonState = 0;
    POINT m_ptLastMouse = {0, 0};
    CUIRect m_rcNewPos;
    bool m_bImmMode = false;
};

}  // namespace Orvik
