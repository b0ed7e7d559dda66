// The owning post on Windows: a queued message whose lParam is freed when it
// never reaches the window.
//
// The message travels as a private message carrying a record; a message hook
// on the receiving thread turns it back into the original when it is read,
// and a window procedure hook frees the records still queued for a window
// that is being destroyed (DestroyWindow drops its queued messages).
#include <map>
#include <mutex>
#include <set>

#include "platform/win/user_win.h"

namespace {

struct OwnedPost {
    HWND hWnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    void (*pfnFree)(LPARAM);
};

std::mutex g_csPosts;
std::multimap<HWND, OwnedPost*> g_pending;
std::set<DWORD> g_hookedThreads;

UINT CourierMessage() {
    static const UINT s_nMsg = RegisterWindowMessageW(L"Lumora.OwnedPost");
    return s_nMsg;
}

// Removes the record from the pending list; false when it was already gone.
bool Claim(OwnedPost* pPost) {
    std::lock_guard<std::mutex> guard(g_csPosts);
    auto range = g_pending.equal_range(pPost->hWnd);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == pPost) {
            g_pending.erase(it);
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam) {
    auto* pMsg = reinterpret_cast<MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == CourierMessage()) {
        auto* pPost = reinterpret_cast<OwnedPost*>(pMsg->lParam);
        if (Claim(pPost)) {
            pMsg->message = pPost->msg;
            pMsg->wParam = pPost->wParam;
            pMsg->lParam = pPost->lParam;
            delete pPost;
        } else {
            pMsg->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void FreePendingFor(HWND hWnd) {
    std::multimap<HWND, OwnedPost*> dropped;
    {
        std::lock_guard<std::mutex> guard(g_csPosts);
        auto range = g_pending.equal_range(hWnd);
        dropped.insert(range.first, range.second);
        g_pending.erase(range.first, range.second);
    }
    for (auto& [hwnd, pPost] : dropped) {
        if (pPost->pfnFree != nullptr)
            pPost->pfnFree(pPost->lParam);
        delete pPost;
    }
}

LRESULT CALLBACK OnCallWndProc(int nCode, WPARAM wParam, LPARAM lParam) {
    auto* pCall = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pCall->message == WM_NCDESTROY)
        FreePendingFor(pCall->hwnd);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// The hooks live as long as the thread; installed once per receiving thread.
void HookThread(DWORD dwThread) {
    {
        std::lock_guard<std::mutex> guard(g_csPosts);
        if (!g_hookedThreads.insert(dwThread).second)
            return;
    }
    SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, dwThread);
    SetWindowsHookExW(WH_CALLWNDPROC, OnCallWndProc, nullptr, dwThread);
}

}  // namespace

BOOL platform::PostMessageOwning(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam,
                                 void (*pfnFree)(LPARAM)) {
    DWORD dwThread = hWnd != nullptr ? GetWindowThreadProcessId(hWnd, nullptr) : 0;
    if (hWnd == nullptr || pfnFree == nullptr || dwThread == 0) {
        if (PostMessageW(hWnd, Msg, wParam, lParam))
            return TRUE;
        if (pfnFree != nullptr)
            pfnFree(lParam);
        return FALSE;
    }
    HookThread(dwThread);
    auto* pPost = new OwnedPost{hWnd, Msg, wParam, lParam, pfnFree};
    {
        std::lock_guard<std::mutex> guard(g_csPosts);
        g_pending.emplace(hWnd, pPost);
    }
    if (PostMessageW(hWnd, CourierMessage(), 0, reinterpret_cast<LPARAM>(pPost)))
        return TRUE;
    DWORD dwError = GetLastError();
    if (Claim(pPost)) {
        pfnFree(lParam);
        delete pPost;
    }
    SetLastError(dwError);
    return FALSE;
}
