// A window procedure that hands every message to the host in the window's user data; the host dies
// with the window.
#pragma once

#include "platform/user.h"
#include "ui/window/WindowHostUI.h"

namespace testsupport {

inline LRESULT CALLBACK OwningHostProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pHost = reinterpret_cast<Orvik::CWindowHostUI*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    LRESULT lRes = 0;
    if (pHost != nullptr && pHost->MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    if (uMsg == WM_NCDESTROY && pHost != nullptr) {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        delete pHost;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

}  // namespace testsupport
