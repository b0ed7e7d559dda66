// Window titles and message boxes in code page 936 whatever the system's code page is.
//
// The program's windows have narrow window procedures: narrow text reaches
// them unchanged, and their default procedure keeps it as UTF-16 read as 936.
// The system's own windows (wide procedures) are handed UTF-16 directly.
#include <cstring>
#include <string>

#include "platform/win/user_win.h"

#undef DefWindowProcA
#undef GetWindowTextA
#undef SetWindowTextA

namespace {

// Copies text into a narrow buffer of nSize bytes, cut at a character boundary.
int CopyText(const std::string& text, LPSTR lpBuffer, size_t nSize) {
    if (lpBuffer == nullptr || nSize == 0)
        return 0;
    size_t n = platform::CharBoundaryPrefix(text, nSize - 1);
    std::memcpy(lpBuffer, text.data(), n);
    lpBuffer[n] = '\0';
    return static_cast<int>(n);
}

// The window's own text as the default procedure keeps it, in 936.
std::string StoredText(HWND hWnd) {
    LRESULT nWide = DefWindowProcW(hWnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring wide(static_cast<size_t>(nWide) + 1, L'\0');
    nWide = DefWindowProcW(hWnd, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    return platform::WideToAnsi(wide.c_str(), static_cast<int>(nWide));
}

LRESULT CreateWithWideName(HWND hWnd, WPARAM wParam, const CREATESTRUCTA* pCreate) {
    CREATESTRUCTW create;
    std::memcpy(&create, pCreate, sizeof(create));
    std::wstring name = platform::AnsiToWide(pCreate->lpszName);
    std::wstring klass;
    if (!IS_INTRESOURCE(pCreate->lpszClass)) {
        klass = platform::AnsiToWide(pCreate->lpszClass);
        create.lpszClass = klass.c_str();
    }
    create.lpszName = name.c_str();
    return DefWindowProcW(hWnd, WM_NCCREATE, wParam, reinterpret_cast<LPARAM>(&create));
}

}  // namespace

LRESULT WINAPI LumoraDefWindowProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    switch (uMsg) {
        case WM_NCCREATE:
            if (pCreate != nullptr && pCreate->lpszName != nullptr &&
                !IS_INTRESOURCE(pCreate->lpszName))
                return CreateWithWideName(hWnd, wParam, pCreate);
            break;
        case WM_SETTEXT:
            if (lParam != 0) {
                std::wstring wide = platform::AnsiToWide(reinterpret_cast<LPCSTR>(lParam));
                return DefWindowProcW(hWnd, uMsg, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
            }
            break;
        case WM_GETTEXT:
            return CopyText(StoredText(hWnd), reinterpret_cast<LPSTR>(lParam), wParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(StoredText(hWnd).size());
        default:
            break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

BOOL LumoraSetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (!IsWindowUnicode(hWnd))
        return SetWindowTextA(hWnd, lpString);
    return SetWindowTextW(hWnd, platform::AnsiToWide(lpString != nullptr ? lpString : "").c_str());
}

int LumoraGetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0)
        return 0;
    if (!IsWindowUnicode(hWnd))
        return GetWindowTextA(hWnd, lpString, nMaxCount);
    int nWide = GetWindowTextLengthW(hWnd);
    std::wstring wide(static_cast<size_t>(nWide) + 1, L'\0');
    nWide = GetWindowTextW(hWnd, wide.data(), nWide + 1);
    return CopyText(platform::WideToAnsi(wide.c_str(), nWide), lpString,
                    static_cast<size_t>(nMaxCount));
}

int LumoraMessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::wstring text = platform::AnsiToWide(lpText != nullptr ? lpText : "");
    std::wstring caption = platform::AnsiToWide(lpCaption != nullptr ? lpCaption : "");
    return MessageBoxW(hWnd, text.c_str(), lpCaption != nullptr ? caption.c_str() : nullptr, uType);
}
