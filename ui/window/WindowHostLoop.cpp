// Window host: the process-wide message loop and the pre-dispatch pass of every host.
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

CWindowHostUI* LiveHostAt(int i) {
    return static_cast<CWindowHostUI*>(SharedHostState().m_aLiveHosts[i]);
}

// A child window's message: every host whose window is the message's window
// or one of its ancestors gets its accelerators and keyboard pass.
bool PreTranslateChildMessage(const LPMSG pMsg) {
    CUIPtrArray& live = SharedHostState().m_aLiveHosts;
    for (int i = live.GetSize() - 1; i >= 0; --i) {
        if (i >= live.GetSize())
            continue;  // a host went away during the pass
        CWindowHostUI* pHost = LiveHostAt(i);
        for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
            if (pHost->GetHWND() != hWnd)
                continue;
            if (pHost->TranslateAccel(pMsg))
                return true;
            pHost->TranslateMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
            break;
        }
    }
    return false;
}

}  // namespace

bool CWindowHostUI::PreTranslateMessage(const LPMSG pMsg) {
    if (pMsg->hwnd == nullptr)
        return false;
    LONG_PTR lStyle = ::GetWindowLongPtrA(pMsg->hwnd, GWL_STYLE);
    if ((lStyle & WS_CHILD) != 0)
        return PreTranslateChildMessage(pMsg);
    CUIPtrArray& live = SharedHostState().m_aLiveHosts;
    for (int i = 0; i < live.GetSize(); ++i) {
        CWindowHostUI* pHost = LiveHostAt(i);
        if (pHost->GetHWND() != pMsg->hwnd)
            continue;
        if (pHost->TranslateAccel(pMsg))
            return true;
        return pHost->TranslateMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
    }
    return false;
}

void CWindowHostUI::MessageLoop() {
    MSG msg = {};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace Orvik
