// Skinned window base: the drawn frame's hit test, region, size limits and system buttons.
#include <cstring>

#include "ui/controls/ControlUI.h"
#include "ui/windowbase/WindowImplBase.h"

namespace Orvik {

namespace {

// Controls that let the caption drag the window; buttons and the like do not.
const char* const g_captionTypes[] = {
    "Label",     "Text",       "GifAnim",     "Progress",       "Container",
    "TabLayout", "TileLayout", "ChildLayout", "VerticalLayout", "HorizontalLayout"};

bool DragsTheCaption(const char* pstrType) {
    for (const char* pstrCaptionType : g_captionTypes)
        if (CUIString(pstrType).CompareNoCase(pstrCaptionType) == 0)
            return true;
    return false;
}

// The size-box code of a client point, or HTNOWHERE inside the borders.
LRESULT SizeBoxHit(const RECT& rc, const RECT& box, POINT pt) {
    int nColumn = pt.x < rc.left + box.left ? 0 : pt.x > rc.right - box.right ? 2 : 1;
    if (pt.y < rc.top + box.top) {
        const LRESULT top[] = {HTTOPLEFT, HTTOP, HTTOPRIGHT};
        return top[nColumn];
    }
    if (pt.y > rc.bottom - box.bottom) {
        const LRESULT bottom[] = {HTBOTTOMLEFT, HTBOTTOM, HTBOTTOMRIGHT};
        return bottom[nColumn];
    }
    const LRESULT middle[] = {HTLEFT, HTNOWHERE, HTRIGHT};
    return middle[nColumn];
}

MONITORINFO NearestMonitor(HWND hWnd) {
    MONITORINFO mi = {sizeof(mi), {0, 0, 0, 0}, {0, 0, 0, 0}, 0};
    ::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    return mi;
}

}  // namespace

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool& bHandled) {
    bHandled = true;
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_hWnd, &pt);
    RECT rc = {0, 0, 0, 0};
    ::GetClientRect(m_hWnd, &rc);
    if (!::IsZoomed(m_hWnd)) {
        LRESULT lHit = SizeBoxHit(rc, m_PaintManager.GetSizeBox(), pt);
        if (lHit != HTNOWHERE)
            return lHit;
    }
    const CUIRect& rcCaption = m_PaintManager.GetCaptionRect();
    if (pt.x >= rc.left + rcCaption.left && pt.x < rc.right - rcCaption.right &&
        pt.y >= rcCaption.top && pt.y < rcCaption.bottom) {
        CControlUI* pControl = m_PaintManager.FindControlAt(pt);
        if (pControl != nullptr && DragsTheCaption(pControl->GetTypeName()))
            return HTCAPTION;
    }
    return HTCLIENT;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& bHandled) {
    SIZE szRound = m_PaintManager.GetRoundCorner();
    if (!::IsIconic(m_hWnd)) {
        RECT rc = {0, 0, 0, 0};
        ::GetWindowRect(m_hWnd, &rc);
        HRGN hRgn = ::CreateRoundRectRgn(0, 0, rc.right - rc.left + 1, rc.bottom - rc.top + 1,
                                         szRound.cx, szRound.cy);
        ::SetWindowRgn(m_hWnd, hRgn, TRUE);  // the window owns the region now
    }
    bHandled = false;
    return 0;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& bHandled) {
    auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    MONITORINFO mi = NearestMonitor(m_hWnd);
    // Relative to the monitor's origin, as the maximised position is read.
    RECT rcWork = {mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top,
                   mi.rcWork.right - mi.rcMonitor.left, mi.rcWork.bottom - mi.rcMonitor.top};
    pInfo->ptMaxPosition = POINT{rcWork.left, rcWork.top};
    pInfo->ptMaxTrackSize = POINT{rcWork.right - rcWork.left, rcWork.bottom - rcWork.top};
    pInfo->ptMinTrackSize = POINT{m_PaintManager.GetMinInfo().cx, m_PaintManager.GetMinInfo().cy};
    bHandled = false;
    return 0;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM lParam, bool& bHandled) {
    bHandled = true;
    if (!::IsZoomed(m_hWnd) || lParam == 0)
        return 0;
    // The proposed client rectangle is the first of the record.
    auto* pRect = reinterpret_cast<RECT*>(lParam);
    MONITORINFO mi = NearestMonitor(m_hWnd);
    pRect->right = pRect->left + (mi.rcWork.right - mi.rcWork.left);
    pRect->bottom = pRect->top + (mi.rcWork.bottom - mi.rcWork.top);
    return 0x300;
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& bHandled) {
    if (::IsIconic(m_hWnd)) {
        bHandled = false;
        return 0;
    }
    return wParam == 0 ? 1 : 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&) {
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    bHandled = true;
    if (wParam == SC_CLOSE) {
        ::SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return 0;
    }
    bool bWasZoomed = ::IsZoomed(m_hWnd) != FALSE;
    LRESULT lRes = CWindowWnd::ProcessWindowMessage(uMsg, wParam, lParam);
    if (::IsWindow(m_hWnd) && bWasZoomed != (::IsZoomed(m_hWnd) != FALSE))
        ShowMaxRestoreButtons(bWasZoomed);
    return lRes;
}

void WindowImplBase::ShowMaxRestoreButtons(bool bWasZoomed) {
    CControlUI* pMax = m_PaintManager.FindControlByName("maxbtn");
    CControlUI* pRestore = m_PaintManager.FindControlByName("restorebtn");
    if (pMax == nullptr || pRestore == nullptr)
        return;
    pMax->SetVisible(bWasZoomed);
    pRestore->SetVisible(!bWasZoomed);
}

void WindowImplBase::OnClickNotify(NotifyRecord& msg) {
    if (msg.sender == nullptr)
        return;
    const char* pstrName = msg.sender->GetName();
    if (std::strcmp(pstrName, "closebtn") == 0)
        Close(2);
    else if (std::strcmp(pstrName, "minbtn") == 0)
        ::SendMessageA(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else if (std::strcmp(pstrName, "maxbtn") == 0)
        ::SendMessageA(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    else if (std::strcmp(pstrName, "restorebtn") == 0)
        ::SendMessageA(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
}

}  // namespace Orvik
