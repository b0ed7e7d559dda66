// Window host: the tree operations, forwarded to the tree part with the host's own checks.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

void RemoveFromArray(CUIPtrArray& array, LPVOID p) {
    int i = array.Find(p);
    if (i >= 0)
        array.Remove(i);
}

}  // namespace

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
        m_aPostPaintControls.Empty();
        m_input.RemoveAllNativeWindows();
        AddDelayedCleanup(Root());
    }
    m_tree.SwapRoot(pRoot);
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
    m_input.RequestFocus();
    m_shadow.Create(this);
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
    // Lists that would otherwise keep a dangling pointer.
    RemoveFromArray(m_aPostPaintControls, pControl);
    RemoveFromArray(m_aFoundControls, pControl);
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

bool CWindowHostUI::AddOverlayPaint(IControlNodeUI* pControl) {
    if (pControl == nullptr || m_aPostPaintControls.Find(pControl) >= 0)
        return false;
    return m_aPostPaintControls.Add(pControl);
}

bool CWindowHostUI::RemoveOverlayPaint(IControlNodeUI* pControl) {
    int i = m_aPostPaintControls.Find(pControl);
    return i >= 0 && m_aPostPaintControls.Remove(i);
}

}  // namespace Orvik
