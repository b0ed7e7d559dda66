// Controller of the client page: the two QR buttons and the desktop client button.
#pragma once

#include <string>

#include "platform/win32_types.h"
#include "ui/window/NotifyRecord.h"

namespace Orvik {
class CControlUI;
class CWindowHostUI;
}  // namespace Orvik

class IPageOwner;

class CPage2 {
public:
    // QR requests closer together than this are ignored, counted from the page's creation.
    static constexpr DWORD QR_REQUEST_INTERVAL_MS = 5000;
    static const char* const MOBILE_QR_FILE;
    static const char* const MOBILE_GJ_QR_FILE;

    CPage2(IPageOwner* pOwner, Orvik::CWindowHostUI* pHost, DWORD dwLastQRRequest);
    virtual ~CPage2() = default;
    CPage2(const CPage2&) = delete;
    CPage2& operator=(const CPage2&) = delete;

    // Builds the page from "Page2.xml"; null when the document cannot be built.
    Orvik::CControlUI* Create();
    Orvik::CControlUI* GetRoot() const { return m_pRoot; }
    // The named controls found after the skin build; any may be null.
    void SetControls(Orvik::CControlUI* pLblMobile, Orvik::CControlUI* pLblMobileGj,
                     Orvik::CControlUI* pBtnRilobet);
    // The configured image URLs, empty when the button is missing.
    std::string GetMobileQRUrl() const;
    std::string GetMobileGjQRUrl() const;

    DWORD GetLastQRRequest() const { return m_dwLastQRRequest; }

    // Puts the QR images found in the temporary folder on their buttons.
    void ShowQRCodes();
    int OnCustomMessage(UINT uMsg);
    void OnNotify(Orvik::NotifyRecord& msg);

    // The millisecond clock the request interval is measured with.
    static DWORD Ticks();

    // Where the two images are kept between runs; empty without a temporary folder.
    static std::string MobileQRPath();
    static std::string MobileGjQRPath();

private:
    void ShowQRCode(Orvik::CControlUI* pButton, const std::string& strPath);

    Orvik::CControlUI* m_pRoot = nullptr;
    Orvik::CControlUI* m_pLblMobile = nullptr;
    Orvik::CControlUI* m_pLblMobileGj = nullptr;
    Orvik::CControlUI* m_pBtnRilobet = nullptr;
    DWORD m_dwLastQRRequest = 0;
    Orvik::CWindowHostUI* m_pHost = nullptr;
    IPageOwner* m_pOwner = nullptr;
};
