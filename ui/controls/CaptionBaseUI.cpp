// Caption text: attributes, default colours and drawing through the draw engine.
#include "ui/controls/CaptionBaseUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CCaptionBaseUI::SetTextColor(DWORD dw) {
    m_dwTextColor = dw;
    Invalidate();
}

void CCaptionBaseUI::SetDisabledTextColor(DWORD dw) {
    m_dwDisabledTextColor = dw;
    Invalidate();
}

void CCaptionBaseUI::SetFont(int iFont) {
    m_iFont = iFont;
    Invalidate();
}

void CCaptionBaseUI::SetTextStyle(UINT uStyle) {
    m_uTextStyle = uStyle;
    Invalidate();
}

void CCaptionBaseUI::SetTextPadding(const RECT& rc) {
    m_rcTextPadding = rc;
    Invalidate();
}

void CCaptionBaseUI::SetShowHtml(bool b) {
    if (m_bShowHtml == b)
        return;
    m_bShowHtml = b;
    Invalidate();
}

void CCaptionBaseUI::ProcessEvent(ControlEvent& event) {
    // Focus only flips the flag: the derived control decides about repaints.
    if (event.kind == UIEVENT_SETFOCUS || event.kind == UIEVENT_KILLFOCUS) {
        m_bFocused = event.kind == UIEVENT_SETFOCUS;
        return;
    }
    CControlUI::ProcessEvent(event);
}

namespace {

// Applies the alignment words found in the value, in the order given.
UINT ApplyAlignWords(UINT uStyle, const char* pstrValue, const char* const* ppWords,
                     const UINT* pSet, UINT uMask) {
    for (int i = 0; i < 3; ++i)
        if (std::strstr(pstrValue, ppWords[i]) != nullptr)
            uStyle = (uStyle & ~uMask) | pSet[i];
    return uStyle;
}

}  // namespace

void CCaptionBaseUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    auto is = [pstrName](const char* p) { return std::strcmp(pstrName, p) == 0; };
    if (is("align")) {
        static const char* const s_words[] = {"left", "center", "right"};
        static const UINT s_bits[] = {0, STYLE_CENTER, STYLE_RIGHT};
        SetTextStyle(
            ApplyAlignWords(m_uTextStyle, pstrValue, s_words, s_bits, STYLE_CENTER | STYLE_RIGHT));
    } else if (is("valign")) {
        static const char* const s_words[] = {"top", "vcenter", "bottom"};
        static const UINT s_bits[] = {0, STYLE_VCENTER, STYLE_BOTTOM};
        SetTextStyle(ApplyAlignWords(m_uTextStyle, pstrValue, s_words, s_bits,
                                     STYLE_VCENTER | STYLE_BOTTOM));
    } else if (is("endellipsis")) {
        UINT u = m_uTextStyle & ~STYLE_END_ELLIPSIS;
        SetTextStyle(ParseBoolValue(pstrValue) ? u | STYLE_END_ELLIPSIS : u);
    } else if (is("font")) {
        SetFont(ParseIntValue(pstrValue));
    } else if (is("textcolor")) {
        SetTextColor(ParseBorderColorValue(pstrValue));
    } else if (is("disabledtextcolor")) {
        SetDisabledTextColor(ParseBorderColorValue(pstrValue));
    } else if (is("textpadding")) {
        LONG v[4];
        ParseIntList(pstrValue, v, 4);
        SetTextPadding(RECT{v[0], v[1], v[2], v[3]});
    } else if (is("multiline")) {
        bool b = ParseBoolValue(pstrValue);
        SetTextStyle(b ? (m_uTextStyle & ~STYLE_SINGLELINE) | STYLE_WORDBREAK
                       : m_uTextStyle | STYLE_SINGLELINE);
    } else if (is("showhtml")) {
        SetShowHtml(ParseBoolValue(pstrValue));
    } else {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

void CCaptionBaseUI::ResolveDefaultColors() {
    if (m_pHost == nullptr)
        return;
    if (m_dwTextColor == 0)
        m_dwTextColor = m_pHost->GetDefaultFontColor();
    if (m_dwDisabledTextColor == 0)
        m_dwDisabledTextColor = m_pHost->GetDefaultDisabledColor();
}

DWORD CCaptionBaseUI::BaseTextColor() const {
    if (IsEnabled() || m_dwDisabledTextColor == DISABLED_USES_TEXT_COLOR)
        return m_dwTextColor;
    return m_dwDisabledTextColor;
}

void CCaptionBaseUI::DrawCaption(HDC hDC, DWORD dwColor) {
    if (m_sText.IsEmpty() || m_pHost == nullptr)
        return;
    RECT rc = {m_rcItem.left + m_rcTextPadding.left, m_rcItem.top + m_rcTextPadding.top,
               m_rcItem.right - m_rcTextPadding.right, m_rcItem.bottom - m_rcTextPadding.bottom};
    if (m_bShowHtml) {
        int nLinks = 0;
        CDrawEngine::DrawMarkupText(hDC, m_pHost, rc, m_sText, dwColor, nullptr, nullptr, nLinks,
                                    m_iFont, m_uTextStyle);
    } else {
        CDrawEngine::DrawPlainText(hDC, m_pHost, rc, m_sText, dwColor, m_iFont, m_uTextStyle);
    }
}

}  // namespace Orvik
