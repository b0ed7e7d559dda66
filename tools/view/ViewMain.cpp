// orvik-view: builds a skin document in a headless window, paints it, writes PNG and tree.
#include <cstdio>
#include <string>

#include "platform/backends/x11/x11.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "tools/view/ViewDisplay.h"
#include "tools/view/ViewDocument.h"
#include "tools/view/ViewEvents.h"
#include "tools/view/ViewOptions.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;
using namespace orvikview;

namespace {

void RunPaintCycle(HWND hWnd) {
    ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    MSG msg;
    // Bounded: a tree that keeps asking for layout must not hang the viewer.
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
}

// The window's pixels, copied through its DC into a bitmap that becomes the PNG.
bool SaveWindowPicture(HWND hWnd, const std::string& strPath) {
    return SavePaintedPicture(
        hWnd,
        [hWnd](HDC hMemDC) {
            RECT rc = {0, 0, 0, 0};
            GetClientRect(hWnd, &rc);
            HDC hWndDC = GetDC(hWnd);
            BitBlt(hMemDC, 0, 0, rc.right, rc.bottom, hWndDC, 0, 0, SRCCOPY);
            ReleaseDC(hWnd, hWndDC);
        },
        strPath);
}

bool SaveHostPicture(HWND hWnd, CWindowHostUI&, const std::string& strPath) {
    return SaveWindowPicture(hWnd, strPath);
}

int View(const ViewOptions& options) {
    std::string strError;
    if (!OpenSkin(options.strSkin, strError))
        return Fail(strError);
    if (options.bX11 || !options.strEvents.empty() || options.bNotifications) {
        // The document is checked first: the skinned window ends the program on a broken one.
        CWindowHostUI probe;
        CControlUI* pChecked = BuildDocument(options, probe, strError);
        if (pChecked == nullptr)
            return Fail(strError);
        probe.AttachRoot(pChecked);
        if (options.bX11)
            return RunDisplayView(options);
        return RunEventView(options, SaveWindowPicture);
    }
    CWindowHostUI host;
    HWND hWnd = OpenDocumentWindow(options, host, strError);
    if (hWnd == nullptr)
        return Fail(strError);
    RunPaintCycle(hWnd);
    int nResult = WriteResults(options, host, SaveHostPicture);
    CloseDocumentWindow(hWnd);
    return nResult;
}

}  // namespace

int main(int argc, char** argv) {
    ViewOptions options;
    std::string strError;
    if (!ParseViewOptions(argc, argv, options, strError)) {
        std::fprintf(stderr, "orvik-view: %s\n%s\n", strError.c_str(), ViewUsage());
        return EXIT_VIEW_ERROR;
    }
    if (!CheckViewOptions(options, strError))
        return Fail(strError);
    if (options.bX11)
        platform::x11::RequireDisplay("orvik-view");
    return View(options);
}
