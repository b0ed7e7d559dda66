// Window class registration.
#include <strings.h>

#include <memory>
#include <mutex>
#include <vector>

#include "platform/kernel.h"
#include "platform/user/system_classes.h"
#include "platform/user/window_table.h"

namespace platform::user {

namespace {

std::mutex g_classesLock;
std::vector<std::shared_ptr<const WindowClass>>& Classes() {
    static auto* classes = new std::vector<std::shared_ptr<const WindowClass>>();
    return *classes;
}

std::shared_ptr<const WindowClass> FindClassLocked(LPCSTR name) {
    for (const auto& windowClass : Classes()) {
        if (strcasecmp(windowClass->name.c_str(), name) == 0)
            return windowClass;
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<const WindowClass> FindClass(LPCSTR name) {
    if (name == nullptr)
        return nullptr;
    RegisterSystemClasses();
    std::lock_guard<std::mutex> guard(g_classesLock);
    return FindClassLocked(name);
}

}  // namespace platform::user

using namespace platform::user;

ATOM RegisterClassExA(const WNDCLASSEXA* lpwcx) {
    if (lpwcx == nullptr || lpwcx->cbSize != sizeof(WNDCLASSEXA) ||
        lpwcx->lpszClassName == nullptr || lpwcx->lpszClassName[0] == '\0' ||
        lpwcx->lpfnWndProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::lock_guard<std::mutex> guard(g_classesLock);
    if (FindClassLocked(lpwcx->lpszClassName) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = lpwcx->lpszClassName;
    windowClass->info = *lpwcx;
    windowClass->info.lpszClassName = nullptr;  // the name lives in the record
    windowClass->info.lpszMenuName = nullptr;
    Classes().push_back(windowClass);
    // Atoms are nonzero and never reused, 0xC000 upwards like string atoms.
    static ATOM nextAtom = 0xC000;
    return nextAtom++;
}

BOOL GetClassInfoExA(HINSTANCE /*hInstance*/, LPCSTR lpszClass, WNDCLASSEXA* lpwcx) {
    std::shared_ptr<const WindowClass> windowClass = FindClass(lpszClass);
    if (windowClass == nullptr || lpwcx == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *lpwcx = windowClass->info;
    lpwcx->lpszClassName = windowClass->name.c_str();
    return TRUE;
}
