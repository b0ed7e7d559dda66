// Window properties and the owner and child relations.
#include <algorithm>
#include <cctype>

#include "platform/kernel.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

std::string Key(LPCSTR name) {
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return key;
}

}  // namespace

BOOL SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData) {
    if (lpString == nullptr)
        return FALSE;
    if (!WindowTable::Instance().With(hWnd, [&](Window& w) { w.props[Key(lpString)] = hData; })) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return TRUE;
}

HANDLE GetPropA(HWND hWnd, LPCSTR lpString) {
    HANDLE data = nullptr;
    if (lpString != nullptr) {
        WindowTable::Instance().With(hWnd, [&](Window& w) {
            auto it = w.props.find(Key(lpString));
            data = it != w.props.end() ? it->second : nullptr;
        });
    }
    return data;
}

HANDLE RemovePropA(HWND hWnd, LPCSTR lpString) {
    HANDLE data = nullptr;
    if (lpString != nullptr) {
        WindowTable::Instance().With(hWnd, [&](Window& w) {
            auto it = w.props.find(Key(lpString));
            if (it != w.props.end()) {
                data = it->second;
                w.props.erase(it);
            }
        });
    }
    return data;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (uCmd == GW_OWNER)
        return window->IsChild() ? nullptr : window->owner;
    if (uCmd == GW_CHILD) {
        std::vector<HWND> children = WindowTable::Instance().ChildrenOf(hWnd);
        return children.empty() ? nullptr : children.front();
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}
