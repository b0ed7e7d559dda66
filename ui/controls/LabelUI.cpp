// Label: attributes, measuring and plain text painting.
#include "ui/controls/LabelUI.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool Is(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

bool Has(const char* pstrValue, const char* pstrWord) {
    return std::strstr(pstrValue, pstrWord) != nullptr;
}

// The window's DC, or a memory DC while no window is bound (measuring
// happens before the first paint in tests and tools).
class CMeasureDC {
public:
    explicit CMeasureDC(HDC hPaint)
        : m_hOwn(hPaint == nullptr ? CreateCompatibleDC(nullptr) : nullptr),
          m_hDC(hPaint != nullptr ? hPaint : m_hOwn) {}
    ~CMeasureDC() {
        if (m_hOwn != nullptr)
            DeleteDC(m_hOwn);
    }
    CMeasureDC(const CMeasureDC&) = delete;
    CMeasureDC& operator=(const CMeasureDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hOwn;
    HDC m_hDC;
};

}  // namespace

UINT ApplyAlignWords(UINT uStyle, const char* pstrValue) {
    if (Has(pstrValue, "left"))
        uStyle &= ~(LABEL_STYLE_CENTER | LABEL_STYLE_RIGHT);
    if (Has(pstrValue, "center"))
        uStyle = (uStyle & ~LABEL_STYLE_RIGHT) | LABEL_STYLE_CENTER;
    if (Has(pstrValue, "right"))
        uStyle = (uStyle & ~LABEL_STYLE_CENTER) | LABEL_STYLE_RIGHT;
    return uStyle;
}

UINT ApplyVAlignWords(UINT uStyle, const char* pstrValue) {
    if (Has(pstrValue, "top"))
        uStyle &= ~(LABEL_STYLE_VCENTER | LABEL_STYLE_BOTTOM);
    if (Has(pstrValue, "vcenter"))
        uStyle = (uStyle & ~LABEL_STYLE_BOTTOM) | LABEL_STYLE_VCENTER;
    if (Has(pstrValue, "bottom"))
        uStyle = (uStyle & ~LABEL_STYLE_VCENTER) | LABEL_STYLE_BOTTOM;
    return uStyle;
}

LPVOID CLabelUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && Is(pstrName, "Label"))
        return this;
    return CControlUI::AsType(pstrName);
}

void CLabelUI::SetText(const char* pstrText) {
    CControlUI::SetText(pstrText);
    m_bMeasurePending = true;
}

void CLabelUI::SetTextStyle(UINT uStyle) {
    m_uTextStyle = uStyle;
    m_bMeasurePending = true;
    Invalidate();
}

void CLabelUI::SetTextColor(DWORD dw) {
    m_dwTextColor = dw;
    Invalidate();
}

void CLabelUI::SetDisabledTextColor(DWORD dw) {
    m_dwDisabledTextColor = dw;
    Invalidate();
}

void CLabelUI::SetFont(int iFont) {
    m_iFont = iFont;
    m_bMeasurePending = true;
    Invalidate();
}

void CLabelUI::SetTextPadding(const RECT& rc) {
    m_rcTextPadding = rc;
    m_bMeasurePending = true;
    Invalidate();
}

void CLabelUI::SetShowHtml(bool b) {
    if (m_bShowHtml == b)
        return;
    m_bShowHtml = b;
    m_bMeasurePending = true;
    Invalidate();
}

void CLabelUI::SetMultiLine(bool b) {
    if (b)
        m_uTextStyle = (m_uTextStyle & ~LABEL_STYLE_SINGLELINE) | LABEL_STYLE_WORDBREAK;
    else
        m_uTextStyle |= LABEL_STYLE_SINGLELINE;
    m_bMeasurePending = true;
}

bool CLabelUI::SetTextAttribute(const char* n, const char* v) {
    if (Is(n, "align")) {
        m_uTextStyle = ApplyAlignWords(m_uTextStyle, v);
    } else if (Is(n, "valign")) {
        m_uTextStyle = ApplyVAlignWords(m_uTextStyle, v);
    } else if (Is(n, "endellipsis")) {
        if (ParseBoolValue(v))
            m_uTextStyle |= LABEL_STYLE_END_ELLIPSIS;
        else
            m_uTextStyle &= ~LABEL_STYLE_END_ELLIPSIS;
    } else if (Is(n, "font")) {
        SetFont(ParseIntValue(v));
    } else if (Is(n, "textcolor")) {
        SetTextColor(ParseBorderColorValue(v));
    } else if (Is(n, "disabledtextcolor")) {
        SetDisabledTextColor(ParseBorderColorValue(v));
    } else if (Is(n, "textpadding")) {
        LONG a[4];
        ParseIntList(v, a, 4);
        SetTextPadding(RECT{a[0], a[1], a[2], a[3]});
    } else if (Is(n, "multiline")) {
        SetMultiLine(ParseBoolValue(v));
    } else if (Is(n, "showhtml")) {
        SetShowHtml(ParseBoolValue(v));
    } else {
        return false;
    }
    return true;
}

void CLabelUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrValue == nullptr)
        return;
    if (SetTextAttribute(pstrName, pstrValue) || SetEffectAttribute(pstrName, pstrValue))
        return;
    CControlUI::SetAttribute(pstrName, pstrValue);
}

SIZE CLabelUI::MeasureText(RECT rc) const {
    UINT uStyle = (m_uTextStyle | LABEL_STYLE_CALCRECT) & ~(LABEL_STYLE_CENTER | LABEL_STYLE_RIGHT);
    CMeasureDC dc(m_pHost->GetPaintDC());
    if (m_bShowHtml) {
        int nLinks = 0;
        CDrawEngine::DrawMarkupText(dc.Get(), m_pHost, rc, m_sText, 0, nullptr, nullptr, nLinks,
                                    m_iFont, uStyle);
    } else {
        CDrawEngine::DrawPlainText(dc.Get(), m_pHost, rc, m_sText, 0, m_iFont, uStyle);
    }
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

SIZE CLabelUI::MeasureSize(SIZE szAvailable) {
    if (m_cxFixed > 0 && m_cyFixed > 0)
        return SIZE{m_cxFixed, m_cyFixed};
    if (m_szFixedLast.cx != m_cxFixed || m_szFixedLast.cy != m_cyFixed)
        m_bMeasurePending = true;
    if (IsMultiLine() &&
        (szAvailable.cx != m_szAvailableLast.cx || szAvailable.cy != m_szAvailableLast.cy))
        m_bMeasurePending = true;
    if (!m_bMeasurePending || m_pHost == nullptr)
        return m_bMeasurePending ? SIZE{m_cxFixed, m_cyFixed} : m_szMeasured;
    m_bMeasurePending = false;
    m_szAvailableLast = szAvailable;
    m_szFixedLast = SIZE{m_cxFixed, m_cyFixed};
    SIZE sz = {m_cxFixed, m_cyFixed};
    const CUIRect& p = m_rcTextPadding;
    if (!IsMultiLine()) {
        if (sz.cy == 0)
            sz.cy = m_pHost->GetFontInfo(m_iFont)->tm.tmHeight + p.top + p.bottom + 8;
        if (sz.cx == 0)
            sz.cx = p.left + p.right + MeasureText(RECT{0, 0, 9999, sz.cy}).cx;
    } else {
        if (sz.cx == 0)
            sz.cx = szAvailable.cx;
        sz.cy = p.top + p.bottom + MeasureText(RECT{p.left, 0, sz.cx - p.right, 9999}).cy;
    }
    m_szMeasured = sz;
    return m_szMeasured;
}

void CLabelUI::ProcessEvent(ControlEvent& event) {
    if (event.kind == UIEVENT_SETFOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.kind == UIEVENT_KILLFOCUS) {
        m_bFocused = false;
        return;
    }
    CControlUI::ProcessEvent(event);
}

void CLabelUI::ResolveDefaultColors() {
    if (m_pHost == nullptr)
        return;
    if (m_dwTextColor == 0)
        m_dwTextColor = m_pHost->GetDefaultFontColor();
    if (m_dwDisabledTextColor == 0)
        m_dwDisabledTextColor = m_pHost->GetDefaultDisabledColor();
}

CUIRect CLabelUI::TextRect() const {
    const CUIRect& p = m_rcTextPadding;
    return CUIRect(m_rcItem.left + p.left, m_rcItem.top + p.top, m_rcItem.right - p.right,
                   m_rcItem.bottom - p.bottom);
}

DWORD CLabelUI::StateTextColor(bool bHonourOne) const {
    if (IsEnabled() || (bHonourOne && m_dwDisabledTextColor == 1))
        return m_dwTextColor;
    return m_dwDisabledTextColor;
}

void CLabelUI::PaintText(HDC hDC) {
    if (m_pHost == nullptr)
        return;
    ResolveDefaultColors();
    if (m_sText.IsEmpty())
        return;
    if (m_effects.bEnabled) {
        PaintEffects(hDC);
        return;
    }
    RECT rc = TextRect();
    DWORD dwColor = PaintTextColor();
    if (m_bShowHtml) {
        int nLinks = 0;
        CDrawEngine::DrawMarkupText(hDC, m_pHost, rc, m_sText, dwColor, nullptr, nullptr, nLinks,
                                    m_iFont, m_uTextStyle);
    } else {
        CDrawEngine::DrawPlainText(hDC, m_pHost, rc, m_sText, dwColor, m_iFont, m_uTextStyle);
    }
}

}  // namespace Orvik
