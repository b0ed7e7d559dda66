// MessageBoxA: the backend shows the message; without dialogs it goes to standard error.
#include <cstdio>
#include <string>

#include "platform/kernel.h"
#include "platform/user.h"
#include "platform/user/backend.h"

namespace platform::user {

int Backend::ShowMessageBox(HWND /*owner*/, const std::string& textUtf8,
                            const std::string& captionUtf8, UINT /*type*/) {
    // One write, so a message is never interleaved with another thread's output.
    std::string line = captionUtf8 + ": " + textUtf8 + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return IDOK;
}

}  // namespace platform::user

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::string text = lpText != nullptr ? platform::AnsiToUtf8(lpText) : std::string();
    std::string caption = lpCaption != nullptr ? platform::AnsiToUtf8(lpCaption) : std::string();
    if (hWnd != nullptr && !IsWindow(hWnd))
        hWnd = nullptr;  // a stale owner must not reach the backend
    return platform::user::ActiveBackend().ShowMessageBox(hWnd, text, caption, uType);
}
