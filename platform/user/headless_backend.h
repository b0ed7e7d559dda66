// The in-memory backend: windows exist only in the core, no native events.
#pragma once

#include "platform/user/backend.h"

namespace platform::user {

class HeadlessBackend : public Backend {
public:
    const char* Name() const override { return "headless"; }
    bool CreateNativeWindow(HWND, const RECT&, DWORD, DWORD) override { return true; }
    void DestroyNativeWindow(HWND) override {}
    int EventFd() const override { return -1; }
    void DispatchNativeEvents() override {}
};

}  // namespace platform::user
