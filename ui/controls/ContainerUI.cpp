// Container: construction, attributes, state propagation, placement, lookups and events.
#include "ui/controls/ContainerUI.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    // Children go at once: the host may be on its way out too.
    m_bDelayedDestroy = false;
    RemoveAll();
    if (m_pVerticalScrollBar != nullptr)
        m_pVerticalScrollBar->Delete();
    if (m_pHorizontalScrollBar != nullptr)
        m_pHorizontalScrollBar->Delete();
}

LPVOID CContainerUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "IContainer") == 0)
        return static_cast<IContainerUI*>(this);
    if (std::strcmp(pstrName, "Container") == 0)
        return this;
    return CControlUI::AsType(pstrName);
}

void CContainerUI::SetInset(const RECT& rc) {
    m_rcInset = rc;
    RequestLayout();
}

void CContainerUI::SetChildPadding(int iPadding) {
    m_iChildPadding = iPadding < 0 ? 0 : iPadding;
    RequestLayout();
}

void CContainerUI::SetChildAlign(int iAlign) {
    m_iChildAlign = iAlign;
    RequestLayout();
}

void CContainerUI::SetChildVAlign(int iVAlign) {
    m_iChildVAlign = iVAlign;
    RequestLayout();
}

void CContainerUI::SetVisible(bool bVisible) {
    if (m_bVisible == bVisible)
        return;
    CControlUI::SetVisible(bVisible);
    for (int i = 0; i < m_items.GetSize(); ++i)
        ItemAt(i)->SetInheritedVisible(IsVisible());
}

void CContainerUI::SetInheritedVisible(bool bVisible) {
    CControlUI::SetInheritedVisible(bVisible);
    for (int i = 0; i < m_items.GetSize(); ++i)
        ItemAt(i)->SetInheritedVisible(IsVisible());
}

void CContainerUI::SetEnabled(bool bEnabled) {
    if (m_bEnabled == bEnabled)
        return;
    CControlUI::SetEnabled(bEnabled);
    for (int i = 0; i < m_items.GetSize(); ++i)
        ItemAt(i)->SetEnabled(bEnabled);
}

void CContainerUI::SetMouseEnabled(bool bEnabled) {
    if (m_pVerticalScrollBar != nullptr)
        m_pVerticalScrollBar->SetMouseEnabled(bEnabled);
    if (m_pHorizontalScrollBar != nullptr)
        m_pHorizontalScrollBar->SetMouseEnabled(bEnabled);
    CControlUI::SetMouseEnabled(bEnabled);
}

void CContainerUI::Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) {
    for (int i = 0; i < m_items.GetSize(); ++i)
        ItemAt(i)->Attach(pHost, this, bInit);
    if (m_pVerticalScrollBar != nullptr)
        m_pVerticalScrollBar->Attach(pHost, this, bInit);
    if (m_pHorizontalScrollBar != nullptr)
        m_pHorizontalScrollBar->Attach(pHost, this, bInit);
    CControlUI::Attach(pHost, pParent, bInit);
}

void CContainerUI::Offset(int dx, int dy, bool bInvalidate) {
    CControlUI::Offset(dx, dy, bInvalidate);
    if (IsBarVisible(m_pVerticalScrollBar))
        m_pVerticalScrollBar->Offset(dx, dy, false);
    if (IsBarVisible(m_pHorizontalScrollBar))
        m_pHorizontalScrollBar->Offset(dx, dy, false);
    for (int i = 0; i < m_items.GetSize(); ++i)
        if (ItemAt(i)->IsVisible())
            ItemAt(i)->Offset(dx, dy, false);
}

bool CContainerUI::IsBarVisible(const CScrollBarUI* pBar) const {
    return pBar != nullptr && pBar->IsVisible();
}

CUIRect CContainerUI::GetClientBounds() const {
    CUIRect rc(m_rcItem.left + m_rcInset.left, m_rcItem.top + m_rcInset.top,
               m_rcItem.right - m_rcInset.right, m_rcItem.bottom - m_rcInset.bottom);
    if (IsBarVisible(m_pVerticalScrollBar))
        rc.right -= m_pVerticalScrollBar->GetFixedWidth();
    if (IsBarVisible(m_pHorizontalScrollBar))
        rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
    return rc;
}

void CContainerUI::SetBounds(const RECT& rc, bool bInvalidate) {
    CControlUI::SetBounds(rc, bInvalidate);
    if (m_items.IsEmpty())
        return;
    CUIRect r(m_rcItem.left + m_rcInset.left, m_rcItem.top + m_rcInset.top,
              m_rcItem.right - m_rcInset.right, m_rcItem.bottom - m_rcInset.bottom);
    if (IsBarVisible(m_pVerticalScrollBar)) {
        r.top -= m_pVerticalScrollBar->GetScrollPos();
        r.right -= m_pVerticalScrollBar->GetFixedWidth();
        r.bottom += m_pVerticalScrollBar->GetScrollRange() - m_pVerticalScrollBar->GetScrollPos();
    }
    if (IsBarVisible(m_pHorizontalScrollBar)) {
        r.left -= m_pHorizontalScrollBar->GetScrollPos();
        r.right +=
            m_pHorizontalScrollBar->GetScrollRange() - m_pHorizontalScrollBar->GetScrollPos();
        r.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
    }
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* pChild = ItemAt(i);
        if (!pChild->IsVisible())
            continue;
        if (pChild->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        LONG w = std::min<LONG>(std::max<LONG>(r.GetWidth(), pChild->GetMinWidth()),
                                pChild->GetMaxWidth());
        LONG h = std::min<LONG>(std::max<LONG>(r.GetHeight(), pChild->GetMinHeight()),
                                pChild->GetMaxHeight());
        pChild->SetBounds(RECT{r.left, r.top, r.left + w, r.top + h}, false);
    }
}

void CContainerUI::PlaceFloatingChild(int iIndex) {
    CControlUI* pChild = static_cast<CControlUI*>(m_items.GetAt(iIndex));
    if (pChild == nullptr || !pChild->IsVisible() || !pChild->IsFloat())
        return;
    LONG W = m_rcItem.GetWidth();
    LONG H = m_rcItem.GetHeight();
    const double* a = pChild->GetFloatAnchors();
    SIZE off = pChild->GetFloatOffset();
    auto scaled = [](LONG n, double f) { return static_cast<LONG>(std::trunc(n * f)); };
    RECT rc = {scaled(W, a[0]) + off.cx, scaled(H, a[1]) + off.cy,
               scaled(W, a[2]) + off.cx + pChild->GetFixedWidth(),
               scaled(H, a[3]) + off.cy + pChild->GetFixedHeight()};
    pChild->SetBounds(rc, false);
}

CControlUI* CContainerUI::FindInChildren(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    bool bHit = (uFlags & UIFIND_HITTEST) != 0;
    CUIRect rcClient = GetClientBounds();
    int n = m_items.GetSize();
    bool bTopFirst = (uFlags & UIFIND_TOP_FIRST) != 0;
    for (int k = 0; k < n; ++k) {
        CControlUI* pChild = ItemAt(bTopFirst ? n - 1 - k : k);
        CControlUI* pFound = pChild->FindControl(Proc, pData, uFlags);
        if (pFound == nullptr)
            continue;
        // Content scrolled under the inset or the bars is not hit.
        if (!bHit || pFound->IsFloat() || PointInRect(rcClient, *static_cast<const POINT*>(pData)))
            return pFound;
    }
    return nullptr;
}

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible())
        return nullptr;
    if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled())
        return nullptr;
    bool bHit = (uFlags & UIFIND_HITTEST) != 0;
    if (bHit && !PointInRect(m_rcItem, *static_cast<const POINT*>(pData)))
        return nullptr;
    if ((uFlags & UIFIND_UPDATETEST) != 0 && Proc(this, pData) != nullptr)
        return nullptr;
    bool bMayVisit = !bHit || IsMouseEnabled();
    bool bMeFirst = (uFlags & UIFIND_ME_FIRST) != 0;
    CControlUI* pResult = nullptr;
    if (bMeFirst && bMayVisit && (pResult = Proc(this, pData)) != nullptr)
        return pResult;
    if (m_pOverlay != nullptr && (!bHit || m_bMouseChildEnabled) &&
        (pResult = m_pOverlay->FindControl(Proc, pData, uFlags)) != nullptr)
        return pResult;
    CControlUI* aBars[] = {m_pVerticalScrollBar, m_pHorizontalScrollBar};
    for (CControlUI* pBar : aBars) {
        if (pBar != nullptr && bMayVisit &&
            (pResult = pBar->FindControl(Proc, pData, uFlags)) != nullptr)
            return pResult;
    }
    if ((!bHit || m_bMouseChildEnabled) &&
        (pResult = FindInChildren(Proc, pData, uFlags)) != nullptr)
        return pResult;
    if (!bMeFirst && bMayVisit)
        return Proc(this, pData);
    return nullptr;
}

void CContainerUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = "";
    auto is = [pstrName](const char* s) { return std::strcmp(pstrName, s) == 0; };
    if (is("inset")) {
        LONG v[4];
        ParseExtentList(pstrValue, v, 4);
        SetInset(RECT{v[0], v[1], v[2], v[3]});
    } else if (is("mousechild")) {
        SetMouseChildEnabled(ParseBoolValue(pstrValue));
    } else if (is("vscrollbar")) {
        EnableScrollBars(ParseBoolValue(pstrValue), m_pHorizontalScrollBar != nullptr);
    } else if (is("vscrollbarstyle")) {
        EnableScrollBars(true, m_pHorizontalScrollBar != nullptr);
        m_pVerticalScrollBar->ApplyAttributes(pstrValue);
    } else if (is("hscrollbar")) {
        EnableScrollBars(m_pVerticalScrollBar != nullptr, ParseBoolValue(pstrValue));
    } else if (is("hscrollbarstyle")) {
        EnableScrollBars(m_pVerticalScrollBar != nullptr, true);
        m_pHorizontalScrollBar->ApplyAttributes(pstrValue);
    } else if (is("childpadding")) {
        SetChildPadding(ParseExtentValue(pstrValue));
    } else if (is("childalign")) {
        if (std::strcmp(pstrValue, "left") == 0)
            SetChildAlign(0);
        else if (std::strcmp(pstrValue, "center") == 0)
            SetChildAlign(1);
        else if (std::strcmp(pstrValue, "right") == 0)
            SetChildAlign(2);
    } else if (is("childvalign")) {
        if (std::strcmp(pstrValue, "top") == 0)
            SetChildVAlign(0);
        else if (std::strcmp(pstrValue, "vcenter") == 0)
            SetChildVAlign(4);
        else if (std::strcmp(pstrValue, "bottom") == 0)
            SetChildVAlign(8);
    } else {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

}  // namespace Orvik
