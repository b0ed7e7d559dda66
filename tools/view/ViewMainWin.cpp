// orvik-view on Windows: the skin in a real window, or its tree and a GDI picture without one.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "tools/view/ViewDisplay.h"
#include "tools/view/ViewDocument.h"
#include "tools/view/ViewOptions.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;
using namespace orvikview;

namespace {

// The command line in UTF-8: the narrow one is in the system's code page.
std::vector<std::string> Utf8Arguments() {
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    std::vector<std::string> args;
    for (int i = 0; ppArgs != nullptr && i < nArgs; ++i) {
        int n = WideCharToMultiByte(CP_UTF8, 0, ppArgs[i], -1, nullptr, 0, nullptr, nullptr);
        std::string strArg(n > 1 ? size_t(n - 1) : 0, '\0');
        if (n > 1)
            WideCharToMultiByte(CP_UTF8, 0, ppArgs[i], -1, strArg.data(), n, nullptr, nullptr);
        args.push_back(strArg);
    }
    LocalFree(ppArgs);
    return args;
}

// A hidden window is never painted, so the tree is placed here at the window's size.
void LayOut(HWND hWnd, CWindowHostUI& host) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hWnd, &rc);
    host.GetRoot()->SetBounds(rc, true);
    MSG msg;
    // Bounded: a tree that keeps posting to itself must not hang the viewer.
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
}

// The tree painted by GDI into a DIB section, written as a PNG.
bool SavePicture(HWND hWnd, CWindowHostUI& host, const std::string& strPath) {
    return SavePaintedPicture(
        hWnd,
        [&host](HDC hMemDC) {
            host.PrintClient(hMemDC);
            GdiFlush();
        },
        strPath);
}

int Render(const ViewOptions& options) {
    std::string strError;
    CWindowHostUI host;
    HWND hWnd = OpenDocumentWindow(options, host, strError);
    if (hWnd == nullptr)
        return Fail(strError);
    LayOut(hWnd, host);
    int nResult = WriteResults(options, host, SavePicture);
    CloseDocumentWindow(hWnd);
    return nResult;
}

int View(const ViewOptions& options) {
    std::string strError;
    if (!OpenSkin(options.strSkin, strError))
        return Fail(strError);
    if (options.bTree || !options.strOut.empty())
        return Render(options);
    // The document is checked first: the skinned window ends the program on a broken one.
    CWindowHostUI probe;
    CControlUI* pChecked = BuildDocument(options, probe, strError);
    if (pChecked == nullptr)
        return Fail(strError);
    probe.AttachRoot(pChecked);
    return RunDisplayView(options);
}

}  // namespace

int main() {
    std::vector<std::string> args = Utf8Arguments();
    std::vector<char*> argv;
    for (std::string& strArg : args)
        argv.push_back(strArg.data());
    argv.push_back(nullptr);
    ViewOptions options;
    std::string strError;
    if (!ParseViewOptions(int(args.size()), argv.data(), options, strError)) {
        std::fprintf(stderr, "orvik-view: %s\n%s\n", strError.c_str(), ViewUsage());
        return EXIT_VIEW_ERROR;
    }
    if (!CheckWindowsViewOptions(options, strError))
        return Fail(strError);
    return View(options);
}
