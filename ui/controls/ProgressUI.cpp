// Progress bar: range, value and the proportional fore image.
#include "ui/controls/ProgressUI.h"

#include <algorithm>
#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool Is(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

}  // namespace

CProgressUI::CProgressUI() {
    m_uTextStyle = LABEL_STYLE_CENTER | LABEL_STYLE_SINGLELINE;
    m_cyFixed = 12;
}

LPVOID CProgressUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && Is(pstrName, "Progress"))
        return this;
    return CLabelUI::AsType(pstrName);
}

void CProgressUI::SetHorizontal(bool b) {
    if (m_bHorizontal == b)
        return;
    m_bHorizontal = b;
    Invalidate();
}

void CProgressUI::SetMinValue(int n) {
    m_nMin = n;
    Invalidate();
}

void CProgressUI::SetMaxValue(int n) {
    m_nMax = n;
    Invalidate();
}

void CProgressUI::SetValue(int n) {
    m_nValue = std::max(std::min(n, m_nMax), m_nMin);
    Invalidate();
}

void CProgressUI::SetForeImage(const char* pstrDescriptor) {
    if (m_diFore.strDescriptor == pstrDescriptor && m_diFore.pImage != nullptr)
        return;
    m_diFore.SetDescriptor(pstrDescriptor);
    Invalidate();
}

void CProgressUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrValue == nullptr)
        return;
    if (Is(pstrName, "foreimage"))
        SetForeImage(pstrValue);
    else if (Is(pstrName, "hor"))
        SetHorizontal(ParseBoolValue(pstrValue));
    else if (Is(pstrName, "min"))
        SetMinValue(ParseIntValue(pstrValue));
    else if (Is(pstrName, "max"))
        SetMaxValue(ParseIntValue(pstrValue));
    else if (Is(pstrName, "value"))
        SetValue(ParseIntValue(pstrValue));
    else
        CLabelUI::SetAttribute(pstrName, pstrValue);
}

RECT CProgressUI::ComputeForeDest() {
    if (m_nMin >= m_nMax)
        m_nMax = m_nMin + 1;
    m_nValue = std::clamp(m_nValue, m_nMin, m_nMax);
    // 64-bit products: a wide bar with a large range must not overflow.
    long long range = static_cast<long long>(m_nMax) - m_nMin;
    long long w = GetWidth();
    long long h = GetHeight();
    if (m_bHorizontal)
        return RECT{0, 0,
                    static_cast<LONG>(w * (m_nValue - static_cast<long long>(m_nMin)) / range),
                    static_cast<LONG>(h)};
    return RECT{0, static_cast<LONG>(h * (m_nMax - static_cast<long long>(m_nValue)) / range),
                static_cast<LONG>(w), static_cast<LONG>(h)};
}

void CProgressUI::PaintStateImage(HDC hDC) {
    RECT rcDest = ComputeForeDest();
    if (m_diFore.strDescriptor.IsEmpty() || m_pHost == nullptr)
        return;
    // The descriptor is read on its first draw; read it first so the
    // offsets below are not replaced by its own "dest" on the first paint.
    if (m_diFore.pImage == nullptr &&
        !CDrawEngine::DrawImageDescriptor(nullptr, m_pHost, m_rcItem, m_rcPaint, m_diFore))
        return;
    m_diFore.rcDest = rcDest;
    if (rcDest.right <= rcDest.left || rcDest.bottom <= rcDest.top)
        return;
    CDrawEngine::DrawImageDescriptor(hDC, m_pHost, m_rcItem, m_rcPaint, m_diFore);
}

}  // namespace Orvik
