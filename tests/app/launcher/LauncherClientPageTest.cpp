// The client page: QR images kept from an earlier run, a download replacing them, the
// request interval and the desktop client's link.
#include "app/launcher/LauncherFixture.h"

using namespace launchertest;

namespace {

class LauncherClientPage : public CLauncherTest {
protected:
    void LeaveQRCodesOfAnEarlierRun() {
        std::string strSkin = std::string(LUMORA_SOURCE_DIR) + "/skin/";
        std::filesystem::copy_file(strSkin + "qrcode.jpg", m_strTempDir + "tavex_mqr.jpg");
        std::filesystem::copy_file(strSkin + "qr-code-phoneguaji.jpg",
                                   m_strTempDir + "tavex_mgjqr.jpg");
    }
    void ExpectShownDisabled(const char* pstrName) {
        Orvik::CControlUI* pButton = Find(pstrName);
        EXPECT_TRUE(pButton->IsVisible()) << pstrName;
        EXPECT_FALSE(pButton->IsEnabled()) << pstrName;
        EXPECT_STREQ(pButton->GetText(), "") << pstrName;
    }
    std::vector<uint32_t> PixelsOf(const char* pstrName) {
        Pump();
        int cx = 0, cy = 0;
        std::vector<uint32_t> all = platform::headless::WindowPixels(m_hWnd, cx, cy);
        const Orvik::CUIRect& rc = Find(pstrName)->GetBounds();
        std::vector<uint32_t> out;
        for (int y = rc.top; y < rc.bottom && y < cy; ++y)
            for (int x = rc.left; x < rc.right && x < cx; ++x)
                out.push_back(all[size_t(y) * cx + x]);
        return out;
    }
};

}  // namespace

TEST_F(LauncherClientPage, CodesOfAnEarlierRunShowDisabledBeforeAnyDownload) {
    LeaveQRCodesOfAnEarlierRun();
    Open(false);
    Click(Find("opt_page2"));
    ExpectShownDisabled("lbl_mobile");
    ExpectShownDisabled("lbl_mobilegj");
    Screenshot("client_page_kept_codes");
}

TEST_F(LauncherClientPage, ADownloadReplacesTheShownCodes) {
    LeaveQRCodesOfAnEarlierRun();
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    StartSim(profile);
    testsupport::CCaptureStderr quiet;
    Open(false);
    Click(Find("opt_page2"));
    std::vector<uint32_t> before = PixelsOf("lbl_mobile");
    std::uintmax_t nOldSize = std::filesystem::file_size(m_strTempDir + "tavex_mqr.jpg");
    InitWorkersAndLines();  // now there is a pool, and the seed is the simulator
    m_pFrame->GetMobileQRCode();
    ASSERT_TRUE(WaitFor([&] { return PixelsOf("lbl_mobile") != before; }));
    EXPECT_NE(std::filesystem::file_size(m_strTempDir + "tavex_mqr.jpg"), nOldSize);
    ExpectShownDisabled("lbl_mobile");
    ExpectShownDisabled("lbl_mobilegj");
    Screenshot("client_page_downloaded");
}

TEST_F(LauncherClientPage, RequestsCloserThanFiveSecondsAreIgnored) {
    Open(false);
    Click(Find("opt_page2"));
    CPage2* pPage = m_pFrame->GetPage2();
    EXPECT_EQ(pPage->GetLastQRRequest(), 100000u);  // the page's creation counts as a request
    EXPECT_TRUE(Find("lbl_mobile")->IsEnabled());
    g_dwTestTicks = 101000;
    Click(Find("lbl_mobile"));
    g_dwTestTicks = 105000;
    Click(Find("lbl_mobilegj"));
    EXPECT_EQ(pPage->GetLastQRRequest(), 100000u);
    g_dwTestTicks = 105001;
    Click(Find("lbl_mobilegj"));
    EXPECT_EQ(pPage->GetLastQRRequest(), 105001u);
    g_dwTestTicks = 107000;
    Click(Find("lbl_mobile"));
    EXPECT_EQ(pPage->GetLastQRRequest(), 105001u);
}

TEST_F(LauncherClientPage, TheDesktopButtonOpensTheInstallerAddress) {
    Open(false);
    Click(Find("opt_page2"));
    Click(Find("btn_rilobet"));
    EXPECT_EQ(Opened(1),
              (std::vector<std::string>{LUMORA_ASSET_HOST "/static/client/velgate/kestova.exe"}));
}
