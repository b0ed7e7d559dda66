// Window titles and message boxes in code page 936 through the wide functions.
#include <cstring>
#include <string>

#include "platform/win/user_win.h"

BOOL LumoraSetWindowTextA(HWND hWnd, LPCSTR lpString) {
    return SetWindowTextW(hWnd, platform::AnsiToWide(lpString != nullptr ? lpString : "").c_str());
}

int LumoraGetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0)
        return 0;
    int nWide = GetWindowTextLengthW(hWnd);
    std::wstring wide(static_cast<size_t>(nWide) + 1, L'\0');
    nWide = GetWindowTextW(hWnd, wide.data(), nWide + 1);
    std::string text = platform::WideToAnsi(wide.c_str(), nWide);
    // Cut at a character boundary, as the system would.
    size_t n = 0;
    while (n < text.size()) {
        size_t step = static_cast<size_t>(CharNextA(text.c_str() + n) - (text.c_str() + n));
        if (n + step > static_cast<size_t>(nMaxCount - 1))
            break;
        n += step;
    }
    std::memcpy(lpString, text.c_str(), n);
    lpString[n] = '\0';
    return static_cast<int>(n);
}

int LumoraMessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::wstring text = platform::AnsiToWide(lpText != nullptr ? lpText : "");
    std::wstring caption = platform::AnsiToWide(lpCaption != nullptr ? lpCaption : "");
    return MessageBoxW(hWnd, text.c_str(), lpCaption != nullptr ? caption.c_str() : nullptr, uType);
}
