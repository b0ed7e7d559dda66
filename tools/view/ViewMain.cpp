// orvik-view: builds a skin document in a headless window, paints it, writes PNG and tree.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "platform/backends/x11/x11.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "tools/view/ViewDisplay.h"
#include "tools/view/ViewEvents.h"
#include "tools/view/ViewOptions.h"
#include "tools/view/ViewTree.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;
using orvikview::ViewOptions;

namespace {

constexpr int EXIT_VIEW_ERROR = 2;
// Used when neither the document nor --size gives a size.
constexpr int FALLBACK_WIDTH = 640;
constexpr int FALLBACK_HEIGHT = 480;

int Fail(const std::string& strMessage) {
    std::fprintf(stderr, "orvik-view: %s\n", strMessage.c_str());
    return EXIT_VIEW_ERROR;
}

bool EndsWithZip(const std::string& s) {
    return s.size() > 4 &&
           (s.compare(s.size() - 4, 4, ".zip") == 0 || s.compare(s.size() - 4, 4, ".ZIP") == 0);
}

// Points the skin store at a folder or at a ZIP file; false with a message.
bool OpenSkin(const std::string& strSkin, std::string& strError) {
    struct stat st = {};
    if (stat(strSkin.c_str(), &st) != 0) {
        strError = strSkin + ": no such skin folder or archive";
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        CSkinStore::SetSkinPath(platform::Utf8ToAnsi(strSkin.c_str()).c_str());
        return true;
    }
    if (!S_ISREG(st.st_mode) || !EndsWithZip(strSkin)) {
        strError = strSkin + ": a skin is a folder or a .zip file";
        return false;
    }
    size_t slash = strSkin.find_last_of('/');
    std::string strFolder = slash == std::string::npos ? "." : strSkin.substr(0, slash);
    std::string strName = slash == std::string::npos ? strSkin : strSkin.substr(slash + 1);
    CSkinStore::SetSkinPath(platform::Utf8ToAnsi(strFolder.c_str()).c_str());
    CSkinStore::OpenArchiveFile(platform::Utf8ToAnsi(strName.c_str()).c_str(), true);
    if (CSkinStore::GetArchive() == nullptr) {
        strError = strSkin + ": not a readable ZIP archive";
        return false;
    }
    return true;
}

LRESULT CALLBACK ViewProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pHost = reinterpret_cast<CWindowHostUI*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    LRESULT lRes = 0;
    if (pHost != nullptr && pHost->MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND CreateViewWindow(CWindowHostUI& host) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ViewProc;
    wc.lpszClassName = "OrvikView";
    RegisterClassExA(&wc);
    HWND hWnd = CreateWindowExA(0, "OrvikView", "orvik-view", WS_POPUP, 0, 0, FALLBACK_WIDTH,
                                FALLBACK_HEIGHT, nullptr, nullptr, nullptr, nullptr);
    if (hWnd != nullptr)
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host));
    return hWnd;
}

// One line for standard error: control bytes become spaces, runs of them one.
std::string OneLine(const std::string& strText) {
    std::string out;
    for (unsigned char ch : strText) {
        bool bControl = ch < 0x20 || ch == 0x7F;
        if (!bControl)
            out += static_cast<char>(ch);
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// The skin store's own failures carry no location; the parser's always do.
bool IsStoreError(const std::string& strMessage) {
    const char* const STORE_ERRORS[] = {"Error opening file",     "File is empty",
                                        "File too large",         "Could not read file",
                                        "Error opening zip file", "Could not find ziped file",
                                        "Could not unzip file"};
    for (const char* pstrError : STORE_ERRORS)
        if (strMessage == pstrError)
            return true;
    return false;
}

// Loads and builds the document; the error names the file and the parser's words.
CControlUI* BuildDocument(const ViewOptions& options, CWindowHostUI& host, std::string& strError) {
    CSkinBuilder builder;
    std::string strDocument = platform::Utf8ToAnsi(options.strDocument.c_str());
    if (!builder.GetMarkup()->LoadFromFile(strDocument.c_str())) {
        std::string strMessage = platform::AnsiToUtf8(builder.GetLastErrorMessage());
        strError = options.strDocument + ": " + strMessage;
        if (IsStoreError(strMessage))
            return nullptr;
        std::string strWhere = OneLine(platform::AnsiToUtf8(builder.GetLastErrorLocation()));
        strError += strWhere.empty() ? " at the end of the document" : " at \"" + strWhere + "\"";
        return nullptr;
    }
    CControlUI* pRoot = builder.Create(nullptr, &host, nullptr);
    if (pRoot == nullptr)
        strError = options.strDocument + ": the document declares no control to show";
    return pRoot;
}

// Size from --size, else the document's, else the fallback.
void SizeWindow(HWND hWnd, const ViewOptions& options, const CWindowHostUI& host) {
    SIZE sz = {options.nWidth, options.nHeight};
    if (sz.cx == 0)
        sz = host.GetInitSize();
    if (sz.cx <= 0 || sz.cy <= 0 || sz.cx > 16384 || sz.cy > 16384)
        sz = SIZE{FALLBACK_WIDTH, FALLBACK_HEIGHT};
    SetWindowPos(hWnd, nullptr, 0, 0, sz.cx, sz.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunPaintCycle(HWND hWnd) {
    ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    MSG msg;
    // Bounded: a tree that keeps asking for layout must not hang the viewer.
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
}

// The window's pixels, copied through its DC into a bitmap that becomes the PNG.
bool SaveWindowPicture(HWND hWnd, const std::string& strPath) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hWnd, &rc);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HDC hMemDC = CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = CreateDIBSection(hMemDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    bool bSaved = false;
    if (hBitmap != nullptr) {
        HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
        HDC hWndDC = GetDC(hWnd);
        BitBlt(hMemDC, 0, 0, rc.right, rc.bottom, hWndDC, 0, 0, SRCCOPY);
        ReleaseDC(hWnd, hWndDC);
        SelectObject(hMemDC, hOld);
        bSaved = platform::SaveBitmapPng(hBitmap, strPath.c_str());
        DeleteObject(hBitmap);
    }
    DeleteDC(hMemDC);
    return bSaved;
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
            return orvikview::RunDisplayView(options);
        return orvikview::RunEventView(options, SaveWindowPicture);
    }
    CWindowHostUI host;
    HWND hWnd = CreateViewWindow(host);
    if (hWnd == nullptr)
        return Fail("cannot create the headless window");
    host.Init(hWnd, "orvik-view");
    CControlUI* pRoot = BuildDocument(options, host, strError);
    if (pRoot == nullptr) {
        DestroyWindow(hWnd);
        return Fail(strError);
    }
    SizeWindow(hWnd, options, host);
    host.AttachRoot(pRoot);
    RunPaintCycle(hWnd);
    int nResult = 0;
    if (options.bTree)
        orvikview::PrintTree(host.GetRoot(), stdout);
    if (!options.strOut.empty() && !SaveWindowPicture(hWnd, options.strOut))
        nResult = Fail(options.strOut + ": cannot write the picture");
    SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    DestroyWindow(hWnd);
    return nResult;
}

}  // namespace

int main(int argc, char** argv) {
    ViewOptions options;
    std::string strError;
    if (!orvikview::ParseViewOptions(argc, argv, options, strError)) {
        std::fprintf(stderr, "orvik-view: %s\n%s\n", strError.c_str(), orvikview::ViewUsage());
        return EXIT_VIEW_ERROR;
    }
    if (!orvikview::CheckViewOptions(options, strError))
        return Fail(strError);
    if (options.bX11)
        platform::x11::RequireDisplay("orvik-view");
    return View(options);
}
