// The in-memory screen: window records, presented pixels and their composition.
#include "platform/backends/headless/headless_backend.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi.h"

namespace platform::headless {

using platform::user::NativeCursor;
using platform::user::NativeMonitor;
using platform::user::NativeShape;
using platform::user::NativeWindowDesc;
using platform::user::NativeWindowState;
using platform::user::PresentRequest;

namespace {

void ReplaceRegion(HRGN& slot, HRGN region) {
    if (slot != nullptr)
        DeleteObject(slot);
    slot = region;
}

void CopyRows(const PresentRequest& request, ScreenWindow& window, const RECT& dirty) {
    const auto* base = static_cast<const uint8_t*>(request.surface.pixels);
    size_t bytes = size_t(dirty.right - dirty.left) * 4;
    for (LONG y = dirty.top; y < dirty.bottom; ++y) {
        const uint8_t* from =
            base + size_t(y) * request.surface.strideBytes + size_t(dirty.left) * 4;
        std::memcpy(&window.pixels[size_t(y) * window.width + dirty.left], from, bytes);
    }
}

}  // namespace

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
    for (auto& [hwnd, window] : m_windows) {
        ReplaceRegion(window.shape, nullptr);
        ReplaceRegion(window.inputShape, nullptr);
    }
}

ScreenWindow* HeadlessBackend::Find(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

bool HeadlessBackend::CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc) {
    std::lock_guard<std::mutex> guard(m_lock);
    ScreenWindow window;
    window.rect = desc.rect;
    window.parent = desc.parent;
    window.exStyle = desc.exStyle;
    m_windows[hwnd] = std::move(window);
    m_zOrder.push_back(hwnd);
    return true;
}

void HeadlessBackend::DestroyNativeWindow(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd)) {
        ReplaceRegion(window->shape, nullptr);
        ReplaceRegion(window->inputShape, nullptr);
        m_windows.erase(hwnd);
    }
    std::erase(m_zOrder, hwnd);
    if (m_focus == hwnd)
        m_focus = nullptr;
    if (m_grab == hwnd)
        m_grab = nullptr;
    if (m_lastPointerWindow == hwnd)
        m_lastPointerWindow = nullptr;
}

void HeadlessBackend::StyleChanged(HWND hwnd, DWORD /*style*/, DWORD exStyle) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd))
        window->exStyle = exStyle;
}

void HeadlessBackend::ShowNativeWindow(HWND hwnd, bool show, bool activate) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd)) {
        window->visible = show;
        if (show && activate)
            m_focus = hwnd;
    }
}

void HeadlessBackend::MoveResizeNativeWindow(HWND hwnd, const RECT& rect) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd))
        window->rect = rect;
}

void HeadlessBackend::RestackNativeWindow(HWND hwnd, HWND insertAfter) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (Find(hwnd) == nullptr)
        return;
    std::erase(m_zOrder, hwnd);
    auto below = std::find(m_zOrder.begin(), m_zOrder.end(), insertAfter);
    // Bottom-first order: "right below insertAfter" is just before it.
    m_zOrder.insert(insertAfter == nullptr ? m_zOrder.end() : below, hwnd);
}

void HeadlessBackend::SetNativeState(HWND hwnd, NativeWindowState state) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd))
        window->state = state;
}

void HeadlessBackend::SetNativeTitle(HWND hwnd, const std::string& titleUtf8) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd))
        window->title = titleUtf8;
}

void HeadlessBackend::FocusNativeWindow(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_focus = hwnd;
}

void HeadlessBackend::Present(HWND hwnd, const PresentRequest& request) {
    std::lock_guard<std::mutex> guard(m_lock);
    ScreenWindow* window = Find(hwnd);
    if (window == nullptr || request.surface.pixels == nullptr)
        return;
    int width = request.surface.width, height = request.surface.height;
    if (window->width != width || window->height != height) {
        window->pixels.assign(size_t(width) * height, 0);
        window->width = width, window->height = height;
    }
    RECT dirty{std::max<LONG>(request.dirty.left, 0), std::max<LONG>(request.dirty.top, 0),
               std::min<LONG>(request.dirty.right, width),
               std::min<LONG>(request.dirty.bottom, height)};
    if (dirty.left < dirty.right && dirty.top < dirty.bottom)
        CopyRows(request, *window, dirty);
    window->perPixelAlpha = request.perPixelAlpha;
    window->constantAlpha = request.constantAlpha;
}

void HeadlessBackend::SetNativeShape(HWND hwnd, NativeShape which, HRGN region) {
    std::lock_guard<std::mutex> guard(m_lock);
    ScreenWindow* window = Find(hwnd);
    if (window == nullptr) {
        if (region != nullptr)
            DeleteObject(region);
        return;
    }
    ReplaceRegion(which == NativeShape::Bounding ? window->shape : window->inputShape, region);
}

void HeadlessBackend::SetNativeCursor(HWND hwnd, NativeCursor cursor) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (ScreenWindow* window = Find(hwnd))
        window->cursor = cursor;
}

bool HeadlessBackend::GrabPointer(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_grab = hwnd;
    return true;
}

void HeadlessBackend::ReleasePointer() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_grab = nullptr;
}

bool HeadlessBackend::BeginNativeMoveResize(HWND, int, POINT) {
    return false;  // no window manager here: the core drives the move
}

POINT HeadlessBackend::PointerPosition() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_pointer;
}

std::vector<NativeMonitor> HeadlessBackend::Monitors() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return {NativeMonitor{RECT{0, 0, m_screenWidth, m_screenHeight}, m_workArea, true}};
}

void HeadlessBackend::SetScreen(int width, int height, const RECT& workArea) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_screenWidth = std::max(width, 1);
    m_screenHeight = std::max(height, 1);
    m_workArea = workArea;
}

void HeadlessBackend::SetPointerPosition(POINT pos) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_pointer = pos;
}

bool HeadlessBackend::CopyWindow(HWND hwnd, ScreenWindow& out) const {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end())
        return false;
    out = it->second;
    out.shape = out.inputShape = nullptr;  // the regions stay with the backend
    return true;
}

HWND HeadlessBackend::FocusedWindow() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_focus;
}

HWND HeadlessBackend::GrabbedWindow() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_grab;
}

}  // namespace platform::headless

platform::user::Backend& platform::user::DefaultBackend() {
    static auto* headless = new platform::headless::HeadlessBackend();  // outlives every window
    return *headless;
}
