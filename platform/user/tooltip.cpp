// The tooltip popup: tools with their texts, shown on request above every other window.
#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "platform/kernel.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/system_classes.h"

namespace {

constexpr COLORREF TIP_BACKGROUND = RGB(255, 255, 225);
constexpr COLORREF TIP_BORDER = RGB(118, 118, 118);
constexpr COLORREF TIP_TEXT = RGB(0, 0, 0);
constexpr int BORDER = 1;
constexpr int PAD_X = 4;
constexpr int PAD_Y = 2;
// Where a tip without a track position goes, from the pointer's hot spot.
constexpr int BELOW_POINTER = 20;

struct Tool {
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT_PTR uId = 0;
    RECT rect{};
    std::string text;
    LPARAM lParam = 0;
};

struct TipState {
    std::vector<Tool> tools;
    bool active = true;
    int maxWidth = -1;
    DWORD initial = 500, autopop = 5000, reshow = 100;
    bool trackSet = false;
    POINT track{0, 0};
    int shown = -1;  // index of the tool on show
    bool noPrefix = false;
};

TipState* StateOf(HWND hwnd) {
    return reinterpret_cast<TipState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

int FindTool(const TipState& state, const TOOLINFOA* info) {
    if (info == nullptr)
        return -1;
    for (size_t i = 0; i < state.tools.size(); ++i)
        if (state.tools[i].hwnd == info->hwnd && state.tools[i].uId == info->uId)
            return int(i);
    return -1;
}

Tool ToolFrom(const TOOLINFOA& info) {
    Tool tool;
    tool.uFlags = info.uFlags;
    tool.hwnd = info.hwnd;
    tool.uId = info.uId;
    tool.rect = info.rect;
    // Text ids and callbacks are not supported: only real strings are kept.
    if (info.lpszText != nullptr && reinterpret_cast<ULONG_PTR>(info.lpszText) > 0xFFFF &&
        info.lpszText != reinterpret_cast<LPSTR>(-1))
        tool.text = info.lpszText;
    tool.lParam = info.lParam;
    return tool;
}

UINT TextFormat(const TipState& state) {
    UINT format = DT_LEFT | DT_EXPANDTABS | (state.noPrefix ? DT_NOPREFIX : 0);
    return state.maxWidth > 0 ? format | DT_WORDBREAK : format;
}

SIZE MeasureTip(HWND hwnd, const TipState& state, const std::string& text) {
    HDC hdc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    int limit = state.maxWidth > 0 ? std::max(state.maxWidth - 2 * (BORDER + PAD_X), 1) : 32767;
    RECT rc{0, 0, limit, 0};
    DrawTextA(hdc, text.c_str(), int(text.size()), &rc, TextFormat(state) | DT_CALCRECT);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return SIZE{rc.right - rc.left + 2 * (BORDER + PAD_X),
                rc.bottom - rc.top + 2 * (BORDER + PAD_Y)};
}

// The whole tip stays on the monitor's work area.
POINT KeepOnScreen(POINT pt, SIZE size) {
    MONITORINFO info{sizeof info, {}, {}, 0};
    if (!GetMonitorInfoA(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info))
        return pt;
    const RECT& work = info.rcWork;
    pt.x = std::max<LONG>(std::min<LONG>(pt.x, work.right - size.cx), work.left);
    pt.y = std::max<LONG>(std::min<LONG>(pt.y, work.bottom - size.cy), work.top);
    return pt;
}

void ShowTip(HWND hwnd, TipState& state, int index) {
    state.shown = index;
    SIZE size = MeasureTip(hwnd, state, state.tools[size_t(index)].text);
    POINT pt = state.track;
    if (!state.trackSet) {
        GetCursorPos(&pt);
        pt.y += BELOW_POINTER;
    }
    pt = KeepOnScreen(pt, size);
    SetWindowPos(hwnd, HWND_TOPMOST, pt.x, pt.y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);  // on screen now, not at the next idle moment
}

void HideTip(HWND hwnd, TipState& state) {
    state.shown = -1;
    if (IsWindowVisible(hwnd))
        ShowWindow(hwnd, SW_HIDE);
}

void PaintTip(HWND hwnd, const TipState& state) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc == nullptr)
        return;
    RECT rc{};
    GetClientRect(hwnd, &rc);
    HBRUSH border = CreateSolidBrush(TIP_BORDER), fill = CreateSolidBrush(TIP_BACKGROUND);
    FillRect(hdc, &rc, border);
    RECT inside{rc.left + BORDER, rc.top + BORDER, rc.right - BORDER, rc.bottom - BORDER};
    FillRect(hdc, &inside, fill);
    DeleteObject(border);
    DeleteObject(fill);
    if (state.shown >= 0 && size_t(state.shown) < state.tools.size()) {
        const std::string& text = state.tools[size_t(state.shown)].text;
        HGDIOBJ old = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, TIP_TEXT);
        RECT textRect{inside.left + PAD_X, inside.top + PAD_Y, inside.right - PAD_X,
                      inside.bottom - PAD_Y};
        DrawTextA(hdc, text.c_str(), int(text.size()), &textRect, TextFormat(state));
        SelectObject(hdc, old);
    }
    EndPaint(hwnd, &ps);
}

void SetDelays(TipState& state, WPARAM which, LPARAM lParam) {
    int value = short(LOWORD(lParam));
    switch (which) {
        case TTDT_AUTOMATIC: {
            DWORD initial = value < 0 ? 500 : DWORD(value);
            state.initial = initial, state.autopop = initial * 10, state.reshow = initial / 5;
            break;
        }
        case TTDT_INITIAL:
            state.initial = value < 0 ? 500 : DWORD(value);
            break;
        case TTDT_AUTOPOP:
            state.autopop = value < 0 ? 5000 : DWORD(value);
            break;
        case TTDT_RESHOW:
            state.reshow = value < 0 ? 100 : DWORD(value);
            break;
        default:
            break;
    }
}

LRESULT DelayOf(const TipState& state, WPARAM which) {
    switch (which) {
        case TTDT_AUTOPOP:
            return state.autopop;
        case TTDT_RESHOW:
            return state.reshow;
        default:
            return state.initial;
    }
}

LRESULT ToolMessage(HWND hwnd, TipState& state, UINT msg, const TOOLINFOA* info) {
    if (info == nullptr)
        return FALSE;
    int index = FindTool(state, info);
    switch (msg) {
        case TTM_ADDTOOLA:
            if (index >= 0)
                state.tools[size_t(index)] = ToolFrom(*info);
            else
                state.tools.push_back(ToolFrom(*info));
            return TRUE;
        case TTM_DELTOOLA:
            if (index >= 0) {
                if (state.shown == index)
                    HideTip(hwnd, state);
                else if (state.shown > index)
                    --state.shown;
                state.tools.erase(state.tools.begin() + index);
            }
            return 0;
        case TTM_NEWTOOLRECTA:
            if (index >= 0)
                state.tools[size_t(index)].rect = info->rect;
            return 0;
        default:  // TTM_SETTOOLINFOA, TTM_UPDATETIPTEXTA
            if (index < 0)
                return 0;
            if (msg == TTM_SETTOOLINFOA)
                state.tools[size_t(index)] = ToolFrom(*info);
            else
                state.tools[size_t(index)].text = ToolFrom(*info).text;
            if (state.shown == index)
                ShowTip(hwnd, state, index);  // the new text may need another size
            return 0;
    }
}

LRESULT TrackActivate(HWND hwnd, TipState& state, bool on, const TOOLINFOA* info) {
    int index = FindTool(state, info);
    if (!on || !state.active || index < 0 || state.tools[size_t(index)].text.empty()) {
        HideTip(hwnd, state);
        return 0;
    }
    ShowTip(hwnd, state, index);
    return 0;
}

LRESULT TipMessage(HWND hwnd, TipState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
    switch (msg) {
        case TTM_ADDTOOLA:
        case TTM_DELTOOLA:
        case TTM_NEWTOOLRECTA:
        case TTM_SETTOOLINFOA:
        case TTM_UPDATETIPTEXTA:
            return ToolMessage(hwnd, state, msg, info);
        case TTM_GETTOOLCOUNT:
            return LRESULT(state.tools.size());
        case TTM_TRACKACTIVATE:
            return TrackActivate(hwnd, state, wParam != 0, info);
        case TTM_TRACKPOSITION:
            state.trackSet = true;
            state.track = POINT{short(LOWORD(lParam)), short(HIWORD(lParam))};
            if (state.shown >= 0)
                ShowTip(hwnd, state, state.shown);
            return 0;
        case TTM_ACTIVATE:
            state.active = wParam != 0;
            if (!state.active)
                HideTip(hwnd, state);
            return 0;
        case TTM_POP:
            HideTip(hwnd, state);
            return 0;
        case TTM_SETMAXTIPWIDTH: {
            int previous = state.maxWidth;
            state.maxWidth = int(lParam);
            return previous;
        }
        case TTM_GETMAXTIPWIDTH:
            return state.maxWidth;
        case TTM_SETDELAYTIME:
            SetDelays(state, wParam, lParam);
            return 0;
        case TTM_GETDELAYTIME:
            return DelayOf(state, wParam);
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TooltipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* state = new TipState;
        state->noPrefix =
            (reinterpret_cast<const CREATESTRUCTA*>(lParam)->style & TTS_NOPREFIX) != 0;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        // Above everything, never active, and the pointer passes through it.
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE,
                          GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_TOPMOST | WS_EX_TOOLWINDOW |
                              WS_EX_NOACTIVATE | WS_EX_TRANSPARENT);
        platform::user::ActiveBackend().SetNativeShape(hwnd, platform::user::NativeShape::Input,
                                                       CreateRectRgn(0, 0, 0, 0));
        return TRUE;
    }
    TipState* state = StateOf(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            delete state;
            return 0;
        case WM_PAINT:
            PaintTip(hwnd, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return TipMessage(hwnd, *state, msg, wParam, lParam);
    }
}

}  // namespace

namespace platform::user {

void RegisterSystemClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = TooltipProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = TOOLTIPS_CLASSA;
        RegisterClassExA(&wc);
    });
}

}  // namespace platform::user

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    platform::user::RegisterSystemClasses();
    return picce != nullptr && picce->dwSize == sizeof(INITCOMMONCONTROLSEX);
}
