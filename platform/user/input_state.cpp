// Keys, cursor and the process-wide input pointers.
#include "platform/user/input_state.h"

#include "platform/user/thread_queue.h"
#include "platform/user/window_geometry.h"

namespace platform::user {

InputState& Input() {
    static auto* state = new InputState();  // outlives every static destructor
    return *state;
}

void SetKeyDown(int vk, bool down) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    BYTE& key = input.keys[vk & 0xFF];
    if (down && (key & 0x80) == 0)
        key ^= 0x01;  // each press toggles
    key = down ? BYTE(key | 0x80) : BYTE(key & ~0x80);
}

bool IsKeyDown(int vk) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    return (input.keys[vk & 0xFF] & 0x80) != 0;
}

KeyTable KeySnapshot() {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    return input.keys;
}

void ResetKeyState() {
    {
        InputState& input = Input();
        std::lock_guard<std::mutex> guard(input.lock);
        input.keys.fill(0);
        input.lastClick = ClickMemory{};
        input.keyTexts.clear();
    }
    CurrentQueue()->SetRetrievedKeys(KeyTable{});
}

WPARAM MouseKeyFlags() {
    WPARAM flags = 0;
    flags |= IsKeyDown(VK_LBUTTON) ? MK_LBUTTON : 0;
    flags |= IsKeyDown(VK_RBUTTON) ? MK_RBUTTON : 0;
    flags |= IsKeyDown(VK_MBUTTON) ? MK_MBUTTON : 0;
    flags |= IsKeyDown(VK_SHIFT) ? MK_SHIFT : 0;
    flags |= IsKeyDown(VK_CONTROL) ? MK_CONTROL : 0;
    return flags;
}

void ForgetInputWindow(HWND hwnd) {
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    for (HWND* slot : {&input.capture, &input.focus, &input.active, &input.pointerWindow}) {
        if (*slot == hwnd)
            *slot = nullptr;
    }
    if (input.lastClick.hwnd == hwnd)
        input.lastClick = ClickMemory{};
    if (input.tracking.hwnd == hwnd)
        input.tracking = MouseTracking{};
}

}  // namespace platform::user

using namespace platform::user;

// The keys as of the last input message this thread retrieved, so a key message
// handled late still sees the modifiers that were held when it was typed.
short GetKeyState(int nVirtKey) {
    BYTE key = CurrentQueue()->RetrievedKey(nVirtKey);
    return short(((key & 0x80) != 0 ? 0x8000 : 0) | (key & 0x01));
}

short GetAsyncKeyState(int vKey) {
    return IsKeyDown(vKey) ? short(0x8000) : 0;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
    if (lpPoint == nullptr)
        return FALSE;
    InputState& input = Input();
    std::lock_guard<std::mutex> guard(input.lock);
    *lpPoint = input.cursor;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    if (lpPoint == nullptr || !IsWindow(hWnd))
        return FALSE;
    POINT origin = ClientOrigin(hWnd);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    if (lpPoint == nullptr || !IsWindow(hWnd))
        return FALSE;
    POINT origin = ClientOrigin(hWnd);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}
