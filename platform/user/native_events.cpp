// The one place that turns native events into window messages, one function per kind.
#include <cstdlib>

#include "platform/kernel.h"
#include "platform/user/core_clock.h"
#include "platform/user/input_state.h"
#include "platform/user/keymap.h"
#include "platform/user/move_size.h"
#include "platform/user/window_geometry.h"

namespace platform::user {

namespace {

constexpr DWORD DOUBLE_CLICK_MS = 500;
constexpr LONG DOUBLE_CLICK_DISTANCE = 4;
constexpr size_t KEY_TEXTS_KEPT = 32;

struct PointerTarget {
    HWND hwnd = nullptr;
    POINT client{};
};

DWORD Stamp(const NativeEvent& e) {
    return e.time != 0 ? e.time : CoreTicks();
}

LPARAM PointParam(POINT p) {
    return MAKELPARAM(p.x, p.y);  // signed 16-bit halves
}

// The message takes the keys as this event left them: the thread that reads
// it later sees them in GetKeyState, whatever the keys have done since.
void QueueInput(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, const NativeEvent& e) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    if (window != nullptr)
        window->queue->PostInput(
            InputMessage{MSG{hwnd, message, wp, lp, Stamp(e), e.screenPos}, KeySnapshot()});
}

void SyncModifiers(UINT modifiers) {
    SetKeyDown(VK_SHIFT, (modifiers & NATIVE_SHIFT) != 0);
    SetKeyDown(VK_CONTROL, (modifiers & NATIVE_CONTROL) != 0);
    SetKeyDown(VK_MENU, (modifiers & NATIVE_ALT) != 0);
    SetKeyDown(VK_LBUTTON, (modifiers & NATIVE_LEFT) != 0);
    SetKeyDown(VK_RBUTTON, (modifiers & NATIVE_RIGHT) != 0);
    SetKeyDown(VK_MBUTTON, (modifiers & NATIVE_MIDDLE) != 0);
}

// The capture window takes every pointer event, in its own coordinates.
PointerTarget TargetOf(const NativeEvent& e) {
    HWND capture = GetCapture();
    PointerTarget target{capture != nullptr ? capture : e.hwnd, e.pos};
    if (target.hwnd != e.hwnd) {
        target.client = e.screenPos;
        ScreenToClient(target.hwnd, &target.client);
    }
    return target;
}

// Moves the pointer's record; a window the pointer left gets its leave report.
void NotePointer(const NativeEvent& e, HWND over) {
    InputState& input = Input();
    HWND left = nullptr;
    {
        std::lock_guard<std::mutex> guard(input.lock);
        input.cursor = e.screenPos;
        bool tracked = input.tracking.hwnd != nullptr && input.tracking.hwnd != over &&
                       (input.tracking.flags & TME_LEAVE) != 0 &&
                       input.capture != input.tracking.hwnd;
        if (tracked) {
            left = input.tracking.hwnd;
            input.tracking = MouseTracking{};
        }
        input.pointerWindow = over;
    }
    if (left == nullptr)
        return;
    if (std::shared_ptr<Window> window = WindowTable::Instance().Find(left))
        window->queue->ClearHover(left);
    QueueInput(left, WM_MOUSELEAVE, 0, 0, e);
}

int HitTest(HWND hwnd, POINT screen) {
    return int(SendMessageA(hwnd, WM_NCHITTEST, 0, PointParam(screen)));
}

void AskForCursor(HWND hwnd, POINT screen, UINT mouseMessage) {
    if (GetCapture() != nullptr)
        return;
    int hit = HitTest(hwnd, screen);
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                 MAKELPARAM(WORD(hit), mouseMessage));
}

UINT ButtonMessage(NativeButton button, bool press) {
    switch (button) {
        case NativeButton::Right:
            return press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case NativeButton::Middle:
            return press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default:
            return press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

int ButtonKey(NativeButton button) {
    return button == NativeButton::Right    ? VK_RBUTTON
           : button == NativeButton::Middle ? VK_MBUTTON
                                            : VK_LBUTTON;
}

bool WantsDoubleClicks(HWND hwnd) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(hwnd);
    return window != nullptr && (window->windowClass->info.style & CS_DBLCLKS) != 0;
}

// A second press of the same button on the same window, soon and near
// enough, is a double click; a third starts over.
UINT ApplyDoubleClickRule(HWND hwnd, UINT down, const NativeEvent& e) {
    InputState& input = Input();
    bool dbl = false;
    {
        std::lock_guard<std::mutex> guard(input.lock);
        const ClickMemory& last = input.lastClick;
        dbl = last.hwnd == hwnd && last.button == down && !last.wasDouble &&
              Stamp(e) - last.time <= DOUBLE_CLICK_MS &&
              std::labs(long(e.screenPos.x - last.pos.x)) <= DOUBLE_CLICK_DISTANCE &&
              std::labs(long(e.screenPos.y - last.pos.y)) <= DOUBLE_CLICK_DISTANCE;
        input.lastClick = ClickMemory{hwnd, down, Stamp(e), e.screenPos, dbl};
    }
    return dbl && WantsDoubleClicks(hwnd) ? down + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : down;
}

HWND TopLevelOf(HWND hwnd) {
    while (GetAncestorParent(hwnd) != nullptr)
        hwnd = GetAncestorParent(hwnd);
    return hwnd;
}

// A press in an inactive window activates it unless it answers otherwise.
void ActivateOnPress(HWND hwnd, int hit, UINT message) {
    HWND top = TopLevelOf(hwnd);
    if (GetActiveWindow() == top || (GetWindowLongPtrA(top, GWL_EXSTYLE) & WS_EX_NOACTIVATE) != 0)
        return;
    LRESULT answer = SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                  MAKELPARAM(WORD(hit), message));
    if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT)
        SetForegroundWindow(top);
}

void OnPointerMotion(const NativeEvent& e) {
    SyncModifiers(e.modifiers);
    NotePointer(e, e.hwnd);
    if (ContinueMoveSize(e.screenPos))
        return;
    PointerTarget target = TargetOf(e);
    if (!AcceptsInput(target.hwnd))
        return;
    AskForCursor(target.hwnd, e.screenPos, WM_MOUSEMOVE);
    QueueInput(target.hwnd, WM_MOUSEMOVE, MouseKeyFlags(), PointParam(target.client), e);
    RearmHover(target.hwnd, target.client);
}

void OnButtonDown(const NativeEvent& e) {
    SyncModifiers(e.modifiers);
    SetKeyDown(ButtonKey(e.button), true);
    NotePointer(e, e.hwnd);
    PointerTarget target = TargetOf(e);
    if (!AcceptsInput(target.hwnd))
        return;
    UINT message = ButtonMessage(e.button, true);
    int hit = GetCapture() != nullptr ? HTCLIENT : HitTest(target.hwnd, e.screenPos);
    ActivateOnPress(target.hwnd, hit, message);
    if (e.button == NativeButton::Left && BeginMoveSize(target.hwnd, hit, e.screenPos))
        return;
    message = ApplyDoubleClickRule(target.hwnd, message, e);
    QueueInput(target.hwnd, message, MouseKeyFlags(), PointParam(target.client), e);
}

void OnButtonUp(const NativeEvent& e) {
    SyncModifiers(e.modifiers);
    SetKeyDown(ButtonKey(e.button), false);
    NotePointer(e, e.hwnd);
    if (e.button == NativeButton::Left && EndMoveSize())
        return;
    PointerTarget target = TargetOf(e);
    if (!AcceptsInput(target.hwnd))
        return;
    UINT message = ButtonMessage(e.button, false);
    QueueInput(target.hwnd, message, MouseKeyFlags(), PointParam(target.client), e);
}

void OnWheel(const NativeEvent& e) {
    SyncModifiers(e.modifiers);
    PointerTarget target = TargetOf(e);
    if (!AcceptsInput(target.hwnd))
        return;
    WPARAM wp = MAKEWPARAM(MouseKeyFlags(), short(e.wheelDelta));
    QueueInput(target.hwnd, WM_MOUSEWHEEL, wp, PointParam(e.screenPos), e);
}

void RememberKeyText(HWND hwnd, WPARAM vk, bool sys, const NativeEvent& e) {
    if (e.text[0] == '\0')
        return;
    KeyText text{hwnd, vk, Stamp(e), sys, {}};
    for (size_t i = 0; i + 1 < sizeof text.text && e.text[i] != '\0'; ++i)
        text.text[i] = e.text[i];
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    input.keyTexts.push_back(text);
    if (input.keyTexts.size() > KEY_TEXTS_KEPT)
        input.keyTexts.pop_front();
}

// Keys go to the focus window when the focus is inside the event's window.
HWND KeyTarget(HWND hwnd) {
    HWND focus = GetFocus();
    return focus != nullptr && TopLevelOf(focus) == TopLevelOf(hwnd) ? focus : hwnd;
}

void OnKey(const NativeEvent& e, bool press) {
    UINT vk = VirtualKeyFromKeysym(e.keysym);
    if (vk == 0)
        return;
    bool wasDown = IsKeyDown(int(vk));
    bool altHeld = IsKeyDown(VK_MENU);
    SetKeyDown(int(vk), press);
    HWND target = KeyTarget(e.hwnd);
    if (!AcceptsInput(target))
        return;
    bool sys = altHeld || vk == VK_MENU;
    UINT message = press ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lp = 1 | (altHeld ? LPARAM(1) << 29 : 0);
    lp |= press ? (wasDown ? LPARAM(1) << 30 : 0) : (LPARAM(1) << 30 | LPARAM(1) << 31);
    if (press)
        RememberKeyText(target, vk, sys, e);
    QueueInput(target, message, vk, LPARAM(DWORD(lp)), e);
}

void OnExposed(const NativeEvent& e) {
    // The core keeps every window's pixels: showing them again needs no repaint.
    PresentWindow(e.hwnd, e.damage, false);
}

void OnConfigure(const NativeEvent& e) {
    RECT rect{e.screenPos.x, e.screenPos.y, e.screenPos.x + e.size.cx, e.screenPos.y + e.size.cy};
    ApplyWindowRect(e.hwnd, rect, 0);
}

void OnFocusGained(const NativeEvent& e) {
    SetActiveWindow(e.hwnd);
}

void OnFocusLost(const NativeEvent& e) {
    if (GetActiveWindow() == e.hwnd)
        SetActiveWindow(nullptr);
}

void OnCloseRequest(const NativeEvent& e) {
    SendMessageA(e.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void OnPointerLeave(const NativeEvent& e) {
    InputState& input = Input();
    {
        std::lock_guard<std::mutex> guard(input.lock);
        if (input.pointerWindow != e.hwnd)
            return;
    }
    NotePointer(e, nullptr);
}

void OnStateChange(const NativeEvent& e) {
    DWORD bits = e.state == NativeWindowState::Minimised   ? WS_MINIMIZE
                 : e.state == NativeWindowState::Maximised ? WS_MAXIMIZE
                                                           : 0;
    DWORD before = DWORD(GetWindowLongPtrA(e.hwnd, GWL_STYLE)) & (WS_MINIMIZE | WS_MAXIMIZE);
    if (before == bits)
        return;
    WindowTable::Instance().With(
        e.hwnd, [&](Window& w) { w.style = (w.style & ~DWORD(WS_MINIMIZE | WS_MAXIMIZE)) | bits; });
    RECT client{};
    GetClientRect(e.hwnd, &client);
    WPARAM kind = bits == WS_MINIMIZE   ? SIZE_MINIMIZED
                  : bits == WS_MAXIMIZE ? SIZE_MAXIMIZED
                                        : SIZE_RESTORED;
    LPARAM size = kind == SIZE_MINIMIZED ? 0 : MAKELPARAM(client.right, client.bottom);
    SendMessageA(e.hwnd, WM_SIZE, kind, size);
    if (kind != SIZE_MINIMIZED)
        InvalidateAll(e.hwnd);
}

void Translate(const NativeEvent& e) {
    switch (e.kind) {
        case NativeEventKind::PointerMotion:
            return OnPointerMotion(e);
        case NativeEventKind::ButtonDown:
            return OnButtonDown(e);
        case NativeEventKind::ButtonUp:
            return OnButtonUp(e);
        case NativeEventKind::Wheel:
            return OnWheel(e);
        case NativeEventKind::KeyDown:
            return OnKey(e, true);
        case NativeEventKind::KeyUp:
            return OnKey(e, false);
        case NativeEventKind::Exposed:
            return OnExposed(e);
        case NativeEventKind::Configure:
            return OnConfigure(e);
        case NativeEventKind::FocusGained:
            return OnFocusGained(e);
        case NativeEventKind::FocusLost:
            return OnFocusLost(e);
        case NativeEventKind::CloseRequest:
            return OnCloseRequest(e);
        case NativeEventKind::PointerLeave:
            return OnPointerLeave(e);
        case NativeEventKind::StateChange:
            return OnStateChange(e);
    }
}

}  // namespace

void TranslateNativeEvent(const NativeEvent& event) {
    std::shared_ptr<Window> window = WindowTable::Instance().Find(event.hwnd);
    if (window == nullptr)
        return;
    // Messages are made on the window's own thread, which may send them.
    if (window->queue->ThreadId() != GetCurrentThreadId()) {
        window->queue->PostNative(event);
        return;
    }
    Translate(event);
}

}  // namespace platform::user
