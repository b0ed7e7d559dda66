// The pages against an owner of their own: they ask it, and nothing else, for new work.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/pages/IPageOwner.h"
#include "app/pages/Page1.h"
#include "app/pages/Page2.h"
#include "app/testing/LauncherSeam.h"
#include "support/HostWindow.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

namespace {

class CFakeOwner : public IPageOwner {
public:
    const PtLineResults& GetTestResults() const override { return m_results; }
    int GetSpeedTestFinishCount() const override { return m_nFinished; }
    int GetSpeedTestTotal() const override { return m_nTotal; }
    void RefreshPtLine() override { ++m_nRefreshes; }
    void GetMobileQRCode() override { ++m_nQRRequests; }

    PtLineResults m_results;
    int m_nFinished = 0;
    int m_nTotal = 0;
    int m_nRefreshes = 0;
    int m_nQRRequests = 0;
};

DWORD g_dwNow = 0;
DWORD FakeTicks() {
    return g_dwNow;
}

class PageOwnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strSkinDir = std::filesystem::path(::testing::TempDir()) / "lumora_page_owner/";
        std::filesystem::create_directories(m_strSkinDir);
        Write("Page1.xml",
              "<Window><VerticalLayout><Button name=\"btn_refresh\" visible=\"false\" />"
              "<VerticalLayout name=\"layout_ptline\" /><HorizontalLayout name=\"layout_tip\">"
              "<Label name=\"txt_tip\" /></HorizontalLayout></VerticalLayout></Window>");
        Write("Page2.xml",
              "<Window><HorizontalLayout><Button name=\"lbl_mobile\" />"
              "<Button name=\"lbl_mobileGj\" /></HorizontalLayout></Window>");
        Orvik::CSkinStore::OpenArchiveFile("", true);
        Orvik::CSkinStore::SetSkinPath(m_strSkinDir.c_str());
        seam::SetClock(FakeTicks);
    }
    void TearDown() override {
        seam::ResetClock();
        std::filesystem::remove_all(m_strSkinDir);
    }
    void Write(const char* pstrFile, const char* pstrText) {
        std::ofstream(m_strSkinDir + pstrFile) << pstrText;
    }
    static void Click(Orvik::CControlUI* pSender, CPage1* pPage1, CPage2* pPage2) {
        Orvik::NotifyRecord click;
        click.type = "click";
        click.sender = pSender;
        if (pPage1 != nullptr)
            pPage1->OnNotify(click);
        if (pPage2 != nullptr)
            pPage2->OnNotify(click);
    }

    std::string m_strSkinDir;
    testsupport::CHostWindow m_window{680, 480};
    CFakeOwner m_owner;
};

Orvik::CControlUI* Named(Orvik::CWindowHostUI& host, Orvik::CControlUI* pRoot,
                         const char* pstrName) {
    return pRoot != nullptr ? host.FindChildByName(pRoot, pstrName) : nullptr;
}

TEST_F(PageOwnerTest, QRClicksAskTheOwnerOnceTheIntervalHasPassed) {
    Orvik::CWindowHostUI& host = m_window.Host();
    CPage2 page(&m_owner, &host, 1000);
    Orvik::CControlUI* pRoot = page.Create();
    ASSERT_NE(pRoot, nullptr);
    host.AttachRoot(pRoot);
    page.SetControls(Named(host, pRoot, "lbl_mobile"), Named(host, pRoot, "lbl_mobileGj"), nullptr);
    // (clock at the click, which label, requests the owner has seen after it)
    struct Step {
        DWORD dwNow;
        const char* pstrLabel;
        int nRequests;
    };
    const Step steps[] = {
        {1000 + CPage2::QR_REQUEST_INTERVAL_MS, "lbl_mobile", 0},  // not yet past the interval
        {1001 + CPage2::QR_REQUEST_INTERVAL_MS, "lbl_mobile", 1},
        {2000 + CPage2::QR_REQUEST_INTERVAL_MS, "lbl_mobileGj", 1},  // counted from the last one
        {1002 + 2 * CPage2::QR_REQUEST_INTERVAL_MS, "lbl_mobileGj", 2},
    };
    for (const Step& step : steps) {
        g_dwNow = step.dwNow;
        Click(Named(host, pRoot, step.pstrLabel), nullptr, &page);
        EXPECT_EQ(m_owner.m_nQRRequests, step.nRequests) << step.dwNow;
    }
    EXPECT_EQ(page.GetLastQRRequest(), 1002 + 2 * CPage2::QR_REQUEST_INTERVAL_MS);
}

TEST_F(PageOwnerTest, TheLinePageReadsTheOwnersCountsAndAsksItToRefresh) {
    Orvik::CWindowHostUI& host = m_window.Host();
    CPage1 page(&m_owner, &host);
    Orvik::CControlUI* pRoot = page.Create();
    ASSERT_NE(pRoot, nullptr);
    host.AttachRoot(pRoot);
    Orvik::CControlUI* pRefresh = Named(host, pRoot, "btn_refresh");
    page.SetControls(Named(host, pRoot, "layout_ptline"), Named(host, pRoot, "layout_tip"),
                     pRefresh, Named(host, pRoot, "txt_tip"));
    page.ShowWaiting();
    m_owner.m_nTotal = 2;
    m_owner.m_nFinished = 1;
    PtLineTestResult result{"http://a", 404, 10, true};
    page.OnSpeedTestResult(&result);
    EXPECT_FALSE(pRefresh->IsVisible());  // a probe is still out
    m_owner.m_nFinished = 2;
    page.OnSpeedTestResult(&result);
    EXPECT_TRUE(pRefresh->IsVisible());  // every probe answered, none usable
    EXPECT_STREQ(Named(host, pRoot, "txt_tip")->GetText().GetData(), CPage1::NO_LINE_TEXT);
    Click(pRefresh, &page, nullptr);
    EXPECT_EQ(m_owner.m_nRefreshes, 1);
    EXPECT_FALSE(pRefresh->IsVisible());
}

}  // namespace
