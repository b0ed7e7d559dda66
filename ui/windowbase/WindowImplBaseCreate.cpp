// Skinned window base: creation removes the frame and loads the skin into the host.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/windowbase/WindowImplBase.h"

namespace Orvik {

namespace {

constexpr LONG_PTR CLIP_STYLES = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr int TITLE_MAX = 260;

// Bytes of an embedded archive; the store reads them for the rest of the process.
std::vector<BYTE>& EmbeddedArchiveCopy() {
    static auto* s_pBytes = new std::vector<BYTE>;
    return *s_pBytes;
}

}  // namespace

void WindowImplBase::RemoveCaptionStyle() {
    LONG_PTR lStyle = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    lStyle = (lStyle & ~static_cast<LONG_PTR>(WS_CAPTION)) | CLIP_STYLES;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, lStyle);
    RECT rc = {0, 0, 0, 0};
    ::GetWindowRect(m_hWnd, &rc);
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
}

// False when an embedded archive cannot be had: the window stays without skin.
bool WindowImplBase::PrepareSkinSource() {
    if (CSkinStore::GetSkinPath().IsEmpty()) {
        CUIString sPath = CSkinStore::GetProgramFolder();
        sPath += SkinFolder();
        CSkinStore::SetSkinPath(sPath);
    }
    if (SkinSourceKind() == SKIN_ZIP_FILE) {
        CSkinStore::OpenArchiveFile(SkinZipName(), true);
    } else if (SkinSourceKind() == SKIN_RESOURCE_ZIP) {
        HINSTANCE hModule = CSkinStore::GetProgramModule();
        HRSRC hResource = ::FindResourceA(hModule, SkinResourceId().GetValue(), "ZIPRES");
        HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
        DWORD dwSize = hResource != nullptr ? ::SizeofResource(hModule, hResource) : 0;
        const BYTE* pBytes =
            hData != nullptr ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
        if (pBytes == nullptr || dwSize == 0)
            return false;
        std::vector<BYTE>& copy = EmbeddedArchiveCopy();
        if (CSkinStore::GetArchive() == nullptr || copy.empty()) {
            copy.assign(pBytes, pBytes + dwSize);
            CSkinStore::OpenArchiveMemory(copy.data(), static_cast<DWORD>(copy.size()));
        }
    }
    return true;
}

CControlUI* WindowImplBase::BuildSkin() {
    CSkinBuilder builder;
    if (SkinSourceKind() == SKIN_RESOURCE_DOC) {
        int nId = std::atoi(SkinFile());
        return builder.Create(CUIResName(MAKEINTRESOURCEA(nId)), "xml", this, &m_PaintManager);
    }
    return builder.Create(CUIResName(SkinFile()), nullptr, this, &m_PaintManager);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool& bHandled) {
    RemoveCaptionStyle();
    m_PaintManager.Init(m_hWnd);
    m_PaintManager.AddPreMessageFilter(this);
    if (!PrepareSkinSource())
        return 0;
    CControlUI* pRoot = BuildSkin();
    if (pRoot == nullptr) {
        // Nothing can be shown without a skin; the user learns why and the program ends.
        ::MessageBoxA(nullptr, "加载资源文件失败", "Orvik", MB_ICONERROR);
        std::exit(1);
    }
    m_PaintManager.AttachRoot(pRoot);
    m_PaintManager.AddNotifier(this);
    char szTitle[TITLE_MAX] = {};
    ::GetWindowTextA(m_hWnd, szTitle, TITLE_MAX);
    ShowWindowTitle(szTitle);
    OnWindowReady();
    bHandled = true;
    return 0;
}

}  // namespace Orvik
