// The main window's line work: fetching the line list, the speed test and their results.
#include "app/mainwindow/MainFrame.h"

#include <cstdio>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/lines/PtLineAnswer.h"
#include "app/pages/MainMessages.h"
#include "app/pages/Page1.h"
#include "app/pages/Page2.h"
#include "app/trace/Trace.h"
#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "platform/kernel.h"
#include "platform/wininet.h"

namespace {

const int PROBE_TIMEOUT_S = 5;

void FreeUrlArg(INT_PTR arg) {
    delete reinterpret_cast<std::string*>(arg);
}
void FreeTestResult(LPARAM lParam) {
    delete reinterpret_cast<PtLineTestResult*>(lParam);
}

std::vector<std::string> CopyPtLineUrls() {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    std::vector<std::string> urls;
    for (const PtLineEntry& entry : g_lstPtLine)
        urls.push_back(entry.url);
    return urls;
}

bool IsConnected() {
    DWORD dwFlags = 0;
    return InternetGetConnectedState(&dwFlags, 0) != FALSE;
}

// host + probe path + the tick count as a signed 32-bit number; the string
// grows with the host, so no host is too long.
std::string ProbeUrl(const std::string& url, DWORD dwTick) {
    return url + PTLINE_PROBE_PATH + std::to_string(int32_t(dwTick));
}

}  // namespace

void CMainFrame::RefreshPtLine() {
    if (m_pPage1 != nullptr)
        m_pPage1->ShowWaiting();
    IdleJob job;
    job.msg = WM_GETPTLINE_DONE;
    job.name = "CMainFrame::GetPtLine";
    job.proc = static_cast<IdleProc>(&CMainFrame::GetPtLine);
    job.client = this;
    job.window = GetHWND();
    // Without a pool the fetch never runs: the page says so and offers the
    // refresh button instead of waiting for ever.
    if (PostIdleJob(-1, job) == 0 && m_pPage1 != nullptr)
        m_pPage1->ShowFailure(CPage1::NO_LINE_TEXT);
}

int CMainFrame::GetPtLine(INT_PTR /*arg*/, LPARAM* /*lparam*/) {
    if (!IsConnected()) {
        TRACE_DEBUG("it seems that you don't have network connetion ...");
        return -1;
    }
    TRACE_DEBUG("begin to get ptline...");
    for (const std::string& host : CopyPtLineUrls()) {
        int nStatus = 0;
        std::string url = host + PTLINE_QUERY_PATH;
        std::string body = HttpPost(nStatus, url.c_str(), PTLINE_QUERY_BODY);
        if (nStatus < 200 || nStatus > 299) {
            TRACE_DEBUG("get ptline from[%s] fail. code[%d]", host.c_str(), nStatus);
            continue;
        }
        std::string strCode, strResult;
        ParsePtLineAnswer(body, strCode, strResult);
        if (strCode != PTLINE_QUERY_SUCCESS_CODE || strResult.empty()) {
            TRACE_DEBUG("get ptline from[%s] fail. response[%s]\n", host.c_str(), body.c_str());
            continue;
        }
        std::string stripped = StripPtLineResult(strResult);
        std::string lines = DecodePtLineResult(stripped);
        if (lines.empty()) {
            TRACE_DEBUG("decode ptline result[%s] from[%s] fail", stripped.c_str(), host.c_str());
            continue;
        }
        if (int nDropped = MergePtLines(lines))
            TRACE_DEBUG("ptline list from[%s] too long: %d hosts dropped", host.c_str(), nDropped);
        return 0;
    }
    TRACE_DEBUG("get ptline all fail");
    return -2;
}

int CMainFrame::PtLineSpeedTest() {
    m_nSpeedTestFinishCount = 0;
    if (!IsConnected()) {
        TRACE_DEBUG("it seems that you don't have network connetion ...");
        return 1;
    }
    std::vector<std::string> urls = CopyPtLineUrls();
    if (urls.empty()) {
        TRACE_DEBUG("empty ptline list.");
        return 2;
    }
    m_nSpeedTestTotal = int(urls.size());
    m_lstTestResult.Clear();
    for (const std::string& url : urls) {
        IdleJob job;
        job.msg = WM_PTLINETEST_DONE;
        job.name = "CMainFrame::PtLineSpeedTest";
        job.proc = static_cast<IdleProc>(&CMainFrame::TestPtLine);
        job.client = this;
        job.arg = reinterpret_cast<INT_PTR>(new std::string(url));
        job.window = GetHWND();
        job.pfnFreeArg = FreeUrlArg;
        job.pfnFreeResult = FreeTestResult;
        PostIdleJob(-1, job);
    }
    return 0;
}

int CMainFrame::TestPtLine(INT_PTR arg, LPARAM* lparam) {
    if (arg == 0)
        return -1;
    std::string url = *reinterpret_cast<std::string*>(arg);
    FreeUrlArg(arg);
    PtLineTestResult result;
    result.url = url;
    DWORD dwStart = GetTickCount();
    std::string body =
        HttpGet(ProbeUrl(url, dwStart).c_str(), result.status, PROBE_TIMEOUT_S, 1, &result.phases);
    result.costMs = int(DWORD(GetTickCount() - dwStart));
    result.ok = IsProbeAnswer(body);
    *lparam = reinterpret_cast<LPARAM>(new PtLineTestResult(result));
    return 0;
}

LRESULT CMainFrame::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam,
                                        bool& /*bHandled*/) {
    if (uMsg == WM_GETPTLINE_DONE) {
        int nStart = PtLineSpeedTest();
        if (nStart != 0)
            TRACE_DEBUG("cannot test speed");
        // No result will ever come: rather than wait for ever, the page asks
        // for the connection and offers the refresh button.
        if (nStart == 1 && m_pPage1 != nullptr)
            m_pPage1->ShowFailure(CPage1::NO_CONNECTION_TEXT);
        return 0;
    }
    if (uMsg == WM_PTLINETEST_DONE)
        return OnSpeedTestResult(wParam, lParam);
    return m_pPage2 != nullptr ? m_pPage2->OnCustomMessage(uMsg) : 0;
}

// Traces as the message handler it belongs to.
#define TRACE_HANDLER(...) \
    TraceDebug("CMainFrame::HandleCustomMessage", __FILE__, __LINE__, __VA_ARGS__)

LRESULT CMainFrame::OnSpeedTestResult(WPARAM /*wParam*/, LPARAM lParam) {
    if (lParam == 0)
        return -1;
    PtLineTestResult result = *reinterpret_cast<PtLineTestResult*>(lParam);
    FreeTestResult(lParam);
    ++m_nSpeedTestFinishCount;
    std::ostringstream count;
    count << "m_nSpeedTestFinishCount=" << m_nSpeedTestFinishCount
          << " total=" << m_nSpeedTestTotal;
    TRACE_HANDLER("%s", count.str().c_str());
    if (result.ok) {
        m_lstTestResult.Add(result);
    } else {
        TRACE_HANDLER("ptline test fail.");
    }
    // The page only asks whether there was a record; the copy answers that.
    int nPage1 = m_pPage1 != nullptr ? m_pPage1->OnSpeedTestResult(&result) : 0;
    int nPage2 = m_pPage2 != nullptr ? m_pPage2->OnCustomMessage(WM_PTLINETEST_DONE) : 0;
    return nPage1 | nPage2;
}
