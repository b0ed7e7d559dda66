// orvik-view's event mode: runs a script of input commands against a skinned window.
#pragma once

#include <string>

#include "platform/user.h"
#include "tools/view/ViewOptions.h"

namespace orvikview {

typedef bool (*SavePictureFn)(HWND hWnd, const std::string& strPath);

// Exit code: 0 when the script ran (or the window closed), 2 on an error,
// which goes to standard error as one line.
int RunEventView(const ViewOptions& options, SavePictureFn pfnSave);

}  // namespace orvikview
