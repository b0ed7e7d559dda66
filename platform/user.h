// Window manager core: window classes and procedures, per-thread message queues, timers,
// window geometry, painting and layered windows.
#pragma once

#ifdef _WIN32
// The real API, with the project's own extras.
#include "platform/win/user_win.h"
#else

#include "platform/gdi.h"
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
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETCURSOR 0x0020
#define WM_MOUSEACTIVATE 0x0021
#define WM_GETMINMAXINFO 0x0024
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NOTIFY 0x004E
#define WM_CONTEXTMENU 0x007B
#define WM_STYLECHANGING 0x007C
#define WM_STYLECHANGED 0x007D
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCCALCSIZE 0x0083
#define WM_NCHITTEST 0x0084
#define WM_NCPAINT 0x0085
#define WM_NCACTIVATE 0x0086
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORSTATIC 0x0138
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_RBUTTONDBLCLK 0x0206
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MBUTTONDBLCLK 0x0209
#define WM_MOUSEWHEEL 0x020A
#define WM_CAPTURECHANGED 0x0215
#define WM_ENTERSIZEMOVE 0x0231
#define WM_EXITSIZEMOVE 0x0232
#define WM_MOUSEHOVER 0x02A1
#define WM_MOUSELEAVE 0x02A3
#define WM_PRINT 0x0317
#define WM_PRINTCLIENT 0x0318
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
#define WS_MINIMIZE 0x20000000L
#define WS_DISABLED 0x08000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_LAYERED 0x00080000L
#define WS_EX_NOACTIVATE 0x08000000L
#define CW_USEDEFAULT ((int)0x80000000)

// --- class styles ----------------------------------------------------------------
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008

// --- ShowWindow ------------------------------------------------------------------
#ifndef SW_SHOWMINIMIZED
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#endif

// --- SetWindowPos ----------------------------------------------------------------
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOCOPYBITS 0x0100
#define SWP_NOOWNERZORDER 0x0200
#define SWP_NOSENDCHANGING 0x0400
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)

// --- WM_SIZE -----------------------------------------------------------------------
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// --- WM_ACTIVATE -------------------------------------------------------------------
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

// --- WM_SYSCOMMAND -----------------------------------------------------------------
#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

// --- mouse key flags ---------------------------------------------------------------
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010
#define WHEEL_DELTA 120

// --- virtual keys --------------------------------------------------------------------
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_MBUTTON 0x04
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F12 0x7B

// --- TrackMouseEvent -------------------------------------------------------------------
#define TME_HOVER 0x00000001
#define TME_LEAVE 0x00000002
#define TME_CANCEL 0x80000000
#define HOVER_DEFAULT 0xFFFFFFFF

struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};
typedef TRACKMOUSEEVENT* LPTRACKMOUSEEVENT;

// --- hit-test codes ----------------------------------------------------------------
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2
#define HTSYSMENU 3
#define HTMINBUTTON 8
#define HTMAXBUTTON 9
#define HTLEFT 10
#define HTRIGHT 11
#define HTTOP 12
#define HTTOPLEFT 13
#define HTTOPRIGHT 14
#define HTBOTTOM 15
#define HTBOTTOMLEFT 16
#define HTBOTTOMRIGHT 17
#define HTBORDER 18
#define HTCLOSE 20

// --- WM_MOUSEACTIVATE answers --------------------------------------------------------
#define MA_ACTIVATE 1
#define MA_ACTIVATEANDEAT 2
#define MA_NOACTIVATE 3
#define MA_NOACTIVATEANDEAT 4

// --- painting ------------------------------------------------------------------------
#define PRF_CHECKVISIBLE 0x00000001
#define PRF_NONCLIENT 0x00000002
#define PRF_CLIENT 0x00000004
#define PRF_ERASEBKGND 0x00000008
#define PRF_CHILDREN 0x00000010
#define COLOR_WINDOW 5

// --- layered windows -------------------------------------------------------------------
#define LWA_COLORKEY 0x00000001
#define LWA_ALPHA 0x00000002
#define ULW_COLORKEY 0x00000001
#define ULW_ALPHA 0x00000002
#define ULW_OPAQUE 0x00000004

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

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

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
// A queue hands out, among the messages the filter accepts: posted messages
// in posting order, then WM_QUIT (once no posted message waits), then input
// made from native events in arrival order, then WM_PAINT for a window with
// something to repaint, then the earliest due WM_TIMER.
//
// Returns 0 for WM_QUIT, -1 for an invalid filter window, else nonzero.
// Sleeps until a message is posted, input or a paint request arrives or the
// next timer is due. Native events are read only on the thread that owns the
// backend's connection; PeekMessageA reads them there as GetMessageA does.
BOOL GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
// A WM_KEYDOWN (WM_SYSKEYDOWN) that typed text posts WM_CHAR (WM_SYSCHAR),
// one per byte of the code page 936 text; TRUE when it did.
BOOL TranslateMessage(const MSG* lpMsg);
LRESULT DispatchMessageA(const MSG* lpMsg);
void PostQuitMessage(int nExitCode);

// --- timers ----------------------------------------------------------------------------
// Timers belong to the thread that owns the window; WM_TIMER is made when a
// timer is due and no posted message waits, earliest due first. A null window
// gets a fresh id for the calling thread.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

// --- geometry and visibility ---------------------------------------------------------
// Windows have no frame of their own: the client area covers the whole
// window, so GetClientRect is (0, 0, width, height). A child's position is
// relative to its parent's client area; GetWindowRect is always on the screen.
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
// Sends WM_WINDOWPOSCHANGING (the procedure may change the WINDOWPOS), then
// after the change WM_WINDOWPOSCHANGED, WM_MOVE (client position) when it
// moved and WM_SIZE (SIZE_RESTORED, width and height) when it was resized;
// SWP_SHOWWINDOW and SWP_HIDEWINDOW send WM_SHOWWINDOW first. Growing
// invalidates the new area (all of it with CS_HREDRAW/CS_VREDRAW).
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
// Returns whether the window was visible before. Showing sends WM_SHOWWINDOW
// and invalidates the whole window.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
// Visible when it and every ancestor have WS_VISIBLE.
BOOL IsWindowVisible(HWND hWnd);
BOOL IsIconic(HWND hWnd);
BOOL IsZoomed(HWND hWnd);
BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);

// The window takes ownership of hRgn (window coordinates; null removes the
// shape): pixels outside it are not shown and input there passes through.
int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw);
// Copies the shape into hRgn; ERROR when the window has none.
int GetWindowRgn(HWND hWnd, HRGN hRgn);

// --- input state -----------------------------------------------------------------------
// Pointer messages go to the window under the pointer, or to the capture
// window; key messages to the focus window. A disabled window (or one with a
// disabled ancestor) gets no input. The state is one for the process: the
// launcher has one user-interface thread.
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();
// Sends WM_KILLFOCUS to the old and WM_SETFOCUS to the new focus window,
// activating the new one's top-level window first (WM_ACTIVATE).
HWND SetFocus(HWND hWnd);
HWND GetFocus();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hWnd);
BOOL SetForegroundWindow(HWND hWnd);
// Returns whether the window was disabled before; sends WM_ENABLE on a change.
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);
// High bit: down; low bit (GetKeyState): toggled. GetKeyState reads the keys as
// of the last input message the calling thread retrieved (GetMessageA, or
// PeekMessageA with PM_REMOVE); GetAsyncKeyState reads the state as the latest
// native event left it.
short GetKeyState(int nVirtKey);
short GetAsyncKeyState(int vKey);
BOOL GetCursorPos(LPPOINT lpPoint);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
// Hover is reported after the pointer rests dwHoverTime ms inside the window
// (HOVER_DEFAULT: 400 ms); leave when it leaves or another window captures.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);

// --- cursors ---------------------------------------------------------------------------
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_SIZENWSE MAKEINTRESOURCEA(32642)
#define IDC_SIZENESW MAKEINTRESOURCEA(32643)
#define IDC_SIZEWE MAKEINTRESOURCEA(32644)
#define IDC_SIZENS MAKEINTRESOURCEA(32645)
#define IDC_SIZEALL MAKEINTRESOURCEA(32646)
#define IDC_HAND MAKEINTRESOURCEA(32649)

// Only the standard cursors (hInstance null and an IDC_* name) exist; the
// same name always gives the same handle, which needs no freeing.
HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
// Shows the cursor over the window under the pointer (or the capture
// window); returns the previous one. DefWindowProcA's WM_SETCURSOR sets the
// class cursor over the client area and the sizing cursors over borders.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();

// --- monitors and work area ---------------------------------------------------------------
struct HMONITOR__;
typedef HMONITOR__* HMONITOR;
#define MONITOR_DEFAULTTONULL 0x00000000
#define MONITOR_DEFAULTTOPRIMARY 0x00000001
#define MONITOR_DEFAULTTONEAREST 0x00000002
#define MONITORINFOF_PRIMARY 0x00000001
#define SPI_GETWORKAREA 0x0030

struct MONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
};
typedef MONITORINFO* LPMONITORINFO;

// The monitor that holds most of the window (by its centre), or per dwFlags
// when none does.
HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags);
HMONITOR MonitorFromPoint(POINT pt, DWORD dwFlags);
BOOL GetMonitorInfoA(HMONITOR hMonitor, LPMONITORINFO lpmi);
// Only SPI_GETWORKAREA: the primary monitor's work area into pvParam (a RECT).
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);

// --- properties and relations -------------------------------------------------------------
// Property names compare without regard to ASCII letter case.
BOOL SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData);
HANDLE GetPropA(HWND hWnd, LPCSTR lpString);
HANDLE RemovePropA(HWND hWnd, LPCSTR lpString);
// Top-level windows of a thread, in creation order, until the callback
// returns FALSE. FALSE when the thread has none or the callback stopped.
typedef BOOL(CALLBACK* WNDENUMPROC)(HWND, LPARAM);
BOOL EnumThreadWindows(DWORD dwThreadId, WNDENUMPROC lpfn, LPARAM lParam);
// The window's class name, cut to nMaxCount - 1 bytes; its length, 0 for a bad window.
int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount);
#define GW_OWNER 4
#define GW_CHILD 5
// GW_OWNER: the owner of a top-level window; GW_CHILD: the first child.
HWND GetWindow(HWND hWnd, UINT uCmd);

// --- painting ------------------------------------------------------------------------
// Each window keeps its pixels (client size, 32-bit premultiplied BGRA) in
// the core; what is drawn there reaches the screen when EndPaint, ReleaseDC
// or UpdateLayeredWindow presents it.
//
// The update region grows with InvalidateRect (null: the whole client area)
// and shrinks with ValidateRect; while it is not empty and the window is
// visible, the queue hands out WM_PAINT when no posted message, quit or input
// waits, ahead of timers. DefWindowProcA answers WM_PAINT with
// BeginPaint/EndPaint, so an unhandled paint does not repeat.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL ValidateRect(HWND hWnd, const RECT* lpRect);
// The bounding box of the update region; FALSE (and an empty rectangle) when
// there is nothing to repaint.
BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
BOOL UpdateWindow(HWND hWnd);
// A DC on the window's pixels clipped to the update region, whose box is
// rcPaint; sends WM_ERASEBKGND first when an invalidation asked for erasing.
// The update region is empty afterwards.
HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
// Presents rcPaint and frees the DC.
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
// A DC on the window's whole client area; it follows size changes.
HDC GetDC(HWND hWnd);
// Presents the client area (unless the window shows UpdateLayeredWindow
// content) and frees the DC; 1 on success.
int ReleaseDC(HWND hWnd, HDC hDC);

// --- layered windows -------------------------------------------------------------------
// For WS_EX_LAYERED windows. The window's image becomes psize pixels of
// hdcSrc from pptSrc, premultiplied per-pixel alpha with ULW_ALPHA and
// pblend's AC_SRC_ALPHA, times the constant alpha; pptDst and psize move and
// resize the window first. Later paints of the window are not presented
// until the layered style is removed.
BOOL UpdateLayeredWindow(HWND hWnd, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc,
                         POINT* pptSrc, COLORREF crKey, BLENDFUNCTION* pblend, DWORD dwFlags);
// LWA_ALPHA: the window's painted pixels shown with constant alpha bAlpha.
// The colour key is not supported (FALSE, ERROR_NOT_SUPPORTED).
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);

// --- tooltip popup -----------------------------------------------------------------------
// The class exists from the start; InitCommonControlsEx only reports success.
#define TOOLTIPS_CLASSA "tooltips_class32"
#define TTS_ALWAYSTIP 0x01
#define TTS_NOPREFIX 0x02
#define TTF_IDISHWND 0x0001
#define TTF_CENTERTIP 0x0002
#define TTF_SUBCLASS 0x0010
#define TTF_TRACK 0x0020
#define TTF_ABSOLUTE 0x0080
#define TTF_TRANSPARENT 0x0100
#define TTDT_AUTOMATIC 0
#define TTDT_RESHOW 1
#define TTDT_AUTOPOP 2
#define TTDT_INITIAL 3
#define TTM_ACTIVATE (WM_USER + 1)
#define TTM_SETDELAYTIME (WM_USER + 3)
#define TTM_ADDTOOLA (WM_USER + 4)
#define TTM_DELTOOLA (WM_USER + 5)
#define TTM_NEWTOOLRECTA (WM_USER + 6)
#define TTM_SETTOOLINFOA (WM_USER + 9)
#define TTM_UPDATETIPTEXTA (WM_USER + 12)
#define TTM_GETTOOLCOUNT (WM_USER + 13)
#define TTM_TRACKACTIVATE (WM_USER + 17)
#define TTM_TRACKPOSITION (WM_USER + 18)
#define TTM_GETDELAYTIME (WM_USER + 21)
#define TTM_SETMAXTIPWIDTH (WM_USER + 24)
#define TTM_GETMAXTIPWIDTH (WM_USER + 25)
#define TTM_POP (WM_USER + 28)
#define TTM_ADDTOOL TTM_ADDTOOLA
#define TTM_DELTOOL TTM_DELTOOLA
#define TTM_NEWTOOLRECT TTM_NEWTOOLRECTA
#define TTM_SETTOOLINFO TTM_SETTOOLINFOA
#define TTM_UPDATETIPTEXT TTM_UPDATETIPTEXTA
#define ICC_WIN95_CLASSES 0x000000FF

struct TOOLINFOA {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;  // copied by the tooltip
    LPARAM lParam;
    void* lpReserved;
};
typedef TOOLINFOA* LPTOOLINFOA;

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);

// A tooltip (TOOLTIPS_CLASSA) is a top-most, click-through popup drawing the
// tool's text in the default GUI font. TTM_TRACKACTIVATE shows the tool at
// the TTM_TRACKPOSITION point (screen), or below the pointer when none was
// given, kept inside the work area; FALSE, TTM_POP or TTM_ACTIVATE(FALSE)
// hide it. A positive TTM_SETMAXTIPWIDTH wraps the text at that width.

// --- message box -------------------------------------------------------------------------
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ICONHAND 0x00000010L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONWARNING 0x00000030L
#define MB_ICONINFORMATION 0x00000040L
#define IDOK 1
#define IDCANCEL 2

// Shows the text with the caption (both code page 936; null shows nothing
// for that part) through the display backend and returns the button chosen.
// The headless backend writes "caption: text" and a newline to standard
// error in UTF-8 and answers IDOK.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

namespace platform {

// Posts like PostMessageA and hands lParam's ownership to the queue: pfnFree
// releases it when the message is never dispatched (the window is gone when
// posting, is destroyed before the message is read, or the queue ends).
// After dispatch the receiver owns it.
BOOL PostMessageOwning(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, void (*pfnFree)(LPARAM));

}  // namespace platform

#endif  // _WIN32
