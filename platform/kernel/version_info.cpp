// Version info: the program file carries one version resource whose product
// version is the build setting LUMORA_PRODUCT_VERSION.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/kernel.h"

#ifndef LUMORA_PRODUCT_VERSION
#define LUMORA_PRODUCT_VERSION "1.0.6.0"
#endif

namespace {

constexpr char VERSION_BLOCK_MAGIC[8] = {'V', 'S', '_', 'V', 'E', 'R', '\0', '\0'};

struct VersionBlock {
    char m_szMagic[8];
    VS_FIXEDFILEINFO m_fixed;
};

VS_FIXEDFILEINFO ProgramFixedInfo() {
    unsigned v[4] = {0, 0, 0, 0};
    std::sscanf(LUMORA_PRODUCT_VERSION, "%u.%u.%u.%u", &v[0], &v[1], &v[2], &v[3]);
    VS_FIXEDFILEINFO info{};
    info.dwSignature = VS_FFI_SIGNATURE;
    info.dwStrucVersion = 0x00010000;
    info.dwProductVersionMS = DWORD((v[0] & 0xFFFF) << 16 | (v[1] & 0xFFFF));
    info.dwProductVersionLS = DWORD((v[2] & 0xFFFF) << 16 | (v[3] & 0xFFFF));
    info.dwFileVersionMS = info.dwProductVersionMS;
    info.dwFileVersionLS = info.dwProductVersionLS;
    info.dwFileOS = 0x00040004;  // VOS_NT_WINDOWS32
    info.dwFileType = 1;         // VFT_APP
    return info;
}

// The same file as the program, by identity rather than spelling.
bool IsProgramFile(LPCSTR path) {
    if (path == nullptr || *path == '\0')
        return false;
    char self[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, self, MAX_PATH - 1);
    if (std::strcmp(self, path) == 0)
        return true;
    struct stat a {
    }, b{};
    if (stat(platform::AnsiToUtf8(path).c_str(), &a) != 0)
        return false;
    if (stat(platform::AnsiToUtf8(self).c_str(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

DWORD GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle) {
    if (lpdwHandle)
        *lpdwHandle = 0;
    if (!IsProgramFile(lptstrFilename)) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return 0;
    }
    return sizeof(VersionBlock);
}

BOOL GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD /*dwHandle*/, DWORD dwLen, LPVOID lpData) {
    if (lpData == nullptr || !IsProgramFile(lptstrFilename)) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return FALSE;
    }
    if (dwLen < sizeof(VersionBlock)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    VersionBlock block{};
    std::memcpy(block.m_szMagic, VERSION_BLOCK_MAGIC, sizeof(block.m_szMagic));
    block.m_fixed = ProgramFixedInfo();
    std::memcpy(lpData, &block, sizeof(block));
    return TRUE;
}

BOOL VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, UINT* puLen) {
    if (pBlock == nullptr || lpSubBlock == nullptr || lplpBuffer == nullptr)
        return FALSE;
    auto* block = static_cast<const VersionBlock*>(pBlock);
    if (std::memcmp(block->m_szMagic, VERSION_BLOCK_MAGIC, sizeof(block->m_szMagic)) != 0)
        return FALSE;
    if (std::strcmp(lpSubBlock, "\\") != 0)
        return FALSE;  // only the fixed part exists
    *lplpBuffer = const_cast<VS_FIXEDFILEINFO*>(&block->m_fixed);
    if (puLen)
        *puLen = sizeof(VS_FIXEDFILEINFO);
    return TRUE;
}
