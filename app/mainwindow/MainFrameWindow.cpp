// The main window as a window: skin, pages, page switching, close confirmation, lifetime.
#include <strings.h>

#include <cstring>

#include "app/mainwindow/MainFrame.h"
#include "app/msgbox/MessageBox.h"
#include "app/pages/Page1.h"
#include "app/pages/Page2.h"
#include "ui/controls/ControlUI.h"

using namespace Orvik;

CMainFrame* g_pMainFrame = nullptr;

CMainFrame::CMainFrame() {
    g_pMainFrame = this;
}

CMainFrame::~CMainFrame() {
    m_lstTestResult.Clear();
    // The pages hold only pointers into the tree, which went with the window.
    delete m_pPage1;
    delete m_pPage2;
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

CControlUI* CMainFrame::CreateCustomControl(const char* pstrClass) {
    if (strcasecmp(pstrClass, "Page1") == 0) {
        delete m_pPage1;
        m_pPage1 = new CPage1(this, &m_PaintManager);
        return m_pPage1->Create();
    }
    if (strcasecmp(pstrClass, "Page2") == 0) {
        delete m_pPage2;
        m_pPage2 = new CPage2(this, &m_PaintManager, CPage2::Ticks());
        return m_pPage2->Create();
    }
    return nullptr;
}

void CMainFrame::HandPagesTheirControls() {
    // A null parent would search the whole window, so a page without a root finds nothing.
    auto find = [this](CControlUI* pRoot, const char* pstrName) {
        return pRoot != nullptr ? m_PaintManager.FindChildByName(pRoot, pstrName) : nullptr;
    };
    if (m_pPage1 != nullptr) {
        CControlUI* pRoot = m_pPage1->GetRoot();
        m_pPage1->SetControls(find(pRoot, "layout_ptline"), find(pRoot, "layout_tip"),
                              find(pRoot, "btn_refresh"), find(pRoot, "txt_tip"));
    }
    if (m_pPage2 != nullptr) {
        CControlUI* pRoot = m_pPage2->GetRoot();
        m_pPage2->SetControls(find(pRoot, "lbl_mobile"), find(pRoot, "lbl_mobileGj"),
                              find(pRoot, "btn_rilobet"));
    }
}

LRESULT CMainFrame::OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    LRESULT lRes = WindowImplBase::OnCreate(uMsg, wParam, lParam, bHandled);
    HandPagesTheirControls();
    if (m_pPage2 != nullptr)
        m_pPage2->ShowQRCodes();
    RefreshPtLine();
    GetMobileQRCode();
    return lRes;
}

void CMainFrame::ShowPage(bool bFirst) {
    CControlUI* pRoot1 = m_pPage1 != nullptr ? m_pPage1->GetRoot() : nullptr;
    CControlUI* pRoot2 = m_pPage2 != nullptr ? m_pPage2->GetRoot() : nullptr;
    if (pRoot1 != nullptr)
        pRoot1->SetVisible(bFirst);
    if (pRoot2 != nullptr)
        pRoot2->SetVisible(!bFirst);
}

void CMainFrame::HandleNotify(NotifyRecord& msg) {
    WindowImplBase::HandleNotify(msg);
    if (std::strcmp(msg.type, "selectchanged") == 0 && msg.sender != nullptr) {
        if (std::strcmp(msg.sender->GetName(), "opt_page1") == 0)
            ShowPage(true);
        else if (std::strcmp(msg.sender->GetName(), "opt_page2") == 0)
            ShowPage(false);
    }
    if (m_pPage1 != nullptr)
        m_pPage1->OnNotify(msg);
    if (m_pPage2 != nullptr)
        m_pPage2->OnNotify(msg);
}

void CMainFrame::OnClickNotify(NotifyRecord& msg) {
    if (msg.sender != nullptr && std::strcmp(msg.sender->GetName(), "closebtn") == 0 &&
        CMessageBox::ShowMessage(m_hWnd, "您确定要退出软件吗？", "提示", MSGBOX_OKCANCEL) != 1)
        return;
    WindowImplBase::OnClickNotify(msg);
}

LRESULT CMainFrame::OnDestroy(UINT, WPARAM, LPARAM, bool& bHandled) {
    ::PostQuitMessage(0);
    bHandled = false;
    return 0;
}

void CMainFrame::OnFinalMessage(HWND hWnd) {
    WindowImplBase::OnFinalMessage(hWnd);
    // Nothing reaches the main window once its window is gone, but probes may
    // still be queued on this object: it goes once the pool has.
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
    DeleteAfterWorkers(this);
}
