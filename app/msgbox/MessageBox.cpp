// The skinned message box: built from the embedded skin, run modally, answered by a button.
#include "app/msgbox/MessageBox.h"

#include <new>

#include "ui/controls/ControlUI.h"

namespace {

const WORD SKIN_ZIP_RESOURCE = 129;
// Popup, visible, clip siblings and children, caption and system menu; the
// window base removes the caption bits again.
const DWORD MSGBOX_STYLE = 0x96C80000;

void ShowControl(Orvik::CControlUI* pControl, bool bShow) {
    if (pControl != nullptr)
        pControl->SetVisible(bShow);
}

}  // namespace

int CMessageBox::ShowMessage(HWND hOwner, const char* pstrText, const char* pstrCaption,
                             int nType) {
    CMessageBox* pBox = new (std::nothrow) CMessageBox;
    if (pBox == nullptr)
        return MSGBOX_RESULT_CANCEL;
    HWND hWnd = pBox->Create(hOwner, pstrCaption != nullptr ? pstrCaption : "", MSGBOX_STYLE,
                             WS_EX_WINDOWEDGE);
    if (hWnd == nullptr) {
        // No window took the object, so nothing else will delete it.
        delete pBox;
        return MSGBOX_RESULT_CANCEL;
    }
    pBox->m_bOwnedByWindow = true;
    pBox->CenterWindow();
    pBox->Prepare(pstrText, nType);
    int nResult = static_cast<int>(pBox->ShowModal());
    // A quit message leaves the box standing with no loop to run it: it goes
    // (and deletes itself) rather than stay on screen unanswerable.
    if (::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    // An owner destroyed meanwhile took the box with it: nobody is left to act
    // on the answer, so the question counts as declined.
    if (hOwner != nullptr && !::IsWindow(hOwner))
        return MSGBOX_RESULT_CANCEL;
    return nResult;
}

Orvik::CUIResName CMessageBox::SkinResourceId() {
    return Orvik::CUIResName(MAKEINTRESOURCEA(SKIN_ZIP_RESOURCE));
}

LRESULT CMessageBox::OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    LRESULT lRes = WindowImplBase::OnCreate(uMsg, wParam, lParam, bHandled);
    FindControls();
    return lRes;
}

void CMessageBox::FindControls() {
    auto find = [this](const char* pstrName) { return m_PaintManager.FindControlByName(pstrName); };
    m_pMainLayout = find("mainframe_layout");
    m_pCaptionLayout = find("caption_layout");
    m_pSystemBtnLayout = find("systembtn_layout");
    m_pMinBtn = find("minbtn");
    m_pMaxBtn = find("maxbtn");
    m_pCloseBtn = find("closebtn");
    m_pClientLayout = find("client_layout");
    m_pNormalMsgLayout = find("normalmsg_layout");
    m_pNormalMsg = find("txt_normalmsg");
    m_pCheckBox = find("checkbox");
    m_pBtnOk = find("btn_ok");
    m_pBtnCancel = find("btn_cancel");
    m_pWaitingMsgLayout = find("waitingmsg_layout");
    m_pGif = find("gif");
    m_pWaitingMsg = find("txt_waitingmsg");
}

// Only the close button stays; the row shrinks to it, or goes when it has no width.
void CMessageBox::ShowSystemButtons() {
    ShowControl(m_pMinBtn, false);
    ShowControl(m_pMaxBtn, false);
    ShowControl(m_pCloseBtn, true);
    if (m_pSystemBtnLayout == nullptr)
        return;
    int cxClose = m_pCloseBtn != nullptr ? m_pCloseBtn->GetFixedWidth() : 0;
    if (cxClose > 0) {
        m_pSystemBtnLayout->SetFixedWidth(cxClose);
        m_pSystemBtnLayout->SetVisible(true);
    } else {
        m_pSystemBtnLayout->SetVisible(false);
    }
}

void CMessageBox::Prepare(const char* pstrText, int nType) {
    ShowSystemButtons();
    ShowControl(m_pCheckBox, false);
    ShowControl(m_pNormalMsgLayout, true);
    ShowControl(m_pWaitingMsgLayout, false);
    if (nType == MSGBOX_OK) {
        ShowControl(m_pBtnOk, true);
        ShowControl(m_pBtnCancel, false);
    } else if (nType == MSGBOX_OKCANCEL) {
        ShowControl(m_pBtnOk, true);
        ShowControl(m_pBtnCancel, true);
    }
    if (m_pNormalMsg != nullptr)
        m_pNormalMsg->SetText(pstrText != nullptr ? pstrText : "");
    // The first layout moves the focus on to the next tab stop; asking for it
    // this way makes that step land on OK rather than on the button after it.
    if (m_pBtnOk != nullptr && m_pBtnOk->IsVisible())
        m_PaintManager.SetFocusNeeded(m_pBtnOk);
}

void CMessageBox::HandleNotify(Orvik::NotifyRecord& msg) {
    WindowImplBase::HandleNotify(msg);
    if (msg.type != "click" || msg.sender == nullptr)
        return;
    if (msg.sender == m_pBtnOk)
        Close(MSGBOX_RESULT_OK);
    else if (msg.sender == m_pBtnCancel)
        Close(MSGBOX_RESULT_CANCEL);
}

LRESULT CMessageBox::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    LRESULT lRes = WindowImplBase::FilterMessage(uMsg, wParam, lParam, bHandled);
    if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE))
        bHandled = true;
    return lRes;
}

LRESULT CMessageBox::OnClose(UINT, WPARAM, LPARAM, bool& bHandled) {
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner != nullptr && !::IsWindowEnabled(hOwner))
        ::EnableWindow(hOwner, TRUE);
    bHandled = false;
    return 0;
}

void CMessageBox::OnFinalMessage(HWND hWnd) {
    WindowImplBase::OnFinalMessage(hWnd);
    if (m_bOwnedByWindow)
        delete this;
}
