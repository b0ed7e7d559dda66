// The program module, its file name and the temporary folder.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/kernel.h"

struct HINSTANCE__ {
    int m_nUnused;
};

namespace {

HINSTANCE__ g_programModule{0};

// Copies text into a caller buffer with the truncation rule of the module
// and path functions: nSize - 1 characters and a terminator.
DWORD CopyTruncated(const std::string& text, LPSTR buffer, DWORD nSize) {
    if (nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (text.size() < nSize) {
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return DWORD(text.size());
    }
    std::memcpy(buffer, text.data(), nSize - 1);
    buffer[nSize - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
}

std::string ProgramPathUtf8() {
    std::string path(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0)
        return std::string();
    path.resize(size_t(n));
    return path;
}

}  // namespace

HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName != nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    return &g_programModule;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    if (hModule != nullptr && hModule != &g_programModule) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    static const std::string path = platform::Utf8ToAnsi(ProgramPathUtf8().c_str());
    return CopyTruncated(path, lpFilename, nSize);
}

DWORD GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer) {
    const char* env = std::getenv("TMPDIR");
    std::string path = (env && *env) ? platform::Utf8ToAnsi(env) : std::string("/tmp/");
    if (path.back() != '/')
        path += '/';
    if (path.size() + 1 > nBufferLength || lpBuffer == nullptr)
        return DWORD(path.size() + 1);
    std::memcpy(lpBuffer, path.c_str(), path.size() + 1);
    return DWORD(path.size());
}
