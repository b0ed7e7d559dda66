// Windows of a given size and style whose procedure records the messages it gets.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/user.h"

namespace usertest {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages of every RecordingProc window, in the order they arrived.
inline std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Log().push_back(Received{msg, wp, lp});
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The messages of the log that are in `wanted`, in order.
inline std::vector<UINT> Only(std::initializer_list<UINT> wanted) {
    std::set<UINT> keep(wanted);
    std::vector<UINT> out;
    for (const Received& r : Log()) {
        if (keep.count(r.message) != 0)
            out.push_back(r.message);
    }
    return out;
}

inline void Register(const char* className, WNDPROC proc, UINT classStyle = 0) {
    static std::mutex lock;
    static std::set<std::string> registered;
    std::lock_guard<std::mutex> guard(lock);
    if (!registered.insert(className).second)
        return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = className;
    EXPECT_NE(RegisterClassExA(&wc), 0) << className;
}

// A recording popup at rect; visible when style has WS_VISIBLE.
inline HWND MakeWindow(RECT rect, DWORD style = WS_POPUP, DWORD exStyle = 0, HWND parent = nullptr,
                       const char* className = "UserTestWindow", WNDPROC proc = RecordingProc) {
    Register(className, proc);
    return CreateWindowExA(exStyle, className, "", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr,
                           nullptr);
}

// Reads and dispatches everything that is waiting, WM_PAINT included.
inline void Drain() {
    MSG msg{};
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Destroys a window at the end of a scope.
struct WindowGuard {
    HWND hwnd;
    ~WindowGuard() {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
};

}  // namespace usertest
