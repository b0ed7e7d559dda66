// Container: scroll bars, the scroll position and keyboard and wheel scrolling.
#include <cstdlib>

#include "ui/controls/ContainerUI.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CScrollBarUI* CContainerUI::BarAlong(CAxis a) const {
    return a.IsVertical() ? m_pVerticalScrollBar : m_pHorizontalScrollBar;
}

SIZE CContainerUI::GetScrollPos() const {
    SIZE sz = {0, 0};
    for (CAxis a : {CAxis(true), CAxis(false)}) {
        if (IsBarVisible(BarAlong(a)))
            a.Of(sz) = BarAlong(a)->GetScrollPos();
    }
    return sz;
}

SIZE CContainerUI::GetScrollRange() const {
    SIZE sz = {0, 0};
    for (CAxis a : {CAxis(true), CAxis(false)}) {
        if (IsBarVisible(BarAlong(a)))
            a.Of(sz) = BarAlong(a)->GetScrollRange();
    }
    return sz;
}

void CContainerUI::SetScrollPos(SIZE szPos) {
    SIZE szMoved = {0, 0};
    for (CAxis a : {CAxis(true), CAxis(false)}) {
        CScrollBarUI* pBar = BarAlong(a);
        if (!IsBarVisible(pBar))
            continue;
        int iOld = pBar->GetScrollPos();
        pBar->SetScrollPos(a.Of(szPos));
        a.Of(szMoved) = pBar->GetScrollPos() - iOld;
    }
    if (szMoved.cx == 0 && szMoved.cy == 0)
        return;
    // Scrolling moves the children without a layout pass.
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* pChild = ItemAt(i);
        if (pChild->IsVisible() && !pChild->IsFloat())
            pChild->Offset(-szMoved.cx, -szMoved.cy, false);
    }
    Invalidate();
}

// The host's line height down, 8 pixels across, or the bar's own unit.
int CContainerUI::LineStep(CAxis a) const {
    int nStep = 8;
    if (a.IsVertical() && m_pHost != nullptr)
        nStep = m_pHost->GetDefaultFontInfo()->tm.tmHeight + 8;
    CScrollBarUI* pBar = BarAlong(a);
    if (pBar != nullptr && pBar->GetScrollUnit() > 1)
        nStep = pBar->GetScrollUnit();
    return nStep;
}

// The client extent: the item less the inset and the other bar.
int CContainerUI::PageStep(CAxis a) const {
    int iPage = a.Extent(m_rcItem) - m_rcInset.*a.Start() - m_rcInset.*a.End();
    CScrollBarUI* pCross = BarAlong(a.Cross());
    if (IsBarVisible(pCross))
        iPage -= a.Fixed(*pCross);
    return iPage;
}

void CContainerUI::ScrollBy(CAxis a, int nDelta) {
    SIZE sz = GetScrollPos();
    a.Of(sz) += nDelta;
    SetScrollPos(sz);
}

void CContainerUI::ScrollTo(CAxis a, int nPos) {
    SIZE sz = GetScrollPos();
    a.Of(sz) = nPos;
    SetScrollPos(sz);
}

void CContainerUI::ScrollLineUp() {
    ScrollBy(CAxis(true), -LineStep(CAxis(true)));
}

void CContainerUI::ScrollLineDown() {
    ScrollBy(CAxis(true), LineStep(CAxis(true)));
}

void CContainerUI::ScrollPageUp() {
    ScrollBy(CAxis(true), -PageStep(CAxis(true)));
}

void CContainerUI::ScrollPageDown() {
    ScrollBy(CAxis(true), PageStep(CAxis(true)));
}

void CContainerUI::ScrollToTop() {
    ScrollTo(CAxis(true), 0);
}

void CContainerUI::ScrollToBottom() {
    ScrollTo(CAxis(true), GetScrollRange().cy);
}

void CContainerUI::ScrollLineLeft() {
    ScrollBy(CAxis(false), -LineStep(CAxis(false)));
}

void CContainerUI::ScrollLineRight() {
    ScrollBy(CAxis(false), LineStep(CAxis(false)));
}

void CContainerUI::ScrollPageLeft() {
    ScrollBy(CAxis(false), -PageStep(CAxis(false)));
}

void CContainerUI::ScrollPageRight() {
    ScrollBy(CAxis(false), PageStep(CAxis(false)));
}

void CContainerUI::ScrollToLeft() {
    ScrollTo(CAxis(false), 0);
}

void CContainerUI::ScrollToRight() {
    ScrollTo(CAxis(false), GetScrollRange().cx);
}

namespace {

// Creates, keeps or deletes one bar of a container.
void EnableBar(CContainerUI* pOwner, CScrollBarUI*& pBar, bool bEnable, bool bHorizontal,
               CWindowHostUI* pHost) {
    if (!bEnable) {
        if (pBar != nullptr) {
            CScrollBarUI* pOld = pBar;
            pBar = nullptr;
            pOld->Delete();
        }
        return;
    }
    if (pBar != nullptr)
        return;
    pBar = new CScrollBarUI;
    pBar->SetHorizontal(bHorizontal);
    pBar->SetScrollRange(0);
    pBar->SetOwner(pOwner);
    pBar->Attach(pHost, nullptr, false);
    if (pHost == nullptr)
        return;
    const char* pstrList =
        pHost->GetDefaultAttributeList(bHorizontal ? "HScrollBar" : "VScrollBar");
    if (pstrList != nullptr)
        pBar->ApplyAttributes(pstrList);
}

}  // namespace

void CContainerUI::EnableScrollBars(bool bEnableVertical, bool bEnableHorizontal) {
    EnableBar(this, m_pVerticalScrollBar, bEnableVertical, false, m_pHost);
    EnableBar(this, m_pHorizontalScrollBar, bEnableHorizontal, true, m_pHost);
    RequestLayout();
}

void CContainerUI::Relayout(bool bInvalidate, bool bMarkRunning) {
    if (bMarkRunning)
        m_bScrollProcess = true;
    CUIRect rc = IsFloat() ? GetBoundsInParent() : GetBounds();
    SetBounds(rc, bInvalidate);
    if (bMarkRunning)
        m_bScrollProcess = false;
}

void CContainerUI::UpdateScrollBars(RECT rcClient, int cxContent, int cyContent) {
    bool bV = m_pVerticalScrollBar != nullptr;
    bool bH = m_pHorizontalScrollBar != nullptr;
    SIZE szContent = {cxContent, cyContent};
    if (bV && bH)
        UpdateBothBars(rcClient, szContent);
    else if (bV || bH)
        UpdateBar(CAxis(bV), rcClient, szContent, false);
}

// With both bars, the other bar gives up (bTaken) or gets back the corner
// this bar takes at the cross end of rc.
void CContainerUI::FitCrossBar(CAxis a, const RECT& rc, SIZE szContent, bool bTaken) {
    const CAxis x = a.Cross();
    CScrollBarUI* pCross = BarAlong(x);
    if (pCross == nullptr || !pCross->IsVisible())
        return;
    int nCorner = x.Fixed(*BarAlong(a));
    LONG nEnd = rc.*x.End() + (bTaken ? -nCorner : nCorner);
    LONG nAt = rc.*a.End();
    pCross->SetBounds(x.MakeRect(rc.*x.Start(), nEnd, nAt, nAt + a.Fixed(*pCross)), false);
    pCross->SetScrollRange(x.Of(szContent) - (nEnd - rc.*x.Start()));
}

// The bar along axis a: shown, hidden or sized for the content over the
// client rc. bCrossChanged: the other bar was placed first and changed.
void CContainerUI::UpdateBar(CAxis a, RECT rc, SIZE szContent, bool bCrossChanged) {
    CScrollBarUI* pBar = BarAlong(a);
    int nClient = a.Extent(rc);
    int r = a.Of(szContent) - nClient;
    if (r > 0 && !pBar->IsVisible()) {
        pBar->SetVisible(true);
        pBar->SetScrollRange(r);
        pBar->SetScrollPos(0);
        FitCrossBar(a, rc, szContent, true);
        Relayout(true, true);
        return;
    }
    if (!pBar->IsVisible()) {
        if (bCrossChanged)
            Relayout(true, false);
        return;
    }
    if (r < 1 && !m_bScrollProcess) {
        pBar->SetVisible(false);
        pBar->SetScrollPos(0);
        pBar->SetScrollRange(0);
        FitCrossBar(a, rc, szContent, false);
        Relayout(true, false);
        return;
    }
    LONG nAt = rc.*a.Cross().End();
    pBar->SetBounds(a.MakeRect(rc.*a.Start(), rc.*a.End(), nAt, nAt + a.Cross().Fixed(*pBar)),
                    false);
    if (pBar->GetScrollRange() == r)
        return;
    int iOld = pBar->GetScrollPos();
    pBar->SetScrollRange(std::abs(r));
    if (pBar->GetScrollRange() == 0) {
        pBar->SetVisible(false);
        pBar->SetScrollPos(0);
    }
    if (pBar->GetScrollPos() < iOld || bCrossChanged)
        Relayout(false, false);
}

// The horizontal bar of a container with both bars: shown (taking its height
// off rc) or hidden (giving it back). True when its range changed.
bool CContainerUI::PlaceHorizontalBar(RECT& rc, int cxContent) {
    CScrollBarUI* pH = m_pHorizontalScrollBar;
    int hh = pH->GetFixedHeight();
    if (cxContent <= rc.right - rc.left) {
        if (pH->IsVisible()) {
            pH->SetVisible(false);
            rc.bottom += hh;
        }
        return false;
    }
    if (!pH->IsVisible()) {
        pH->SetVisible(true);
        pH->SetScrollPos(0);
        rc.bottom -= hh;
    }
    pH->SetBounds(RECT{rc.left, rc.bottom, rc.right, rc.bottom + hh}, false);
    if (pH->GetScrollRange() == cxContent - (rc.right - rc.left))
        return false;
    pH->SetScrollRange(cxContent - (rc.right - rc.left));
    return true;
}

// With both bars the horizontal one decides the client height first, then
// the vertical one is shown or hidden over what is left.
void CContainerUI::UpdateBothBars(RECT rc, SIZE szContent) {
    bool bChanged = PlaceHorizontalBar(rc, szContent.cx);
    UpdateBar(CAxis(true), rc, szContent, bChanged);
}

}  // namespace Orvik
