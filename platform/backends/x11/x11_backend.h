// The X11 display backend: mirrors the core's windows on an X server and reports its events.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "platform/backends/x11/x11_connection.h"
#include "platform/backends/x11/x11_segment_book.h"
#include "platform/backends/x11/x11_window_record.h"
#include "platform/user/backend.h"

namespace platform::x11 {

class X11Backend : public platform::user::Backend {
public:
    explicit X11Backend(Connection* connection);  // takes the connection
    ~X11Backend() override;
    const char* Name() const override { return "x11"; }

    bool CreateNativeWindow(HWND hwnd, const platform::user::NativeWindowDesc& desc) override;
    void DestroyNativeWindow(HWND hwnd) override;
    void StyleChanged(HWND hwnd, DWORD style, DWORD exStyle) override;
    void ShowNativeWindow(HWND hwnd, bool show, bool activate) override;
    void MoveResizeNativeWindow(HWND hwnd, const RECT& rect) override;
    void RestackNativeWindow(HWND hwnd, HWND insertAfter) override;
    void SetNativeState(HWND hwnd, platform::user::NativeWindowState state) override;
    void SetNativeTitle(HWND hwnd, const std::string& titleUtf8) override;
    void FocusNativeWindow(HWND hwnd) override;
    std::unique_ptr<platform::user::SurfaceMemory> NewSurfaceMemory(int width, int height,
                                                                    bool layered) override;
    void Present(HWND hwnd, const platform::user::PresentRequest& request) override;
    void SetNativeShape(HWND hwnd, platform::user::NativeShape which, HRGN region) override;
    void SetNativeCursor(HWND hwnd, platform::user::NativeCursor cursor) override;
    bool GrabPointer(HWND hwnd) override;
    void ReleasePointer() override;
    bool BeginNativeMoveResize(HWND hwnd, int hitTest, POINT screenPos) override;
    POINT PointerPosition() const override;
    std::vector<platform::user::NativeMonitor> Monitors() const override;
    int EventFd() const override;
    int DispatchNativeEvents() override;
    int ShowMessageBox(HWND owner, const std::string& textUtf8, const std::string& captionUtf8,
                       UINT type) override;

    // For tests: the X window behind a window, None when unknown.
    Window NativeHandle(HWND hwnd) const;
    Display* NativeDisplay() const { return m_connection->Dpy(); }

private:
    WindowRecord* Find(HWND hwnd);
    WindowRecord* FindX(Window xid);
    // The window handle of an X window of ours, or null; takes the lock.
    HWND HwndOfX(Window xid);
    bool BuildXWindow(WindowRecord& record);
    void DropXWindow(WindowRecord& record);
    void SetProperties(const WindowRecord& record);
    void ApplyBounding(WindowRecord& record, const platform::user::PresentRequest* request);
    void ApplyInput(const WindowRecord& record);
    bool SendShared(WindowRecord& record, const platform::user::SurfaceView& view,
                    const RECT& dirty);
    void SendPixels(WindowRecord& record, const platform::user::SurfaceView& view,
                    const RECT& dirty, int how, BYTE constantAlpha);
    void UpdateMapping(WindowRecord& record);
    void SetModal(const WindowRecord& record, bool modal);
    void SendState(const WindowRecord& record, long action, Atom first, Atom second);
    bool IconifyStillAhead(WindowRecord& record);
    bool UndoLateIconify(WindowRecord& record, platform::user::NativeWindowState state);
    void WriteSizeHints(const WindowRecord& record, const MINMAXINFO* limits = nullptr);
    void CompositorMayHaveChanged();
    void WatchCompositorSelection();
    bool IsCompositorSelectionEvent(const XEvent& event) const;
    bool ShowsTranslucency() const { return m_compositor != None; }

    // Event handlers, one per kind of X event.
    void Handle(XEvent& event);
    void OnMotion(const XMotionEvent& e);
    void OnButton(const XButtonEvent& e, bool press);
    void OnKey(XKeyEvent& e, bool press);
    void OnExpose(const XExposeEvent& e);
    void OnConfigure(const XConfigureEvent& e);
    void OnFocus(const XFocusChangeEvent& e, bool in);
    void OnEnter(const XCrossingEvent& e);
    void OnLeave(const XCrossingEvent& e);
    void OnClientMessage(const XClientMessageEvent& e);
    void OnProperty(const XPropertyEvent& e);
    void OnMap(const XMapEvent& e);
    void OnUnmap(const XUnmapEvent& e);
    void OnDestroy(const XDestroyWindowEvent& e);
    void OnShmCompletion(const XShmCompletionEvent& e);

    std::unique_ptr<Connection> m_connection;
    std::shared_ptr<SegmentBook> m_segments;  // window surfaces lent in shared memory
    mutable std::recursive_mutex m_lock;
    std::map<HWND, WindowRecord> m_windows;
    std::map<Window, HWND> m_byXid;
    std::map<int, Cursor> m_cursors;
    Window m_compositor = None;
    int m_fixesEventBase = -1;   // -1: no XFixes, compositors are only found at the usual moments
    Window m_nativeMove = None;  // the window manager was asked to move this one
    HWND m_grab = nullptr;
    int m_dispatched = 0;
};

}  // namespace platform::x11
