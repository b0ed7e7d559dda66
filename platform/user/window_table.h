// Window objects and the process-wide table that maps handles to them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/user.h"
#include "platform/user/thread_queue.h"

namespace platform::user {

struct WindowClass {
    std::string name;
    WNDCLASSEXA info{};
};

struct Window {
    HWND hwnd = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    std::shared_ptr<ThreadQueue> queue;  // the owning thread's queue
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    std::string title;
    RECT rect{};
    bool destroying = false;
};

// Handles are never reused, so a stale handle can never reach a new window.
// Every function locks the table; none calls a window procedure.
class WindowTable {
public:
    static WindowTable& Instance();

    HWND Add(std::shared_ptr<Window> window);
    void Remove(HWND hwnd);
    std::shared_ptr<Window> Find(HWND hwnd);
    std::vector<HWND> ChildrenOf(HWND parent);
    std::vector<HWND> OwnedBy(DWORD threadId);

    // Reads or changes a window's fields under the table's lock.
    template <typename F>
    bool With(HWND hwnd, F&& f) {
        std::lock_guard<std::mutex> guard(m_lock);
        Window* window = FindLocked(hwnd);
        if (window == nullptr)
            return false;
        f(*window);
        return true;
    }

private:
    Window* FindLocked(HWND hwnd);

    std::mutex m_lock;
    std::vector<std::shared_ptr<Window>> m_windows;
    uintptr_t m_nextHandle = 0x10010;
};

// Registered classes, shared with the windows made from them.
std::shared_ptr<const WindowClass> FindClass(LPCSTR name);

}  // namespace platform::user
