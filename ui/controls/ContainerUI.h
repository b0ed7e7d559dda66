// The container: owns children, insets and clips them, scrolls them and routes events.
#pragma once

#include "ui/controls/Axis.h"
#include "ui/controls/ControlUI.h"
#include "ui/controls/IContainerUI.h"

namespace Orvik {

class CClipScope;
class CScrollBarUI;

// Children are laid out and painted in list order. The container owns its
// children (while auto destroy is on) and its scroll bars. Its own placement
// puts every child over the whole client area; the box layouts replace it.
class CContainerUI : public CControlUI, public IContainerUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    const char* GetTypeName() const override { return "Container"; }
    LPVOID AsType(const char* pstrName) override;

    // --- IContainerUI ---
    CControlUI* GetItemAt(int iIndex) const override;
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iNewIndex) override;
    bool MoveItems(CControlUI* pControl, int iCount, int iNewStartIndex) override;
    int GetCount() const override { return m_items.GetSize(); }
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl, bool bDoNotDestroy = false) override;
    bool RemoveAt(int iIndex, bool bDoNotDestroy = false) override;
    void RemoveAll() override;

    // --- settings ---
    const CUIRect& GetInset() const { return m_rcInset; }
    virtual void SetInset(const RECT& rc);
    int GetChildPadding() const { return m_iChildPadding; }
    virtual void SetChildPadding(int iPadding);
    int GetChildAlign() const { return m_iChildAlign; }
    virtual void SetChildAlign(int iAlign);
    int GetChildVAlign() const { return m_iChildVAlign; }
    virtual void SetChildVAlign(int iVAlign);
    bool IsAutoDestroy() const { return m_bAutoDestroy; }
    void SetAutoDestroy(bool b) { m_bAutoDestroy = b; }
    bool IsDelayedDestroy() const { return m_bDelayedDestroy; }
    void SetDelayedDestroy(bool b) { m_bDelayedDestroy = b; }
    bool IsMouseChildEnabled() const { return m_bMouseChildEnabled; }
    void SetMouseChildEnabled(bool b) { m_bMouseChildEnabled = b; }

    // --- state propagated to the children ---
    void SetVisible(bool bVisible) override;
    void SetInheritedVisible(bool bVisible) override;
    void SetEnabled(bool bEnabled) override;
    void SetMouseEnabled(bool bEnabled) override;
    void Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) override;
    void Offset(int dx, int dy, bool bInvalidate) override;

    // --- placement, lookups, painting, events ---
    // Bounds minus the inset and the visible scroll bars.
    CUIRect GetClientBounds() const override;
    void SetBounds(const RECT& rc, bool bInvalidate) override;
    CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;
    bool PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) override;
    void ProcessEvent(ControlEvent& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    // --- scrolling ---
    // (horizontal, vertical); a missing or hidden bar gives 0.
    SIZE GetScrollPos() const;
    SIZE GetScrollRange() const;
    virtual void SetScrollPos(SIZE szPos);
    void ScrollLineUp();
    void ScrollLineDown();
    void ScrollPageUp();
    void ScrollPageDown();
    void ScrollToTop();
    void ScrollToBottom();
    void ScrollLineLeft();
    void ScrollLineRight();
    void ScrollPageLeft();
    void ScrollPageRight();
    void ScrollToLeft();
    void ScrollToRight();
    virtual void EnableScrollBars(bool bEnableVertical, bool bEnableHorizontal);
    CScrollBarUI* GetVerticalScrollBar() const { return m_pVerticalScrollBar; }
    CScrollBarUI* GetHorizontalScrollBar() const { return m_pHorizontalScrollBar; }

protected:
    // Places a floating child by its anchors, offset and fixed size.
    virtual void PlaceFloatingChild(int iIndex);
    // Shows, hides and sizes the bars for the content size; re-lays out at
    // most once when a bar appears, disappears or clamps the position.
    virtual void UpdateScrollBars(RECT rcClient, int cxContent, int cyContent);
    CControlUI* ItemAt(int i) const { return static_cast<CControlUI*>(m_items[i]); }
    // Deletes a child as Remove does: at once, or through the host.
    void DestroyChild(CControlUI* pControl);
    bool IsBarVisible(const CScrollBarUI* pBar) const;
    // The bar that scrolls along the axis (the vertical bar for y), or null.
    CScrollBarUI* BarAlong(CAxis a) const;

    CUIPtrArray m_items;
    CUIRect m_rcInset;
    int m_iChildPadding = 0;
    int m_iChildAlign = 0;
    int m_iChildVAlign = 0;
    bool m_bAutoDestroy = true;
    bool m_bDelayedDestroy = true;
    bool m_bMouseChildEnabled = true;
    bool m_bScrollProcess = false;
    CScrollBarUI* m_pVerticalScrollBar = nullptr;
    CScrollBarUI* m_pHorizontalScrollBar = nullptr;

private:
    bool PaintChildren(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt, CClipScope& clip);
    void UpdateBar(CAxis a, RECT rc, SIZE szContent, bool bCrossChanged);
    void FitCrossBar(CAxis a, const RECT& rc, SIZE szContent, bool bTaken);
    void UpdateBothBars(RECT rc, SIZE szContent);
    bool PlaceHorizontalBar(RECT& rc, int cxContent);
    // Lays the container out again with its current rectangle.
    void Relayout(bool bInvalidate, bool bMarkRunning);
    int LineStep(CAxis a) const;
    int PageStep(CAxis a) const;
    void ScrollBy(CAxis a, int nDelta);
    void ScrollTo(CAxis a, int nPos);
    bool ScrollKey(ControlEvent& event);
    bool ScrollWheel(ControlEvent& event);
    CControlUI* FindInChildren(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);
};

}  // namespace Orvik
