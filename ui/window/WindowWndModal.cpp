// Native window wrapper: the modal loop and centring over the owner or the work area.
#include "ui/window/WindowHostUI.h"
#include "ui/window/WindowWnd.h"

namespace Orvik {

namespace {

void GiveBackToOwner(HWND hOwner) {
    if (hOwner == nullptr)
        return;
    ::EnableWindow(hOwner, TRUE);
    ::SetFocus(hOwner);
}

}  // namespace

// Reads nothing from the object once the loop runs: the window may delete it.
UINT CWindowWnd::ShowModal() {
    HWND hWnd = m_hWnd;
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    if (hOwner != nullptr)
        ::EnableWindow(hOwner, FALSE);
    UINT nRet = 0;
    bool bQuit = false;
    MSG msg = {};
    while (::IsWindow(hWnd)) {
        BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0) {
            bQuit = true;
            break;
        }
        if (bGot < 0)
            break;
        if (msg.message == WM_CLOSE && msg.hwnd == hWnd) {
            nRet = static_cast<UINT>(msg.wParam);
            GiveBackToOwner(hOwner);
        }
        if (!CWindowHostUI::PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    GiveBackToOwner(hOwner);
    if (bQuit)
        ::PostQuitMessage(static_cast<int>(msg.wParam));
    return nRet;
}

void CWindowWnd::CenterWindow() {
    RECT rcDlg = {0, 0, 0, 0};
    ::GetWindowRect(m_hWnd, &rcDlg);
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO mi = {sizeof(mi), {0, 0, 0, 0}, {0, 0, 0, 0}, 0};
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    RECT rcArea = mi.rcWork;
    RECT rcCenter = rcArea;
    if (hOwner != nullptr && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcCenter);
    int cx = rcDlg.right - rcDlg.left;
    int cy = rcDlg.bottom - rcDlg.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    if (x < rcArea.left)
        x = rcArea.left;
    else if (x + cx > rcArea.right)
        x = rcArea.right - cx;
    if (y < rcArea.top)
        y = rcArea.top;
    else if (y + cy > rcArea.bottom)
        y = rcArea.bottom - cy;
    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace Orvik
