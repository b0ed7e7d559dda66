// The launcher's start-up body: every step from the program module to the pool's teardown.
#include <future>
#include <new>
#include <system_error>

#include "app/mainwindow/MainFrame.h"
#include "app/startup/StartUp.h"
#include "app/trace/Trace.h"
#include "app/update/UpdateGate.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

namespace {

// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU
const DWORD MAIN_WINDOW_STYLE = 0x96C80000;
const DWORD MAIN_WINDOW_EX_STYLE = 0x100;  // WS_EX_WINDOWEDGE

}  // namespace

void PassUpdateGate() {
    std::future<UpdateAnswer> answer;
    try {
        answer = std::async(std::launch::async, AskForUpdate);
    } catch (const std::system_error&) {
        // No thread to spare: the check is asked below, in line.
    }
    WarmUpWhileWaiting();
    ActOnUpdateAnswer(answer.valid() ? answer.get() : AskForUpdate());
}

CMainFrame* OpenMainWindow() {
    CMainFrame* pFrame = new (std::nothrow) CMainFrame();
    if (pFrame == nullptr)
        return nullptr;
    if (pFrame->Create(nullptr, "Lumora", MAIN_WINDOW_STYLE, MAIN_WINDOW_EX_STYLE, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT) == nullptr) {
        TRACE_DEBUG("cannot create the main window");
        // A window that got as far as its final message took the object with it.
        if (g_pMainFrame == pFrame)
            delete pFrame;
        return nullptr;
    }
    pFrame->CenterWindow();
    return pFrame;
}

int RunLauncher(HINSTANCE hInstance, const WindowOpenHook& onWindowOpen) {
    Orvik::CSkinStore::SetProgramModule(hInstance);
    Orvik::CSkinStore::SetSkinPath(GetDefaultSkinFolder().c_str());
    InitWorkersAndLines();
    PassUpdateGate();
    // Without a window there is nothing to wait for; the pool still goes in order.
    CMainFrame* pFrame = OpenMainWindow();
    if (pFrame != nullptr) {
        HWND hWnd = pFrame->GetHWND();
        if (onWindowOpen)
            onWindowOpen(hWnd);
        Orvik::CWindowHostUI::MessageLoop();
        // A quit posted from elsewhere ends the loop with the window still
        // open: it goes now, before the pool its jobs run on.
        if (::IsWindow(hWnd)) {
            ::DestroyWindow(hWnd);
            MSG msg;
            ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        }
    }
    ShutdownWorkers();
    return 0;
}
