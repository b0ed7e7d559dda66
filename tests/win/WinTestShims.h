// Included first into every test file of the Windows build: the few POSIX
// calls the shared test helpers use, and the Linux-only resource registry.
#pragma once

#include <direct.h>
#include <io.h>
#include <process.h>
#include <stdlib.h>

#include <cstddef>

// The test folders: MinGW has neither mkdtemp nor the two-argument mkdir.
inline char* mkdtemp(char* pszTemplate) {
    for (int nTry = 0; nTry < 100; ++nTry) {
        char* pszX = pszTemplate;
        while (*pszX != '\0')
            ++pszX;
        for (int i = 1; i <= 6 && pszX - i >= pszTemplate; ++i)
            pszX[-i] = char('a' + (unsigned(rand()) ^ unsigned(_getpid())) % 26);
        if (_mkdir(pszTemplate) == 0)
            return pszTemplate;
    }
    return nullptr;
}

inline int mkdir(const char* pszPath, int) {
    return _mkdir(pszPath);
}

namespace platform {
// Windows finds resources in the program's own resource section, so a test
// cannot add one at run time: the tests that do are listed as excluded.
bool RegisterEmbeddedResource(const char* type, unsigned short id, const void* data, size_t size);
}  // namespace platform
