// The real Windows API for the Windows build: <windows.h> without min/max and
// without the generic names that would rename the framework's own members.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// Generic (A/W) names the program never calls, but uses for its own members.
#undef AddJob
#undef DrawState
#undef GetObject
#undef LoadImage
#undef MessageBox
#undef PostMessage
#undef SendMessage
#undef GetCurrentTime
#undef Yield

// The program's narrow text is code page 936 whatever the system's is: the
// conversions it asks for with CP_ACP mean that page.
#undef CP_ACP
#define CP_ACP 936
#define CP_GBK 936

// From <windowsx.h>, which is kept out for its many generic macros.
#ifndef GET_X_LPARAM
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#endif
