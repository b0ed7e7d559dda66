// Control base: bounds, sizes, floating placement, repaint and layout requests.
#include <algorithm>
#include <cmath>

#include "ui/controls/ControlUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

LONG Scaled(LONG nExtent, double fAnchor) {
    return static_cast<LONG>(std::trunc(nExtent * fAnchor));
}

}  // namespace

CUIRect CControlUI::GetBoundsInParent() const {
    CUIRect rc = m_rcItem;
    if (m_pParent != nullptr)
        rc.Offset(-m_pParent->GetBounds().left, -m_pParent->GetBounds().top);
    return rc;
}

// A floating child gets a rectangle relative to its parent; offset and fixed
// size are recomputed so that the anchors reproduce it.
void CControlUI::SetBoundsFromParentRect(const RECT& rc) {
    const CUIRect& rcParent = m_pParent->GetBounds();
    m_rcItem = CUIRect(rc.left + rcParent.left, rc.top + rcParent.top, rc.right + rcParent.left,
                       rc.bottom + rcParent.top);
    LONG w = rcParent.GetWidth();
    LONG h = rcParent.GetHeight();
    m_szFloatOffset.cx = rc.left - Scaled(w, m_fAnchors[0]);
    m_szFloatOffset.cy = rc.top - Scaled(h, m_fAnchors[1]);
    m_cxFixed = rc.right - Scaled(w, m_fAnchors[2]) - m_szFloatOffset.cx;
    m_cyFixed = rc.bottom - Scaled(h, m_fAnchors[3]) - m_szFloatOffset.cy;
}

void CControlUI::SetBounds(const RECT& rcIn, bool bInvalidate) {
    RECT rc = rcIn;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    CUIRect rcInvalidate = IsRectEmptyArea(m_rcItem) ? CUIRect(rc) : m_rcItem;
    if (m_bFloat) {
        if (m_pParent != nullptr)
            SetBoundsFromParentRect(rc);
    } else {
        m_rcItem = rc;
    }
    if (m_pHost == nullptr)
        return;
    if (!m_bSetPos) {
        m_bSetPos = true;
        OnSize.Invoke(this);
        m_bSetPos = false;
    }
    m_bUpdateNeeded = false;
    if (bInvalidate && IsVisible()) {
        rcInvalidate = UnionArea(rcInvalidate, m_rcItem);
        if (!ClipToAncestors(rcInvalidate))
            return;
        m_pHost->Invalidate(rcInvalidate);
    }
    PlaceOverlay(rc);
}

void CControlUI::PlaceOverlay(const RECT& rc) {
    if (m_pOverlay == nullptr || !m_pOverlay->IsVisible())
        return;
    CControlUI& ov = *m_pOverlay;
    if (ov.IsFloat()) {
        LONG w = m_rcItem.GetWidth();
        LONG h = m_rcItem.GetHeight();
        const double* a = ov.m_fAnchors;
        SIZE off = ov.m_szFloatOffset;
        RECT rcOverlay = {Scaled(w, a[0]) + off.cx, Scaled(h, a[1]) + off.cy,
                          Scaled(w, a[2]) + off.cx + ov.m_cxFixed,
                          Scaled(h, a[3]) + off.cy + ov.m_cyFixed};
        ov.SetBounds(rcOverlay, false);
        return;
    }
    LONG cw = std::clamp<LONG>(rc.right - rc.left, ov.GetMinWidth(), ov.GetMaxWidth());
    LONG ch = std::clamp<LONG>(rc.bottom - rc.top, ov.GetMinHeight(), ov.GetMaxHeight());
    ov.SetBounds(RECT{rc.left, rc.top, rc.left + cw, rc.top + ch}, false);
}

void CControlUI::Offset(int dx, int dy, bool bInvalidate) {
    CUIRect rcOld = m_rcItem;
    m_rcItem.Offset(dx, dy);
    if (bInvalidate && m_pHost != nullptr && IsVisible()) {
        CUIRect rc = UnionArea(rcOld, m_rcItem);
        if (ClipToAncestors(rc))
            m_pHost->Invalidate(rc);
    }
    if (m_pOverlay != nullptr && m_pOverlay->IsVisible())
        m_pOverlay->Offset(dx, dy, false);
}

bool CControlUI::ClipToAncestors(CUIRect& rc) const {
    for (CControlUI* p = m_pParent; p != nullptr; p = p->GetParent()) {
        if (!p->IsVisible())
            return false;
        RECT rcCommon;
        if (!IntersectArea(rcCommon, rc, p->GetBounds()))
            return false;
        rc = rcCommon;
    }
    return true;
}

void CControlUI::Invalidate() {
    if (!IsVisible() || m_pHost == nullptr)
        return;
    CUIRect rc = m_rcItem;
    for (CControlUI* p = m_pParent; p != nullptr; p = p->GetParent()) {
        RECT rcCommon;
        if (!IntersectArea(rcCommon, rc, p->GetBounds()))
            return;
        rc = rcCommon;
    }
    m_pHost->Invalidate(rc);
}

void CControlUI::RequestLayout() {
    if (!IsVisible())
        return;
    m_bUpdateNeeded = true;
    Invalidate();
    if (m_pHost != nullptr)
        m_pHost->RequestLayoutPass();
}

void CControlUI::RequestParentLayout() {
    if (m_pParent != nullptr) {
        m_pParent->RequestLayout();
        m_pParent->Invalidate();
    } else {
        RequestLayout();
    }
    if (m_pHost != nullptr)
        m_pHost->RequestLayoutPass();
}

SIZE CControlUI::MeasureSize(SIZE) {
    return SIZE{m_cxFixed, m_cyFixed};
}

void CControlUI::SetPadding(const RECT& rc) {
    m_rcPadding = rc;
    RequestParentLayout();
}

void CControlUI::SetFloatOffset(SIZE sz) {
    m_szFloatOffset = sz;
    RequestParentLayout();
}

void CControlUI::SetFloatAnchors(double fLeft, double fTop, double fRight, double fBottom) {
    m_fAnchors[0] = fLeft;
    m_fAnchors[1] = fTop;
    m_fAnchors[2] = fRight;
    m_fAnchors[3] = fBottom;
    RequestParentLayout();
}

void CControlUI::SetFixedWidth(int cx) {
    if (cx < 0)
        return;
    m_cxFixed = cx;
    RequestParentLayout();
}

void CControlUI::SetFixedHeight(int cy) {
    if (cy < 0)
        return;
    m_cyFixed = cy;
    RequestParentLayout();
}

// Limits: negative and unchanged values are ignored.
namespace {

bool StoreLimit(int& nField, int nValue) {
    if (nValue < 0 || nField == nValue)
        return false;
    nField = nValue;
    return true;
}

}  // namespace

void CControlUI::SetMinWidth(int cx) {
    if (StoreLimit(m_cxMin, cx))
        RequestParentLayout();
}

void CControlUI::SetMaxWidth(int cx) {
    if (StoreLimit(m_cxMax, cx))
        RequestParentLayout();
}

void CControlUI::SetMinHeight(int cy) {
    if (StoreLimit(m_cyMin, cy))
        RequestParentLayout();
}

void CControlUI::SetMaxHeight(int cy) {
    if (StoreLimit(m_cyMax, cy))
        RequestParentLayout();
}

}  // namespace Orvik
