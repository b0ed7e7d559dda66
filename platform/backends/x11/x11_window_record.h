// What the X11 backend keeps about one of its windows.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xlib.h>

#include <memory>

#include "platform/backends/x11/x11_image.h"
#include "platform/user/backend.h"

namespace platform::x11 {

struct WindowRecord {
    HWND hwnd = nullptr;
    Window xid = None;
    Colormap colormap = None;  // own colormap of an ARGB window
    GC gc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    HWND owner = nullptr;
    RECT rect{};                   // last geometry asked for or reported
    bool argb = false;             // made with the 32-bit visual
    bool shown = false;            // the core wants it visible
    bool mapped = false;           // asked the server to map it
    bool iconified = false;        // unmapped by a minimise while no manager runs
    bool iconifyAsked = false;     // the manager has not yet carried out our iconify request
    bool restoreOnIconic = false;  // restored before it did: undo the iconify when it comes
    bool remapOnUnmap = false;     // the undo waits for the manager to unmap the window
    bool perPixelAlpha = false;
    BYTE constantAlpha = 255;
    HRGN bounding = nullptr;   // window region, client coordinates
    bool inputEmpty = false;   // click-through
    bool alphaShaped = false;  // bounding shape follows the pixels' alpha
    platform::user::NativeWindowState seenState = platform::user::NativeWindowState::Normal;
    platform::user::NativeCursor cursor = platform::user::NativeCursor::Arrow;
    std::unique_ptr<Image> image;

    bool Layered() const { return (exStyle & WS_EX_LAYERED) != 0; }
    bool ClickThrough() const { return (exStyle & WS_EX_TRANSPARENT) != 0; }
    bool TopLevel() const { return (style & WS_CHILD) == 0; }
};

}  // namespace platform::x11
