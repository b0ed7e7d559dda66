// Box layout: a measuring pass, then a placing pass, then the scroll bars.
#include "ui/controls/BoxLayoutUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

using namespace boxlayout;

namespace {

// The childalign and childvalign values that move a child across the axis.
constexpr int ALIGN_CENTER = 1;
constexpr int ALIGN_RIGHT = 2;
constexpr int ALIGN_VCENTER = 4;
constexpr int ALIGN_BOTTOM = 8;

}  // namespace

UINT CBoxLayoutUI::GetInputFlags() {
    return IsEnabled() && m_iSepSize != 0 ? 2 : 0;
}

void CBoxLayoutUI::SetSepImmMode(bool bImmediately) {
    if (m_bImmMode == bImmediately)
        return;
    // A shaded drag in progress paints through the host's overlay list.
    if ((m_uButtonState & 0x40) != 0 && !m_bImmMode && m_pHost != nullptr)
        m_pHost->RemoveOverlayPaint(this);
    m_bImmMode = bImmediately;
}

void CBoxLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepimm") == 0)
        SetSepImmMode(ParseBoolValue(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

// With a visible bar the children are laid out over the whole scrollable extent.
SIZE CBoxLayoutUI::AvailableExtent(const CUIRect& rcClient) const {
    SIZE sz = {rcClient.GetWidth(), rcClient.GetHeight()};
    if (IsBarVisible(m_pHorizontalScrollBar))
        sz.cx += m_pHorizontalScrollBar->GetScrollRange();
    if (IsBarVisible(m_pVerticalScrollBar))
        sz.cy += m_pVerticalScrollBar->GetScrollRange();
    return sz;
}

template <bool bVertical>
void CBoxLayoutUI::MeasureChild(CControlUI& c, SIZE szAvailable, MeasureResult& m) {
    constexpr CAxis a(bVertical);
    constexpr CAxis x = a.Cross();
    const CUIRect& pad = c.GetPadding();
    SIZE sz = a.MakeSize(0, x.Fixed(c));
    if (m_bStretchUnlessFixed && a.Fixed(c) == 0) {
        ++m.nStretchable;
    } else {
        LONG nCrossPad = pad.*x.Start() + pad.*x.End();
        sz = c.MeasureSize(Limit(c, a.MakeSize(a.Of(szAvailable), x.Of(szAvailable) - nCrossPad)));
        if (a.Of(sz) == 0)
            ++m.nStretchable;
        else
            a.Of(sz) = Clamp(c, a, a.Of(sz));
    }
    m.nFixedTotal += pad.*a.Start() + a.Of(sz) + pad.*a.End();
    LONG nAcross = Clamp(c, x, std::max<LONG>(x.Of(sz), 0));
    m.nCrossContent = std::max<LONG>(m.nCrossContent, pad.*x.Start() + nAcross + pad.*x.End());
    ++m.nPlaced;
}

// Pass 1: what the children with an extent along the axis take, and how many share the rest.
template <bool bVertical>
MeasureResult CBoxLayoutUI::MeasurePass(SIZE szAvailable) {
    MeasureResult m;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI& c = *ItemAt(i);
        if (c.IsVisible() && !c.IsFloat())
            MeasureChild<bVertical>(c, szAvailable, m);
    }
    if (m.nPlaced > 0)
        m.nFixedTotal += m_iChildPadding * (m.nPlaced - 1);
    return m;
}

CBoxLayoutUI::CrossAlign CBoxLayoutUI::CrossAlignment() const {
    int iAlign = m_axis.IsVertical() ? m_iChildAlign : m_iChildVAlign;
    if (iAlign == (m_axis.IsVertical() ? ALIGN_CENTER : ALIGN_VCENTER))
        return CrossAlign::CENTRE;
    if (iAlign == (m_axis.IsVertical() ? ALIGN_RIGHT : ALIGN_BOTTOM))
        return CrossAlign::END;
    return CrossAlign::START;
}

// Centred ignores the child's padding; the end and start keep theirs.
template <bool bVertical>
RECT CBoxLayoutUI::AlignAcross(const CControlUI& c, const CUIRect& rcClient, LONG nPos, LONG nAlong,
                               LONG nAcross) const {
    constexpr CAxis a(bVertical);
    constexpr CAxis x = a.Cross();
    const CUIRect& pad = c.GetPadding();
    const CScrollBarUI* pBar = x.IsVertical() ? m_pVerticalScrollBar : m_pHorizontalScrollBar;
    bool bBar = IsBarVisible(pBar);
    LONG range = bBar ? pBar->GetScrollRange() : 0;
    LONG pos = bBar ? pBar->GetScrollPos() : 0;
    LONG nStart = nPos + pad.*a.Start();
    LONG nCross = 0;
    switch (CrossAlignment()) {
        case CrossAlign::CENTRE:
            nCross = (rcClient.*x.Start() + rcClient.*x.End()) / 2 + (bBar ? range / 2 - pos : 0) -
                     nAcross / 2;
            break;
        case CrossAlign::END:
            nCross = rcClient.*x.End() + (bBar ? range - pos : 0) - pad.*x.End() - nAcross;
            break;
        case CrossAlign::START:
            nCross = rcClient.*x.Start() - pos + pad.*x.Start();
            break;
    }
    return a.MakeRect(nStart, nStart + nAlong, nCross, nCross + nAcross);
}

// The measured cross extent is not used: a child fills the client unless capped.
template <bool bVertical>
LONG CBoxLayoutUI::CrossExtent(const CControlUI& c, SIZE szAvailable, SIZE szLimit) const {
    constexpr CAxis a(bVertical);
    constexpr CAxis x = a.Cross();
    const CUIRect& pad = c.GetPadding();
    LONG n = x.Max(c);
    if (n == 0)
        n = x.Of(szAvailable) - pad.*x.Start() - pad.*x.End();
    return std::max<LONG>(std::min<LONG>(std::max<LONG>(n, 0), x.Of(szLimit)), x.Min(c));
}

template <bool bVertical>
void CBoxLayoutUI::PlaceChild(CControlUI& c, const CUIRect& rcClient, SIZE szAvailable,
                              const MeasureResult& m, PlaceCursor& cur) {
    constexpr CAxis a(bVertical);
    constexpr CAxis x = a.Cross();
    const CUIRect& pad = c.GetPadding();
    ++cur.nPlaced;
    cur.nRemaining -= pad.*a.Start();
    SIZE szLimit =
        Limit(c, a.MakeSize(cur.nRemaining, x.Of(szAvailable) - pad.*x.Start() - pad.*x.End()));
    cur.nFixedLeft -= pad.*a.Start() + pad.*a.End() + (cur.nPlaced > 1 ? m_iChildPadding : 0);
    SIZE sz = c.MeasureSize(szLimit);
    LONG n = 0;
    if ((m_bStretchUnlessFixed && a.Fixed(c) == 0) || a.Of(sz) == 0) {
        // The last stretchable child absorbs the rounding.
        bool bLast = ++cur.nStretched == m.nStretchable;
        n = Clamp(
            c, a,
            bLast ? std::max<LONG>(0, cur.nRemaining - pad.*a.End() - cur.nFixedLeft) : cur.nShare);
    } else {
        n = Clamp(c, a, a.Of(sz));
        cur.nFixedLeft -= n;
    }
    c.SetBounds(AlignAcross<bVertical>(c, rcClient, cur.nPos, n,
                                       CrossExtent<bVertical>(c, szAvailable, szLimit)),
                false);
    LONG nTaken = pad.*a.Start() + n + pad.*a.End();
    cur.nPos += nTaken + m_iChildPadding;
    cur.nUsed += nTaken;
    cur.nRemaining -= n + pad.*a.End() + m_iChildPadding;
}

// Pass 2: place the children from the start edge on; returns the space they used.
template <bool bVertical>
LONG CBoxLayoutUI::PlacePass(const CUIRect& rcClient, SIZE szAvailable, const MeasureResult& m) {
    constexpr CAxis a(bVertical);
    const CScrollBarUI* pBar = a.IsVertical() ? m_pVerticalScrollBar : m_pHorizontalScrollBar;
    PlaceCursor cur;
    if (m.nStretchable > 0)
        cur.nShare = std::max<LONG>(0, (a.Of(szAvailable) - m.nFixedTotal) / m.nStretchable);
    cur.nPos = rcClient.*a.Start() - (IsBarVisible(pBar) ? pBar->GetScrollPos() : 0);
    cur.nRemaining = a.Of(szAvailable);
    cur.nFixedLeft = m.nFixedTotal;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI& c = *ItemAt(i);
        if (!c.IsVisible())
            continue;
        if (c.IsFloat())
            PlaceFloatingChild(i);
        else
            PlaceChild<bVertical>(c, rcClient, szAvailable, m, cur);
    }
    return cur.nUsed;
}

template <bool bVertical>
void CBoxLayoutUI::LayOut(const CUIRect& rcClient) {
    constexpr CAxis a(bVertical);
    SIZE szAvailable = AvailableExtent(rcClient);
    MeasureResult m = MeasurePass<bVertical>(szAvailable);
    LONG used = PlacePass<bVertical>(rcClient, szAvailable, m);
    LONG nAlong = used + (m.nPlaced > 0 ? m_iChildPadding * (m.nPlaced - 1) : 0);
    SIZE szContent = a.MakeSize(nAlong, m.nCrossContent);
    UpdateScrollBars(rcClient, szContent.cx, szContent.cy);
}

void CBoxLayoutUI::SetBounds(const RECT& rc, bool bInvalidate) {
    CControlUI::SetBounds(rc, bInvalidate);
    CUIRect rcClient = GetClientBounds();
    if (m_items.IsEmpty())
        UpdateScrollBars(rcClient, 0, 0);
    else if (m_axis.IsVertical())
        LayOut<true>(rcClient);
    else
        LayOut<false>(rcClient);
}

}  // namespace Orvik
