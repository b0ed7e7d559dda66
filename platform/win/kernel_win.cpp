// Paths, access checks and the trace's output on Windows, in code page 936.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win/kernel_win.h"

namespace {

// Copies text into a caller's buffer as the A functions do: the length
// without terminator, or the size needed with it when the buffer is short.
DWORD CopyOut(const std::string& text, LPSTR lpBuffer, DWORD nSize) {
    if (lpBuffer == nullptr || text.size() + 1 > nSize)
        return static_cast<DWORD>(text.size() + 1);
    std::memcpy(lpBuffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

}  // namespace

DWORD LumoraGetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    wchar_t szPath[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(hModule, szPath, MAX_PATH * 4);
    if (n == 0 || nSize == 0)
        return 0;
    std::string path = platform::WideToAnsi(szPath, static_cast<int>(n));
    if (path.size() + 1 > nSize) {
        // Truncated like the original: nSize - 1 bytes, terminated.
        std::memcpy(lpFilename, path.c_str(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

DWORD LumoraGetTempPathA(DWORD nBufferLength, LPSTR lpBuffer) {
    wchar_t szPath[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, szPath);
    if (n == 0 || n > MAX_PATH)
        return 0;
    return CopyOut(platform::WideToAnsi(szPath, static_cast<int>(n)), lpBuffer, nBufferLength);
}

void LumoraOutputDebugStringA(LPCSTR lpOutputString) {
    if (lpOutputString == nullptr)
        return;
    std::wstring wide = platform::AnsiToWide(lpOutputString);
    OutputDebugStringW(wide.c_str());
    std::string utf8 = platform::AnsiToUtf8(lpOutputString);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

int LumoraAccess(const char* pstrPath, int nMode) {
    if (pstrPath == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return _waccess(platform::AnsiToWide(pstrPath).c_str(), nMode);
}

DWORD LumoraGetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle) {
    return GetFileVersionInfoSizeW(platform::AnsiToWide(lptstrFilename).c_str(), lpdwHandle);
}

BOOL LumoraGetFileVersionInfoA(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData) {
    return GetFileVersionInfoW(platform::AnsiToWide(lptstrFilename).c_str(), dwHandle, dwLen,
                               lpData);
}
