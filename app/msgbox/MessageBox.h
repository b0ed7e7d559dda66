// The launcher's skinned modal message box ("MessageBox.xml" of the embedded skin).
#pragma once

#include "platform/user.h"
#include "ui/windowbase/WindowImplBase.h"

// Button sets.
#define MSGBOX_OK 0        // OK only
#define MSGBOX_OKCANCEL 1  // OK and Cancel

// Results of ShowMessage.
#define MSGBOX_RESULT_QUIT 0    // a quit message ended the box (and was posted again)
#define MSGBOX_RESULT_OK 1      // OK
#define MSGBOX_RESULT_CANCEL 2  // Cancel or the close button

class CMessageBox : public Orvik::WindowImplBase {
public:
    // Blocks until the user answers. The owner, if any, is disabled meanwhile
    // and enabled and focused after. The box deletes itself with its window.
    // Cancel when the owner was destroyed while the box was up.
    static int ShowMessage(HWND hOwner, const char* pstrText, const char* pstrCaption, int nType);

    void HandleNotify(Orvik::NotifyRecord& msg) override;

protected:
    const char* WindowClassName() const override { return "CMessageBox"; }
    Orvik::CUIString SkinFolder() override { return Orvik::CUIString(""); }
    Orvik::CUIString SkinFile() override { return Orvik::CUIString("MessageBox.xml"); }
    int SkinSourceKind() const override { return Orvik::SKIN_RESOURCE_ZIP; }
    Orvik::CUIString SkinZipName() override { return Orvik::CUIString(""); }
    Orvik::CUIResName SkinResourceId() override;
    // Enter and Escape do nothing: only a button answers the box.
    LRESULT OnDefaultKey(WPARAM) override { return 0; }
    // Swallows Enter and Escape before the focused button could take Enter
    // as a click: a key meant for another window must not answer the box.
    LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    CMessageBox() = default;
    ~CMessageBox() override = default;

    void FindControls();
    void ShowSystemButtons();
    void Prepare(const char* pstrText, int nType);

    // Handed to the window once it exists; until then ShowMessage owns the object.
    bool m_bOwnedByWindow = false;
    Orvik::CControlUI* m_pMainLayout = nullptr;
    Orvik::CControlUI* m_pCaptionLayout = nullptr;
    Orvik::CControlUI* m_pSystemBtnLayout = nullptr;
    Orvik::CControlUI* m_pMinBtn = nullptr;
    Orvik::CControlUI* m_pMaxBtn = nullptr;
    Orvik::CControlUI* m_pCloseBtn = nullptr;
    Orvik::CControlUI* m_pClientLayout = nullptr;
    Orvik::CControlUI* m_pNormalMsgLayout = nullptr;
    Orvik::CControlUI* m_pNormalMsg = nullptr;
    Orvik::CControlUI* m_pCheckBox = nullptr;
    Orvik::CControlUI* m_pBtnOk = nullptr;
    Orvik::CControlUI* m_pBtnCancel = nullptr;
    Orvik::CControlUI* m_pWaitingMsgLayout = nullptr;
    Orvik::CControlUI* m_pGif = nullptr;
    Orvik::CControlUI* m_pWaitingMsg = nullptr;
};
