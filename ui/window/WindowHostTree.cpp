// Window host: the tree operations, forwarded to the tree part with the host's own checks.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CControlUI* CWindowHostUI::GetRoot() const {
    return m_tree.GetRoot();
}

bool CWindowHostUI::AttachRoot(IControlNodeUI* pRoot) {
    SetFocus(nullptr, true);
    m_input.ClearTreeState();
    if (Root() != nullptr) {
        RunDelayedCleanup();
        ClearPendingNotifications();
        m_tree.ResetIndex();
        m_input.RemoveAllNativeWindows();
        AddDelayedCleanup(Root());
    }
    m_tree.SwapRoot(pRoot);
    m_paint.ResetForNewRoot();
    m_input.RequestFocus();
    m_paint.GetShadow().Create(this);
    return InitControls(pRoot, nullptr);
}

bool CWindowHostUI::InitControls(IControlNodeUI* pControl, CControlUI* pParent) {
    if (pControl == nullptr)
        return false;
    pControl->Attach(this, pParent != nullptr ? pParent : pControl->GetParent(), true);
    m_tree.IndexSubtree(pControl);
    return true;
}

bool CWindowHostUI::RenameControl(IControlNodeUI* pControl, const char* pstrName) {
    if (pControl == nullptr || pstrName == nullptr || pstrName[0] == '\0')
        return false;
    if (pControl->GetControl() == nullptr || pControl->GetHost() != this)
        return false;
    return m_tree.Rename(pControl, pstrName);
}

void CWindowHostUI::ForgetControl(IControlNodeUI* pControl) {
    m_input.Forget(pControl);
    m_tree.Forget(pControl);
    m_notify.ForgetSender(pControl);
    m_paint.Forget(pControl);
}

CControlUI* CWindowHostUI::FindControlByName(const char* pstrName) const {
    return m_tree.FindByName(pstrName);
}

CControlUI* CWindowHostUI::FindControlAt(POINT pt) const {
    return m_tree.FindAt(pt);
}

CControlUI* CWindowHostUI::FindChildByName(IControlNodeUI* pParent, const char* pstrName) const {
    return m_tree.FindChildByName(pParent, pstrName);
}

void CWindowHostUI::AddDelayedCleanup(IControlNodeUI* pControl) {
    if (pControl == nullptr)
        return;
    pControl->Attach(this, nullptr, false);
    m_tree.QueueCleanup(pControl);
    PostDeferredWork();
}

void CWindowHostUI::PostDeferredWork() {
    if (m_hWndPaint == nullptr || m_bAsyncNotifyPosted)
        return;
    m_bAsyncNotifyPosted = ::PostMessageA(m_hWndPaint, WM_HOST_DEFERRED, 0, 0) != 0;
}

void CWindowHostUI::RunDelayedCleanup() {
    m_bAsyncNotifyPosted = false;
    m_tree.RunCleanup();
}

}  // namespace Orvik
