// orvik-view's display mode: a skinned window base on the display, run by its message loop.
#include "tools/view/ViewDisplay.h"

#include <cstdio>

#include "platform/kernel.h"
#include "tools/view/ViewFrame.h"
#include "ui/window/WindowHostUI.h"

namespace orvikview {

int RunDisplayView(const ViewOptions& options) {
    CViewFrame frame(platform::Utf8ToAnsi(options.strDocument.c_str()),
                     options.bNotifications ? stdout : nullptr);
    frame.EndLoopOnDestroy();
    HWND hWnd = frame.Create(nullptr, "orvik-view", WS_POPUP, 0, 0, 0, 640, 480);
    if (hWnd == nullptr) {
        std::fprintf(stderr, "orvik-view: cannot create the window on the display\n");
        return 2;
    }
    if (options.nWidth > 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, options.nWidth, options.nHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame.CenterWindow();
    frame.Show(true, true);
    Orvik::CWindowHostUI::MessageLoop();
    return 0;
}

}  // namespace orvikview
