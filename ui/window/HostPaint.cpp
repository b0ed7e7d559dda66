// The paint part: invalidation and the paint cycle, pass by pass.
#include <algorithm>

#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/ControlEvent.h"
#include "ui/window/HostPaint.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool IsEmptyArea(const RECT& rc) {
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

RECT JoinAreas(const RECT& a, const RECT& b) {
    if (IsEmptyArea(a))
        return b;
    if (IsEmptyArea(b))
        return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// Collects the top-most layout-pending controls; returning them prunes the
// walk below each one.
CControlUI* CollectPending(IControlNodeUI* pNode, LPVOID pData) {
    if (!pNode->IsLayoutPending())
        return nullptr;
    static_cast<CUIPtrArray*>(pData)->Add(pNode);
    return pNode->GetControl();
}

}  // namespace

CHostPaint::~CHostPaint() {
    ReleaseBuffers();
}

void CHostPaint::ResetForNewRoot() {
    m_aPostPaintControls.Empty();
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
}

void CHostPaint::Forget(IControlNodeUI* pControl) {
    int i = m_aPostPaintControls.Find(pControl);
    if (i >= 0)
        m_aPostPaintControls.Remove(i);
    i = m_aFoundControls.Find(pControl);
    if (i >= 0)
        m_aFoundControls.Remove(i);
}

bool CHostPaint::AddOverlayPaint(IControlNodeUI* pControl) {
    if (pControl == nullptr || m_aPostPaintControls.Find(pControl) >= 0)
        return false;
    return m_aPostPaintControls.Add(pControl);
}

bool CHostPaint::RemoveOverlayPaint(IControlNodeUI* pControl) {
    int i = m_aPostPaintControls.Find(pControl);
    return i >= 0 && m_aPostPaintControls.Remove(i);
}

void CHostPaint::OnLayeredTimer() {
    RECT& rc = m_rcLayeredUpdate;
    if (m_bLayered && rc.right > rc.left && rc.bottom > rc.top && !::IsIconic(m_host.GetHWND()))
        PaintWindow();
}

void CHostPaint::Invalidate() {
    if (m_host.GetHWND() == nullptr)
        return;
    if (!m_bLayered) {
        ::InvalidateRect(m_host.GetHWND(), nullptr, FALSE);
        return;
    }
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_host.GetHWND(), &rcClient);
    m_rcLayeredUpdate = JoinAreas(m_rcLayeredUpdate, rcClient);
}

void CHostPaint::Invalidate(const RECT& rcIn) {
    RECT rc = rcIn;
    rc.left = std::max<LONG>(rc.left, 0);
    rc.top = std::max<LONG>(rc.top, 0);
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
    if (m_host.GetHWND() == nullptr)
        return;
    if (m_bLayered)
        m_rcLayeredUpdate = JoinAreas(m_rcLayeredUpdate, rc);
    else
        ::InvalidateRect(m_host.GetHWND(), &rc, FALSE);
}

void CHostPaint::ReleaseBuffers() {
    if (m_hDcOffscreen != nullptr)
        ::DeleteDC(m_hDcOffscreen);
    if (m_hbmpOffscreen != nullptr)
        ::DeleteObject(m_hbmpOffscreen);
    if (m_hDcMask != nullptr)
        ::DeleteDC(m_hDcMask);
    if (m_hbmpMask != nullptr)
        ::DeleteObject(m_hbmpMask);
    m_hDcOffscreen = m_hDcMask = nullptr;
    m_hbmpOffscreen = m_hbmpMask = nullptr;
    m_pOffscreenBits = m_pMaskBits = nullptr;
}

void CHostPaint::PaintNoRoot() {
    PAINTSTRUCT ps = {};
    HDC hDC = ::BeginPaint(m_host.GetHWND(), &ps);
    CDrawEngine::FillColor(hDC, ps.rcPaint, 0xFF000000);
    ::EndPaint(m_host.GetHWND(), &ps);
}

// Pass 2: the area to repaint. False when there is nothing to do.
bool CHostPaint::TakeAreaToRepaint(RECT& rcPaint) {
    if (!m_bLayered)
        return ::GetUpdateRect(m_host.GetHWND(), &rcPaint, FALSE) != FALSE;
    if (IsEmptyArea(m_rcLayeredUpdate)) {
        ::ValidateRect(m_host.GetHWND(), nullptr);  // acknowledge the request
        return false;
    }
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_host.GetHWND(), &rcClient);
    rcPaint = m_rcLayeredUpdate;
    rcPaint.right = std::min(rcPaint.right, rcClient.right);
    rcPaint.bottom = std::min(rcPaint.bottom, rcClient.bottom);
    m_rcLayeredUpdate.Empty();
    return true;
}

// The partial pass re-places only the top-most pending controls.
void CHostPaint::LayoutPendingControls() {
    m_aFoundControls.Empty();
    m_host.Root()->FindControl(CollectPending, &m_aFoundControls,
                               UIFIND_VISIBLE | UIFIND_UPDATETEST | UIFIND_ME_FIRST);
    CUIPtrArray found(m_aFoundControls);
    for (int i = 0; i < found.GetSize(); ++i) {
        auto* pNode = static_cast<IControlNodeUI*>(found[i]);
        CUIRect rc = pNode->IsFloat() ? pNode->GetBoundsInParent() : pNode->GetBounds();
        pNode->SetBounds(rc, true);
    }
    m_aFoundControls.Empty();
}

// Pass 5: full or partial layout, then "windowinit" once per root. False
// when the cycle ends here (a layered window composes on the next paint).
bool CHostPaint::RunLayoutPass(const RECT& rcClient) {
    m_bUpdateNeeded = false;
    if (IsEmptyArea(rcClient))
        return true;
    if (m_host.Root()->IsLayoutPending()) {
        ReleaseBuffers();  // rebuilt below at the new size
        m_host.Root()->SetBounds(rcClient, true);
    } else {
        LayoutPendingControls();
    }
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        if (!m_host.Guarded([&] { m_host.SendNotify(m_host.Root(), "windowinit", 0, 0); }))
            return false;  // a listener closed the window: nothing here is ours any more
        if (m_host.Root() == nullptr)
            return false;  // a listener replaced the tree
        if (m_bLayered && m_bLayeredChanged) {
            Invalidate();
            return false;
        }
    }
    // The focus waits for the layout, so the tab order follows the real positions.
    if (m_host.IsFocusNeeded())
        m_host.SetNextTabControl(true);
    return true;
}

void CHostPaint::EnsureBackBuffer(const RECT& rcClient) {
    if (m_hbmpOffscreen != nullptr)
        return;
    int cx = rcClient.right - rcClient.left;
    int cy = rcClient.bottom - rcClient.top;
    m_hDcOffscreen = ::CreateCompatibleDC(m_host.GetPaintDC());
    if (m_bLayered)
        m_hbmpOffscreen =
            CDrawEngine::CreateArgbBitmap(m_host.GetPaintDC(), cx, cy, &m_pOffscreenBits);
    else
        m_hbmpOffscreen = ::CreateCompatibleBitmap(m_host.GetPaintDC(), cx, cy);
}

// Passes 9 to 12: the tree and the overlays into the back buffer.
void CHostPaint::PaintIntoBackBuffer(HDC hDC, const RECT& rcPaint) {
    if (m_bLayered && m_diLayered.strDescriptor.IsEmpty())
        ZeroBackPixels(rcPaint);
    m_host.Root()->Paint(hDC, rcPaint, nullptr);
    // Native child windows exist in no skin of this system; nothing to print.
    CUIPtrArray overlays(m_aPostPaintControls);
    for (int i = 0; i < overlays.GetSize(); ++i)
        static_cast<IControlNodeUI*>(overlays[i])->PaintOverlay(hDC, rcPaint);
}

// Transparent black: a fill of alpha 0 would draw nothing.
void CHostPaint::ZeroBackPixels(const RECT& rcPaint) {
    BITMAP bm = {};
    if (m_pOffscreenBits == nullptr || ::GetObjectA(m_hbmpOffscreen, sizeof bm, &bm) == 0)
        return;
    for (LONG y = std::max<LONG>(rcPaint.top, 0); y < std::min<LONG>(rcPaint.bottom, bm.bmHeight);
         ++y) {
        LONG left = std::max<LONG>(rcPaint.left, 0);
        LONG right = std::min<LONG>(rcPaint.right, bm.bmWidth);
        if (right <= left)
            return;
        BYTE* pRow = m_pOffscreenBits + (size_t(bm.bmHeight - 1 - y) * bm.bmWidth + left) * 4;
        std::fill_n(pRow, size_t(right - left) * 4, 0);
    }
}

void CHostPaint::DrawDirtyOutline(HDC hDC, const RECT& rcPaint) {
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(hDC, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hPen);
}

void CHostPaint::PaintWindow() {
    if (m_host.GetHWND() == nullptr)
        return;
    if (m_host.Root() == nullptr) {
        PaintNoRoot();
        return;
    }
    RECT rcPaint = {0, 0, 0, 0};
    if (!TakeAreaToRepaint(rcPaint))
        return;
    m_bIsPainting = true;
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_host.GetHWND(), &rcClient);
    if (m_bUpdateNeeded) {
        // The listeners and focus handlers of the pass may close the window.
        bool bPaint = false;
        if (!m_host.Guarded([&] { bPaint = RunLayoutPass(rcClient); }))
            return;
        if (!bPaint) {
            m_bIsPainting = false;
            return;
        }
    } else if (m_bLayered && m_bLayeredChanged) {
        if (m_pOffscreenBits != nullptr)
            std::fill_n(m_pOffscreenBits, size_t(rcClient.right) * rcClient.bottom * 4, 0);
        m_host.Root()->SetBounds(rcClient, true);
    }
    EnsureBackBuffer(rcClient);
    PAINTSTRUCT ps = {};
    HDC hPaintDC = ::BeginPaint(m_host.GetHWND(), &ps);
    HGDIOBJ hOldBitmap = ::SelectObject(m_hDcOffscreen, m_hbmpOffscreen);
    int iSaved = ::SaveDC(m_hDcOffscreen);
    PaintIntoBackBuffer(m_hDcOffscreen, rcPaint);
    ::RestoreDC(m_hDcOffscreen, iSaved);
    if (m_bLayered) {
        ComposeLayered(rcClient, rcPaint);
        PresentLayered(rcClient);
    } else {
        ::BitBlt(hPaintDC, rcPaint.left, rcPaint.top, rcPaint.right - rcPaint.left,
                 rcPaint.bottom - rcPaint.top, m_hDcOffscreen, rcPaint.left, rcPaint.top, SRCCOPY);
    }
    ::SelectObject(m_hDcOffscreen, hOldBitmap);
    if (m_bShowUpdateRect && !m_bLayered)
        DrawDirtyOutline(hPaintDC, rcPaint);
    ::EndPaint(m_host.GetHWND(), &ps);
    m_bIsPainting = false;
    m_bLayeredChanged = false;
    if (m_bUpdateNeeded)
        Invalidate();
}

void CHostPaint::PrintClient(HDC hDC) {
    if (m_host.Root() == nullptr || m_host.GetHWND() == nullptr)
        return;
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_host.GetHWND(), &rcClient);
    int iSaved = ::SaveDC(hDC);
    m_host.Root()->Paint(hDC, rcClient, nullptr);
    ::RestoreDC(hDC, iSaved);
}

}  // namespace Orvik
