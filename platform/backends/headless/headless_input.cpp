// Input injection: what a display would report, handed to the core's translation.
#include "platform/backends/headless/headless.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/user.h"
#include "platform/user/core_clock.h"
#include "platform/user/input_state.h"
#include "platform/user/keymap.h"

namespace platform::headless {

using platform::user::NativeButton;
using platform::user::NativeEvent;
using platform::user::NativeEventKind;

namespace {

UINT ButtonBit(NativeButton button) {
    return button == NativeButton::Right    ? platform::user::NATIVE_RIGHT
           : button == NativeButton::Middle ? platform::user::NATIVE_MIDDLE
                                            : platform::user::NATIVE_LEFT;
}

UINT ModifierBit(UINT vk) {
    return vk == VK_SHIFT     ? platform::user::NATIVE_SHIFT
           : vk == VK_CONTROL ? platform::user::NATIVE_CONTROL
           : vk == VK_MENU    ? platform::user::NATIVE_ALT
                              : UINT(0);
}

constexpr UINT BUTTONS =
    platform::user::NATIVE_LEFT | platform::user::NATIVE_RIGHT | platform::user::NATIVE_MIDDLE;

// The window a pointer event goes to: the capture, the backend's grab, the
// window a held button was pressed in (as a display grabs implicitly), or
// the one under the pointer.
HWND PointerWindow(HeadlessBackend& backend) {
    if (GetCapture() != nullptr)
        return GetCapture();
    if (backend.GrabbedWindow() != nullptr && IsWindow(backend.GrabbedWindow()))
        return backend.GrabbedWindow();
    HWND pressed = backend.LastPointerWindow();
    if ((backend.Modifiers() & BUTTONS) != 0 && pressed != nullptr && IsWindow(pressed))
        return pressed;
    return backend.WindowAt(backend.PointerPosition());
}

// A pointer event for the window PointerWindow names.
bool PointerEvent(HeadlessBackend& backend, NativeEventKind kind, NativeEvent& event) {
    POINT screen = backend.PointerPosition();
    HWND hwnd = PointerWindow(backend);
    if (hwnd == nullptr)
        return false;
    event.kind = kind;
    event.hwnd = hwnd;
    event.screenPos = screen;
    event.pos = screen;
    ScreenToClient(hwnd, &event.pos);
    event.modifiers = backend.Modifiers();
    return true;
}

void Button(NativeButton button, bool press) {
    HeadlessBackend* backend = ActiveHeadless();
    NativeEvent event;
    if (backend == nullptr)
        return;
    bool delivered = PointerEvent(
        *backend, press ? NativeEventKind::ButtonDown : NativeEventKind::ButtonUp, event);
    backend->SetModifier(ButtonBit(button), press);  // the event carries the state before
    if (!delivered)
        return;
    event.button = button;
    platform::user::TranslateNativeEvent(event);
}

HWND KeyWindow() {
    HWND focus = GetFocus();
    return focus != nullptr ? focus : GetActiveWindow();
}

}  // namespace

void MovePointer(int x, int y) {
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr)
        return;
    backend->SetPointerPosition(POINT{x, y});
    HWND previous = backend->LastPointerWindow();
    HWND over = (backend->Modifiers() & BUTTONS) != 0 && previous != nullptr && IsWindow(previous)
                    ? previous  // a held button keeps the pointer with its window
                    : backend->WindowAt(POINT{x, y});
    backend->SetLastPointerWindow(over);
    if (previous != nullptr && previous != over && IsWindow(previous)) {
        NativeEvent leave;
        leave.kind = NativeEventKind::PointerLeave;
        leave.hwnd = previous;
        leave.screenPos = POINT{x, y};
        platform::user::TranslateNativeEvent(leave);
    }
    NativeEvent event;
    if (PointerEvent(*backend, NativeEventKind::PointerMotion, event))
        platform::user::TranslateNativeEvent(event);
}

void PressButton(NativeButton button) {
    Button(button, true);
}

void ReleaseButton(NativeButton button) {
    Button(button, false);
}

void TurnWheel(int notches) {
    HeadlessBackend* backend = ActiveHeadless();
    NativeEvent event;
    if (backend == nullptr || !PointerEvent(*backend, NativeEventKind::Wheel, event))
        return;
    event.wheelDelta = notches * platform::user::NATIVE_WHEEL_NOTCH;
    platform::user::TranslateNativeEvent(event);
}

void PressKey(UINT vk, const char* textCp936) {
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr)
        return;
    NativeEvent event;
    event.kind = NativeEventKind::KeyDown;
    event.hwnd = KeyWindow();
    event.keysym = platform::user::KeysymFromVirtualKey(vk);
    event.modifiers = backend->Modifiers();
    for (size_t i = 0; textCp936 != nullptr && textCp936[i] != '\0' && i + 1 < sizeof event.text;
         ++i)
        event.text[i] = textCp936[i];
    backend->SetModifier(ModifierBit(vk), true);
    if (event.hwnd != nullptr)
        platform::user::TranslateNativeEvent(event);
}

void ReleaseKey(UINT vk) {
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr)
        return;
    NativeEvent event;
    event.kind = NativeEventKind::KeyUp;
    event.hwnd = KeyWindow();
    event.keysym = platform::user::KeysymFromVirtualKey(vk);
    event.modifiers = backend->Modifiers();
    backend->SetModifier(ModifierBit(vk), false);
    if (event.hwnd != nullptr)
        platform::user::TranslateNativeEvent(event);
}

void ResetInput() {
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr)
        return;
    for (UINT bit = 1; bit <= platform::user::NATIVE_MIDDLE; bit <<= 1)
        backend->SetModifier(bit, false);
    backend->SetLastPointerWindow(nullptr);
    platform::user::ResetKeyState();
}

HWND WindowUnderPointer() {
    HeadlessBackend* backend = ActiveHeadless();
    if (backend == nullptr)
        return nullptr;
    return PointerWindow(*backend);
}

void UseManualClock(bool on) {
    platform::user::SetManualClock(on);
}

void AdvanceClock(DWORD ms) {
    platform::user::AdvanceManualClock(ms);
}

}  // namespace platform::headless
