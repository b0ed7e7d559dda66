// Text effects of labels: gradient fill, glow, outline and drop shadow, built from DIB pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi.h"
#include "ui/render/IRenderResources.h"

namespace Orvik {

struct TextEffectSettings {
    bool bEnabled = false;
    bool bGlow = false;
    bool bOutline = false;
    bool bShadow = false;
    float fGlowBlur = 3.0f;
    int nGradientLength = 0;
    int nGradientStartX = 0;
    DWORD dwGradientEnd = 0xFFFFFFFF;
    DWORD dwShadowA = 0xFF000000;
    DWORD dwShadowB = 0xFFFFFFFF;
    DWORD dwOutline = 0;
    float fShadowX = 0;
    float fShadowY = 0;
};

// Renders the text once as glyph coverage into an offscreen DIB, then
// composites each enabled effect from that coverage. Brush points are
// relative to the text rectangle, so the look does not depend on where
// the control sits in the window.
class CTextEffectPainter {
public:
    CTextEffectPainter(const TextEffectSettings& settings, DWORD dwTextColor)
        : m_settings(settings), m_dwTextColor(dwTextColor) {}

    void Paint(HDC hDC, IRenderResources* pHost, const RECT& rcText, const char* pstrText,
               int iFont, UINT uStyle);

private:
    using Coverage = std::vector<uint8_t>;
    // Glyph coverage of the text laid out in a w x h box; empty on failure.
    Coverage RenderCoverage(IRenderResources* pHost, const char* pstrText, int iFont,
                            UINT uStyle) const;
    // The shrink-and-stretch blur, shifted by the shadow offset.
    Coverage Blur(const Coverage& src) const;
    // Blends coverage times a brush (gradient from c1 to c2, or solid when
    // equal) onto the DC with its origin at (x, y).
    void Composite(HDC hDC, const Coverage& cov, int x, int y, DWORD c1, DWORD c2) const;
    DWORD BrushAt(int x, int y, DWORD c1, DWORD c2) const;

    const TextEffectSettings& m_settings;
    DWORD m_dwTextColor;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

}  // namespace Orvik
