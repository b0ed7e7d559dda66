// Skinned window base: message dispatch, default handlers, notifications and default keys.
#include "ui/windowbase/WindowImplBase.h"

#include "ui/controls/ControlUI.h"

namespace Orvik {

namespace {

void ClickThunk(CNotifyPump* pPump, NotifyRecord& msg) {
    static_cast<WindowImplBase*>(pPump)->OnClickNotify(msg);
}

const NotifyMapEntry g_windowEntries[] = {
    {"click", "", NOTIFY_SIG_RECORD, nullptr, ClickThunk},
    {"", "", NOTIFY_SIG_END, nullptr, nullptr},
};

// A handler that leaves the message to the next stage.
LRESULT PassOn(bool& bHandled) {
    bHandled = false;
    return 0;
}

}  // namespace

const NotifyMapTable* WindowImplBase::NotifyMap() const {
    static const NotifyMapTable table = {CNotifyPump::NotifyMap(), g_windowEntries};
    return &table;
}

LRESULT WindowImplBase::ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    bool bHandled = true;
    LRESULT lRes = 0;
    if (DispatchToHandler(uMsg, wParam, lParam, bHandled, lRes) && bHandled)
        return lRes;
    bHandled = false;
    lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled)
        return lRes;
    if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return CWindowWnd::ProcessWindowMessage(uMsg, wParam, lParam);
}

bool WindowImplBase::DispatchToHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled,
                                       LRESULT& lRes) {
    switch (uMsg) {
        case WM_CREATE:
            lRes = OnCreate(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_DESTROY:
            lRes = OnDestroy(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_MOVE:
            lRes = OnMove(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_SIZE:
            lRes = OnSize(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_SETFOCUS:
            lRes = OnSetFocus(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_KILLFOCUS:
            lRes = OnKillFocus(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_CLOSE:
            lRes = OnClose(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_KEYDOWN:
            lRes = OnKeyDown(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_CHAR:
            lRes = OnChar(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_MOUSEMOVE:
            lRes = OnMouseMove(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_LBUTTONDOWN:
            lRes = OnLButtonDown(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_LBUTTONUP:
            lRes = OnLButtonUp(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_MOUSEWHEEL:
            lRes = OnMouseWheel(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_MOUSEHOVER:
            lRes = OnMouseHover(uMsg, wParam, lParam, bHandled);
            return true;
        default:
            return DispatchFrameMessage(uMsg, wParam, lParam, bHandled, lRes);
    }
}

bool WindowImplBase::DispatchFrameMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled,
                                          LRESULT& lRes) {
    switch (uMsg) {
        case WM_GETMINMAXINFO:
            lRes = OnGetMinMaxInfo(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_NCCALCSIZE:
            lRes = OnNcCalcSize(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_NCHITTEST:
            lRes = OnNcHitTest(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_NCPAINT:
            lRes = OnNcPaint(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_NCACTIVATE:
            lRes = OnNcActivate(uMsg, wParam, lParam, bHandled);
            return true;
        case WM_SYSCOMMAND:
            lRes = OnSysCommand(uMsg, wParam, lParam, bHandled);
            return true;
        default:
            return false;
    }
}

void WindowImplBase::OnFinalMessage(HWND) {
    m_PaintManager.RemovePreMessageFilter(this);
    m_PaintManager.RemoveNotifier(this);
    // Forgetting alone would leave the tree to nobody: it goes with the window.
    CControlUI* pRoot = m_PaintManager.GetRoot();
    if (pRoot != nullptr) {
        m_PaintManager.ForgetControl(pRoot);
        pRoot->Delete();
    }
}

void WindowImplBase::HandleNotify(NotifyRecord& msg) {
    NotifyPump(msg);
}

LRESULT WindowImplBase::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM, bool&) {
    if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE))
        return OnDefaultKey(wParam);
    return 0;
}

LRESULT WindowImplBase::OnDefaultKey(WPARAM wParam) {
    if (wParam != VK_ESCAPE)
        return 0;
    Close(2);
    return 1;
}

void WindowImplBase::ShowWindowTitle(const char* pstrText) {
    CControlUI* pTitle = m_PaintManager.FindControlByName("title");
    if (pTitle != nullptr)
        pTitle->SetText(pstrText);
}

CControlUI* WindowImplBase::CreateCustomControl(const char*) {
    return nullptr;
}

LONG WindowImplBase::WindowStyle() const {
    return static_cast<LONG>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ~WS_CAPTION);
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnMove(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}
LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& bHandled) {
    return PassOn(bHandled);
}

}  // namespace Orvik
