// Window host: the attributes of the skin's Window element.
#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "ui/render/UIColor.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// Comma-separated integers, each read where the previous one stopped.
void ReadInts(const char* pstrValue, LONG* pValues, int nCount) {
    const char* p = pstrValue;
    for (int i = 0; i < nCount; ++i) {
        char* pEnd = nullptr;
        pValues[i] = static_cast<LONG>(std::strtol(p, &pEnd, 10));
        p = *pEnd != '\0' ? pEnd + 1 : pEnd;
    }
}

SIZE ReadSize(const char* pstrValue) {
    LONG v[2];
    ReadInts(pstrValue, v, 2);
    return SIZE{v[0], v[1]};
}

CUIRect ReadRect(const char* pstrValue) {
    LONG v[4];
    ReadInts(pstrValue, v, 4);
    return CUIRect(v[0], v[1], v[2], v[3]);
}

bool IsTrueNoCase(const char* pstrValue) {
    return strcasecmp(pstrValue, "true") == 0;
}

BYTE ReadByte(const char* pstrValue) {
    return static_cast<BYTE>(std::strtol(pstrValue, nullptr, 10));
}

}  // namespace

// Keys compared ignoring case; false when the name is not one of them.
static bool SetGeometryKey(CWindowHostUI& host, const char* n, const char* v, SIZE& szMin,
                           SIZE& szMax, CUIRect& rcSizeBox, CUIRect& rcCaption, SIZE& szRound) {
    if (strcasecmp(n, "size") == 0) {
        SIZE sz = ReadSize(v);
        host.SetInitSize(sz.cx, sz.cy);
    } else if (strcasecmp(n, "sizebox") == 0) {
        rcSizeBox = ReadRect(v);
    } else if (strcasecmp(n, "caption") == 0) {
        rcCaption = ReadRect(v);
    } else if (strcasecmp(n, "roundcorner") == 0) {
        szRound = ReadSize(v);
    } else if (strcasecmp(n, "mininfo") == 0) {
        szMin = ReadSize(v);
    } else if (strcasecmp(n, "maxinfo") == 0) {
        szMax = ReadSize(v);
    } else {
        return false;
    }
    return true;
}

void CWindowHostUI::SetWindowAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr)
        return;
    const char* v = pstrValue != nullptr ? pstrValue : "";
    if (SetGeometryKey(*this, pstrName, v, m_szMinWindow, m_szMaxWindow, m_rcSizeBox, m_rcCaption,
                       m_szRoundCorner))
        return;
    if (strcasecmp(pstrName, "showdirty") == 0) {
        m_paint.SetShowDirty(IsTrueNoCase(v));
    } else if (std::strcmp(pstrName, "noactivate") == 0) {
        m_bNoActivate = IsTrueNoCase(v);
    } else if (strcasecmp(pstrName, "opacity") == 0) {
        SetOpacity(ReadByte(v));
    } else if (std::strcmp(pstrName, "layeredopacity") == 0) {
        SetLayeredOpacity(ReadByte(v));
    } else if (std::strcmp(pstrName, "layeredimage") == 0) {
        SetLayered(true);
        SetLayeredImage(v);
    } else if (strcasecmp(pstrName, "disabledfontcolor") == 0) {
        m_resources.SetDefaultDisabledColor(ParseColor(v));
    } else if (strcasecmp(pstrName, "defaultfontcolor") == 0) {
        m_resources.SetDefaultFontColor(ParseColor(v));
    } else if (strcasecmp(pstrName, "linkfontcolor") == 0) {
        m_resources.SetDefaultLinkFontColor(ParseColor(v));
    } else if (strcasecmp(pstrName, "linkhoverfontcolor") == 0) {
        m_resources.SetDefaultLinkHoverFontColor(ParseColor(v));
    } else if (strcasecmp(pstrName, "selectedcolor") == 0) {
        m_resources.SetDefaultSelectedBkColor(ParseColor(v));
    } else if (!m_paint.GetShadow().SetAttribute(pstrName, v)) {
        AddWindowCustomAttribute(pstrName, v);
    }
}

}  // namespace Orvik
