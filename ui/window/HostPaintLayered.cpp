// The paint part: opacity, per-pixel-alpha layered mode and the composition of its image.
#include <algorithm>

#include "platform/user.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/HostPaint.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CHostPaint::SetOpacity(BYTE nOpacity) {
    m_nOpacity = nOpacity;
    if (m_host.GetHWND() != nullptr) {
        LONG_PTR exStyle = ::GetWindowLongPtrA(m_host.GetHWND(), GWL_EXSTYLE);
        ::SetWindowLongPtrA(m_host.GetHWND(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        ::SetLayeredWindowAttributes(m_host.GetHWND(), 0, nOpacity, LWA_ALPHA);
    }
    m_bLayered = false;
    Invalidate();
}

void CHostPaint::SetLayered(bool bLayered) {
    if (m_host.GetHWND() == nullptr || m_bLayered == bLayered)
        return;
    if ((::GetWindowLongPtrA(m_host.GetHWND(), GWL_STYLE) & WS_CHILD) != 0)
        return;
    LONG_PTR exStyle = ::GetWindowLongPtrA(m_host.GetHWND(), GWL_EXSTYLE);
    if (bLayered) {
        ::SetTimer(m_host.GetHWND(), CWindowHostUI::LAYERED_TIMER_ID, 10, nullptr);
        exStyle |= WS_EX_LAYERED;
    } else {
        ::KillTimer(m_host.GetHWND(), CWindowHostUI::LAYERED_TIMER_ID);
        exStyle &= ~static_cast<LONG_PTR>(WS_EX_LAYERED);
    }
    ::SetWindowLongPtrA(m_host.GetHWND(), GWL_EXSTYLE, exStyle);
    m_bLayered = bLayered;
    // The back buffer changes kind: direct pixels when layered.
    ReleaseBuffers();
    if (m_host.Root() != nullptr)
        m_host.Root()->RequestLayout();
    Invalidate();
}

void CHostPaint::SetLayeredOpacity(BYTE nOpacity) {
    m_nOpacity = nOpacity;
    m_bLayeredChanged = true;
    Invalidate();
}

void CHostPaint::SetLayeredImage(const char* pstrImage) {
    m_diLayered.SetDescriptor(pstrImage);
    RECT rc = {0, 0, 0, 0};
    CDrawEngine::DrawImageDescriptor(nullptr, &m_host, rc, rc, m_diLayered);
}

// The mask's alpha scales the back pixels: (R*A/255, G*A/255, B*A/255, A).
void CHostPaint::ComposeLayered(const RECT& rcClient, const RECT& rcPaint) {
    if (m_diLayered.strDescriptor.IsEmpty() || m_pOffscreenBits == nullptr)
        return;
    int cx = rcClient.right - rcClient.left;
    int cy = rcClient.bottom - rcClient.top;
    if (m_hbmpMask == nullptr) {
        m_hDcMask = ::CreateCompatibleDC(m_host.GetPaintDC());
        m_hbmpMask = CDrawEngine::CreateArgbBitmap(m_host.GetPaintDC(), cx, cy, &m_pMaskBits);
        ::SelectObject(m_hDcMask, m_hbmpMask);
    } else if (m_bLayeredChanged && m_pMaskBits != nullptr) {
        std::fill_n(m_pMaskBits, size_t(cx) * cy * 4, 0);
    }
    if (m_pMaskBits == nullptr)
        return;
    CDrawEngine::DrawImageDescriptor(m_hDcMask, &m_host, rcClient, rcClient, m_diLayered);
    if (m_diLayered.pImage == nullptr || !m_diLayered.pImage->bAlpha)
        return;
    for (LONG y = std::max<LONG>(rcPaint.top, 0); y < std::min<LONG>(rcPaint.bottom, cy); ++y) {
        // Rows of the 32-bit bitmaps run from the bottom.
        size_t row = size_t(cy - 1 - y) * cx;
        for (LONG x = std::max<LONG>(rcPaint.left, 0); x < std::min<LONG>(rcPaint.right, cx); ++x) {
            BYTE* pBack = m_pOffscreenBits + (row + x) * 4;
            UINT a = m_pMaskBits[(row + x) * 4 + 3];
            pBack[0] = static_cast<BYTE>(pBack[0] * a / 255);
            pBack[1] = static_cast<BYTE>(pBack[1] * a / 255);
            pBack[2] = static_cast<BYTE>(pBack[2] * a / 255);
            pBack[3] = static_cast<BYTE>(a);
        }
    }
}

void CHostPaint::PresentLayered(const RECT& rcClient) {
    RECT rcWindow = {0, 0, 0, 0};
    ::GetWindowRect(m_host.GetHWND(), &rcWindow);
    POINT ptDst = {rcWindow.left, rcWindow.top};
    SIZE size = {rcClient.right - rcClient.left, rcClient.bottom - rcClient.top};
    POINT ptSrc = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, m_nOpacity, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_host.GetHWND(), nullptr, &ptDst, &size, m_hDcOffscreen, &ptSrc, 0,
                          &blend, ULW_ALPHA);
}

}  // namespace Orvik
