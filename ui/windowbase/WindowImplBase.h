// The skinned window base: frameless window, skin load, caption and border hit test, system
// buttons.
#pragma once

#include "ui/builder/IDialogBuilderCallback.h"
#include "ui/core/UIResName.h"
#include "ui/core/UIString.h"
#include "ui/window/MessageFilter.h"
#include "ui/window/WindowHostUI.h"
#include "ui/window/WindowWnd.h"
#include "ui/windowbase/NotifyPump.h"

namespace Orvik {

// Where a window's skin comes from.
enum SkinSourceKind {
    SKIN_FILES = 1,         // files in the skin folder
    SKIN_ZIP_FILE = 2,      // a ZIP file in the skin folder
    SKIN_RESOURCE_DOC = 3,  // a skin document among the program's resources
    SKIN_RESOURCE_ZIP = 4,  // a ZIP archive among the program's resources
};

// Message handlers get handled = true and clear it to pass the message on.
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
public:
    WindowImplBase() = default;
    ~WindowImplBase() override = default;

    CWindowHostUI& Host() { return m_PaintManager; }
    const NotifyMapTable* NotifyMap() const override;
    // Reached through the notify map for every "click".
    virtual void OnClickNotify(NotifyRecord& msg);

protected:
    LRESULT ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    UINT ClassStyle() const override { return CS_DBLCLKS; }
    void OnFinalMessage(HWND hWnd) override;

    virtual void OnWindowReady() {}
    virtual CUIString SkinFolder() = 0;
    virtual CUIString SkinFile() = 0;
    virtual LRESULT OnDefaultKey(WPARAM wParam);
    virtual void ShowWindowTitle(const char* pstrText);
    virtual int SkinSourceKind() const { return SKIN_FILES; }
    virtual CUIString SkinZipName() { return CUIString(""); }
    virtual CUIResName SkinResourceId() { return CUIResName(""); }

    virtual LRESULT OnClose(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& bHandled);
    virtual LRESULT OnNcCalcSize(UINT, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcPaint(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseWheel(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnMouseHover(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnMove(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnSize(UINT, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnChar(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnKillFocus(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnSetFocus(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LRESULT OnMouseMove(UINT, WPARAM, LPARAM, bool& bHandled);
    // Derived windows handle their own messages here.
    virtual LRESULT HandleCustomMessage(UINT, WPARAM, LPARAM, bool& bHandled);
    virtual LONG WindowStyle() const;

    void HandleNotify(NotifyRecord& msg) override;
    LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    CControlUI* CreateCustomControl(const char* pstrClass) override;

    CWindowHostUI m_PaintManager;

private:
    // The handler of a message of the slot table; false when it has none.
    bool DispatchToHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lRes);
    bool DispatchFrameMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled,
                              LRESULT& lRes);
    void RemoveCaptionStyle();
    bool PrepareSkinSource();
    CControlUI* BuildSkin();
    void ShowMaxRestoreButtons(bool bWasZoomed);
};

}  // namespace Orvik
