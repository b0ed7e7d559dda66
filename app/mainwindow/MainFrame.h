// The launcher's main window: the two pages, the close confirmation and the line work.
#pragma once

#include "app/lines/PtLineRanking.h"
#include "app/lines/PtLineTestResult.h"
#include "app/pages/IPageOwner.h"
#include "app/pool/IdleJob.h"
#include "ui/windowbase/WindowImplBase.h"

class CPage1;
class CPage2;

// The job base comes first: the pool calls the frame's job operations through
// member pointers of IIdleTreadClient, which must find the object at its start.
class CMainFrame : public IIdleTreadClient, public Orvik::WindowImplBase, public IPageOwner {
public:
    CMainFrame();
    ~CMainFrame() override;

    // UI thread: the line page waits and the line fetch is queued.
    void RefreshPtLine() override;
    // Worker: asks the line hosts for the current lines and merges them into
    // g_lstPtLine. 0 merged, -1 no connection, -2 every host failed.
    int GetPtLine(INT_PTR arg, LPARAM* lparam);
    // UI thread: one probe job per known host. 0 started, 1 no connection,
    // 2 no host.
    int PtLineSpeedTest();
    // Worker: probes the host in arg (a heap string it frees) and leaves a
    // heap PtLineTestResult in *lparam for the message's receiver.
    int TestPtLine(INT_PTR arg, LPARAM* lparam);
    // UI thread: queues the download of both QR images from the first line host.
    void GetMobileQRCode() override;
    // Worker: arg is a heap list of the host and the two configured image
    // URLs, freed here. The sum of both download results, -1 for a bad list.
    int DownloadQRCodes(INT_PTR arg, LPARAM* lparam);
    // UI thread: the job results. Never sets bHandled.
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

    int GetSpeedTestTotal() const override { return m_nSpeedTestTotal; }
    int GetSpeedTestFinishCount() const override { return m_nSpeedTestFinishCount; }
    const PtLineResults& GetTestResults() const override { return m_lstTestResult.Results(); }
    CPage1* GetPage1() const { return m_pPage1; }
    CPage2* GetPage2() const { return m_pPage2; }

    void OnClickNotify(Orvik::NotifyRecord& msg) override;

protected:
    const char* WindowClassName() const override { return "CMainFrame"; }
    void OnFinalMessage(HWND hWnd) override;
    Orvik::CUIString SkinFolder() override { return Orvik::CUIString(""); }
    Orvik::CUIString SkinFile() override { return Orvik::CUIString("MainFrame.xml"); }
    int SkinSourceKind() const override { return Orvik::SKIN_RESOURCE_ZIP; }
    Orvik::CUIResName SkinResourceId() override { return Orvik::CUIResName(129); }
    LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    void HandleNotify(Orvik::NotifyRecord& msg) override;
    Orvik::CControlUI* CreateCustomControl(const char* pstrClass) override;

private:
    LRESULT OnSpeedTestResult(WPARAM wParam, LPARAM lParam);
    void ShowPage(bool bFirst);
    void HandPagesTheirControls();

    CPage1* m_pPage1 = nullptr;
    CPage2* m_pPage2 = nullptr;
    int m_nSpeedTestTotal = 0;
    int m_nSpeedTestFinishCount = 0;
    CPtLineRanking m_lstTestResult;  // usable results, display order
};

// The one main window, for the pages that need to reach it.
extern CMainFrame* g_pMainFrame;
