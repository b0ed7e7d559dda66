// orvik-view's document steps: opening the skin, building the tree, the window it lives in.
#include "tools/view/ViewDocument.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/gdi.h"
#include "platform/kernel.h"
#include "tools/view/ViewTree.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;
namespace fs = std::filesystem;

namespace orvikview {

namespace {

// Used when neither the document nor --size gives a size.
constexpr int FALLBACK_WIDTH = 640;
constexpr int FALLBACK_HEIGHT = 480;

bool EndsWithZip(const std::string& s) {
    return s.size() > 4 &&
           (s.compare(s.size() - 4, 4, ".zip") == 0 || s.compare(s.size() - 4, 4, ".ZIP") == 0);
}

// UTF-8 both ways: Windows takes the path wide, not in the system's code page.
fs::path PathFromUtf8(const std::string& s) {
    return fs::path(std::u8string(s.begin(), s.end()));
}

std::string Utf8FromPath(const fs::path& p) {
    std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

LRESULT CALLBACK ViewProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pHost = reinterpret_cast<CWindowHostUI*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    LRESULT lRes = 0;
    if (pHost != nullptr && pHost->MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
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

}  // namespace

int Fail(const std::string& strMessage) {
    std::fprintf(stderr, "orvik-view: %s\n", strMessage.c_str());
    return EXIT_VIEW_ERROR;
}

bool OpenSkin(const std::string& strSkin, std::string& strError) {
    fs::path skin = PathFromUtf8(strSkin);
    std::error_code ec;
    fs::file_status st = fs::status(skin, ec);
    if (ec || !fs::exists(st)) {
        strError = strSkin + ": no such skin folder or archive";
        return false;
    }
    if (fs::is_directory(st)) {
        CSkinStore::SetSkinPath(platform::Utf8ToAnsi(strSkin.c_str()).c_str());
        return true;
    }
    if (!fs::is_regular_file(st) || !EndsWithZip(strSkin)) {
        strError = strSkin + ": a skin is a folder or a .zip file";
        return false;
    }
    fs::path folder = skin.has_parent_path() ? skin.parent_path() : fs::path(".");
    std::string strFolder = Utf8FromPath(folder);
    std::string strName = Utf8FromPath(skin.filename());
    CSkinStore::SetSkinPath(platform::Utf8ToAnsi(strFolder.c_str()).c_str());
    CSkinStore::OpenArchiveFile(platform::Utf8ToAnsi(strName.c_str()).c_str(), true);
    if (CSkinStore::GetArchive() == nullptr) {
        strError = strSkin + ": not a readable ZIP archive";
        return false;
    }
    return true;
}

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

void SizeWindow(HWND hWnd, const ViewOptions& options, const CWindowHostUI& host) {
    SIZE sz = {options.nWidth, options.nHeight};
    if (sz.cx == 0)
        sz = host.GetInitSize();
    if (sz.cx <= 0 || sz.cy <= 0 || sz.cx > 16384 || sz.cy > 16384)
        sz = SIZE{FALLBACK_WIDTH, FALLBACK_HEIGHT};
    SetWindowPos(hWnd, nullptr, 0, 0, sz.cx, sz.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND OpenDocumentWindow(const ViewOptions& options, CWindowHostUI& host, std::string& strError) {
    HWND hWnd = CreateViewWindow(host);
    if (hWnd == nullptr) {
        strError = "cannot create the headless window";
        return nullptr;
    }
    host.Init(hWnd, "orvik-view");
    CControlUI* pRoot = BuildDocument(options, host, strError);
    if (pRoot == nullptr) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    SizeWindow(hWnd, options, host);
    host.AttachRoot(pRoot);
    return hWnd;
}

void CloseDocumentWindow(HWND hWnd) {
    SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    DestroyWindow(hWnd);
}

bool SavePaintedPicture(HWND hWnd, const std::function<void(HDC)>& paint,
                        const std::string& strPath) {
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
        paint(hMemDC);
        SelectObject(hMemDC, hOld);
        bSaved = platform::SaveBitmapPng(hBitmap, strPath.c_str());
        DeleteObject(hBitmap);
    }
    DeleteDC(hMemDC);
    return bSaved;
}

int WriteResults(const ViewOptions& options, CWindowHostUI& host,
                 bool (*pfnSave)(HWND, CWindowHostUI&, const std::string&)) {
    if (options.bTree)
        PrintTree(host.GetRoot(), stdout);
    if (!options.strOut.empty() && !pfnSave(host.GetHWND(), host, options.strOut))
        return Fail(options.strOut + ": cannot write the picture");
    return 0;
}

}  // namespace orvikview
