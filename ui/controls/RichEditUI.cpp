// Rich edit: stored attributes, the shown text and its painting.
#include "ui/controls/RichEditUI.h"

#include <algorithm>
#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/LabelUI.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool Is(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

// Lead bytes of the program's double-byte code page.
bool IsLeadByte(unsigned char ch) {
    return ch >= 0x81 && ch <= 0xFE;
}

}  // namespace

LPVOID CRichEditUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && Is(pstrName, "RichEdit"))
        return this;
    return CContainerUI::AsType(pstrName);
}

void CRichEditUI::SetText(const char* pstrText) {
    m_sText = pstrText;
    Invalidate();
    if (m_pHost != nullptr)
        m_pHost->SendNotify(this, "textchanged");
}

CUIString CRichEditUI::GetShownText() const {
    int nLimit = std::clamp(m_nLimit, 0, MAX_SHOWN_CHARS);
    const char* p = m_sText.GetData();
    size_t i = 0;
    for (int n = 0; n < nLimit && p[i] != '\0'; ++n) {
        if (IsLeadByte(static_cast<unsigned char>(p[i])) && p[i + 1] != '\0')
            i += 2;
        else
            i += 1;
    }
    return CUIString(p, static_cast<int>(i));
}

void CRichEditUI::SetStyleBit(UINT uBit, bool bOn) {
    m_uStyle = bOn ? (m_uStyle | uBit) : (m_uStyle & ~uBit);
}

bool CRichEditUI::SetFlagAttribute(const char* n, const char* v) {
    struct Flag {
        const char* pstrName;
        bool CRichEditUI::*pMember;
    };
    static const Flag s_flags[] = {
        {"wanttab", &CRichEditUI::m_bWantTab},
        {"wantreturn", &CRichEditUI::m_bWantReturn},
        {"wantctrlreturn", &CRichEditUI::m_bWantCtrlReturn},
        {"transparent", &CRichEditUI::m_bTransparent},
        {"rich", &CRichEditUI::m_bRich},
    };
    for (const Flag& f : s_flags)
        if (Is(n, f.pstrName)) {
            this->*f.pMember = ParseBoolValue(v);
            return true;
        }
    return false;
}

bool CRichEditUI::SetStyleAttribute(const char* n, const char* v) {
    if (Is(n, "readonly")) {
        m_bReadOnly = ParseBoolValue(v);
        SetStyleBit(RICHEDIT_STYLE_READONLY, m_bReadOnly);
    } else if (Is(n, "multiline")) {
        SetStyleBit(RICHEDIT_STYLE_MULTILINE, std::strcmp(v, "false") != 0);
    } else if (Is(n, "align")) {
        UINT uAlign = ApplyAlignWords(m_uStyle & (RICHEDIT_STYLE_CENTER | RICHEDIT_STYLE_RIGHT), v);
        m_uStyle = (m_uStyle & ~(RICHEDIT_STYLE_CENTER | RICHEDIT_STYLE_RIGHT)) | uAlign;
    } else if (Is(n, "password")) {
        SetStyleBit(RICHEDIT_STYLE_PASSWORD, ParseBoolValue(v));
    } else if (Is(n, "autovscroll")) {
        SetStyleBit(RICHEDIT_STYLE_AUTOVSCROLL, ParseBoolValue(v));
    } else if (Is(n, "autohscroll")) {
        SetStyleBit(RICHEDIT_STYLE_AUTOHSCROLL, ParseBoolValue(v));
    } else if (Is(n, "vscrollbar") || Is(n, "hscrollbar")) {
        if (ParseBoolValue(v))
            m_uStyle |= (Is(n, "vscrollbar") ? RICHEDIT_STYLE_VSCROLL : RICHEDIT_STYLE_HSCROLL) |
                        RICHEDIT_STYLE_NOHIDESCROLL;
        return false;  // the container shows its bar too
    } else {
        return false;
    }
    return true;
}

void CRichEditUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrValue == nullptr)
        return;
    const char* n = pstrName;
    const char* v = pstrValue;
    if (SetFlagAttribute(n, v) || SetStyleAttribute(n, v))
        return;
    if (Is(n, "textcolor")) {
        m_dwTextColor = ParseBackColorValue(v);
    } else if (Is(n, "font")) {
        m_iFont = ParseIntValue(v);
    } else if (Is(n, "textpadding")) {
        LONG a[4];
        ParseIntList(v, a, 4);
        m_rcTextPadding = CUIRect(a[0], a[1], a[2], a[3]);
    } else if (Is(n, "textlimit")) {
        m_nLimit = ParseIntValue(v);
    } else if (Is(n, "tipinfo")) {
        m_sTipInfo = v;
    } else if (Is(n, "tipinfocolor")) {
        m_dwTipInfoColor = ParseBorderColorValue(v);
    } else {
        CContainerUI::SetAttribute(n, v);
        return;
    }
    Invalidate();
}

bool CRichEditUI::PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) {
    if (!CContainerUI::PaintSelf(hDC, rcPaint, pStopAt))
        return false;
    if (m_sText.IsEmpty() || m_pHost == nullptr)
        return true;
    const CUIRect& p = m_rcTextPadding;
    RECT rc = {m_rcItem.left + p.left, m_rcItem.top + p.top, m_rcItem.right - p.right,
               m_rcItem.bottom - p.bottom};
    RECT rcClip = {std::max(rc.left, rcPaint.left), std::max(rc.top, rcPaint.top),
                   std::min(rc.right, rcPaint.right), std::min(rc.bottom, rcPaint.bottom)};
    if (rcClip.right <= rcClip.left || rcClip.bottom <= rcClip.top)
        return true;
    UINT uStyle = LABEL_STYLE_WORDBREAK;
    if (m_uStyle & RICHEDIT_STYLE_CENTER)
        uStyle |= LABEL_STYLE_CENTER;
    else if (m_uStyle & RICHEDIT_STYLE_RIGHT)
        uStyle |= LABEL_STYLE_RIGHT;
    if ((m_uStyle & RICHEDIT_STYLE_MULTILINE) == 0)
        uStyle |= LABEL_STYLE_SINGLELINE;
    DWORD dwColor = m_dwTextColor != 0 ? m_dwTextColor : m_pHost->GetDefaultFontColor();
    // The text never spills past the padding, whatever its length.
    int nSaved = SaveDC(hDC);
    IntersectClipRect(hDC, rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
    CDrawEngine::DrawPlainText(hDC, m_pHost, rc, GetShownText(), dwColor, m_iFont, uStyle);
    RestoreDC(hDC, nSaved);
    return true;
}

}  // namespace Orvik
