// Window host: binding to a window, invalidation and the paint cycle, pass by pass.
#include <algorithm>

#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/ControlEvent.h"
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

void CWindowHostUI::Init(HWND hWnd, const char* pstrName) {
    m_tree.ResetIndex();
    m_resources.RemoveAllTables();
    RemoveAllTimers();
    if (pstrName != nullptr)
        m_sName = pstrName;
    if (hWnd == m_hWndPaint)
        return;
    if (m_hDcPaint != nullptr)
        ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    m_hWndPaint = hWnd;
    m_hDcPaint = hWnd != nullptr ? ::GetDC(hWnd) : nullptr;
    m_resources.BindDC(m_hDcPaint);
    CUIPtrArray& live = SharedHostState().m_aLiveHosts;
    if (hWnd != nullptr && live.Find(this) < 0)
        live.Add(this);
}

void CWindowHostUI::Invalidate() {
    if (m_hWndPaint == nullptr)
        return;
    if (!m_bLayered) {
        ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
        return;
    }
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    m_rcLayeredUpdate = JoinAreas(m_rcLayeredUpdate, rcClient);
}

void CWindowHostUI::Invalidate(const RECT& rcIn) {
    RECT rc = rcIn;
    rc.left = std::max<LONG>(rc.left, 0);
    rc.top = std::max<LONG>(rc.top, 0);
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
    if (m_hWndPaint == nullptr)
        return;
    if (m_bLayered)
        m_rcLayeredUpdate = JoinAreas(m_rcLayeredUpdate, rc);
    else
        ::InvalidateRect(m_hWndPaint, &rc, FALSE);
}

void CWindowHostUI::SetInitSize(int cx, int cy) {
    m_szInitWindowSize = SIZE{cx, cy};
    // A skin's size is only stored when no window could have it: the
    // surface of a larger one would not fit in memory.
    bool bPlausible = cx >= 0 && cy >= 0 && cx <= MAX_WINDOW_EXTENT && cy <= MAX_WINDOW_EXTENT;
    if (bPlausible && Root() == nullptr && m_hWndPaint != nullptr)
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, cx, cy,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CWindowHostUI::ReleaseBuffers() {
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

void CWindowHostUI::PaintNoRoot() {
    PAINTSTRUCT ps = {};
    HDC hDC = ::BeginPaint(m_hWndPaint, &ps);
    CDrawEngine::FillColor(hDC, ps.rcPaint, 0xFF000000);
    ::EndPaint(m_hWndPaint, &ps);
}

// Pass 2: the area to repaint. False when there is nothing to do.
bool CWindowHostUI::TakeAreaToRepaint(RECT& rcPaint) {
    if (!m_bLayered)
        return ::GetUpdateRect(m_hWndPaint, &rcPaint, FALSE) != FALSE;
    if (IsEmptyArea(m_rcLayeredUpdate)) {
        ::ValidateRect(m_hWndPaint, nullptr);  // acknowledge the request
        return false;
    }
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    rcPaint = m_rcLayeredUpdate;
    rcPaint.right = std::min(rcPaint.right, rcClient.right);
    rcPaint.bottom = std::min(rcPaint.bottom, rcClient.bottom);
    m_rcLayeredUpdate.Empty();
    return true;
}

// The partial pass re-places only the top-most pending controls.
void CWindowHostUI::LayoutPendingControls() {
    m_aFoundControls.Empty();
    Root()->FindControl(CollectPending, &m_aFoundControls,
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
bool CWindowHostUI::RunLayoutPass(const RECT& rcClient) {
    m_bUpdateNeeded = false;
    if (IsEmptyArea(rcClient))
        return true;
    if (Root()->IsLayoutPending()) {
        ReleaseBuffers();  // rebuilt below at the new size
        Root()->SetBounds(rcClient, true);
    } else {
        LayoutPendingControls();
    }
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        SendWindowInit();
        if (Root() == nullptr)
            return false;  // a listener replaced the tree
        if (m_bLayered && m_bLayeredChanged) {
            Invalidate();
            return false;
        }
    }
    // The focus waits for the layout, so the tab order follows the real positions.
    if (m_input.IsFocusNeeded())
        SetNextTabControl(true);
    return true;
}

void CWindowHostUI::SendWindowInit() {
    SendNotify(Root(), "windowinit", 0, 0);
}

void CWindowHostUI::EnsureBackBuffer(const RECT& rcClient) {
    if (m_hbmpOffscreen != nullptr)
        return;
    int cx = rcClient.right - rcClient.left;
    int cy = rcClient.bottom - rcClient.top;
    m_hDcOffscreen = ::CreateCompatibleDC(m_hDcPaint);
    if (m_bLayered)
        m_hbmpOffscreen = CDrawEngine::CreateArgbBitmap(m_hDcPaint, cx, cy, &m_pOffscreenBits);
    else
        m_hbmpOffscreen = ::CreateCompatibleBitmap(m_hDcPaint, cx, cy);
}

// Passes 9 to 12: the tree and the overlays into the back buffer.
void CWindowHostUI::PaintIntoBackBuffer(HDC hDC, const RECT& rcPaint) {
    if (m_bLayered && m_diLayered.strDescriptor.IsEmpty())
        ZeroBackPixels(rcPaint);
    Root()->Paint(hDC, rcPaint, nullptr);
    // Native child windows exist in no skin of this system; nothing to print.
    CUIPtrArray overlays(m_aPostPaintControls);
    for (int i = 0; i < overlays.GetSize(); ++i)
        static_cast<IControlNodeUI*>(overlays[i])->PaintOverlay(hDC, rcPaint);
}

// Transparent black: a fill of alpha 0 would draw nothing.
void CWindowHostUI::ZeroBackPixels(const RECT& rcPaint) {
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

void CWindowHostUI::DrawDirtyOutline(HDC hDC, const RECT& rcPaint) {
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(hDC, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hPen);
}

void CWindowHostUI::PaintWindow() {
    if (m_hWndPaint == nullptr)
        return;
    if (Root() == nullptr) {
        PaintNoRoot();
        return;
    }
    RECT rcPaint = {0, 0, 0, 0};
    if (!TakeAreaToRepaint(rcPaint))
        return;
    m_bIsPainting = true;
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (m_bUpdateNeeded) {
        if (!RunLayoutPass(rcClient)) {
            m_bIsPainting = false;
            return;
        }
    } else if (m_bLayered && m_bLayeredChanged) {
        if (m_pOffscreenBits != nullptr)
            std::fill_n(m_pOffscreenBits, size_t(rcClient.right) * rcClient.bottom * 4, 0);
        Root()->SetBounds(rcClient, true);
    }
    EnsureBackBuffer(rcClient);
    PAINTSTRUCT ps = {};
    HDC hPaintDC = ::BeginPaint(m_hWndPaint, &ps);
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
    ::EndPaint(m_hWndPaint, &ps);
    m_bIsPainting = false;
    m_bLayeredChanged = false;
    if (m_bUpdateNeeded)
        Invalidate();
}

void CWindowHostUI::PrintClient(HDC hDC) {
    if (Root() == nullptr || m_hWndPaint == nullptr)
        return;
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    int iSaved = ::SaveDC(hDC);
    Root()->Paint(hDC, rcClient, nullptr);
    ::RestoreDC(hDC, iSaved);
}

}  // namespace Orvik
