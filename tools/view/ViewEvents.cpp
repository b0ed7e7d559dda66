// orvik-view's event mode: each command becomes injected input, then the queue is served.
#include "tools/view/ViewEvents.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/backends/headless/headless.h"
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

// Steps the manual clock through ms milliseconds, serving the queue after
// each step, so the timers due meanwhile fire (repeating ones once per period).
constexpr int CLOCK_STEP_MS = 10;

bool ServeFor(HWND hWnd, int nMs) {
    for (int nLeft = nMs; nLeft > 0 && ::IsWindow(hWnd); nLeft -= CLOCK_STEP_MS) {
        platform::headless::AdvanceClock(static_cast<DWORD>(std::min(nLeft, CLOCK_STEP_MS)));
        if (!ServeUntilIdle())
            return false;
    }
    return true;
}

void PointerTo(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    platform::headless::MovePointer(pt.x, pt.y);
}

void Press(platform::user::NativeButton button = platform::user::NativeButton::Left) {
    platform::headless::PressButton(button);
    platform::headless::ReleaseButton(button);
}

// Whole notches of WHEEL_DELTA; a smaller turn still moves one notch its way.
int Notches(int nDelta) {
    int nNotches = nDelta / WHEEL_DELTA;
    if (nNotches == 0 && nDelta != 0)
        nNotches = nDelta > 0 ? 1 : -1;
    return nNotches;
}

void InjectPointer(HWND hWnd, const ScriptCommand& c) {
    PointerTo(hWnd, c.x, c.y);
    switch (c.op) {
        case ScriptOp::Down:
            platform::headless::PressButton();
            break;
        case ScriptOp::Up:
            platform::headless::ReleaseButton();
            break;
        case ScriptOp::Click:
            Press();
            // A later click must not pair with this one into a double click.
            platform::headless::AdvanceClock(1000);
            break;
        case ScriptOp::DoubleClick:
            Press();
            Press();
            platform::headless::AdvanceClock(1000);
            break;
        case ScriptOp::RightDown:
            platform::headless::PressButton(platform::user::NativeButton::Right);
            break;
        case ScriptOp::Wheel:
            platform::headless::TurnWheel(Notches(c.nValue));
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
            platform::headless::PressKey(static_cast<UINT>(c.nValue));
            platform::headless::ReleaseKey(static_cast<UINT>(c.nValue));
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
            InjectPointer(hWnd, c);
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
    // Script time is the clock's time: waits are exact and take no real time.
    platform::headless::UseManualClock(true);
    CViewFrame frame(platform::Utf8ToAnsi(options.strDocument.c_str()),
                     options.bNotifications ? stdout : nullptr);
    HWND hWnd = frame.Create(nullptr, "orvik-view", WS_POPUP, 0, 0, 0, 640, 480);
    if (hWnd == nullptr)
        return Fail("cannot create the headless window");
    if (options.nWidth > 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, options.nWidth, options.nHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (options.bTree)
        frame.PrintTreeAtEnd(stdout);
    frame.Show(true, true);
    ::SetFocus(hWnd);
    bool bRunning = ServeUntilIdle();
    for (size_t i = 0; bRunning && i < commands.size() && ::IsWindow(hWnd); ++i) {
        bRunning = RunCommand(hWnd, commands[i], pfnSave, strError);
        if (!strError.empty())
            break;
    }
    if (::IsWindow(hWnd)) {
        if (strError.empty() && !options.strOut.empty() && !pfnSave(hWnd, options.strOut))
            strError = options.strOut + ": cannot write the picture";
        // After the last command's notifications, before those of the window's end.
        frame.PrintTreeOnce();
        ::DestroyWindow(hWnd);
    }
    return strError.empty() ? 0 : Fail(strError);
}

}  // namespace orvikview
