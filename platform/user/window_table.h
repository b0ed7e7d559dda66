// Window objects and the process-wide table that maps handles to them.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/user.h"
#include "platform/user/thread_queue.h"
#include "platform/user/window_surface.h"

namespace platform::user {

struct WindowClass {
    std::string name;
    WNDCLASSEXA info{};
};

struct Window {
    ~Window() {
        if (update != nullptr)
            DeleteObject(update);
        if (region != nullptr)
            DeleteObject(region);
    }
    HWND hwnd = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    std::shared_ptr<ThreadQueue> queue;  // the owning thread's queue
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // WS_CHILD windows
    HWND owner = nullptr;   // top-level windows created with a parent
    std::string title;
    RECT rect{};         // screen coordinates, or the parent's client coordinates for a child
    RECT restoreRect{};  // where a maximised window goes back to
    bool destroying = false;

    // Painting: the update region (client coordinates; null when empty),
    // whether BeginPaint should erase, and the pixels.
    HRGN update = nullptr;
    bool erase = false;
    WindowSurface surface;
    bool painted = false;  // the surface holds drawn pixels: only then is it shown
    // Layered: the image comes from UpdateLayeredWindow, not from paints.
    bool layeredImage = false;
    bool perPixelAlpha = false;
    BYTE constantAlpha = 255;
    HRGN region = nullptr;                // SetWindowRgn's shape, window coordinates; owned
    std::map<std::string, HANDLE> props;  // names in lower case

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
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
    // Windows owned by (top-level windows created with) owner, in creation order.
    std::vector<HWND> OwnedWindows(HWND owner);

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
