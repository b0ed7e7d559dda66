// The interface a display backend offers the user core.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/user/native_event.h"
#include "platform/user/surface_memory.h"
#include "platform/win32_types.h"

namespace platform::user {

// What a new native window starts as. Rectangles are in screen coordinates
// for top-level windows and in the parent's client coordinates for children.
struct NativeWindowDesc {
    RECT rect{};
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // WS_CHILD windows
    HWND owner = nullptr;   // owned popups (kept above their owner)
};

// Pixels a window presents: 32-bit B, G, R, A, top-down rows.
struct SurfaceView {
    const void* pixels = nullptr;
    int width = 0;
    int height = 0;
    int strideBytes = 0;
};

struct PresentRequest {
    SurfaceView surface;
    RECT dirty{};                // the part that changed, client coordinates
    bool perPixelAlpha = false;  // premultiplied alpha decides coverage
    BYTE constantAlpha = 255;    // applied on top of everything
};

enum class NativeShape { Bounding, Input };

// The standard pointer shapes; the core maps cursor handles onto these.
enum class NativeCursor {
    Arrow,
    IBeam,
    Wait,
    Cross,
    Hand,
    SizeNS,
    SizeWE,
    SizeNWSE,
    SizeNESW,
    SizeAll
};

struct NativeMonitor {
    RECT bounds{};
    RECT workArea{};
    bool primary = false;
};

// The core owns windows, queues, timers and every message; a backend only
// mirrors windows on a display and reports native events. It hands events to
// TranslateNativeEvent, never makes messages itself.
//
// Threads: every call below comes from the thread that owns the window
// concerned, except EventFd and DispatchNativeEvents, which the core calls
// only on the thread that owns the backend's connection (OwnerThread).
class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;

    // --- lifetime: false from CreateNativeWindow fails CreateWindowExA ---
    virtual bool CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc) = 0;
    virtual void DestroyNativeWindow(HWND hwnd) = 0;
    // The style changed after creation (e.g. WS_EX_LAYERED added or removed:
    // a per-pixel-alpha window may need another visual).
    virtual void StyleChanged(HWND hwnd, DWORD style, DWORD exStyle) = 0;

    // --- geometry and state ---
    virtual void ShowNativeWindow(HWND hwnd, bool show, bool activate) = 0;
    virtual void MoveResizeNativeWindow(HWND hwnd, const RECT& rect) = 0;
    // Puts the window on top of its siblings (insertAfter null) or right below insertAfter.
    virtual void RestackNativeWindow(HWND hwnd, HWND insertAfter) = 0;
    virtual void SetNativeState(HWND hwnd, NativeWindowState state) = 0;
    virtual void SetNativeTitle(HWND hwnd, const std::string& titleUtf8) = 0;
    virtual void FocusNativeWindow(HWND hwnd) = 0;

    // --- pixels and shape ---
    // Memory for a window surface of this size that Present can send without a copy, or null
    // (the core then keeps the pixels itself). Called from any window-owning thread.
    virtual std::unique_ptr<SurfaceMemory> NewSurfaceMemory(int width, int height, bool layered);
    virtual void Present(HWND hwnd, const PresentRequest& request) = 0;
    // A copy of the region in client coordinates, owned by the backend from
    // now on (DeleteObject it when done); null restores the full rectangle.
    // An empty input shape lets every click through.
    virtual void SetNativeShape(HWND hwnd, NativeShape which, HRGN region) = 0;

    // --- pointer ---
    virtual void SetNativeCursor(HWND hwnd, NativeCursor cursor) = 0;
    virtual bool GrabPointer(HWND hwnd) = 0;
    virtual void ReleasePointer() = 0;
    // Lets the window system move or resize the window from a pointer press;
    // hitTest is an HT* code (HTCAPTION moves, the border codes resize).
    // False means "not supported": the core then drives the move itself.
    virtual bool BeginNativeMoveResize(HWND hwnd, int hitTest, POINT screenPos) = 0;
    virtual POINT PointerPosition() const = 0;

    // --- screen ---
    virtual std::vector<NativeMonitor> Monitors() const = 0;

    // --- events ---
    // A descriptor that turns readable when native events wait, or -1 when the
    // backend never produces any.
    virtual int EventFd() const = 0;
    // Hands every event that is ready to TranslateNativeEvent, including those
    // already buffered in the process (which the descriptor no longer
    // signals); never blocks. Returns how many it handed over.
    virtual int DispatchNativeEvents() = 0;

    // --- dialogs ---
    // A modal message with the MB_* buttons of type, owned by owner (may be
    // null); returns IDOK or IDCANCEL. The default writes "caption: text" to
    // standard error and answers IDOK, as a display without dialogs must.
    virtual int ShowMessageBox(HWND owner, const std::string& textUtf8,
                               const std::string& captionUtf8, UINT type);
};

// The active backend; the default one unless another was installed.
Backend& ActiveBackend();
// The in-memory backend, made on first use and kept for the life of the
// process. The headless backend defines it, so the core names no backend.
Backend& DefaultBackend();
// Installs a backend before the first window exists; the core keeps it. The
// calling thread becomes the owner of the backend's connection.
void InstallBackend(Backend* backend);
// The thread that reads native events: the installing thread, or for the
// default backend the first thread that created a window. 0 while unknown.
DWORD BackendOwnerThread();
// Called by the core when a thread creates a window.
void NoteWindowThread(DWORD threadId);

}  // namespace platform::user
