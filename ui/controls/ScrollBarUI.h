// The scroll bar: arrow buttons, track and thumb, scrolling its owner container by lines, pages and
// drags.
#pragma once

#include "ui/controls/ControlStateBits.h"
#include "ui/controls/ControlUI.h"

namespace Orvik {

class CContainerUI;

class CScrollBarUI : public CControlUI {
public:
    static constexpr int DEFAULT_SIZE = 16;
    static constexpr UINT REPEAT_INTERVAL_MS = 50;
    // Ticks of the repeat timer before holding starts to repeat.
    static constexpr int REPEAT_DELAY_TICKS = 5;

    // The four looks of every part, in this order.
    enum PartLook { LOOK_NORMAL, LOOK_HOT, LOOK_PUSHED, LOOK_DISABLED, LOOK_COUNT };

    CScrollBarUI();
    const char* GetTypeName() const override { return "ScrollBar"; }
    LPVOID AsType(const char* pstrName) override;

    CContainerUI* GetOwner() const { return m_pOwner; }
    void SetOwner(CContainerUI* pOwner) { m_pOwner = pOwner; }
    bool IsHorizontal() const { return m_bHorizontal; }
    // Swaps the fixed size to the new orientation's thickness.
    void SetHorizontal(bool bHorizontal);
    int GetScrollRange() const { return m_nRange; }
    // A negative range is stored as 0; the position is clamped into it.
    void SetScrollRange(int nRange, bool bNotify = true);
    int GetScrollPos() const { return m_nScrollPos; }
    // Snaps to the scroll unit, then clamps to 0 .. range.
    void SetScrollPos(int nPos, bool bNotify = true);
    int GetLineSize() const;
    void SetLineSize(int nSize);
    int GetScrollUnit() const { return m_nScrollUnit; }
    void SetScrollUnit(int nUnit);
    bool IsShowButton1() const { return m_bShowButton1; }
    void SetShowButton1(bool bShow);
    bool IsShowButton2() const { return m_bShowButton2; }
    void SetShowButton2(bool bShow);

    const CUIRect& GetButton1Rect() const { return m_rcButton1; }
    const CUIRect& GetButton2Rect() const { return m_rcButton2; }
    const CUIRect& GetThumbRect() const { return m_rcThumb; }
    UINT GetButton1State() const { return m_button1.uState; }
    UINT GetButton2State() const { return m_button2.uState; }
    UINT GetThumbState() const { return m_thumb.uState; }

    void SetBounds(const RECT& rc, bool bInvalidate) override;
    void SetVisible(bool bVisible) override;
    void SetEnabled(bool bEnabled) override;
    void SetFocus() override;
    void ProcessEvent(ControlEvent& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    bool PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) override;

private:
    // One part's looks, colour and state.
    struct Part {
        ImagePaintState looks[LOOK_COUNT];
        UINT uState = 0;
        DWORD dwColor = 0;
    };

    void PlaceParts();
    // Thumb start along the axis and its length, for a track of `room`.
    void PlaceThumb(LONG nStart1, LONG nEnd2, LONG nLength, LONG nRoom, LONG& nFrom,
                    LONG& nTo) const;
    bool SetImageAttribute(const char* pstrName, const char* pstrValue);
    bool SetColorAttribute(const char* pstrName, const char* pstrValue);
    void NotifyOwnerLayout();

    // Events (ScrollBarUIEvents.cpp).
    void ForwardEvent(ControlEvent& event);
    void OnMouseMove(POINT pt);
    void OnButtonDown(POINT pt);
    void OnButtonUp();
    void OnRepeatTick();
    void OnMouseEnter(POINT pt);
    bool OnMouseLeave(POINT pt);
    void LineBack();
    void LineForward();
    void PageBack();
    void PageForward();
    // Page back or forward by where the point lies against the thumb.
    void PageTowards(POINT pt);
    LONG AlongAxis(POINT pt) const { return m_bHorizontal ? pt.x : pt.y; }
    int Thickness() const { return m_bHorizontal ? m_cyFixed : m_cxFixed; }
    void ApplyDragPosition();

    // Painting (ScrollBarUIPaint.cpp).
    void PaintBackLook(HDC hDC);
    void PaintPart(HDC hDC, Part& part, const RECT& rcPart);
    void PaintRail(HDC hDC);
    bool DrawLook(HDC hDC, Part& part, const RECT& rcDest, int iLook);

    bool m_bHorizontal = false;
    int m_nRange = 100;
    int m_nScrollPos = 0;
    int m_nLineSize = 8;
    int m_nScrollUnit = 1;
    CContainerUI* m_pOwner = nullptr;
    POINT m_ptDragAnchor = {0, 0};
    int m_nDragStartPos = 0;
    int m_nDragDelta = 0;
    int m_nRepeatCount = 0;
    Part m_back;
    bool m_bShowButton1 = true;
    CUIRect m_rcButton1;
    Part m_button1;
    bool m_bShowButton2 = true;
    CUIRect m_rcButton2;
    Part m_button2;
    CUIRect m_rcThumb;
    Part m_thumb;
    Part m_rail;
};

}  // namespace Orvik
