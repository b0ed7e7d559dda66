// Container: scroll bars, the scroll position and keyboard and wheel scrolling.
#include <cstdlib>

#include "ui/controls/ContainerUI.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

SIZE CContainerUI::GetScrollPos() const {
    SIZE sz = {0, 0};
    if (IsBarVisible(m_pVerticalScrollBar))
        sz.cy = m_pVerticalScrollBar->GetScrollPos();
    if (IsBarVisible(m_pHorizontalScrollBar))
        sz.cx = m_pHorizontalScrollBar->GetScrollPos();
    return sz;
}

SIZE CContainerUI::GetScrollRange() const {
    SIZE sz = {0, 0};
    if (IsBarVisible(m_pVerticalScrollBar))
        sz.cy = m_pVerticalScrollBar->GetScrollRange();
    if (IsBarVisible(m_pHorizontalScrollBar))
        sz.cx = m_pHorizontalScrollBar->GetScrollRange();
    return sz;
}

void CContainerUI::SetScrollPos(SIZE szPos) {
    int dx = 0;
    int dy = 0;
    if (IsBarVisible(m_pVerticalScrollBar)) {
        int iOld = m_pVerticalScrollBar->GetScrollPos();
        m_pVerticalScrollBar->SetScrollPos(szPos.cy);
        dy = m_pVerticalScrollBar->GetScrollPos() - iOld;
    }
    if (IsBarVisible(m_pHorizontalScrollBar)) {
        int iOld = m_pHorizontalScrollBar->GetScrollPos();
        m_pHorizontalScrollBar->SetScrollPos(szPos.cx);
        dx = m_pHorizontalScrollBar->GetScrollPos() - iOld;
    }
    if (dx == 0 && dy == 0)
        return;
    // Scrolling moves the children without a layout pass.
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* pChild = ItemAt(i);
        if (pChild->IsVisible() && !pChild->IsFloat())
            pChild->Offset(-dx, -dy, false);
    }
    Invalidate();
}

int CContainerUI::VerticalLineStep() const {
    int nStep = 8;
    if (m_pHost != nullptr)
        nStep = m_pHost->GetDefaultFontInfo()->tm.tmHeight + 8;
    if (m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->GetScrollUnit() > 1)
        nStep = m_pVerticalScrollBar->GetScrollUnit();
    return nStep;
}

int CContainerUI::HorizontalLineStep() const {
    if (m_pHorizontalScrollBar != nullptr && m_pHorizontalScrollBar->GetScrollUnit() > 1)
        return m_pHorizontalScrollBar->GetScrollUnit();
    return 8;
}

void CContainerUI::ScrollLineUp() {
    SIZE sz = GetScrollPos();
    SetScrollPos(SIZE{sz.cx, sz.cy - VerticalLineStep()});
}

void CContainerUI::ScrollLineDown() {
    SIZE sz = GetScrollPos();
    SetScrollPos(SIZE{sz.cx, sz.cy + VerticalLineStep()});
}

void CContainerUI::ScrollPageUp() {
    SIZE sz = GetScrollPos();
    int iPage = m_rcItem.GetHeight() - m_rcInset.top - m_rcInset.bottom;
    if (IsBarVisible(m_pHorizontalScrollBar))
        iPage -= m_pHorizontalScrollBar->GetFixedHeight();
    SetScrollPos(SIZE{sz.cx, sz.cy - iPage});
}

void CContainerUI::ScrollPageDown() {
    SIZE sz = GetScrollPos();
    int iPage = m_rcItem.GetHeight() - m_rcInset.top - m_rcInset.bottom;
    if (IsBarVisible(m_pHorizontalScrollBar))
        iPage -= m_pHorizontalScrollBar->GetFixedHeight();
    SetScrollPos(SIZE{sz.cx, sz.cy + iPage});
}

void CContainerUI::ScrollToTop() {
    SetScrollPos(SIZE{GetScrollPos().cx, 0});
}

void CContainerUI::ScrollToBottom() {
    SetScrollPos(SIZE{GetScrollPos().cx, GetScrollRange().cy});
}

void CContainerUI::ScrollLineLeft() {
    SIZE sz = GetScrollPos();
    SetScrollPos(SIZE{sz.cx - HorizontalLineStep(), sz.cy});
}

void CContainerUI::ScrollLineRight() {
    SIZE sz = GetScrollPos();
    SetScrollPos(SIZE{sz.cx + HorizontalLineStep(), sz.cy});
}

void CContainerUI::ScrollPageLeft() {
    SIZE sz = GetScrollPos();
    int iPage = m_rcItem.GetWidth() - m_rcInset.left - m_rcInset.right;
    if (IsBarVisible(m_pVerticalScrollBar))
        iPage -= m_pVerticalScrollBar->GetFixedWidth();
    SetScrollPos(SIZE{sz.cx - iPage, sz.cy});
}

void CContainerUI::ScrollPageRight() {
    SIZE sz = GetScrollPos();
    int iPage = m_rcItem.GetWidth() - m_rcInset.left - m_rcInset.right;
    if (IsBarVisible(m_pVerticalScrollBar))
        iPage -= m_pVerticalScrollBar->GetFixedWidth();
    SetScrollPos(SIZE{sz.cx + iPage, sz.cy});
}

void CContainerUI::ScrollToLeft() {
    SetScrollPos(SIZE{0, GetScrollPos().cy});
}

void CContainerUI::ScrollToRight() {
    SetScrollPos(SIZE{GetScrollRange().cx, GetScrollPos().cy});
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
    if (bV && bH)
        UpdateBothBars(rcClient, cxContent, cyContent);
    else if (bV)
        UpdateVerticalBarOnly(rcClient, cyContent);
    else if (bH)
        UpdateHorizontalBarOnly(rcClient, cxContent);
}

void CContainerUI::UpdateVerticalBarOnly(RECT rc, int cyContent) {
    CScrollBarUI* pBar = m_pVerticalScrollBar;
    int ch = rc.bottom - rc.top;
    if (cyContent > ch && !pBar->IsVisible()) {
        pBar->SetVisible(true);
        pBar->SetScrollRange(cyContent - ch);
        pBar->SetScrollPos(0);
        Relayout(true, true);
        return;
    }
    if (!pBar->IsVisible())
        return;
    int r = cyContent - ch;
    if (r < 1 && !m_bScrollProcess) {
        pBar->SetVisible(false);
        pBar->SetScrollPos(0);
        pBar->SetScrollRange(0);
        Relayout(true, false);
        return;
    }
    pBar->SetBounds(RECT{rc.right, rc.top, rc.right + pBar->GetFixedWidth(), rc.bottom}, false);
    if (pBar->GetScrollRange() == r)
        return;
    int iOld = pBar->GetScrollPos();
    pBar->SetScrollRange(std::abs(r));
    if (pBar->GetScrollRange() == 0) {
        pBar->SetVisible(false);
        pBar->SetScrollPos(0);
    }
    if (pBar->GetScrollPos() < iOld)
        Relayout(false, false);
}

void CContainerUI::UpdateHorizontalBarOnly(RECT rc, int cxContent) {
    CScrollBarUI* pBar = m_pHorizontalScrollBar;
    int cw = rc.right - rc.left;
    if (cxContent > cw && !pBar->IsVisible()) {
        pBar->SetVisible(true);
        pBar->SetScrollRange(cxContent - cw);
        pBar->SetScrollPos(0);
        Relayout(true, true);
        return;
    }
    if (!pBar->IsVisible())
        return;
    int r = cxContent - cw;
    if (r < 1 && !m_bScrollProcess) {
        pBar->SetVisible(false);
        pBar->SetScrollPos(0);
        pBar->SetScrollRange(0);
        Relayout(true, false);
        return;
    }
    pBar->SetBounds(RECT{rc.left, rc.bottom, rc.right, rc.bottom + pBar->GetFixedHeight()}, false);
    if (pBar->GetScrollRange() == r)
        return;
    int iOld = pBar->GetScrollPos();
    pBar->SetScrollRange(std::abs(r));
    if (pBar->GetScrollRange() == 0) {
        pBar->SetVisible(false);
        pBar->SetScrollPos(0);
    }
    if (pBar->GetScrollPos() < iOld)
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
void CContainerUI::UpdateBothBars(RECT rc, int cxContent, int cyContent) {
    CScrollBarUI* pV = m_pVerticalScrollBar;
    CScrollBarUI* pH = m_pHorizontalScrollBar;
    int vw = pV->GetFixedWidth();
    int hh = pH->GetFixedHeight();
    bool bChanged = PlaceHorizontalBar(rc, cxContent);
    int ch = rc.bottom - rc.top;
    if (cyContent > ch && !pV->IsVisible()) {
        pV->SetVisible(true);
        pV->SetScrollRange(cyContent - ch);
        pV->SetScrollPos(0);
        if (pH->IsVisible()) {
            pH->SetBounds(RECT{rc.left, rc.bottom, rc.right - vw, rc.bottom + hh}, false);
            pH->SetScrollRange(cxContent - (rc.right - vw - rc.left));
        }
        Relayout(true, true);
        return;
    }
    if (!pV->IsVisible()) {
        if (bChanged)
            Relayout(true, false);
        return;
    }
    int r = cyContent - ch;
    if (r < 1 && !m_bScrollProcess) {
        pV->SetVisible(false);
        pV->SetScrollPos(0);
        pV->SetScrollRange(0);
        if (pH->IsVisible()) {
            pH->SetBounds(RECT{rc.left, rc.bottom, rc.right + vw, rc.bottom + hh}, false);
            pH->SetScrollRange(cxContent - (rc.right + vw - rc.left));
        }
        Relayout(true, false);
        return;
    }
    pV->SetBounds(RECT{rc.right, rc.top, rc.right + vw, rc.bottom}, false);
    if (pV->GetScrollRange() == r)
        return;
    int iOld = pV->GetScrollPos();
    pV->SetScrollRange(std::abs(r));
    if (pV->GetScrollRange() == 0) {
        pV->SetVisible(false);
        pV->SetScrollPos(0);
    }
    if (pV->GetScrollPos() < iOld || bChanged)
        Relayout(false, false);
}

}  // namespace Orvik
