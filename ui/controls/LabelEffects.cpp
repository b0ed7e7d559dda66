// Label: the text effect attributes and the effect paint path.
#include <cstdlib>
#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/controls/LabelUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool Is(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

// Effect switches, by attribute name.
bool* EffectFlag(TextEffectSettings& e, const char* n) {
    if (Is(n, "enabledluminous"))
        return &e.bGlow;
    if (Is(n, "enabledstroke"))
        return &e.bOutline;
    if (Is(n, "enabledshadow"))
        return &e.bShadow;
    return nullptr;
}

// Effect colours, by attribute name.
DWORD* EffectColor(TextEffectSettings& e, const char* n) {
    if (Is(n, "textcolor1"))
        return &e.dwGradientEnd;
    if (Is(n, "textshadowcolora"))
        return &e.dwShadowA;
    if (Is(n, "textshadowcolorb"))
        return &e.dwShadowB;
    if (Is(n, "strokecolor"))
        return &e.dwOutline;
    return nullptr;
}

}  // namespace

bool CLabelUI::SetEffectAttribute(const char* n, const char* v) {
    if (bool* pFlag = EffectFlag(m_effects, n)) {
        *pFlag = ParseBoolValue(v);
    } else if (DWORD* pColor = EffectColor(m_effects, n)) {
        *pColor = ParseBorderColorValue(v);
    } else if (Is(n, "enabledeffect")) {
        m_effects.bEnabled = ParseBoolValue(v);
    } else if (Is(n, "luminousfuzzy")) {
        float f = std::strtof(v, nullptr);
        if (f < 0.0001f)
            return true;
        m_effects.fGlowBlur = f;
    } else if (Is(n, "gradientangle")) {
        m_effects.nGradientStartX = ParseIntValue(v);
    } else if (Is(n, "gradientlength")) {
        m_effects.nGradientLength = ParseIntValue(v);
    } else if (Is(n, "shadowoffset")) {
        LONG a[2];
        ParseIntList(v, a, 2);
        SetShadowOffset(a[0], a[1]);
        return true;
    } else {
        return false;
    }
    Invalidate();
    return true;
}

// Distance and angle in degrees to an offset. The offset does not depend on
// where the label sits: it is the same whenever the attribute is applied.
void CLabelUI::SetShadowOffset(int nDistance, int nAngle) {
    if (nAngle < -180 || nAngle > 180)
        return;
    float d = static_cast<float>(nDistance);
    if (nAngle >= 0)
        m_effects.fShadowX = -d;
    else if (nAngle >= -179)
        m_effects.fShadowX = d;
    else
        m_effects.fShadowX = 0;
    if (nAngle == -90)
        m_effects.fShadowY = 0;
    else if (nAngle >= -89 && nAngle <= 90)
        m_effects.fShadowY = -d;
    else
        m_effects.fShadowY = d;
    Invalidate();
}

void CLabelUI::PaintEffects(HDC hDC) {
    CTextEffectPainter painter(m_effects, m_dwTextColor);
    painter.Paint(hDC, m_pHost, TextRect(), m_sText, m_iFont, m_uTextStyle);
}

}  // namespace Orvik
