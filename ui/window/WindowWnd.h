// A native window and the object that runs it: class registration, creation, modal run.
#pragma once

#include "platform/user.h"

namespace Orvik {

// The window procedure finds the object through the window's user data (the
// window property "WndX" for superclassed windows). The object outlives its
// native window; OnFinalMessage is the last call for it. A window destroyed
// while one of its own messages is still being handled (a modal loop run from
// a click, say) gets OnFinalMessage only once that outermost message returns,
// so the handlers still on the stack never meet a freed tree or object.
class CWindowWnd {
public:
    CWindowWnd() = default;
    virtual ~CWindowWnd() = default;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    bool RegisterWindowClass();
    bool RegisterSuperclass();
    HWND Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle,
                int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT,
                int cy = CW_USEDEFAULT, HMENU hMenu = nullptr);
    HWND Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle,
                const RECT& rc, HMENU hMenu = nullptr);
    // Takes over an existing window's messages; Unsubclass gives them back.
    HWND Subclass(HWND hWnd);
    void Unsubclass();
    void Show(bool bShow = true, bool bTakeFocus = true);
    // Runs until the window is gone; the code given to Close, else 0.
    UINT ShowModal();
    void Close(UINT nRet = 1);
    void CenterWindow();
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual const char* WindowClassName() const = 0;
    virtual const char* SuperClassName() const { return nullptr; }
    virtual UINT ClassStyle() const { return 0; }
    virtual LRESULT ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND) {}

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    WNDPROC m_OldWndProc = ::DefWindowProcA;
    bool m_bSubclassed = false;

private:
    // The final message: the previous procedure first, then the object lets go.
    static LRESULT FinalMessage(CWindowWnd* pThis, HWND hWnd, UINT uMsg, WPARAM wParam,
                                LPARAM lParam);
    // One message to the object, counted, with a final message that waited for it.
    static LRESULT Dispatch(CWindowWnd* pThis, UINT uMsg, WPARAM wParam, LPARAM lParam);

    // Messages of this object now on the stack.
    int m_nMessageDepth = 0;
    // The destroyed window whose final message waits for the stack to unwind.
    HWND m_hWndFinalPending = nullptr;
};

}  // namespace Orvik
