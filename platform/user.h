// Window manager core: window classes and procedures, per-thread message queues, timers.
#pragma once

#include "platform/win32_types.h"

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);
typedef WORD ATOM;

// --- window messages ----------------------------------------------------------
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_USER 0x0400
#define WM_APP 0x8000

// --- PeekMessage -----------------------------------------------------------------
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

// --- window longs ----------------------------------------------------------------
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)

// --- window styles -----------------------------------------------------------------
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_EX_WINDOWEDGE 0x00000100L
#define CW_USEDEFAULT ((int)0x80000000)

// --- errors of this core -------------------------------------------------------------
#ifndef ERROR_ACCESS_DENIED
#define ERROR_ACCESS_DENIED 5L
#endif
#ifndef ERROR_NOT_ENOUGH_MEMORY
#define ERROR_NOT_ENOUGH_MEMORY 8L
#endif
#ifndef ERROR_NOT_SUPPORTED
#define ERROR_NOT_SUPPORTED 50L
#endif
#ifndef ERROR_INVALID_WINDOW_HANDLE
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#endif
#ifndef ERROR_CLASS_ALREADY_EXISTS
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#endif
#ifndef ERROR_CLASS_DOES_NOT_EXIST
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#endif

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};
typedef CREATESTRUCTA* LPCREATESTRUCTA;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

// --- classes ---------------------------------------------------------------------------
// Class names compare without regard to ASCII letter case. Returns 0 and sets
// ERROR_CLASS_ALREADY_EXISTS for a name already registered.
ATOM RegisterClassExA(const WNDCLASSEXA* lpwcx);
BOOL GetClassInfoExA(HINSTANCE hInstance, LPCSTR lpszClass, WNDCLASSEXA* lpwcx);

// --- windows ---------------------------------------------------------------------------
// Sends WM_NCCREATE and WM_CREATE with a CREATESTRUCTA before returning; the
// window belongs to the calling thread, whose queue receives its messages.
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam);
// Sends WM_DESTROY, destroys the children, sends WM_NCDESTROY; then the handle
// is dead, its timers are gone and messages still queued for it are dropped.
// Only the owning thread may destroy a window.
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
HWND GetParent(HWND hWnd);
LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// --- messages --------------------------------------------------------------------------
// Queues the message for the window's owning thread and wakes it at once.
// Fails (FALSE, ERROR_INVALID_WINDOW_HANDLE) when the window does not exist.
// A null window posts to the calling thread.
BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Calls the window procedure directly. Only the owning thread may send; a send
// from another thread returns 0 with ERROR_NOT_SUPPORTED.
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Returns 0 for WM_QUIT, -1 for an invalid filter window, else nonzero. Sleeps
// until a message is posted or the next timer is due.
BOOL GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
// Key messages become character messages once keyboard input exists; until
// then nothing is translated.
BOOL TranslateMessage(const MSG* lpMsg);
LRESULT DispatchMessageA(const MSG* lpMsg);
void PostQuitMessage(int nExitCode);

// --- timers ----------------------------------------------------------------------------
// Timers belong to the thread that owns the window; WM_TIMER is made when a
// timer is due and no posted message waits, earliest due first. A null window
// gets a fresh id for the calling thread.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

namespace platform {

// Posts like PostMessageA and hands lParam's ownership to the queue: pfnFree
// releases it when the message is never dispatched (the window is gone when
// posting, is destroyed before the message is read, or the queue ends).
// After dispatch the receiver owns it.
BOOL PostMessageOwning(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, void (*pfnFree)(LPARAM));

}  // namespace platform
