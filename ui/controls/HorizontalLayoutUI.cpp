// Horizontal box layout: a measuring pass, then a placing pass, then the scroll bars.
#include "ui/controls/HorizontalLayoutUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

using namespace boxlayout;

LPVOID CHorizontalLayoutUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "HorizontalLayout") == 0)
        return this;
    return CContainerUI::AsType(pstrName);
}

UINT CHorizontalLayoutUI::GetInputFlags() {
    return IsEnabled() && m_iSepWidth != 0 ? 2 : 0;
}

void CHorizontalLayoutUI::SetSepImmMode(bool bImmediately) {
    if (m_bImmMode == bImmediately)
        return;
    if ((m_uButtonState & 0x40) != 0 && !m_bImmMode && m_pHost != nullptr)
        m_pHost->RemoveOverlayPaint(this);
    m_bImmMode = bImmediately;
}

void CHorizontalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepwidth") == 0)
        SetSepWidth(ParseExtentValue(pstrValue));
    else if (pstrName != nullptr && std::strcmp(pstrName, "sepimm") == 0)
        SetSepImmMode(ParseBoolValue(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

SIZE CHorizontalLayoutUI::AvailableExtent(const CUIRect& rcClient) const {
    SIZE sz = {rcClient.GetWidth(), rcClient.GetHeight()};
    if (IsBarVisible(m_pHorizontalScrollBar))
        sz.cx += m_pHorizontalScrollBar->GetScrollRange();
    if (IsBarVisible(m_pVerticalScrollBar))
        sz.cy += m_pVerticalScrollBar->GetScrollRange();
    return sz;
}

// Pass 1: a child without a fixed width stretches and is not measured (a
// label measures its height, never its width).
MeasureResult CHorizontalLayoutUI::MeasurePass(SIZE szAvailable) {
    MeasureResult m;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI& c = *ItemAt(i);
        if (!c.IsVisible() || c.IsFloat())
            continue;
        const CUIRect& pad = c.GetPadding();
        SIZE sz = {0, c.GetFixedHeight()};
        if (c.GetFixedWidth() == 0) {
            ++m.nStretchable;
        } else {
            sz = c.MeasureSize(Limit(c, szAvailable.cx, szAvailable.cy - pad.top - pad.bottom));
            if (sz.cx == 0)
                ++m.nStretchable;
            else
                sz.cx = ClampWidth(c, sz.cx);
        }
        m.nFixedTotal += pad.left + sz.cx + pad.right;
        LONG h = ClampHeight(c, std::max<LONG>(sz.cy, 0));
        m.nCrossContent = std::max<LONG>(m.nCrossContent, pad.top + h + pad.bottom);
        ++m.nPlaced;
    }
    if (m.nPlaced > 0)
        m.nFixedTotal += m_iChildPadding * (m.nPlaced - 1);
    return m;
}

// Child valign: vcenter, bottom or top.
RECT CHorizontalLayoutUI::AlignVertically(const CControlUI& c, const CUIRect& rcClient, LONG x,
                                          LONG w, LONG h) const {
    const CUIRect& pad = c.GetPadding();
    bool bBar = IsBarVisible(m_pVerticalScrollBar);
    LONG range = bBar ? m_pVerticalScrollBar->GetScrollRange() : 0;
    LONG pos = bBar ? m_pVerticalScrollBar->GetScrollPos() : 0;
    LONG left = x + pad.left;
    if (m_iChildVAlign == 4) {
        LONG mid = (rcClient.top + rcClient.bottom) / 2 + (bBar ? range / 2 - pos : 0);
        return RECT{left, mid - h / 2, left + w, mid - h / 2 + h};
    }
    if (m_iChildVAlign == 8) {
        LONG e = rcClient.bottom + (bBar ? range - pos : 0);
        return RECT{left, e - h - pad.bottom, left + w, e - pad.bottom};
    }
    LONG e = rcClient.top - pos;
    return RECT{left, e + pad.top, left + w, e + pad.top + h};
}

// Pass 2: place the children left to right; returns the space they used.
LONG CHorizontalLayoutUI::PlacePass(const CUIRect& rcClient, SIZE szAvailable,
                                    const MeasureResult& m) {
    LONG share = 0;
    if (m.nStretchable > 0)
        share = std::max<LONG>(0, (szAvailable.cx - m.nFixedTotal) / m.nStretchable);
    LONG x = rcClient.left;
    if (IsBarVisible(m_pHorizontalScrollBar))
        x -= m_pHorizontalScrollBar->GetScrollPos();
    LONG remaining = szAvailable.cx;
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
        remaining -= pad.left;
        SIZE limit = Limit(c, remaining, szAvailable.cy - pad.top - pad.bottom);
        fixedLeft -= pad.left + pad.right + (k > 1 ? m_iChildPadding : 0);
        SIZE sz = c.MeasureSize(limit);
        LONG w = 0;
        if (c.GetFixedWidth() == 0 || sz.cx == 0) {
            w = ++j == m.nStretchable ? std::max<LONG>(0, remaining - pad.right - fixedLeft)
                                      : share;
            w = ClampWidth(c, w);
        } else {
            w = ClampWidth(c, sz.cx);
            fixedLeft -= w;
        }
        LONG h = c.GetMaxHeight();
        if (h == 0)
            h = szAvailable.cy - pad.top - pad.bottom;
        h = std::max<LONG>(std::min<LONG>(std::max<LONG>(h, 0), limit.cy), c.GetMinHeight());
        c.SetBounds(AlignVertically(c, rcClient, x, w, h), false);
        x += pad.left + w + pad.right + m_iChildPadding;
        used += pad.left + w + pad.right;
        remaining -= w + pad.right + m_iChildPadding;
    }
    return used;
}

void CHorizontalLayoutUI::SetBounds(const RECT& rc, bool bInvalidate) {
    CControlUI::SetBounds(rc, bInvalidate);
    CUIRect rcClient = GetClientBounds();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rcClient, 0, 0);
        return;
    }
    SIZE szAvailable = AvailableExtent(rcClient);
    MeasureResult m = MeasurePass(szAvailable);
    LONG used = PlacePass(rcClient, szAvailable, m);
    LONG cxContent = used + (m.nPlaced > 0 ? m_iChildPadding * (m.nPlaced - 1) : 0);
    UpdateScrollBars(rcClient, cxContent, m.nCrossContent);
}

}  // namespace Orvik
