// Monitors and the work area, as the backend reports them.
#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

// A monitor handle is its index plus one.
HMONITOR HandleOf(size_t index) {
    return reinterpret_cast<HMONITOR>(uintptr_t(index + 1));
}

bool Contains(const RECT& rc, POINT pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

long DistanceSquared(const RECT& rc, POINT pt) {
    long dx = pt.x < rc.left ? rc.left - pt.x : pt.x >= rc.right ? pt.x - rc.right + 1 : 0;
    long dy = pt.y < rc.top ? rc.top - pt.y : pt.y >= rc.bottom ? pt.y - rc.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

size_t PrimaryIndex(const std::vector<NativeMonitor>& monitors) {
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].primary)
            return i;
    }
    return 0;
}

}  // namespace

HMONITOR MonitorFromPoint(POINT pt, DWORD dwFlags) {
    std::vector<NativeMonitor> monitors = ActiveBackend().Monitors();
    if (monitors.empty())
        return nullptr;
    size_t nearest = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (Contains(monitors[i].bounds, pt))
            return HandleOf(i);
        if (DistanceSquared(monitors[i].bounds, pt) < DistanceSquared(monitors[nearest].bounds, pt))
            nearest = i;
    }
    if (dwFlags == MONITOR_DEFAULTTONEAREST)
        return HandleOf(nearest);
    return dwFlags == MONITOR_DEFAULTTOPRIMARY ? HandleOf(PrimaryIndex(monitors)) : nullptr;
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags) {
    RECT rc{};
    if (!GetWindowRect(hwnd, &rc))
        return dwFlags == MONITOR_DEFAULTTONULL ? nullptr : MonitorFromPoint(POINT{0, 0}, dwFlags);
    return MonitorFromPoint(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}, dwFlags);
}

BOOL GetMonitorInfoA(HMONITOR hMonitor, LPMONITORINFO lpmi) {
    std::vector<NativeMonitor> monitors = ActiveBackend().Monitors();
    size_t index = reinterpret_cast<uintptr_t>(hMonitor) - 1;
    if (lpmi == nullptr || lpmi->cbSize < sizeof(MONITORINFO) || hMonitor == nullptr ||
        index >= monitors.size()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    lpmi->rcMonitor = monitors[index].bounds;
    lpmi->rcWork = monitors[index].workArea;
    lpmi->dwFlags = monitors[index].primary ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

BOOL SystemParametersInfoA(UINT uiAction, UINT /*uiParam*/, PVOID pvParam, UINT /*fWinIni*/) {
    std::vector<NativeMonitor> monitors = ActiveBackend().Monitors();
    if (uiAction != SPI_GETWORKAREA || pvParam == nullptr || monitors.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *static_cast<RECT*>(pvParam) = monitors[PrimaryIndex(monitors)].workArea;
    return TRUE;
}
