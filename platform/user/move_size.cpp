// Moving and resizing a window from a press on its caption or border.
#include <algorithm>

#include "platform/user/backend.h"
#include "platform/user/input_state.h"
#include "platform/user/move_size.h"
#include "platform/user/window_geometry.h"

namespace platform::user {

namespace {

struct MoveSize {
    bool active = false;
    bool native = false;  // the window system drives it
    HWND hwnd = nullptr;
    int hit = HTNOWHERE;
    POINT start{};
    RECT startRect{};
    MINMAXINFO limits{};
};

// Moves and resizes run on the thread whose window is pressed.
thread_local MoveSize t_moveSize;

bool MovesLeft(int hit) {
    return hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
}
bool MovesRight(int hit) {
    return hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
}
bool MovesTop(int hit) {
    return hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
}
bool MovesBottom(int hit) {
    return hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
}

MINMAXINFO AskLimits(HWND hwnd) {
    MINMAXINFO info{};
    info.ptMinTrackSize = POINT{1, 1};
    info.ptMaxTrackSize = POINT{32767, 32767};
    info.ptMaxSize = info.ptMaxTrackSize;
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

// One axis: the dragged edge moves, the size stays inside the limits.
void ResizeAxis(LONG& low, LONG& high, LONG delta, bool movesLow, bool movesHigh, LONG minSize,
                LONG maxSize) {
    if (!movesLow && !movesHigh)
        return;
    LONG size = (high - low) + (movesHigh ? delta : -delta);
    size = std::clamp<LONG>(size, std::max<LONG>(minSize, 1), std::max(maxSize, minSize));
    if (movesLow)
        low = high - size;
    else
        high = low + size;
}

RECT Dragged(const MoveSize& ms, POINT now) {
    LONG dx = now.x - ms.start.x, dy = now.y - ms.start.y;
    RECT rect = ms.startRect;
    if (ms.hit == HTCAPTION)
        return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    ResizeAxis(rect.left, rect.right, dx, MovesLeft(ms.hit), MovesRight(ms.hit),
               ms.limits.ptMinTrackSize.x, ms.limits.ptMaxTrackSize.x);
    ResizeAxis(rect.top, rect.bottom, dy, MovesTop(ms.hit), MovesBottom(ms.hit),
               ms.limits.ptMinTrackSize.y, ms.limits.ptMaxTrackSize.y);
    return rect;
}

}  // namespace

bool IsSizingCode(int hitTest) {
    return hitTest >= HTLEFT && hitTest <= HTBOTTOMRIGHT;
}

bool BeginMoveSize(HWND hwnd, int hitTest, POINT screenPos) {
    if (hitTest != HTCAPTION && !IsSizingCode(hitTest))
        return false;
    if (IsZoomed(hwnd))
        return true;  // a maximised window stays where it is, as does its size
    MoveSize ms;
    ms.hwnd = hwnd;
    ms.hit = hitTest;
    ms.start = screenPos;
    GetWindowRect(hwnd, &ms.startRect);
    if (hitTest != HTCAPTION)
        ms.limits = AskLimits(hwnd);
    SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    ms.native = ActiveBackend().BeginNativeMoveResize(hwnd, hitTest, screenPos);
    if (!ms.native)
        ActiveBackend().GrabPointer(hwnd);
    ms.active = true;
    t_moveSize = ms;
    return true;
}

bool ContinueMoveSize(POINT screenPos) {
    MoveSize& ms = t_moveSize;
    if (!ms.active)
        return false;
    if (ms.native) {
        // The window system had the pointer; an event reaching us means it is done.
        EndMoveSize();
        return false;
    }
    if (!IsWindow(ms.hwnd)) {
        ms = MoveSize{};
        return false;
    }
    RECT rect = Dragged(ms, screenPos);
    SetWindowPos(ms.hwnd, nullptr, rect.left, rect.top, Width(rect), Height(rect),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool EndMoveSize() {
    MoveSize ms = t_moveSize;
    if (!ms.active)
        return false;
    t_moveSize = MoveSize{};
    if (!ms.native)
        ActiveBackend().ReleasePointer();
    if (IsWindow(ms.hwnd))
        SendMessageA(ms.hwnd, WM_EXITSIZEMOVE, 0, 0);
    return true;
}

}  // namespace platform::user
