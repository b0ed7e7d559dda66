// Vertical box layout: a measuring pass, then a placing pass, then the scroll bars.
#include "ui/controls/VerticalLayoutUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

using namespace boxlayout;

LPVOID CVerticalLayoutUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "VerticalLayout") == 0)
        return this;
    return CContainerUI::AsType(pstrName);
}

UINT CVerticalLayoutUI::GetInputFlags() {
    return IsEnabled() && m_iSepHeight != 0 ? 2 : 0;
}

void CVerticalLayoutUI::SetSepImmMode(bool bImmediately) {
    if (m_bImmMode == bImmediately)
        return;
    // A shaded drag in progress paints through the host's overlay list.
    if ((m_uButtonState & 0x40) != 0 && !m_bImmMode && m_pHost != nullptr)
        m_pHost->RemoveOverlayPaint(this);
    m_bImmMode = bImmediately;
}

void CVerticalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepheight") == 0)
        SetSepHeight(ParseExtentValue(pstrValue));
    else if (pstrName != nullptr && std::strcmp(pstrName, "sepimm") == 0)
        SetSepImmMode(ParseBoolValue(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

// With a visible bar the children are laid out over the whole scrollable extent.
SIZE CVerticalLayoutUI::AvailableExtent(const CUIRect& rcClient) const {
    SIZE sz = {rcClient.GetWidth(), rcClient.GetHeight()};
    if (IsBarVisible(m_pHorizontalScrollBar))
        sz.cx += m_pHorizontalScrollBar->GetScrollRange();
    if (IsBarVisible(m_pVerticalScrollBar))
        sz.cy += m_pVerticalScrollBar->GetScrollRange();
    return sz;
}

// Pass 1: measure every placed child; those of height 0 stretch.
MeasureResult CVerticalLayoutUI::MeasurePass(SIZE szAvailable) {
    MeasureResult m;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI& c = *ItemAt(i);
        if (!c.IsVisible() || c.IsFloat())
            continue;
        const CUIRect& pad = c.GetPadding();
        SIZE sz = c.MeasureSize(Limit(c, szAvailable.cx - pad.left - pad.right, szAvailable.cy));
        if (sz.cy == 0)
            ++m.nStretchable;
        else
            sz.cy = ClampHeight(c, sz.cy);
        m.nFixedTotal += pad.top + sz.cy + pad.bottom;
        sz.cx = ClampWidth(c, std::max<LONG>(sz.cx, 0));
        m.nCrossContent = std::max<LONG>(m.nCrossContent, pad.left + sz.cx + pad.right);
        ++m.nPlaced;
    }
    if (m.nPlaced > 0)
        m.nFixedTotal += m_iChildPadding * (m.nPlaced - 1);
    return m;
}

// Child align: centred (padding ignored), right or left.
RECT CVerticalLayoutUI::AlignHorizontally(const CControlUI& c, const CUIRect& rcClient, LONG y,
                                          LONG w, LONG h) const {
    const CUIRect& pad = c.GetPadding();
    bool bBar = IsBarVisible(m_pHorizontalScrollBar);
    LONG range = bBar ? m_pHorizontalScrollBar->GetScrollRange() : 0;
    LONG pos = bBar ? m_pHorizontalScrollBar->GetScrollPos() : 0;
    LONG top = y + pad.top;
    if (m_iChildAlign == 1) {
        LONG mid = (rcClient.left + rcClient.right) / 2 + (bBar ? range / 2 - pos : 0);
        return RECT{mid - w / 2, top, mid - w / 2 + w, top + h};
    }
    if (m_iChildAlign == 2) {
        LONG e = rcClient.right + (bBar ? range - pos : 0);
        return RECT{e - pad.right - w, top, e - pad.right, top + h};
    }
    LONG e = rcClient.left - pos;
    return RECT{e + pad.left, top, e + pad.left + w, top + h};
}

// Pass 2: place the children top to bottom; returns the space they used.
LONG CVerticalLayoutUI::PlacePass(const CUIRect& rcClient, SIZE szAvailable,
                                  const MeasureResult& m) {
    LONG share = 0;
    if (m.nStretchable > 0)
        share = std::max<LONG>(0, (szAvailable.cy - m.nFixedTotal) / m.nStretchable);
    LONG y = rcClient.top;
    if (IsBarVisible(m_pVerticalScrollBar))
        y -= m_pVerticalScrollBar->GetScrollPos();
    LONG remaining = szAvailable.cy;
    LONG fixedLeft = m.nFixedTotal;
    LONG used = 0;
    int k = 0;
    int j = 0;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI& c = *ItemAt(i);
        if (!c.IsVisible())
            continue;
        if (c.IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        ++k;
        const CUIRect& pad = c.GetPadding();
        remaining -= pad.top;
        SIZE limit = Limit(c, szAvailable.cx - pad.left - pad.right, remaining);
        fixedLeft -= pad.top + pad.bottom + (k > 1 ? m_iChildPadding : 0);
        SIZE sz = c.MeasureSize(limit);
        LONG h = 0;
        if (sz.cy == 0) {
            // The last stretchable child absorbs the rounding.
            h = ++j == m.nStretchable ? std::max<LONG>(0, remaining - pad.bottom - fixedLeft)
                                      : share;
            h = ClampHeight(c, h);
        } else {
            h = ClampHeight(c, sz.cy);
            fixedLeft -= h;
        }
        // The measured width is not used: a child fills the width unless capped.
        LONG w = c.GetMaxWidth();
        if (w == 0)
            w = szAvailable.cx - pad.left - pad.right;
        w = std::max<LONG>(std::min<LONG>(std::max<LONG>(w, 0), limit.cx), c.GetMinWidth());
        c.SetBounds(AlignHorizontally(c, rcClient, y, w, h), false);
        y += pad.top + h + pad.bottom + m_iChildPadding;
        used += pad.top + h + pad.bottom;
        remaining -= h + pad.bottom + m_iChildPadding;
    }
    return used;
}

void CVerticalLayoutUI::SetBounds(const RECT& rc, bool bInvalidate) {
    CControlUI::SetBounds(rc, bInvalidate);
    CUIRect rcClient = GetClientBounds();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rcClient, 0, 0);
        return;
    }
    SIZE szAvailable = AvailableExtent(rcClient);
    MeasureResult m = MeasurePass(szAvailable);
    LONG used = PlacePass(rcClient, szAvailable, m);
    LONG cyContent = used + (m.nPlaced > 0 ? m_iChildPadding * (m.nPlaced - 1) : 0);
    UpdateScrollBars(rcClient, m.nCrossContent, cyContent);
}

}  // namespace Orvik
