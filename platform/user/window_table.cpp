// The handle table of every live window.
#include "platform/user/window_table.h"

namespace platform::user {

WindowTable& WindowTable::Instance() {
    static WindowTable* table = new WindowTable();  // outlives every static destructor
    return *table;
}

HWND WindowTable::Add(std::shared_ptr<Window> window) {
    std::lock_guard<std::mutex> guard(m_lock);
    window->hwnd = reinterpret_cast<HWND>(m_nextHandle);
    m_nextHandle += 4;
    m_windows.push_back(std::move(window));
    return m_windows.back()->hwnd;
}

void WindowTable::Remove(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    std::erase_if(m_windows, [&](const std::shared_ptr<Window>& w) { return w->hwnd == hwnd; });
}

Window* WindowTable::FindLocked(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    for (const std::shared_ptr<Window>& window : m_windows) {
        if (window->hwnd == hwnd)
            return window.get();
    }
    return nullptr;
}

std::shared_ptr<Window> WindowTable::Find(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    for (const std::shared_ptr<Window>& window : m_windows) {
        if (window->hwnd == hwnd)
            return window;
    }
    return nullptr;
}

std::vector<HWND> WindowTable::ChildrenOf(HWND parent) {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<HWND> children;
    for (const std::shared_ptr<Window>& window : m_windows) {
        if (window->parent == parent)
            children.push_back(window->hwnd);
    }
    return children;
}

std::vector<HWND> WindowTable::OwnedWindows(HWND owner) {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<HWND> owned;
    for (const std::shared_ptr<Window>& window : m_windows) {
        if (window->owner == owner)
            owned.push_back(window->hwnd);
    }
    return owned;
}

std::vector<HWND> WindowTable::OwnedBy(DWORD threadId) {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<HWND> owned;
    for (const std::shared_ptr<Window>& window : m_windows) {
        if (window->queue->ThreadId() == threadId)
            owned.push_back(window->hwnd);
    }
    return owned;
}

}  // namespace platform::user
