// The message box on a display: lays out the text and OK, paints them and runs a modal loop.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include "platform/backends/x11/x11_message_box.h"

#include <algorithm>

#include "platform/backends/x11/x11_backend.h"
#include "platform/kernel.h"

namespace platform::x11 {

namespace {

constexpr char MESSAGE_BOX_CLASS[] = "LumoraMessageBox";
constexpr int MARGIN = 20;
constexpr int TEXT_WIDTH_MAX = 420;
constexpr int BOX_WIDTH_MIN = 240;
constexpr int BUTTON_WIDTH = 80;
constexpr int BUTTON_HEIGHT = 26;
constexpr COLORREF FACE = RGB(245, 245, 245);
constexpr COLORREF BORDER = RGB(120, 120, 120);
constexpr COLORREF INK = RGB(20, 20, 20);
constexpr COLORREF BUTTON_FACE = RGB(225, 225, 225);
constexpr COLORREF TITLE_FACE = RGB(225, 230, 236);

struct BoxState {
    std::string text;  // both in the code page DrawTextA reads
    std::string caption;
    RECT titleBar{};  // windows here have no manager's frame, so the box shows its own caption
    RECT textRect{};
    RECT button{};
    bool done = false;
};

// Text size under the GUI font, wrapped at the widest line a box allows.
SIZE MeasureText(const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT rc = {0, 0, TEXT_WIDTH_MAX, 0};
    DrawTextA(dc, text.c_str(), int(text.size()), &rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    return SIZE{std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1)};
}

SIZE LayOut(BoxState& state) {
    SIZE text = MeasureText(state.text);
    SIZE title = MeasureText(state.caption);
    int width = std::max<int>(BOX_WIDTH_MIN, std::max(text.cx, title.cx) + 2 * MARGIN);
    state.titleBar = RECT{0, 0, width, title.cy + MARGIN};
    int textTop = state.titleBar.bottom + MARGIN;
    state.textRect = RECT{MARGIN, textTop, width - MARGIN, textTop + text.cy};
    int buttonTop = state.textRect.bottom + MARGIN;
    int buttonLeft = (width - BUTTON_WIDTH) / 2;
    state.button =
        RECT{buttonLeft, buttonTop, buttonLeft + BUTTON_WIDTH, buttonTop + BUTTON_HEIGHT};
    return SIZE{width, state.button.bottom + MARGIN};
}

void FillFramed(HDC dc, const RECT& rc, COLORREF face) {
    HPEN pen = CreatePen(PS_SOLID, 1, BORDER);
    HBRUSH brush = CreateSolidBrush(face);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, rc.left, rc.top, rc.right, rc.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Paint(HWND hwnd, BoxState& state) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    FillFramed(dc, client, FACE);
    FillFramed(dc, state.titleBar, TITLE_FACE);
    FillFramed(dc, state.button, BUTTON_FACE);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, INK);
    RECT title = state.titleBar;
    title.left += MARGIN;
    DrawTextA(dc, state.caption.c_str(), int(state.caption.size()), &title,
              DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    RECT text = state.textRect;
    DrawTextA(dc, state.text.c_str(), int(state.text.size()), &text, DT_WORDBREAK | DT_NOPREFIX);
    RECT ok = state.button;
    DrawTextA(dc, "OK", 2, &ok, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

HWND g_shownBox = nullptr;  // the innermost box on screen, for MessageBoxButton

BoxState* StateOf(HWND hwnd) {
    return reinterpret_cast<BoxState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool InButton(const BoxState& state, LPARAM lp) {
    int x = short(LOWORD(lp)), y = short(HIWORD(lp));
    const RECT& b = state.button;
    return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    BoxState* state = StateOf(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wp, lp);
    switch (message) {
        case WM_PAINT:
            Paint(hwnd, *state);
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_RETURN || wp == VK_ESCAPE || wp == VK_SPACE)
                state->done = true;
            return 0;
        case WM_LBUTTONUP:
            if (InButton(*state, lp))
                state->done = true;
            return 0;
        case WM_CLOSE:  // the window manager's close answers as OK does
            state->done = true;
            return 0;
        case WM_DESTROY:  // gone with its owner: the loop must not wait for it
            state->done = true;
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wp, lp);
    }
}

void RegisterBoxClass() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = BoxProc;
    wc.lpszClassName = MESSAGE_BOX_CLASS;
    RegisterClassExA(&wc);  // a second registration fails harmlessly
}

// Centred on the owner, or on the work area of the primary monitor.
POINT Placement(HWND owner, SIZE size) {
    RECT around{};
    if (owner != nullptr) {
        GetWindowRect(owner, &around);
    } else {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoA(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), &info);
        around = info.rcWork;
    }
    return POINT{around.left + (around.right - around.left - size.cx) / 2,
                 around.top + (around.bottom - around.top - size.cy) / 2};
}

// Serves every window's messages until the box is answered; a quit is passed on.
void RunModalLoop(const BoxState& state) {
    MSG msg{};
    while (!state.done) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(int(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int RunMessageBox(HWND owner, const std::string& textUtf8, const std::string& captionUtf8) {
    RegisterBoxClass();
    BoxState state;
    state.text = platform::Utf8ToAnsi(textUtf8.c_str());
    state.caption = platform::Utf8ToAnsi(captionUtf8.c_str());
    SIZE size = LayOut(state);
    POINT at = Placement(owner, size);
    HWND box = CreateWindowExA(WS_EX_TOPMOST, MESSAGE_BOX_CLASS, state.caption.c_str(), WS_POPUP,
                               at.x, at.y, size.cx, size.cy, owner, nullptr, nullptr, nullptr);
    if (box == nullptr)
        return IDOK;
    SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    HWND outerBox = g_shownBox;
    g_shownBox = box;
    ShowWindow(box, SW_SHOW);
    SetFocus(box);
    RunModalLoop(state);
    g_shownBox = outerBox;
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(box)) {
        SetWindowLongPtrA(box, GWLP_USERDATA, 0);
        DestroyWindow(box);
    }
    return IDOK;
}

HWND ShownMessageBox() {
    return g_shownBox;
}

RECT MessageBoxButton(HWND box) {
    BoxState* state = box != nullptr && box == g_shownBox ? StateOf(box) : nullptr;
    return state != nullptr ? state->button : RECT{0, 0, 0, 0};
}

// The display has no dialog of its own: every button set is answered by OK.
int X11Backend::ShowMessageBox(HWND owner, const std::string& textUtf8,
                               const std::string& captionUtf8, UINT /*type*/) {
    return RunMessageBox(owner, textUtf8, captionUtf8);
}

}  // namespace platform::x11
