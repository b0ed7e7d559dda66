// ShowWindow: showing, hiding, minimising, maximising and restoring.
#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

constexpr UINT KEEP_PLACE = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;

void SetStateBits(HWND hwnd, DWORD set, DWORD clear) {
    WindowTable::Instance().With(hwnd, [&](Window& w) { w.style = (w.style & ~clear) | set; });
}

RECT WorkAreaNear(const RECT& rect) {
    std::vector<NativeMonitor> monitors = ActiveBackend().Monitors();
    if (monitors.empty())
        return rect;
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    for (const NativeMonitor& monitor : monitors) {
        const RECT& b = monitor.bounds;
        if (centre.x >= b.left && centre.x < b.right && centre.y >= b.top && centre.y < b.bottom)
            return monitor.workArea;
    }
    return monitors.front().workArea;
}

void Minimise(HWND hwnd, bool activate) {
    if (IsIconic(hwnd))
        return;
    SetStateBits(hwnd, WS_MINIMIZE, 0);
    ActiveBackend().SetNativeState(hwnd, NativeWindowState::Minimised);
    if (!IsWindowVisible(hwnd))
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, KEEP_PLACE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    (void)activate;  // a minimised window never takes the focus
    SendMessageA(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
}

void Maximise(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    RECT work = WorkAreaNear(rect);
    MINMAXINFO info{};
    info.ptMaxSize = POINT{Width(work), Height(work)};
    info.ptMaxPosition = POINT{0, 0};
    info.ptMaxTrackSize = info.ptMaxSize;
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (!IsZoomed(hwnd))
        WindowTable::Instance().With(hwnd, [&](Window& w) { w.restoreRect = w.rect; });
    bool wasIconic = IsIconic(hwnd);
    SetStateBits(hwnd, WS_MAXIMIZE, WS_MINIMIZE);
    ActiveBackend().SetNativeState(hwnd, NativeWindowState::Maximised);
    SetWindowPos(hwnd, nullptr, work.left + info.ptMaxPosition.x, work.top + info.ptMaxPosition.y,
                 info.ptMaxSize.x, info.ptMaxSize.y, SWP_NOZORDER | SWP_SHOWWINDOW);
    if (wasIconic)
        SendMessageA(hwnd, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(info.ptMaxSize.x, info.ptMaxSize.y));
}

void Restore(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    if (IsIconic(hwnd)) {
        // A window minimised from maximised goes back to maximised.
        SetStateBits(hwnd, 0, WS_MINIMIZE);
        bool zoomed = IsZoomed(hwnd);
        ActiveBackend().SetNativeState(
            hwnd, zoomed ? NativeWindowState::Maximised : NativeWindowState::Normal);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, KEEP_PLACE | SWP_SHOWWINDOW);
        SendMessageA(hwnd, WM_SIZE, zoomed ? SIZE_MAXIMIZED : SIZE_RESTORED,
                     MAKELPARAM(Width(rect), Height(rect)));
        InvalidateAll(hwnd);
        return;
    }
    if (IsZoomed(hwnd)) {
        RECT back{};
        WindowTable::Instance().With(hwnd, [&](Window& w) { back = w.restoreRect; });
        SetStateBits(hwnd, 0, WS_MAXIMIZE);
        ActiveBackend().SetNativeState(hwnd, NativeWindowState::Normal);
        SetWindowPos(hwnd, nullptr, back.left, back.top, Width(back), Height(back),
                     SWP_NOZORDER | SWP_SHOWWINDOW);
        return;
    }
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, KEEP_PLACE | SWP_SHOWWINDOW);
}

}  // namespace

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    if (!IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    BOOL wasVisible = (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
    switch (nCmdShow) {
        case SW_HIDE:
            if (wasVisible)
                SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                             KEEP_PLACE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE:
            Minimise(hWnd, nCmdShow == SW_SHOWMINIMIZED);
            break;
        case SW_SHOWMAXIMIZED:
            Maximise(hWnd);
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            Restore(hWnd);
            break;
        default: {
            UINT quiet =
                nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE ? SWP_NOACTIVATE : 0;
            SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, KEEP_PLACE | SWP_SHOWWINDOW | quiet);
            break;
        }
    }
    return wasVisible;
}
