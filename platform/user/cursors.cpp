// The standard cursors and the one the pointer shows.
#include <atomic>

#include "platform/user/backend.h"
#include "platform/user/input_state.h"
#include "platform/user/window_geometry.h"

using namespace platform::user;

namespace {

struct StandardCursor {
    WORD id;
    NativeCursor shape;
};

constexpr StandardCursor STANDARD_CURSORS[] = {
    {32512, NativeCursor::Arrow},  {32513, NativeCursor::IBeam},    {32514, NativeCursor::Wait},
    {32515, NativeCursor::Cross},  {32642, NativeCursor::SizeNWSE}, {32643, NativeCursor::SizeNESW},
    {32644, NativeCursor::SizeWE}, {32645, NativeCursor::SizeNS},   {32646, NativeCursor::SizeAll},
    {32649, NativeCursor::Hand},
};

// A cursor handle is the standard cursor's id; it never points anywhere.
HCURSOR HandleOf(WORD id) {
    return reinterpret_cast<HCURSOR>(uintptr_t(id));
}

bool ShapeOf(HCURSOR cursor, NativeCursor& shape) {
    for (const StandardCursor& standard : STANDARD_CURSORS) {
        if (HandleOf(standard.id) == cursor) {
            shape = standard.shape;
            return true;
        }
    }
    return false;
}

std::atomic<HCURSOR> g_current{nullptr};

}  // namespace

namespace platform::user {

// The default WM_SETCURSOR: the class cursor in the client area, sizing
// cursors on the borders. TRUE when it set one.
LRESULT DefaultSetCursor(HWND hwnd, int hitTest) {
    LPCSTR id = nullptr;
    switch (hitTest) {
        case HTLEFT:
        case HTRIGHT:
            id = IDC_SIZEWE;
            break;
        case HTTOP:
        case HTBOTTOM:
            id = IDC_SIZENS;
            break;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            id = IDC_SIZENWSE;
            break;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            id = IDC_SIZENESW;
            break;
        default:
            break;
    }
    if (id != nullptr) {
        SetCursor(LoadCursorA(nullptr, id));
        return TRUE;
    }
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (hitTest != HTCLIENT || window == nullptr || window->windowClass->info.hCursor == nullptr)
        return FALSE;
    SetCursor(window->windowClass->info.hCursor);
    return TRUE;
}

}  // namespace platform::user

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (hInstance != nullptr || !IS_INTRESOURCE(lpCursorName))
        return nullptr;
    WORD id = WORD(reinterpret_cast<uintptr_t>(lpCursorName));
    NativeCursor shape;
    return ShapeOf(HandleOf(id), shape) ? HandleOf(id) : nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    HCURSOR previous = g_current.exchange(hCursor);
    HWND target = GetCapture();
    if (target == nullptr) {
        InputState& input = Input();
        std::lock_guard<std::mutex> guard(input.lock);
        target = input.pointerWindow;
    }
    NativeCursor shape = NativeCursor::Arrow;
    if (target != nullptr && (hCursor == nullptr || ShapeOf(hCursor, shape)))
        ActiveBackend().SetNativeCursor(target, shape);
    return previous;
}

HCURSOR GetCursor() {
    return g_current.load();
}
