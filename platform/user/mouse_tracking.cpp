// TrackMouseEvent: hover after the pointer rests, leave when it goes.
#include "platform/kernel.h"
#include "platform/user/core_clock.h"
#include "platform/user/input_state.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

constexpr DWORD DEFAULT_HOVER_MS = 400;

void Cancel(Window& window, DWORD flags) {
    InputState& input = Input();
    {
        std::lock_guard<std::mutex> guard(input.lock);
        if (input.tracking.hwnd == window.hwnd)
            input.tracking.flags &= ~(flags & (TME_HOVER | TME_LEAVE));
    }
    if ((flags & TME_HOVER) != 0)
        window.queue->ClearHover(window.hwnd);
}

}  // namespace

namespace platform::user {

void RearmHover(HWND hwnd, POINT client) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (window == nullptr || !window->queue->HoverArmed(hwnd))
        return;
    DWORD hoverTime = DEFAULT_HOVER_MS;
    {
        InputState& input = Input();
        std::lock_guard<std::mutex> guard(input.lock);
        if (input.tracking.hwnd == hwnd)
            hoverTime = input.tracking.hoverTime;
    }
    window->queue->SetHover(hwnd, CoreNowMs() + hoverTime, client);
}

}  // namespace platform::user

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (lpEventTrack == nullptr || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HWND hwnd = lpEventTrack->hwndTrack;
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    DWORD flags = lpEventTrack->dwFlags;
    if ((flags & TME_CANCEL) != 0) {
        Cancel(*window, flags);
        return TRUE;
    }
    DWORD hoverTime =
        lpEventTrack->dwHoverTime == HOVER_DEFAULT ? DEFAULT_HOVER_MS : lpEventTrack->dwHoverTime;
    InputState& input = Input();
    bool over = false;
    POINT cursor{};
    {
        std::lock_guard<std::mutex> guard(input.lock);
        over = input.pointerWindow == hwnd;
        cursor = input.cursor;
        if (input.tracking.hwnd != hwnd)
            input.tracking = MouseTracking{hwnd, 0, hoverTime};
        input.tracking.flags |= flags & (TME_HOVER | TME_LEAVE);
        input.tracking.hoverTime = hoverTime;
        // A pointer that is not over the window has left it already.
        if (!over)
            input.tracking.flags &= ~DWORD(TME_LEAVE);
    }
    // Asked for by the program, not typed: it carries no keys and leaves the key state alone.
    if ((flags & TME_LEAVE) != 0 && !over)
        window->queue->PostInput(
            InputMessage{MSG{hwnd, WM_MOUSELEAVE, 0, 0, CoreTicks(), cursor}, std::nullopt});
    if ((flags & TME_HOVER) != 0 && over) {
        ScreenToClient(hwnd, &cursor);
        window->queue->SetHover(hwnd, CoreNowMs() + hoverTime, cursor);
    }
    return TRUE;
}
