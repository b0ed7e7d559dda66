// Scroll bar: range and position, orientation, attributes and the geometry of its parts.
#include "ui/controls/ScrollBarUI.h"

#include <algorithm>
#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/ContainerUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CScrollBarUI::CScrollBarUI() {
    m_cxFixed = DEFAULT_SIZE;
}

LPVOID CScrollBarUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "ScrollBar") == 0)
        return this;
    return CControlUI::AsType(pstrName);
}

void CScrollBarUI::NotifyOwnerLayout() {
    if (m_pOwner != nullptr)
        m_pOwner->RequestLayout();
    else
        RequestParentLayout();
}

void CScrollBarUI::SetHorizontal(bool bHorizontal) {
    if (m_bHorizontal == bHorizontal)
        return;
    m_bHorizontal = bHorizontal;
    if (bHorizontal && m_cyFixed == 0) {
        m_cxFixed = 0;
        m_cyFixed = DEFAULT_SIZE;
    } else if (!bHorizontal && m_cxFixed == 0) {
        m_cyFixed = 0;
        m_cxFixed = DEFAULT_SIZE;
    }
    NotifyOwnerLayout();
}

void CScrollBarUI::SetScrollRange(int nRange, bool bNotify) {
    if (m_nRange == nRange)
        return;
    int nOld = m_nRange;
    m_nRange = std::max(nRange, 0);
    if (m_nScrollPos > m_nRange)
        m_nScrollPos = m_nRange;
    SetBounds(m_rcItem, true);
    // Queued without repeat: a burst of changes reaches listeners once.
    if (bNotify && m_pHost != nullptr)
        m_pHost->SendNotify(this, "scrollrangechanged", m_nRange, nOld, true, false);
}

void CScrollBarUI::SetScrollPos(int nPos, bool bNotify) {
    if (m_nScrollPos == nPos)
        return;
    int nOld = m_nScrollPos;
    nPos = std::max(nPos, 0);
    int u = m_nScrollUnit;
    if (u > 1 && nPos % u != 0) {
        int r = nPos % u;
        nPos = r < u / 2 ? nPos - r : nPos + u - r;
    }
    nPos = std::min(nPos, m_nRange);
    // A request clamped back onto the current position is no scroll.
    if (nPos == m_nScrollPos)
        return;
    m_nScrollPos = nPos;
    SetBounds(m_rcItem, true);
    if (bNotify && m_pHost != nullptr)
        m_pHost->SendNotify(this, "scroll", m_nScrollPos, nOld, true, false);
}

int CScrollBarUI::GetLineSize() const {
    return m_nScrollUnit > 1 ? m_nScrollUnit : m_nLineSize;
}

void CScrollBarUI::SetLineSize(int nSize) {
    if (nSize >= 0)
        m_nLineSize = nSize;
}

void CScrollBarUI::SetScrollUnit(int nUnit) {
    if (nUnit >= 0)
        m_nScrollUnit = nUnit;
}

void CScrollBarUI::SetShowButton1(bool bShow) {
    m_bShowButton1 = bShow;
    SetBounds(m_rcItem, true);
}

void CScrollBarUI::SetShowButton2(bool bShow) {
    m_bShowButton2 = bShow;
    SetBounds(m_rcItem, true);
}

void CScrollBarUI::SetVisible(bool bVisible) {
    // The owner lays the bar out; no layout request from here.
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    m_bFocused = false;
}

void CScrollBarUI::SetEnabled(bool bEnabled) {
    CControlUI::SetEnabled(bEnabled);
    if (!IsEnabled()) {
        m_button1.uState = 0;
        m_button2.uState = 0;
        m_thumb.uState = 0;
    }
}

void CScrollBarUI::SetFocus() {
    if (m_pOwner != nullptr)
        m_pOwner->SetFocus();
    else
        CControlUI::SetFocus();
}

void CScrollBarUI::SetBounds(const RECT& rc, bool bInvalidate) {
    CControlUI::SetBounds(rc, bInvalidate);
    PlaceParts();
}

void CScrollBarUI::PlaceThumb(LONG nStart1, LONG nEnd2, LONG nLength, LONG nRoom, LONG& nFrom,
                              LONG& nTo) const {
    if (m_nRange <= 0) {
        nFrom = nStart1;
        nTo = nEnd2;
        return;
    }
    // 64-bit products: a large range must not overflow the thumb position.
    LONG t = Thickness();
    LONG k = static_cast<LONG>(static_cast<long long>(nLength) * nRoom / (nLength + m_nRange));
    k = std::max(k, t);
    nFrom =
        static_cast<LONG>(static_cast<long long>(nRoom - k) * m_nScrollPos / m_nRange) + nStart1;
    nTo = nFrom + k;
    if (nTo > nEnd2) {
        nFrom = nEnd2 - k;
        nTo = nEnd2;
    }
}

namespace {

// Left and top swapped, right and bottom: a vertical bar is placed as a
// horizontal one in the swapped frame.
CUIRect Transposed(const CUIRect& r) {
    return CUIRect(r.top, r.left, r.bottom, r.right);
}

}  // namespace

// Buttons at both ends (halved when the bar is too short for them) and the
// thumb between, all placed along x; a vertical bar comes back transposed.
void CScrollBarUI::PlaceParts() {
    const CUIRect r = m_bHorizontal ? m_rcItem : Transposed(m_rcItem);
    LONG t = m_bHorizontal ? m_cyFixed : m_cxFixed;
    LONG length = r.right - r.left;
    LONG room = length - (m_bShowButton1 ? t : 0) - (m_bShowButton2 ? t : 0);
    LONG s = t;
    if (t >= room)
        s = std::min(length / 2, t);
    CUIRect button1 = m_bShowButton1 ? CUIRect(r.left, r.top, r.left + s, r.top + t)
                                     : CUIRect(r.left, r.top, r.left, r.top);
    CUIRect button2 = m_bShowButton2 ? CUIRect(r.right - s, r.top, r.right, r.top + t)
                                     : CUIRect(r.right, r.top, r.right, r.top);
    CUIRect thumb;
    if (t < room) {
        thumb.top = r.top;
        thumb.bottom = r.top + t;
        PlaceThumb(button1.right, button2.left, length, room, thumb.left, thumb.right);
    }
    m_rcButton1 = m_bHorizontal ? button1 : Transposed(button1);
    m_rcButton2 = m_bHorizontal ? button2 : Transposed(button2);
    m_rcThumb = m_bHorizontal ? thumb : Transposed(thumb);
}

bool CScrollBarUI::SetImageAttribute(const char* pstrName, const char* pstrValue) {
    struct PartName {
        const char* pstrPrefix;
        Part CScrollBarUI::*pPart;
    };
    static const PartName s_parts[] = {
        {"bk", &CScrollBarUI::m_back},         {"button1", &CScrollBarUI::m_button1},
        {"button2", &CScrollBarUI::m_button2}, {"thumb", &CScrollBarUI::m_thumb},
        {"rail", &CScrollBarUI::m_rail},
    };
    static const char* const s_looks[LOOK_COUNT] = {"normalimage", "hotimage", "pushedimage",
                                                    "disabledimage"};
    for (const PartName& p : s_parts) {
        size_t n = std::strlen(p.pstrPrefix);
        if (std::strncmp(pstrName, p.pstrPrefix, n) != 0)
            continue;
        for (int i = 0; i < LOOK_COUNT; ++i) {
            if (std::strcmp(pstrName + n, s_looks[i]) != 0)
                continue;
            ImagePaintState& state = (this->*p.pPart).looks[i];
            if (state.pImage == nullptr || !(state.strDescriptor == pstrValue)) {
                state.SetDescriptor(pstrValue);
                Invalidate();
            }
            return true;
        }
    }
    return false;
}

bool CScrollBarUI::SetColorAttribute(const char* pstrName, const char* pstrValue) {
    Part* pPart = nullptr;
    if (std::strcmp(pstrName, "button1color") == 0)
        pPart = &m_button1;
    else if (std::strcmp(pstrName, "button2color") == 0)
        pPart = &m_button2;
    else if (std::strcmp(pstrName, "thumbcolor") == 0)
        pPart = &m_thumb;
    if (pPart == nullptr)
        return false;
    DWORD dw = ParseBackColorValue(pstrValue);
    if (pPart->dwColor != dw) {
        pPart->dwColor = dw;
        Invalidate();
    }
    return true;
}

void CScrollBarUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (SetImageAttribute(pstrName, pstrValue) || SetColorAttribute(pstrName, pstrValue))
        return;
    auto is = [pstrName](const char* p) { return std::strcmp(pstrName, p) == 0; };
    if (is("hor"))
        SetHorizontal(ParseBoolValue(pstrValue));
    else if (is("linesize"))
        SetLineSize(ParseIntValue(pstrValue));
    else if (is("scrollunit"))
        SetScrollUnit(ParseIntValue(pstrValue));
    else if (is("range"))
        SetScrollRange(ParseIntValue(pstrValue), true);
    else if (is("value"))
        SetScrollPos(ParseIntValue(pstrValue), true);
    else if (is("showbutton1"))
        SetShowButton1(ParseBoolValue(pstrValue));
    else if (is("showbutton2"))
        SetShowButton2(ParseBoolValue(pstrValue));
    else
        CControlUI::SetAttribute(pstrName, pstrValue);
}

}  // namespace Orvik
