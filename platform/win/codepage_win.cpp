// Code page 936 at the program's edges on Windows: conversions and character steps.
#include <string>

#include "platform/win/kernel_win.h"

namespace {

std::wstring ToWide(UINT nCodePage, const char* text, int nLength) {
    if (text == nullptr || nLength == 0)
        return {};
    int nWide = MultiByteToWideChar(nCodePage, 0, text, nLength, nullptr, 0);
    if (nWide <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    MultiByteToWideChar(nCodePage, 0, text, nLength, wide.data(), nWide);
    if (nLength < 0 && !wide.empty())
        wide.pop_back();  // the terminator
    return wide;
}

std::string FromWide(UINT nCodePage, const wchar_t* text, int nLength) {
    if (text == nullptr || nLength == 0)
        return {};
    int nNarrow = WideCharToMultiByte(nCodePage, 0, text, nLength, nullptr, 0, nullptr, nullptr);
    if (nNarrow <= 0)
        return {};
    std::string narrow(static_cast<size_t>(nNarrow), '\0');
    WideCharToMultiByte(nCodePage, 0, text, nLength, narrow.data(), nNarrow, nullptr, nullptr);
    if (nLength < 0 && !narrow.empty())
        narrow.pop_back();
    return narrow;
}

}  // namespace

std::wstring platform::AnsiToWide(const char* text, int nLength) {
    return ToWide(CP_GBK, text, nLength);
}

std::wstring platform::Utf8ToWide(const char* text) {
    return ToWide(CP_UTF8, text, -1);
}

std::string platform::WideToAnsi(const wchar_t* text, int nLength) {
    return FromWide(CP_GBK, text, nLength);
}

std::string platform::AnsiToUtf8(const char* text) {
    std::wstring wide = AnsiToWide(text);
    return FromWide(CP_UTF8, wide.c_str(), static_cast<int>(wide.size()));
}

std::string platform::Utf8ToAnsi(const char* text) {
    std::wstring wide = Utf8ToWide(text);
    return WideToAnsi(wide.c_str(), static_cast<int>(wide.size()));
}

BOOL LumoraIsDBCSLeadByte(BYTE TestChar) {
    return IsDBCSLeadByteEx(CP_GBK, TestChar);
}

// A lead byte followed by a trail byte is one character; a lead byte before
// the terminator is a character of its own.
LPSTR LumoraCharNextA(LPCSTR lpsz) {
    if (*lpsz == '\0')
        return const_cast<LPSTR>(lpsz);
    if (LumoraIsDBCSLeadByte(static_cast<BYTE>(*lpsz)) && lpsz[1] != '\0')
        return const_cast<LPSTR>(lpsz + 2);
    return const_cast<LPSTR>(lpsz + 1);
}

size_t platform::CharBoundaryPrefix(const std::string& text, size_t nMax) {
    size_t n = 0;
    while (n < text.size()) {
        size_t step = static_cast<size_t>(LumoraCharNextA(text.c_str() + n) - (text.c_str() + n));
        if (n + step > nMax)
            break;
        n += step;
    }
    return n;
}
