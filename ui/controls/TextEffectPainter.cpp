// Text effects of labels: coverage rendering, blur, gradient brush and compositing.
#include "ui/controls/TextEffectPainter.h"

#include <algorithm>
#include <cmath>

#include "ui/render/DrawEngine.h"

namespace Orvik {

namespace {

// Larger text rectangles are drawn without effects rather than allocating
// without bound.
constexpr int MAX_EFFECT_SIDE = 4096;

// A top-down 32-bit DIB selected into its own memory DC.
class COffscreen {
public:
    COffscreen(int w, int h) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = w;
        bmi.bmiHeader.biHeight = -h;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        m_hDC = CreateCompatibleDC(nullptr);
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_pBits = static_cast<uint32_t*>(pBits);
        if (m_pBits != nullptr) {
            std::fill(m_pBits, m_pBits + static_cast<size_t>(w) * h, 0u);
            m_hOld = SelectObject(m_hDC, m_hBitmap);
        }
    }
    ~COffscreen() {
        if (m_hOld != nullptr)
            SelectObject(m_hDC, m_hOld);
        if (m_hBitmap != nullptr)
            DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    COffscreen(const COffscreen&) = delete;
    COffscreen& operator=(const COffscreen&) = delete;
    bool IsValid() const { return m_pBits != nullptr && m_hDC != nullptr; }
    HDC Dc() const { return m_hDC; }
    uint32_t* Bits() const { return m_pBits; }

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_pBits = nullptr;
};

int Lerp(int a, int b, float t) {
    return a + static_cast<int>(std::lround((b - a) * t));
}

DWORD LerpColor(DWORD c1, DWORD c2, float t) {
    DWORD out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int v =
            Lerp(static_cast<int>((c1 >> shift) & 0xFF), static_cast<int>((c2 >> shift) & 0xFF), t);
        out |= static_cast<DWORD>(v) << shift;
    }
    return out;
}

// Box average of the source cells that map onto each small pixel.
std::vector<float> Shrink(const std::vector<uint8_t>& src, int w, int h, int sw, int sh) {
    std::vector<float> sum(static_cast<size_t>(sw) * sh, 0.f);
    std::vector<int> count(sum.size(), 0);
    for (int y = 0; y < h; ++y) {
        int sy = std::min(sh - 1, y * sh / h);
        for (int x = 0; x < w; ++x) {
            size_t i = static_cast<size_t>(sy) * sw + std::min(sw - 1, x * sw / w);
            sum[i] += src[static_cast<size_t>(y) * w + x];
            ++count[i];
        }
    }
    for (size_t i = 0; i < sum.size(); ++i)
        sum[i] = count[i] > 0 ? sum[i] / static_cast<float>(count[i]) : 0.f;
    return sum;
}

float Sample(const std::vector<float>& img, int sw, int sh, float fx, float fy) {
    fx = std::clamp(fx, 0.f, static_cast<float>(sw - 1));
    fy = std::clamp(fy, 0.f, static_cast<float>(sh - 1));
    int x0 = static_cast<int>(fx);
    int y0 = static_cast<int>(fy);
    int x1 = std::min(sw - 1, x0 + 1);
    int y1 = std::min(sh - 1, y0 + 1);
    float tx = fx - x0;
    float ty = fy - y0;
    auto at = [&](int x, int y) { return img[static_cast<size_t>(y) * sw + x]; };
    float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * tx;
    float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * tx;
    return top + (bottom - top) * ty;
}

}  // namespace

CTextEffectPainter::Coverage CTextEffectPainter::RenderCoverage(IRenderResources* pHost,
                                                                const char* pstrText, int iFont,
                                                                UINT uStyle) const {
    COffscreen off(m_nWidth, m_nHeight);
    if (!off.IsValid())
        return {};
    RECT rc = {0, 0, m_nWidth, m_nHeight};
    CDrawEngine::DrawPlainText(off.Dc(), pHost, rc, pstrText, 0xFFFFFFFF, iFont, uStyle);
    Coverage cov(static_cast<size_t>(m_nWidth) * m_nHeight);
    // White text on transparent black: any colour channel is the coverage,
    // whether or not the platform also writes alpha.
    for (size_t i = 0; i < cov.size(); ++i) {
        uint32_t px = off.Bits()[i];
        cov[i] = static_cast<uint8_t>(std::max({(px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF}));
    }
    return cov;
}

CTextEffectPainter::Coverage CTextEffectPainter::Blur(const Coverage& src) const {
    float f = m_settings.fGlowBlur;
    int sw = std::max(1, static_cast<int>(m_nWidth / f));
    int sh = std::max(1, static_cast<int>(m_nHeight / f));
    std::vector<float> small = Shrink(src, m_nWidth, m_nHeight, sw, sh);
    int dx = static_cast<int>(std::lround(m_settings.fShadowX));
    int dy = static_cast<int>(std::lround(m_settings.fShadowY));
    Coverage out(src.size(), 0);
    float kx = static_cast<float>(sw) / m_nWidth;
    float ky = static_cast<float>(sh) / m_nHeight;
    for (int y = 0; y < m_nHeight; ++y) {
        int ty = y - dy;
        if (ty < 0 || ty >= m_nHeight)
            continue;
        for (int x = 0; x < m_nWidth; ++x) {
            int tx = x - dx;
            if (tx < 0 || tx >= m_nWidth)
                continue;
            float v = Sample(small, sw, sh, (tx + 0.5f) * kx - 0.5f, (ty + 0.5f) * ky - 0.5f);
            out[static_cast<size_t>(y) * m_nWidth + x] =
                static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
        }
    }
    return out;
}

DWORD CTextEffectPainter::BrushAt(int x, int y, DWORD c1, DWORD c2) const {
    if (c1 == c2)
        return c1;
    float ex = 0.f;
    float ey = static_cast<float>(m_settings.nGradientLength != 0 ? m_settings.nGradientLength
                                                                  : m_nHeight);
    float sx = static_cast<float>(m_settings.nGradientStartX);
    float vx = ex - sx;
    float vy = ey;
    float len2 = vx * vx + vy * vy;
    if (len2 <= 0.f)
        return c1;
    float t = ((x + 0.5f - sx) * vx + (y + 0.5f) * vy) / len2;
    return LerpColor(c1, c2, std::clamp(t, 0.f, 1.f));
}

void CTextEffectPainter::Composite(HDC hDC, const Coverage& cov, int x, int y, DWORD c1,
                                   DWORD c2) const {
    COffscreen layer(m_nWidth, m_nHeight);
    if (!layer.IsValid())
        return;
    for (int py = 0; py < m_nHeight; ++py)
        for (int px = 0; px < m_nWidth; ++px) {
            size_t i = static_cast<size_t>(py) * m_nWidth + px;
            DWORD c = BrushAt(px, py, c1, c2);
            uint32_t a = cov[i] * (c >> 24) / 255;
            uint32_t r = ((c >> 16) & 0xFF) * a / 255;
            uint32_t g = ((c >> 8) & 0xFF) * a / 255;
            uint32_t b = (c & 0xFF) * a / 255;
            layer.Bits()[i] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(hDC, x, y, m_nWidth, m_nHeight, layer.Dc(), 0, 0, m_nWidth, m_nHeight, bf);
}

void CTextEffectPainter::Paint(HDC hDC, IRenderResources* pHost, const RECT& rcText,
                               const char* pstrText, int iFont, UINT uStyle) {
    m_nWidth = rcText.right - rcText.left;
    m_nHeight = rcText.bottom - rcText.top;
    if (m_nWidth <= 0 || m_nHeight <= 0 || m_nWidth > MAX_EFFECT_SIDE ||
        m_nHeight > MAX_EFFECT_SIDE || hDC == nullptr)
        return;
    Coverage cov = RenderCoverage(pHost, pstrText, iFont, uStyle);
    if (cov.empty())
        return;
    DWORD dwTextEnd =
        m_settings.dwGradientEnd == 0xFFFFFFFF ? m_dwTextColor : m_settings.dwGradientEnd;
    DWORD dwShadowB =
        m_settings.dwShadowB == 0xFFFFFFFF ? m_settings.dwShadowA : m_settings.dwShadowB;
    int x = rcText.left;
    int y = rcText.top;
    if (m_settings.bGlow)
        Composite(hDC, Blur(cov), x, y, m_dwTextColor, dwTextEnd);
    if (m_settings.bOutline && m_settings.dwOutline != 0) {
        static const POINT s_shifts[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const POINT& s : s_shifts)
            Composite(hDC, cov, x + s.x, y + s.y, m_settings.dwOutline, m_settings.dwOutline);
    }
    if (m_settings.bShadow && (m_settings.dwShadowA != 0 || dwShadowB != 0)) {
        int dx = static_cast<int>(std::lround(m_settings.fShadowX));
        int dy = static_cast<int>(std::lround(m_settings.fShadowY));
        Composite(hDC, cov, x + dx, y + dy, m_settings.dwShadowA, dwShadowB);
    }
    Composite(hDC, cov, x, y, m_dwTextColor, dwTextEnd);
}

}  // namespace Orvik
