// Native window wrapper: classes, the two window procedures, show, close and centring.
#include "ui/window/WindowWnd.h"

#include "platform/kernel.h"

namespace Orvik {

namespace {

constexpr const char* WINDOW_OBJECT_PROP = "WndX";

HINSTANCE ProgramModule() {
    return ::GetModuleHandleA(nullptr);
}

bool RegisteredOrExisting(ATOM atom) {
    return atom != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool CWindowWnd::RegisterWindowClass() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = ClassStyle();
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ProgramModule();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = WindowClassName();
    return RegisteredOrExisting(::RegisterClassExA(&wc));
}

bool CWindowWnd::RegisterSuperclass() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExA(nullptr, SuperClassName(), &wc) &&
        !::GetClassInfoExA(ProgramModule(), SuperClassName(), &wc))
        return false;
    m_OldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = ProgramModule();
    wc.lpszClassName = WindowClassName();
    return RegisteredOrExisting(::RegisterClassExA(&wc));
}

HWND CWindowWnd::Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle,
                        const RECT& rc, HMENU hMenu) {
    return Create(hwndParent, pstrName, dwStyle, dwExStyle, rc.left, rc.top, rc.right - rc.left,
                  rc.bottom - rc.top, hMenu);
}

HWND CWindowWnd::Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle,
                        int x, int y, int cx, int cy, HMENU hMenu) {
    bool bRegistered = SuperClassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
    if (!bRegistered)
        return nullptr;
    m_hWnd = ::CreateWindowExA(dwExStyle, WindowClassName(), pstrName, dwStyle, x, y, cx, cy,
                               hwndParent, hMenu, ProgramModule(), this);
    return m_hWnd;
}

HWND CWindowWnd::Subclass(HWND hWnd) {
    if (!::IsWindow(hWnd))
        return nullptr;
    m_OldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    if (m_OldWndProc == nullptr)
        return nullptr;
    m_bSubclassed = true;
    m_hWnd = hWnd;
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return m_hWnd;
}

void CWindowWnd::Unsubclass() {
    if (!::IsWindow(m_hWnd) || !m_bSubclassed)
        return;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    m_OldWndProc = ::DefWindowProcA;
    m_bSubclassed = false;
}

void CWindowWnd::Show(bool bShow, bool bTakeFocus) {
    if (!::IsWindow(m_hWnd))
        return;
    ::ShowWindow(m_hWnd, !bShow ? SW_HIDE : bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
}

void CWindowWnd::Close(UINT nRet) {
    if (!::IsWindow(m_hWnd))
        return;
    ::PostMessageA(m_hWnd, WM_CLOSE, nRet, 0);
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::FinalMessage(CWindowWnd* pThis, HWND hWnd, UINT uMsg, WPARAM wParam,
                                 LPARAM lParam) {
    LRESULT lRes = ::CallWindowProcA(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
    if (pThis->m_bSubclassed)
        pThis->Unsubclass();
    pThis->m_hWnd = nullptr;
    if (pThis->m_nMessageDepth > 0)
        pThis->m_hWndFinalPending = hWnd;
    else
        pThis->OnFinalMessage(hWnd);  // may delete the object
    return lRes;
}

LRESULT CWindowWnd::Dispatch(CWindowWnd* pThis, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    ++pThis->m_nMessageDepth;
    LRESULT lRes = pThis->ProcessWindowMessage(uMsg, wParam, lParam);
    if (--pThis->m_nMessageDepth == 0 && pThis->m_hWndFinalPending != nullptr) {
        HWND hWnd = pThis->m_hWndFinalPending;
        pThis->m_hWndFinalPending = nullptr;
        pThis->OnFinalMessage(hWnd);  // may delete the object
    }
    return lRes;
}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE) {
        auto* pCreate = reinterpret_cast<LPCREATESTRUCTA>(lParam);
        pThis = static_cast<CWindowWnd*>(pCreate->lpCreateParams);
        if (pThis != nullptr) {
            pThis->m_hWnd = hWnd;
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
        }
    } else {
        pThis = reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (uMsg == WM_NCDESTROY && pThis != nullptr) {
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
            return FinalMessage(pThis, hWnd, uMsg, wParam, lParam);
        }
    }
    if (pThis == nullptr)
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    return Dispatch(pThis, uMsg, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE) {
        auto* pCreate = reinterpret_cast<LPCREATESTRUCTA>(lParam);
        pThis = static_cast<CWindowWnd*>(pCreate->lpCreateParams);
        if (pThis != nullptr) {
            pThis->m_hWnd = hWnd;
            ::SetPropA(hWnd, WINDOW_OBJECT_PROP, pThis);
        }
    } else {
        pThis = static_cast<CWindowWnd*>(::GetPropA(hWnd, WINDOW_OBJECT_PROP));
        if (uMsg == WM_NCDESTROY && pThis != nullptr) {
            ::RemovePropA(hWnd, WINDOW_OBJECT_PROP);
            return FinalMessage(pThis, hWnd, uMsg, wParam, lParam);
        }
    }
    if (pThis == nullptr)
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    return Dispatch(pThis, uMsg, wParam, lParam);
}

}  // namespace Orvik
