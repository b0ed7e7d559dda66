// Line page: the tip, the rows of the fastest lines and the clicks on them.
#include "app/pages/Page1.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/pages/IPageOwner.h"
#include "app/pages/LineRowValues.h"
#include "platform/shell.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/LabelUI.h"
#include "ui/controls/ProgressUI.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;

const char* const CPage1::WAITING_TEXT = "线路更新中，请稍后 ...";
const char* const CPage1::NO_LINE_TEXT = "线路不可用，请稍后重试！";
const char* const CPage1::NO_CONNECTION_TEXT = "请检查您的网络连接！";

namespace {

const char BROWSER_SUFFIX[] = "?from=kestova";

// Hover finds the innermost control, so the row and each of its parts carry the text.
void SetRowToolTip(CControlUI* pRow, const std::string& strText) {
    pRow->SetToolTip(strText.c_str());
    auto* pContainer = static_cast<CContainerUI*>(pRow->AsType("Container"));
    for (int i = 0; pContainer != nullptr && i < pContainer->GetCount(); ++i)
        pContainer->GetItemAt(i)->SetToolTip(strText.c_str());
}

template <class T>
T* As(CControlUI* pControl, const char* pstrType) {
    return pControl != nullptr ? static_cast<T*>(pControl->AsType(pstrType)) : nullptr;
}

}  // namespace

CPage1::CPage1(IPageOwner* pOwner, CWindowHostUI* pHost) : m_pHost(pHost), m_pOwner(pOwner) {}

CControlUI* CPage1::Create() {
    CSkinBuilder builder;
    m_pRoot = builder.Create(CUIResName("Page1.xml"), nullptr, nullptr, m_pHost);
    return m_pRoot;
}

void CPage1::SetControls(CControlUI* pLayoutPtLine, CControlUI* pLayoutTip, CControlUI* pBtnRefresh,
                         CControlUI* pTxtTip) {
    m_pLayoutPtLine = As<CContainerUI>(pLayoutPtLine, "Container");
    m_pLayoutTip = pLayoutTip;
    m_pBtnRefresh = pBtnRefresh;
    m_pTxtTip = As<CLabelUI>(pTxtTip, "Label");
}

void CPage1::SetVisible(CControlUI* pControl, bool bVisible) {
    if (pControl != nullptr)
        pControl->SetVisible(bVisible);
}

void CPage1::SetTipColour(const char* pstrAttribute) {
    unsigned long dwColour = 0;
    if (m_pTxtTip != nullptr &&
        ParseColourText(m_pTxtTip->GetCustomAttribute(pstrAttribute), dwColour))
        m_pTxtTip->SetTextColor(DWORD(dwColour));
}

void CPage1::ShowWaiting() {
    if (m_pTxtTip != nullptr)
        m_pTxtTip->SetText(WAITING_TEXT);
    SetTipColour("normaltextcolor");
    SetVisible(m_pLayoutPtLine, false);
    SetVisible(m_pLayoutTip, true);
}

void CPage1::ShowFailure(const char* pstrText) {
    if (m_pTxtTip != nullptr)
        m_pTxtTip->SetText(pstrText);
    SetTipColour("errortextcolor");
    SetVisible(m_pLayoutTip, true);
    SetVisible(m_pBtnRefresh, true);
}

int CPage1::OnSpeedTestResult(const PtLineTestResult* pResult) {
    if (m_pOwner == nullptr)
        return 0;
    if (!m_pOwner->GetTestResults().empty())
        RebuildRows();
    if (m_pOwner->GetSpeedTestFinishCount() < m_pOwner->GetSpeedTestTotal())
        return 0;
    if (pResult == nullptr) {
        ShowFailure(NO_CONNECTION_TEXT);
    } else if (m_pOwner->GetTestResults().empty()) {
        ShowFailure(NO_LINE_TEXT);
    } else {
        SetVisible(m_pLayoutPtLine, true);
        SetVisible(m_pLayoutTip, false);
        SetVisible(m_pBtnRefresh, true);
    }
    return 0;
}

void CPage1::RebuildRows() {
    if (m_pLayoutPtLine == nullptr)
        return;
    m_pLayoutPtLine->SetVisible(true);
    if (RowsUnchanged())
        return;
    m_pLayoutPtLine->RemoveAll();
    m_lstShown.clear();
    int nRow = 0;
    for (const PtLineTestResult& result : m_pOwner->GetTestResults()) {
        if (nRow >= MAX_ROWS)
            break;
        m_lstShown.push_back(result);
        CControlUI* pRow = BuildRow(result, nRow);
        if (pRow != nullptr)
            m_pLayoutPtLine->Add(pRow);
    }
    m_bRowsFull = nRow >= MAX_ROWS;
}

bool CPage1::RowsUnchanged() const {
    // Once the rows are full, a result behind them changes nothing on the
    // page: the rows are rebuilt only when the first results differ.
    if (!m_bRowsFull)
        return false;
    const PtLineResults& results = m_pOwner->GetTestResults();
    auto it = results.begin();
    for (const PtLineTestResult& shown : m_lstShown) {
        if (it == results.end() || !(*it == shown))
            return false;
        ++it;
    }
    return true;
}

CControlUI* CPage1::BuildRow(const PtLineTestResult& result, int& nRow) {
    // Built without the host: an attached control cannot take a name another
    // row already holds in the window's index, so rows 2 and 3 would lose
    // txt_name and btn_go. The row document uses no default attribute lists.
    CSkinBuilder builder;
    CControlUI* pRow = builder.Create(CUIResName("Page1_Item.xml"));
    if (pRow == nullptr)
        return nullptr;
    if (CControlUI* pName = m_pHost->FindChildByName(pRow, "txt_name")) {
        char szText[64];
        std::snprintf(szText, sizeof szText, "线路地址%d：", ++nRow);
        pName->SetText(szText);
    }
    if (auto* pBar = As<CProgressUI>(m_pHost->FindChildByName(pRow, "ctrl_progress"), "Progress")) {
        LineRowValues values = GetLineRowValues(result);
        pBar->SetValue(values.nBarValue);
        std::string strKey = "foreimage" + std::to_string(values.nColourClass);
        const char* pstrImage = pBar->GetCustomAttribute(strKey.c_str());
        pBar->SetForeImage(pstrImage != nullptr ? pstrImage : "");
        pBar->SetText(values.strText.c_str());
    }
    if (CControlUI* pGo = m_pHost->FindChildByName(pRow, "btn_go"))
        pGo->SetUserData(result.url.c_str());
    SetRowToolTip(pRow, GetLineRowValues(result).strToolTip);
    return pRow;
}

void CPage1::OnNotify(NotifyRecord& msg) {
    if (std::strcmp(msg.type, "click") != 0 || msg.sender == nullptr)
        return;
    if (std::strcmp(msg.sender->GetName(), "btn_go") == 0) {
        const CUIString& sUrl = msg.sender->GetUserData();
        if (sUrl.IsEmpty())
            return;
        std::string strUrl = std::string(sUrl.GetData()) + BROWSER_SUFFIX;
        ShellExecuteA(nullptr, nullptr, strUrl.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    } else if (msg.sender == m_pBtnRefresh) {
        m_pBtnRefresh->SetVisible(false);
        if (m_pOwner != nullptr)
            m_pOwner->RefreshPtLine();
    }
}
