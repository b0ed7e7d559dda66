// Which window of the in-memory screen takes the pointer at a point.
#include "platform/backends/headless/headless_backend.h"
#include "platform/gdi.h"

namespace platform::headless {

bool HeadlessBackend::TakesInputAt(const ScreenWindow& window, POINT screen) const {
    if (!window.visible || window.state == platform::user::NativeWindowState::Minimised)
        return false;
    POINT origin{0, 0};
    for (auto it = m_windows.find(window.parent); it != m_windows.end();
         it = m_windows.find(it->second.parent)) {
        origin.x += it->second.rect.left;
        origin.y += it->second.rect.top;
    }
    RECT rect = window.rect;
    LONG x = screen.x - origin.x, y = screen.y - origin.y;
    if (x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom)
        return false;
    x -= rect.left, y -= rect.top;  // client coordinates from here
    if (window.shape != nullptr && !PtInRegion(window.shape, x, y))
        return false;
    return window.inputShape == nullptr || PtInRegion(window.inputShape, x, y);
}

HWND HeadlessBackend::ChildAt(HWND parent, POINT screen) const {
    for (auto it = m_zOrder.rbegin(); it != m_zOrder.rend(); ++it) {
        const ScreenWindow& window = m_windows.at(*it);
        if (window.parent == parent && TakesInputAt(window, screen))
            return ChildAt(*it, screen);
    }
    return parent;
}

HWND HeadlessBackend::WindowAt(POINT screen) const {
    std::lock_guard<std::mutex> guard(m_lock);
    for (auto it = m_zOrder.rbegin(); it != m_zOrder.rend(); ++it) {
        const ScreenWindow& window = m_windows.at(*it);
        if (window.parent == nullptr && TakesInputAt(window, screen))
            return ChildAt(*it, screen);
    }
    return nullptr;
}

UINT HeadlessBackend::Modifiers() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_modifiers;
}

void HeadlessBackend::SetModifier(UINT bit, bool held) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_modifiers = held ? (m_modifiers | bit) : (m_modifiers & ~bit);
}

HWND HeadlessBackend::LastPointerWindow() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_lastPointerWindow;
}

void HeadlessBackend::SetLastPointerWindow(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_lastPointerWindow = hwnd;
}

}  // namespace platform::headless
