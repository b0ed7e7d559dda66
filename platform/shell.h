// Shell services: opening a web address in the user's browser.
#pragma once

#ifdef _WIN32
// The real API, with the project's own extras.
#include "platform/win/shell_win.h"
#else

#include "platform/win32_types.h"

// Results at or below 32 are failures, as the shell reports them.
#define SE_ERR_FNF 2
#define SE_ERR_OOM 8
#define SE_ERR_NOASSOC 31

// Opens an http or https URL (scheme letters in any case) with the desktop's
// opener; the verb is null or "open". The opener runs as its own detached
// process with the URL as its one argument, never through a shell. Anything
// else is refused and traced. Returns a value above 32 once the opener has
// started; SE_ERR_FNF when it cannot be started, SE_ERR_NOASSOC for a
// refused file or verb. Parameters, directory and show flag are ignored.
HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                        LPCSTR lpDirectory, INT nShowCmd);

#endif  // _WIN32
