// A container that stacks its children from top to bottom.
#pragma once

#include "ui/controls/BoxLayoutPass.h"
#include "ui/controls/ContainerUI.h"

namespace Orvik {

// Children with a height (fixed or measured) keep it; the others share
// what is left, the last one absorbing the rounding.
class CVerticalLayoutUI : public CContainerUI {
public:
    const char* GetTypeName() const override { return "VerticalLayout"; }
    LPVOID AsType(const char* pstrName) override;
    UINT GetInputFlags() override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void SetBounds(const RECT& rc, bool bInvalidate) override;
    void ProcessEvent(ControlEvent& event) override;
    void PaintOverlay(HDC hDC, const RECT& rcPaint) override;

    int GetSepHeight() const { return m_iSepHeight; }
    void SetSepHeight(int iHeight) { m_iSepHeight = iHeight; }
    bool IsSepImmMode() const { return m_bImmMode; }
    void SetSepImmMode(bool bImmediately);

private:
    // The resize band's events; false for what the container handles.
    bool BandEvent(ControlEvent& event);
    void BandDragStep(POINT pt);
    SIZE AvailableExtent(const CUIRect& rcClient) const;
    boxlayout::MeasureResult MeasurePass(SIZE szAvailable);
    LONG PlacePass(const CUIRect& rcClient, SIZE szAvailable, const boxlayout::MeasureResult& m);
    RECT AlignHorizontally(const CControlUI& c, const CUIRect& rcClient, LONG y, LONG w,
                           LONG h) const;

    int m_iSepHeight = 0;
    UINT m_uButtonState = 0;
    POINT m_ptLastMouse = {0, 0};
    CUIRect m_rcNewPos;
    bool m_bImmMode = false;
};

}  // namespace Orvik
