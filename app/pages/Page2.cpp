// Client page: QR images from the temporary folder, download requests and the installer link.
#include "app/pages/Page2.h"

#include <cstring>

#include "app/pages/IPageOwner.h"
#include "app/pages/MainMessages.h"
#include "app/pages/Page2QRFile.h"
#include "app/testing/LauncherSeam.h"
#include "app/util/Utilities.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;

const char* const CPage2::MOBILE_QR_FILE = "tavex_mqr.jpg";
const char* const CPage2::MOBILE_GJ_QR_FILE = "tavex_mgjqr.jpg";

namespace {

// Null: GetTickCount.
DWORD (*g_pfnTicks)() = nullptr;

std::string TempFile(const char* pstrName) {
    std::string strDir = GetTempDir();
    return strDir.empty() ? std::string() : strDir + pstrName;
}

std::string UserDataOf(const CControlUI* pControl) {
    return pControl != nullptr ? std::string(pControl->GetUserData().GetData()) : std::string();
}

}  // namespace

CPage2::CPage2(IPageOwner* pOwner, CWindowHostUI* pHost, DWORD dwLastQRRequest)
    : m_dwLastQRRequest(dwLastQRRequest), m_pHost(pHost), m_pOwner(pOwner) {}

CControlUI* CPage2::Create() {
    CSkinBuilder builder;
    m_pRoot = builder.Create(CUIResName("Page2.xml"), nullptr, nullptr, m_pHost);
    return m_pRoot;
}

void CPage2::SetControls(CControlUI* pLblMobile, CControlUI* pLblMobileGj,
                         CControlUI* pBtnRilobet) {
    m_pLblMobile = pLblMobile;
    m_pLblMobileGj = pLblMobileGj;
    m_pBtnRilobet = pBtnRilobet;
}

DWORD CPage2::Ticks() {
    return g_pfnTicks != nullptr ? g_pfnTicks() : GetTickCount();
}
void seam::SetClock(DWORD (*pfnTicks)()) {
    g_pfnTicks = pfnTicks;
}
void seam::ResetClock() {
    g_pfnTicks = nullptr;
}

std::string CPage2::GetMobileQRUrl() const {
    return UserDataOf(m_pLblMobile);
}
std::string CPage2::GetMobileGjQRUrl() const {
    return UserDataOf(m_pLblMobileGj);
}
std::string CPage2::MobileQRPath() {
    return TempFile(MOBILE_QR_FILE);
}
std::string CPage2::MobileGjQRPath() {
    return TempFile(MOBILE_GJ_QR_FILE);
}

void CPage2::ShowQRCode(CControlUI* pButton, const std::string& strPath) {
    // A file that is no picture (left by an older version) would show a blank,
    // disabled code; the button stays usable for a new download instead.
    if (pButton == nullptr || strPath.empty() || !IsImageFile(strPath))
        return;
    pButton->SetVisible(true);
    pButton->SetAttribute("normalimage", strPath.c_str());
    pButton->SetText("");
    // A shown code needs no further download: the disabled button sends no clicks.
    pButton->SetEnabled(false);
}

void CPage2::ShowQRCodes() {
    ShowQRCode(m_pLblMobile, MobileQRPath());
    ShowQRCode(m_pLblMobileGj, MobileGjQRPath());
}

int CPage2::OnCustomMessage(UINT uMsg) {
    if (uMsg != WM_GETQRCODE_DONE)
        return 0;
    // A cached picture of the same name would hide the new download.
    // An empty name would reload every image.
    for (const std::string& strPath : {MobileQRPath(), MobileGjQRPath()}) {
        if (m_pHost != nullptr && !strPath.empty())
            m_pHost->ReloadImages(strPath.c_str());
    }
    ShowQRCodes();
    return 0;
}

void CPage2::OnNotify(NotifyRecord& msg) {
    if (std::strcmp(msg.type, "click") != 0 || msg.sender == nullptr)
        return;
    if (msg.sender == m_pBtnRilobet) {
        std::string strUrl = UserDataOf(m_pBtnRilobet);
        if (!strUrl.empty())
            ShellExecuteA(nullptr, nullptr, strUrl.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    } else if (msg.sender == m_pLblMobile || msg.sender == m_pLblMobileGj) {
        DWORD dwNow = Ticks();
        if (DWORD(dwNow - m_dwLastQRRequest) <= QR_REQUEST_INTERVAL_MS)
            return;
        m_dwLastQRRequest = dwNow;
        if (m_pOwner != nullptr)
            m_pOwner->GetMobileQRCode();
    }
}
