// The launcher's own window messages, posted by its worker jobs and by the main window itself.
#pragma once

#include "platform/user.h"

#define WM_GETPTLINE_DONE (WM_USER + 1000)
#define WM_GETQRCODE_DONE (WM_USER + 1001)
#define WM_PTLINETEST_DONE (WM_USER + 1002)
// The main window to itself: the line page is due an update for the results handled so far.
#define WM_PTLINE_PAGE_DUE (WM_USER + 1003)
