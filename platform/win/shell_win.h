// Shell services on Windows: only http and https addresses are opened.
#pragma once

#include "platform/win/windows_api.h"

#include <shellapi.h>

#define ShellExecuteA LumoraShellExecuteA

// Opens an http or https URL (scheme letters in any case) with the user's
// browser; the verb is null or "open". Anything else is refused and traced
// (SE_ERR_NOASSOC).
HINSTANCE LumoraShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                              LPCSTR lpDirectory, INT nShowCmd);
