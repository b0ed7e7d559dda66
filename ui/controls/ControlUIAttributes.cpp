// Control base: the attribute table, attribute lists and the look setters behind them.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/kernel.h"
#include "ui/controls/AttributeValue.h"
#include "ui/controls/ControlUI.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool Is(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

RECT ReadRect(const char* pstrValue) {
    LONG v[4];
    ParseExtentList(pstrValue, v, 4);
    return RECT{v[0], v[1], v[2], v[3]};
}

}  // namespace

void CControlUI::SetFloatAttribute(const char* pstrValue) {
    if (std::strchr(pstrValue, ',') == nullptr) {
        SetFloat(ParseBoolValue(pstrValue));
        return;
    }
    double a[4];
    ParseDoubleList(pstrValue, a, 4);
    // Anchors are fractions of the parent; anything else could not become a position.
    for (double& f : a)
        f = std::isfinite(f) ? std::clamp(f, -1000.0, 1000.0) : 0.0;
    SetFloatAnchors(a[0], a[1], a[2], a[3]);
    SetFloat(true);
}

// Geometry attributes; false when the name is not one of them.
static bool SetGeometryAttribute(CControlUI& c, const char* n, const char* v) {
    if (Is(n, "pos")) {
        RECT rc = ReadRect(v);
        c.SetFloatOffset(SIZE{rc.left, rc.top});
        c.SetFixedWidth(rc.right - rc.left);
        c.SetFixedHeight(rc.bottom - rc.top);
    } else if (Is(n, "padding")) {
        c.SetPadding(ReadRect(v));
    } else if (Is(n, "width")) {
        c.SetFixedWidth(ParseExtentValue(v));
    } else if (Is(n, "height")) {
        c.SetFixedHeight(ParseExtentValue(v));
    } else if (Is(n, "minwidth")) {
        c.SetMinWidth(ParseExtentValue(v));
    } else if (Is(n, "minheight")) {
        c.SetMinHeight(ParseExtentValue(v));
    } else if (Is(n, "maxwidth")) {
        c.SetMaxWidth(ParseExtentValue(v));
    } else if (Is(n, "maxheight")) {
        c.SetMaxHeight(ParseExtentValue(v));
    } else {
        return false;
    }
    return true;
}

// Look attributes; false when the name is not one of them.
static bool SetLookAttribute(CControlUI& c, const char* n, const char* v) {
    if (Is(n, "bkcolor") || Is(n, "bkcolor1")) {
        c.SetBackColor(ParseBackColorValue(v));
    } else if (Is(n, "bkcolor2")) {
        c.SetBackColor2(ParseBackColorValue(v));
    } else if (Is(n, "bkcolor3")) {
        c.SetBackColor3(ParseBackColorValue(v));
    } else if (Is(n, "bordercolor")) {
        c.SetBorderColor(ParseBorderColorValue(v));
    } else if (Is(n, "focusbordercolor")) {
        c.SetFocusBorderColor(ParseBorderColorValue(v));
    } else if (Is(n, "colorhsl")) {
        c.SetColorHSL(ParseBoolValue(v));
    } else if (Is(n, "bordersize")) {
        if (std::strchr(v, ',') != nullptr)
            c.SetBorderSize(ReadRect(v));
        else
            c.SetBorderSize(ParseExtentValue(v));
    } else if (Is(n, "borderstyle")) {
        c.SetBorderStyle(ParseIntValue(v));
    } else if (Is(n, "borderround")) {
        RECT rc = ReadRect(v);
        c.SetBorderRound(SIZE{rc.left, rc.top});
    } else if (Is(n, "bkimage")) {
        c.SetBackImage(v);
    } else {
        return false;
    }
    return true;
}

// State and text attributes; false when the name is not one of them.
static bool SetStateAttribute(CControlUI& c, const char* n, const char* v) {
    if (Is(n, "name")) {
        c.SetName(v);
    } else if (Is(n, "text")) {
        c.SetText(v);
    } else if (Is(n, "tooltip")) {
        c.SetToolTip(v);
    } else if (Is(n, "tooltipwidth")) {
        c.SetToolTipWidth(ParseIntValue(v));
    } else if (Is(n, "tooltipdelaytime")) {
        c.SetToolTipDelay(ParseIntValue(v));
    } else if (Is(n, "userdata")) {
        c.SetUserData(v);
    } else if (Is(n, "tag")) {
        c.SetTag(static_cast<UINT_PTR>(ParseIntValue(v)));
    } else if (Is(n, "enabled")) {
        c.SetEnabled(ParseBoolValue(v));
    } else if (Is(n, "mouse")) {
        c.SetMouseEnabled(ParseBoolValue(v));
    } else if (Is(n, "keyboard")) {
        c.SetKeyboardEnabled(ParseBoolValue(v));
    } else if (Is(n, "visible")) {
        c.SetVisible(ParseBoolValue(v));
    } else if (Is(n, "shortcut")) {
        c.SetShortcut(v[0]);
    } else if (Is(n, "menu")) {
        c.SetMenuEnabled(ParseBoolValue(v));
    } else if (Is(n, "virtualwnd")) {
        c.SetVirtualWindow(v);
    } else {
        return false;
    }
    return true;
}

void CControlUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = "";
    if (SetGeometryAttribute(*this, pstrName, pstrValue) ||
        SetLookAttribute(*this, pstrName, pstrValue) ||
        SetStateAttribute(*this, pstrName, pstrValue))
        return;
    if (Is(pstrName, "float"))
        SetFloatAttribute(pstrValue);
    else
        AddCustomAttribute(pstrName, pstrValue);
}

void CControlUI::ApplyAttributes(const char* pstrList) {
    if (pstrList == nullptr)
        return;
    CUIString sName;
    CUIString sValue;
    const char* p = pstrList;
    while (*p != '\0') {
        const char* pName = p;
        while (*p != '\0' && *p != '=')
            p = ::CharNextA(p);
        sName.Assign(pName, static_cast<int>(p - pName));
        if (p[0] != '=' || p[1] != '"')
            return;
        p += 2;
        const char* pValue = p;
        while (*p != '\0' && *p != '"')
            p = ::CharNextA(p);
        if (*p != '"')
            return;  // no closing quote: nothing of this pair applies
        sValue.Assign(pValue, static_cast<int>(p - pValue));
        SetAttribute(sName, sValue);
        ++p;
        if (*p != ' ')
            return;
        ++p;
    }
}

void CControlUI::SetBackColor(DWORD dw) {
    if (dw == m_dwBackColor)
        return;
    m_dwBackColor = dw;
    Invalidate();
}

void CControlUI::SetBackColor2(DWORD dw) {
    if (dw == m_dwBackColor2)
        return;
    m_dwBackColor2 = dw;
    Invalidate();
}

void CControlUI::SetBackColor3(DWORD dw) {
    if (dw == m_dwBackColor3)
        return;
    m_dwBackColor3 = dw;
    Invalidate();
}

void CControlUI::SetBorderColor(DWORD dw) {
    if (dw == m_dwBorderColor)
        return;
    m_dwBorderColor = dw;
    Invalidate();
}

void CControlUI::SetFocusBorderColor(DWORD dw) {
    if (dw == m_dwFocusBorderColor)
        return;
    m_dwFocusBorderColor = dw;
    Invalidate();
}

void CControlUI::SetColorHSL(bool b) {
    if (b == m_bColorHSL)
        return;
    m_bColorHSL = b;
    Invalidate();
}

void CControlUI::SetBorderSize(int n) {
    m_rcBorderSize = CUIRect(n, n, n, n);
    Invalidate();
}

void CControlUI::SetBorderSize(const RECT& rc) {
    m_rcBorderSize = rc;
    Invalidate();
}

void CControlUI::SetBorderStyle(int n) {
    m_nBorderStyle = n;
    Invalidate();
}

void CControlUI::SetBorderRound(SIZE sz) {
    m_cxyBorderRound = sz;
    Invalidate();
}

void CControlUI::SetBackImage(const char* pstrDescriptor) {
    if (m_diBk.strDescriptor == pstrDescriptor && m_diBk.pImage != nullptr)
        return;
    m_diBk.SetDescriptor(pstrDescriptor);
    // Loading now lets a floating control take the image's size.
    if (m_pHost != nullptr)
        CDrawEngine::DrawImageDescriptor(nullptr, m_pHost, m_rcItem, m_rcItem, m_diBk);
    if (m_bFloat && m_cxFixed == 0 && m_cyFixed == 0 && m_diBk.pImage != nullptr) {
        m_cxFixed = m_diBk.pImage->nWidth;
        m_cyFixed = m_diBk.pImage->nHeight;
    }
    Invalidate();
}

}  // namespace Orvik
