// A headless top-level window with a given procedure, for tests of messages.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <string>

#include "platform/user.h"

namespace testsupport {

// Registers className with proc on first use, then creates a 1 x 1 window of it.
inline HWND MakeTestWindow(const char* className, WNDPROC proc = DefWindowProcA) {
    static std::mutex lock;
    static std::set<std::string> registered;
    {
        std::lock_guard<std::mutex> guard(lock);
        if (registered.insert(className).second) {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = proc;
            wc.lpszClassName = className;
            EXPECT_NE(RegisterClassExA(&wc), 0) << className;
        }
    }
    return CreateWindowExA(0, className, "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace testsupport
