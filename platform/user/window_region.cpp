// Window regions: the shape a window shows and takes input in.
#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

HRGN CopyRegion(HRGN source) {
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, source, nullptr, RGN_COPY);
    return copy;
}

}  // namespace

int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw) {
    HRGN previous = nullptr;
    bool found = WindowTable::Instance().With(hWnd, [&](Window& w) {
        previous = w.region;
        w.region = hRgn;  // the window owns it from now on
    });
    if (!found) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (previous != nullptr && previous != hRgn)
        DeleteObject(previous);
    // No frame: window and client coordinates agree.
    ActiveBackend().SetNativeShape(hWnd, NativeShape::Bounding,
                                   hRgn != nullptr ? CopyRegion(hRgn) : nullptr);
    if (bRedraw)
        InvalidateAll(hWnd);
    return 1;
}

int GetWindowRgn(HWND hWnd, HRGN hRgn) {
    int kind = ERROR;
    WindowTable::Instance().With(hWnd, [&](Window& w) {
        if (w.region != nullptr && hRgn != nullptr)
            kind = CombineRgn(hRgn, w.region, nullptr, RGN_COPY);
    });
    return kind;
}
