// The in-memory backend: a screen of its own, windows presented into memory.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/user/backend.h"

namespace platform::headless {

// One window as the in-memory screen knows it.
struct ScreenWindow {
    RECT rect{};  // screen coordinates for top-level windows, parent client otherwise
    HWND parent = nullptr;
    bool visible = false;
    platform::user::NativeWindowState state = platform::user::NativeWindowState::Normal;
    DWORD exStyle = 0;
    std::vector<uint32_t> pixels;  // what the window last presented, client size
    int width = 0;
    int height = 0;
    bool perPixelAlpha = false;
    BYTE constantAlpha = 255;
    HRGN shape = nullptr;       // bounding shape, client coordinates; null: the rectangle
    HRGN inputShape = nullptr;  // null: the bounding shape
    std::string title;
    platform::user::NativeCursor cursor = platform::user::NativeCursor::Arrow;
};

class HeadlessBackend : public platform::user::Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;
    const char* Name() const override { return "headless"; }

    bool CreateNativeWindow(HWND hwnd, const platform::user::NativeWindowDesc& desc) override;
    void DestroyNativeWindow(HWND hwnd) override;
    void StyleChanged(HWND hwnd, DWORD style, DWORD exStyle) override;
    void ShowNativeWindow(HWND hwnd, bool show, bool activate) override;
    void MoveResizeNativeWindow(HWND hwnd, const RECT& rect) override;
    void RestackNativeWindow(HWND hwnd, HWND insertAfter) override;
    void SetNativeState(HWND hwnd, platform::user::NativeWindowState state) override;
    void SetNativeTitle(HWND hwnd, const std::string& titleUtf8) override;
    void FocusNativeWindow(HWND hwnd) override;
    void Present(HWND hwnd, const platform::user::PresentRequest& request) override;
    void SetNativeShape(HWND hwnd, platform::user::NativeShape which, HRGN region) override;
    void SetNativeCursor(HWND hwnd, platform::user::NativeCursor cursor) override;
    bool GrabPointer(HWND hwnd) override;
    void ReleasePointer() override;
    bool BeginNativeMoveResize(HWND hwnd, int hitTest, POINT screenPos) override;
    POINT PointerPosition() const override;
    std::vector<platform::user::NativeMonitor> Monitors() const override;
    int EventFd() const override { return -1; }
    int DispatchNativeEvents() override { return 0; }

    // For the platform::headless functions and tests.
    void SetScreen(int width, int height, const RECT& workArea);
    void SetPointerPosition(POINT pos);
    bool CopyWindow(HWND hwnd, ScreenWindow& out) const;
    // The visible windows composed bottom to top, opaque black below them.
    std::vector<uint32_t> ComposeScreen(int& width, int& height) const;
    HWND FocusedWindow() const;
    HWND GrabbedWindow() const;
    // The top-most shown window taking input at a screen point (children first).
    HWND WindowAt(POINT screen) const;
    // Held modifiers and buttons as NativeModifier bits, for injected events.
    UINT Modifiers() const;
    void SetModifier(UINT bit, bool held);
    HWND LastPointerWindow() const;
    void SetLastPointerWindow(HWND hwnd);

private:
    ScreenWindow* Find(HWND hwnd);
    POINT ScreenOrigin(HWND hwnd) const;
    void ComposeWindow(HWND hwnd, HDC screenDc) const;
    bool TakesInputAt(const ScreenWindow& window, POINT screen) const;
    HWND ChildAt(HWND parent, POINT screen) const;

    mutable std::mutex m_lock;
    std::map<HWND, ScreenWindow> m_windows;
    std::vector<HWND> m_zOrder;  // bottom first
    int m_screenWidth = 1920;
    int m_screenHeight = 1080;
    RECT m_workArea{0, 0, 1920, 1040};
    POINT m_pointer{0, 0};
    HWND m_focus = nullptr;
    HWND m_grab = nullptr;
    UINT m_modifiers = 0;
    HWND m_lastPointerWindow = nullptr;
};

// The headless backend in use, or null when another backend is installed.
HeadlessBackend* ActiveHeadless();

}  // namespace platform::headless
