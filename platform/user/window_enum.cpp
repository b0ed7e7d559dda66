// Walking a thread's top-level windows and naming their classes.
#include <algorithm>
#include <cstring>

#include "platform/user.h"
#include "platform/user/window_table.h"

namespace pu = platform::user;

BOOL EnumThreadWindows(DWORD dwThreadId, WNDENUMPROC lpfn, LPARAM lParam) {
    if (lpfn == nullptr)
        return FALSE;
    bool bAny = false;
    // A snapshot: the callback may create or destroy windows.
    for (HWND hWnd : pu::WindowTable::Instance().OwnedBy(dwThreadId)) {
        bool bTopLevel = false;
        pu::WindowTable::Instance().With(hWnd, [&](pu::Window& w) { bTopLevel = !w.IsChild(); });
        if (!bTopLevel)
            continue;
        bAny = true;
        if (!lpfn(hWnd, lParam))
            return FALSE;
    }
    return bAny ? TRUE : FALSE;
}

int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    std::string strName;
    bool bFound = pu::WindowTable::Instance().With(hWnd, [&](pu::Window& w) {
        if (w.windowClass != nullptr)
            strName = w.windowClass->name;
    });
    if (!bFound || lpClassName == nullptr || nMaxCount <= 0)
        return 0;
    size_t n = std::min(strName.size(), static_cast<size_t>(nMaxCount - 1));
    std::memcpy(lpClassName, strName.data(), n);
    lpClassName[n] = '\0';
    return static_cast<int>(n);
}
