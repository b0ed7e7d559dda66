// Window manager on Windows: the real API and common controls, window text
// and message boxes in code page 936, and the owning post.
#pragma once

#include "platform/win/gdi_win.h"
#include "platform/win/kernel_win.h"
#include "platform/win/windows_api.h"

#include <commctrl.h>

#define SetWindowTextA LumoraSetWindowTextA
#define GetWindowTextA LumoraGetWindowTextA
#define MessageBoxA LumoraMessageBoxA
#define DefWindowProcA LumoraDefWindowProcA

BOOL LumoraSetWindowTextA(HWND hWnd, LPCSTR lpString);
int LumoraGetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
int LumoraMessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
// As DefWindowProcA; the window's text is taken and given in code page 936.
LRESULT WINAPI LumoraDefWindowProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

namespace platform {

// Posts like PostMessageA and hands lParam's ownership to the queue: pfnFree
// releases it when the message is never dispatched (the window is gone when
// posting, or is destroyed before the message is read). After dispatch the
// receiver owns it.
BOOL PostMessageOwning(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, void (*pfnFree)(LPARAM));

}  // namespace platform
