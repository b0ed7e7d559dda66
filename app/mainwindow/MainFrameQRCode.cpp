// The main window's QR work: queuing the download and running it on a worker.
#include <mutex>
#include <string>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/mainwindow/MainFrame.h"
#include "app/pages/MainMessages.h"
#include "app/pages/MakeHostUrl.h"
#include "app/pages/Page2.h"
#include "app/pages/Page2QRFile.h"

namespace {

typedef std::vector<std::string> QRCodeJobArg;

void FreeQRCodeArg(INT_PTR arg) {
    delete reinterpret_cast<QRCodeJobArg*>(arg);
}

bool FirstPtLine(std::string& strUrl) {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    if (g_lstPtLine.empty())
        return false;
    strUrl = g_lstPtLine.front().url;
    return true;
}

}  // namespace

void CMainFrame::GetMobileQRCode() {
    std::string strHost;
    if (!FirstPtLine(strHost))
        return;
    auto* pArg = new QRCodeJobArg{strHost};
    pArg->push_back(m_pPage2 != nullptr ? m_pPage2->GetMobileQRUrl() : std::string());
    pArg->push_back(m_pPage2 != nullptr ? m_pPage2->GetMobileGjQRUrl() : std::string());
    IdleJob job;
    job.msg = WM_GETQRCODE_DONE;
    job.name = "CMainFrame::GetMobileQRCode";
    job.proc = static_cast<IdleProc>(&CMainFrame::DownloadQRCodes);
    job.client = this;
    job.arg = reinterpret_cast<INT_PTR>(pArg);
    job.window = GetHWND();
    job.pfnFreeArg = FreeQRCodeArg;
    PostIdleJob(-1, job);
}

int CMainFrame::DownloadQRCodes(INT_PTR arg, LPARAM* /*lparam*/) {
    if (arg == 0)
        return -1;
    QRCodeJobArg list = *reinterpret_cast<QRCodeJobArg*>(arg);
    FreeQRCodeArg(arg);
    if (list.size() != 3)
        return -1;
    // A web page or a cut-off picture must not replace a good one of an earlier run.
    int r1 = DownloadQRImage(MakeHostUrl(list[1], list[0]), CPage2::MobileQRPath());
    int r2 = DownloadQRImage(MakeHostUrl(list[2], list[0]), CPage2::MobileGjQRPath());
    return r1 + r2;
}
