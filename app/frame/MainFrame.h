// The launcher's main window: owner of the line work and the speed-test state.
#pragma once

#include <list>

#include "app/frame/IClientPage.h"
#include "app/frame/ILinePage.h"
#include "app/lines/PtLineTestResult.h"
#include "app/pool/IdleJob.h"
#include "platform/user.h"

class CMainFrame : public IIdleTreadClient {
public:
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The native window results are posted to; the window base provides it
    // once it exists.
    HWND GetHWND() const { return m_hWnd; }
    void SetHWND(HWND hWnd) { m_hWnd = hWnd; }
    void SetPages(ILinePage* pPage1, IClientPage* pPage2);

    // UI thread: the line page waits and the line fetch is queued.
    void RefreshPtLine();
    // Worker: asks the line hosts for the current lines and merges them into
    // g_lstPtLine. 0 merged, -1 no connection, -2 every host failed.
    int GetPtLine(INT_PTR arg, LPARAM* lparam);
    // UI thread: one probe job per known host. 0 started, 1 no connection,
    // 2 no host.
    int PtLineSpeedTest();
    // Worker: probes the host in arg (a heap string it frees) and leaves a
    // heap PtLineTestResult in *lparam for the message's receiver.
    int TestPtLine(INT_PTR arg, LPARAM* lparam);
    // UI thread: the job results. Never sets bHandled.
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);

    int GetSpeedTestTotal() const { return m_nSpeedTestTotal; }
    int GetSpeedTestFinishCount() const { return m_nSpeedTestFinishCount; }
    const std::list<PtLineTestResult>& GetTestResults() const { return m_lstTestResult; }

private:
    LRESULT OnSpeedTestResult(WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    ILinePage* m_pPage1 = nullptr;
    IClientPage* m_pPage2 = nullptr;
    int m_nSpeedTestTotal = 0;
    int m_nSpeedTestFinishCount = 0;
    std::list<PtLineTestResult> m_lstTestResult;
};

// The one main window, for the pages that need to reach it.
extern CMainFrame* g_pMainFrame;
