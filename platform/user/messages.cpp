// Posting, sending, reading and dispatching messages.
#include <memory>

#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/core_clock.h"
#include "platform/user/input_state.h"
#include "platform/user/window_table.h"

using namespace platform::user;

namespace {

MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{hwnd, message, wParam, lParam, CoreTicks(), {0, 0}};
}

// The filter window must exist and belong to the caller; (HWND)-1 asks for
// thread messages only.
bool ValidFilter(HWND hwnd) {
    if (hwnd == nullptr || hwnd == reinterpret_cast<HWND>(-1))
        return true;
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    return window != nullptr && window->queue->ThreadId() == GetCurrentThreadId();
}

// Native events reach the queues before a read: those other threads handed
// over, and on the connection's owner those the backend holds.
void ServeNativeEvents(ThreadQueue& queue) {
    queue.TranslatePendingNative();
    if (BackendOwnerThread() == queue.ThreadId() && ActiveBackend().DispatchNativeEvents() > 0)
        queue.TranslatePendingNative();
}

// The text the key press typed, once, if this is its WM_KEYDOWN.
bool TakeKeyText(const MSG& msg, KeyText& out) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    for (auto it = input.keyTexts.begin(); it != input.keyTexts.end(); ++it) {
        if (it->hwnd == msg.hwnd && it->vk == msg.wParam && it->time == msg.time) {
            out = *it;
            input.keyTexts.erase(input.keyTexts.begin(), it + 1);  // older ones are stale
            return true;
        }
    }
    return false;
}

}  // namespace

BOOL platform::PostMessageOwning(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam,
                                 void (*pfnFree)(LPARAM)) {
    QueuedMessage queued{MakeMsg(hWnd, Msg, wParam, lParam), pfnFree};
    if (hWnd == nullptr) {
        CurrentQueue()->Post(queued);
        return TRUE;
    }
    // Posting under the table's lock: once DestroyWindow has removed the
    // window, nothing new can reach its queue, and what was there is dropped.
    bool posted = WindowTable::Instance().With(hWnd, [&](Window& w) { w.queue->Post(queued); });
    if (posted)
        return TRUE;
    if (pfnFree != nullptr)
        pfnFree(lParam);
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return platform::PostMessageOwning(hWnd, Msg, wParam, lParam, nullptr);
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (window->queue->ThreadId() != GetCurrentThreadId()) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return 0;
    }
    WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    return CallWindowProcA(proc, hWnd, Msg, wParam, lParam);
}

BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (lpMsg == nullptr || !ValidFilter(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    MessageFilter filter{hWnd, wMsgFilterMin, wMsgFilterMax};
    std::shared_ptr<ThreadQueue> queue = CurrentQueue();
    ServeNativeEvents(*queue);
    return queue->Take(filter, (wRemoveMsg & PM_REMOVE) != 0, *lpMsg) ? TRUE : FALSE;
}

BOOL GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (lpMsg == nullptr || !ValidFilter(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    std::shared_ptr<ThreadQueue> queue = CurrentQueue();
    MessageFilter filter{hWnd, wMsgFilterMin, wMsgFilterMax};
    for (;;) {
        ServeNativeEvents(*queue);
        if (queue->Take(filter, true, *lpMsg))
            break;
        queue->Wait(filter);
    }
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
        return FALSE;
    KeyText text;
    if (!TakeKeyText(*lpMsg, text))
        return FALSE;
    // A double-byte character arrives as two character messages, lead byte first.
    UINT message = text.sys ? WM_SYSCHAR : WM_CHAR;
    for (const char* c = text.text; *c != '\0'; ++c)
        PostMessageA(lpMsg->hwnd, message, WPARAM(BYTE(*c)), lpMsg->lParam & 0xFFFFFFFF);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* lpMsg) {
    if (lpMsg == nullptr)
        return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam != 0) {
        TIMERPROC proc = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, lpMsg->time);
        return 0;
    }
    if (lpMsg->hwnd == nullptr)
        return 0;
    return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void PostQuitMessage(int nExitCode) {
    CurrentQueue()->PostQuit(nExitCode);
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    if (hWnd == nullptr)
        return CurrentQueue()->SetTimer(nullptr, 0, uElapse, lpTimerFunc);
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return window->queue->SetTimer(hWnd, nIDEvent, uElapse, lpTimerFunc);
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    if (hWnd == nullptr)
        return CurrentQueue()->KillTimer(nullptr, uIDEvent) ? TRUE : FALSE;
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return window->queue->KillTimer(hWnd, uIDEvent) ? TRUE : FALSE;
}
