// orvik-view's event mode: each command becomes window messages, then the queue is served.
#include "tools/view/ViewEvents.h"

#include <cstdio>
#include <vector>

#include "platform/kernel.h"
#include "tools/view/ViewFrame.h"
#include "tools/view/ViewScript.h"
#include "ui/window/WindowHostUI.h"

namespace orvikview {

namespace {

constexpr int EXIT_VIEW_ERROR = 2;
// Bounded: a window that keeps posting work must not hang the viewer.
constexpr int MAX_MESSAGES_PER_STEP = 100000;

int Fail(const std::string& strMessage) {
    std::fprintf(stderr, "orvik-view: %s\n", strMessage.c_str());
    return EXIT_VIEW_ERROR;
}

void Dispatch(MSG& msg) {
    if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

// Serves the queue until it is idle; false once a quit message arrived.
bool ServeUntilIdle() {
    MSG msg;
    for (int i = 0; i < MAX_MESSAGES_PER_STEP && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
         ++i) {
        if (msg.message == WM_QUIT)
            return false;
        Dispatch(msg);
    }
    return true;
}

// Serves the queue for ms milliseconds, so the timers due meanwhile fire.
bool ServeFor(HWND hWnd, int nMs) {
    DWORD dwEnd = ::GetTickCount() + static_cast<DWORD>(nMs);
    while (::IsWindow(hWnd)) {
        if (!ServeUntilIdle())
            return false;
        DWORD dwNow = ::GetTickCount();
        if (static_cast<int>(dwEnd - dwNow) <= 0)
            break;
        UINT_PTR uWake = ::SetTimer(nullptr, 0, dwEnd - dwNow, nullptr);
        MSG msg;
        BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        ::KillTimer(nullptr, uWake);
        if (bGot <= 0)
            return false;
        if (!(msg.message == WM_TIMER && msg.hwnd == nullptr))
            Dispatch(msg);
    }
    return true;
}

LPARAM ScreenPoint(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    return MAKELPARAM(pt.x, pt.y);
}

void PostPointer(HWND hWnd, const ScriptCommand& c) {
    LPARAM lPoint = MAKELPARAM(c.x, c.y);
    switch (c.op) {
        case ScriptOp::Move:
            ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, lPoint);
            break;
        case ScriptOp::Down:
            ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            break;
        case ScriptOp::Up:
            ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
            break;
        case ScriptOp::Click:
            ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, lPoint);
            ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
            break;
        case ScriptOp::DoubleClick:
            ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
            ::PostMessageA(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
            ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
            break;
        case ScriptOp::RightDown:
            ::PostMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, lPoint);
            break;
        case ScriptOp::Wheel:
            ::PostMessageA(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.nValue)),
                           ScreenPoint(hWnd, c.x, c.y));
            break;
        default:
            break;
    }
}

void PostText(HWND hWnd, const std::string& strUtf8) {
    std::string strAnsi = platform::Utf8ToAnsi(strUtf8.c_str());
    for (unsigned char ch : strAnsi)
        ::PostMessageA(hWnd, WM_CHAR, ch, 1);
}

// False when the script must stop: an error (in strError) or the end of the program.
bool RunCommand(HWND hWnd, const ScriptCommand& c, SavePictureFn pfnSave, std::string& strError) {
    switch (c.op) {
        case ScriptOp::Key:
            ::PostMessageA(hWnd, WM_KEYDOWN, c.nValue, 1);
            ::PostMessageA(hWnd, WM_KEYUP, c.nValue, 0xC0000001);
            break;
        case ScriptOp::Char:
            PostText(hWnd, c.strText);
            break;
        case ScriptOp::Wait:
            return ServeFor(hWnd, c.nValue);
        case ScriptOp::Shot:
            if (!ServeUntilIdle())
                return false;
            if (!pfnSave(hWnd, c.strText)) {
                strError = c.strText + ": cannot write the picture";
                return false;
            }
            return true;
        default:
            PostPointer(hWnd, c);
            break;
    }
    return ServeUntilIdle();
}

bool ReadScript(const std::string& strPath, std::vector<ScriptCommand>& commands,
                std::string& strError) {
    std::FILE* pFile = strPath == "-" ? stdin : std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr) {
        strError = strPath + ": cannot read the event script";
        return false;
    }
    bool bRead = ParseScript(pFile, commands, strError);
    if (pFile != stdin)
        std::fclose(pFile);
    if (!bRead)
        strError = strPath + ": " + strError;
    return bRead;
}

}  // namespace

int RunEventView(const ViewOptions& options, SavePictureFn pfnSave) {
    std::vector<ScriptCommand> commands;
    std::string strError;
    if (!options.strEvents.empty() && !ReadScript(options.strEvents, commands, strError))
        return Fail(strError);
    CViewFrame frame(platform::Utf8ToAnsi(options.strDocument.c_str()),
                     options.bNotifications ? stdout : nullptr);
    HWND hWnd = frame.Create(nullptr, "orvik-view", WS_POPUP, 0, 0, 0, 640, 480);
    if (hWnd == nullptr)
        return Fail("cannot create the headless window");
    if (options.nWidth > 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, options.nWidth, options.nHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame.Show(true, true);
    bool bRunning = ServeUntilIdle();
    for (size_t i = 0; bRunning && i < commands.size() && ::IsWindow(hWnd); ++i) {
        bRunning = RunCommand(hWnd, commands[i], pfnSave, strError);
        if (!strError.empty())
            break;
    }
    if (::IsWindow(hWnd)) {
        if (strError.empty() && !options.strOut.empty() && !pfnSave(hWnd, options.strOut))
            strError = options.strOut + ": cannot write the picture";
        ::DestroyWindow(hWnd);
    }
    return strError.empty() ? 0 : Fail(strError);
}

}  // namespace orvikview
