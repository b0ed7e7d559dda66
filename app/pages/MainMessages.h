// The launcher's own window messages: posted by worker jobs, handled by the window and pages.
#pragma once

#include "platform/user.h"

#define WM_GETPTLINE_DONE (WM_USER + 1000)
#define WM_GETQRCODE_DONE (WM_USER + 1001)
#define WM_PTLINETEST_DONE (WM_USER + 1002)
