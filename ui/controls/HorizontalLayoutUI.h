// A container that lines its children up from left to right.
#pragma once

#include "ui/controls/BoxLayoutPass.h"
#include "ui/controls/ContainerUI.h"

namespace Orvik {

// Children with a width (fixed or measured) keep it; the others share
// what is left, the last one absorbing the rounding.
class CHorizontalLayoutUI : public CContainerUI {
public:
    const char* GetTypeName() const override { return "HorizontalLayout"; }
    LPVOID AsType(const char* pstrName) override;
    UINT GetInputFlags() override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void SetBounds(const RECT& rc, bool bInvalidate) override;
    void ProcessEvent(ControlEvent& event) override;
    void PaintOverlay(HDC hDC, const RECT& rcPaint) override;

    int GetSepWidth() const { return m_iSepWidth; }
    void SetSepWidth(int iWidth) { m_iSepWidth = iWidth; }
    bool IsSepImmMode() const { return m_bImmMode; }
    void SetSepImmMode(bool bImmediately);

private:
    // The resize band's events; false for what the container handles.
    bool BandEvent(ControlEvent& event);
    void BandDragStep(POINT pt);
    SIZE AvailableExtent(const CUIRect& rcClient) const;
    boxlayout::MeasureResult MeasurePass(SIZE szAvailable);
    LONG PlacePass(const CUIRect& rcClient, SIZE szAvailable, const boxlayout::MeasureResult& m);
    RECT AlignVertically(const CControlUI& c, const CUIRect& rcClient, LONG x, LONG w,
                         LONG h) const;

    int m_iSepWidth = 0;
    UINT m_uButtonState = 0;
    POINT m_ptLastMouse = {0, 0};
    CUIRect m_rcNewPos;
    bool m_bImmMode = false;
};

}  // namespace Orvik
