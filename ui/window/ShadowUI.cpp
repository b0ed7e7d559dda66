// Drop shadow: settings with their ranges and the skin's shadow attributes.
#include "ui/window/ShadowUI.h"

#include <cstdlib>
#include <cstring>

#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

// Comma-separated integers, each read where the previous one stopped.
void ReadInts(const char* pstrValue, long* pValues, int nCount) {
    const char* p = pstrValue;
    for (int i = 0; i < nCount; ++i) {
        char* pEnd = nullptr;
        pValues[i] = std::strtol(p, &pEnd, 10);
        p = *pEnd != '\0' ? pEnd + 1 : pEnd;
    }
}

int ReadInt(const char* pstrValue) {
    long v = std::strtol(pstrValue, nullptr, 10);
    // Far out of range stays out of range instead of wrapping into it.
    return v > 100000 ? 100000 : (v < -100000 ? -100000 : int(v));
}

bool InRange(long v, long nLow, long nHigh) {
    return v >= nLow && v <= nHigh;
}

}  // namespace

void CShadowUI::UpdateIfShown() {
    if (m_hWnd != nullptr && (m_Status & STATUS_SHOWN) != 0)
        Update();
}

bool CShadowUI::SetSize(int nSize) {
    if (!InRange(nSize, -20, 20))
        return false;
    m_look.nSize = nSize;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetSharpness(int nSharpness) {
    if (!InRange(nSharpness, 0, 20))
        return false;
    m_look.nSharpness = nSharpness;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetDarkness(int nDarkness) {
    if (!InRange(nDarkness, 0, 255))
        return false;
    m_look.nDarkness = nDarkness;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetPosition(int nX, int nY) {
    if (!InRange(nX, -20, 20) || !InRange(nY, -20, 20))
        return false;
    m_look.nOffsetX = nX;
    m_look.nOffsetY = nY;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetColor(DWORD dwColor) {
    m_look.dwColor = dwColor;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetImage(const char* pstrImage) {
    if (pstrImage == nullptr)
        return false;
    m_bIsImageMode = true;
    m_sShadowImage = pstrImage;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetShadowCorner(const RECT& rcCorner) {
    if (rcCorner.left < 0 || rcCorner.top < 0 || rcCorner.right < 0 || rcCorner.bottom < 0)
        return false;
    m_rcShadowCorner = rcCorner;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    const char* v = pstrValue != nullptr ? pstrValue : "";
    if (std::strcmp(pstrName, "shadowsize") == 0) {
        SetSize(ReadInt(v));
    } else if (std::strcmp(pstrName, "shadowsharpness") == 0) {
        SetSharpness(ReadInt(v));
    } else if (std::strcmp(pstrName, "shadowdarkness") == 0) {
        SetDarkness(ReadInt(v));
    } else if (std::strcmp(pstrName, "shadowposition") == 0) {
        long xy[2];
        ReadInts(v, xy, 2);
        if (InRange(xy[0], -20, 20) && InRange(xy[1], -20, 20))
            SetPosition(int(xy[0]), int(xy[1]));
    } else if (std::strcmp(pstrName, "shadowcolor") == 0) {
        SetColor(ParseColor(v));
    } else if (std::strcmp(pstrName, "shadowcorner") == 0) {
        long c[4];
        ReadInts(v, c, 4);
        if (InRange(c[0], 0, 100000) && InRange(c[1], 0, 100000) && InRange(c[2], 0, 100000) &&
            InRange(c[3], 0, 100000))
            SetShadowCorner(RECT{LONG(c[0]), LONG(c[1]), LONG(c[2]), LONG(c[3])});
    } else if (std::strcmp(pstrName, "shadowimage") == 0) {
        SetImage(v);
    } else if (std::strcmp(pstrName, "showshadow") == 0) {
        ShowShadow(std::strcmp(v, "true") == 0);
    } else {
        return false;
    }
    return true;
}

}  // namespace Orvik
