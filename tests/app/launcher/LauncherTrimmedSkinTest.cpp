// Pages built from skins that lack some of the named controls skip those parts, never crash.
#include "app/launcher/LauncherFixture.h"
#include "platform/testing/platform_seam.h"
#include "support/HostWindow.h"

using namespace launchertest;

namespace {

const char PAGE1_FULL[] =
    "<Window><VerticalLayout><Button name=\"btn_refresh\" visible=\"false\" />"
    "<VerticalLayout name=\"layout_ptline\" visible=\"false\" />"
    "<HorizontalLayout name=\"layout_tip\"><Label name=\"txt_tip\" "
    "normaltextcolor=\"#FFFFFFFF\" errortextcolor=\"#FFD9AA4C\" /></HorizontalLayout>"
    "</VerticalLayout></Window>";
const char PAGE1_BARE[] = "<Window><VerticalLayout /></Window>";
// Every name is there, but on controls of the wrong kind.
const char PAGE1_WRONG_KINDS[] =
    "<Window><VerticalLayout><Label name=\"layout_ptline\" /><Control name=\"txt_tip\" />"
    "<Control name=\"layout_tip\" /><Label name=\"btn_refresh\" /></VerticalLayout></Window>";
const char ITEM_FULL[] =
    "<Window><HorizontalLayout><Label name=\"txt_name\" /><Progress name=\"ctrl_progress\" "
    "foreimage0=\"progress_green.png\" /><Button name=\"btn_go\" /></HorizontalLayout></Window>";
const char ITEM_BARE[] = "<Window><HorizontalLayout /></Window>";
const char ITEM_WRONG_KIND[] =
    "<Window><HorizontalLayout><Label name=\"ctrl_progress\" /></HorizontalLayout></Window>";
const char PAGE2_BARE[] = "<Window><HorizontalLayout /></Window>";
const char PAGE2_ONE_BUTTON[] =
    "<Window><HorizontalLayout><Button name=\"lbl_mobile\" /></HorizontalLayout></Window>";

struct Skin {
    const char* name;
    const char* page1;  // null: the document is missing
    const char* item;
    const char* page2;
    int nRows;  // rows the line page shows after two usable results
};

const Skin SKINS[] = {
    {"full", PAGE1_FULL, ITEM_FULL, PAGE2_ONE_BUTTON, 2},
    {"bare page", PAGE1_BARE, ITEM_FULL, PAGE2_BARE, -1},
    {"wrong kinds", PAGE1_WRONG_KINDS, ITEM_WRONG_KIND, PAGE2_BARE, -1},
    {"bare rows", PAGE1_FULL, ITEM_BARE, PAGE2_ONE_BUTTON, 2},
    {"no row document", PAGE1_FULL, nullptr, nullptr, 0},
    {"no documents", nullptr, nullptr, nullptr, -1},
};

class LauncherTrimmedSkin : public CLauncherTest {
protected:
    void SetUp() override {
        CLauncherTest::SetUp();
        m_strSkinDir = m_strTempDir + "skin/";
        std::filesystem::create_directories(m_strSkinDir);
        Orvik::CSkinStore::OpenArchiveFile("", true);  // the documents come from the folder
        Orvik::CSkinStore::SetSkinPath(m_strSkinDir.c_str());
    }
    void Write(const char* pstrFile, const char* pstrText) {
        std::filesystem::remove(m_strSkinDir + pstrFile);
        if (pstrText != nullptr)
            std::ofstream(m_strSkinDir + pstrFile) << pstrText;
    }
    void RunLinePage(const Skin& skin, CMainFrame& owner, Orvik::CWindowHostUI& host);
    void RunClientPage(Orvik::CWindowHostUI& host);

    std::string m_strSkinDir;
};

Orvik::CControlUI* FindIn(Orvik::CWindowHostUI& host, Orvik::CControlUI* pRoot,
                          const char* pstrName) {
    return pRoot != nullptr ? host.FindChildByName(pRoot, pstrName) : nullptr;
}

void LauncherTrimmedSkin::RunLinePage(const Skin& skin, CMainFrame& owner,
                                      Orvik::CWindowHostUI& host) {
    CPage1 page(&owner, &host);
    Orvik::CControlUI* pRoot = page.Create();
    EXPECT_EQ(pRoot != nullptr, skin.page1 != nullptr);
    if (pRoot != nullptr)
        host.AttachRoot(pRoot);
    page.SetControls(FindIn(host, pRoot, "layout_ptline"), FindIn(host, pRoot, "layout_tip"),
                     FindIn(host, pRoot, "btn_refresh"), FindIn(host, pRoot, "txt_tip"));
    page.ShowWaiting();
    SetLines({"http://a", "http://b"});
    ASSERT_EQ(owner.PtLineSpeedTest(), 0);  // no pool: the probes are dropped
    for (const PtLineTestResult& result : {PtLineTestResult{"http://a", 200, 300, true},
                                           PtLineTestResult{"http://b", 404, 10, true}}) {
        bool handled = false;
        owner.HandleCustomMessage(WM_PTLINETEST_DONE, 0, LPARAM(new PtLineTestResult(result)),
                                  handled);
        page.OnSpeedTestResult(&result);
    }
    page.OnSpeedTestResult(nullptr);
    page.ShowFailure(CPage1::NO_LINE_TEXT);
    Orvik::CControlUI* pList = FindIn(host, pRoot, "layout_ptline");
    auto* pRows =
        pList != nullptr ? static_cast<Orvik::CContainerUI*>(pList->AsType("Container")) : nullptr;
    if (skin.nRows >= 0) {
        ASSERT_NE(pRows, nullptr);
        EXPECT_EQ(pRows->GetCount(), skin.nRows);
    }
    Orvik::NotifyRecord click;
    click.type = "click";
    page.OnNotify(click);  // no sender
    for (const char* pstrName : {"btn_refresh", "btn_go", "txt_tip"}) {
        click.sender = FindIn(host, pRoot, pstrName);
        if (click.sender != nullptr)
            page.OnNotify(click);
    }
}

void LauncherTrimmedSkin::RunClientPage(Orvik::CWindowHostUI& host) {
    std::ofstream(m_strTempDir + "tavex_mqr.jpg") << "not a picture";
    std::ofstream(m_strTempDir + "tavex_mgjqr.jpg") << "not a picture";
    CPage2 page(g_pMainFrame, &host, 0);
    Orvik::CControlUI* pRoot = page.Create();
    page.SetControls(FindIn(host, pRoot, "lbl_mobile"), FindIn(host, pRoot, "lbl_mobileGj"),
                     FindIn(host, pRoot, "btn_rilobet"));
    page.ShowQRCodes();
    EXPECT_EQ(page.OnCustomMessage(WM_GETQRCODE_DONE), 0);
    g_dwTestTicks = 999999;
    Orvik::NotifyRecord click;
    click.type = "click";
    page.OnNotify(click);
    click.sender = FindIn(host, pRoot, "lbl_mobile");
    page.OnNotify(click);
    EXPECT_TRUE(page.GetMobileGjQRUrl().empty());
    if (pRoot != nullptr)
        pRoot->Delete();
}

}  // namespace

TEST_F(LauncherTrimmedSkin, MissingOrMistypedControlsAreSkipped) {
    platform::seam::SetShellOpenProgram("/bin/true");
    for (const Skin& skin : SKINS) {
        SCOPED_TRACE(skin.name);
        Write("Page1.xml", skin.page1);
        Write("Page1_Item.xml", skin.item);
        Write("Page2.xml", skin.page2);
        testsupport::CHostWindow window(680, 480);
        CMainFrame owner;  // no window: only its results and counts are used
        testsupport::CCaptureStderr quiet;
        RunLinePage(skin, owner, window.Host());
        RunClientPage(window.Host());
        window.Pump();
    }
}
