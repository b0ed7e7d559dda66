// Window host: the root, the name index, lookups and the delayed deletion of subtrees.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

CControlUI* FindAny(IControlNodeUI* pNode, LPVOID) {
    return pNode->GetControl();
}

CControlUI* FindNameNoCase(IControlNodeUI* pNode, LPVOID pData) {
    const char* pstrName = static_cast<const char*>(pData);
    return CUIString(pNode->GetName()).CompareNoCase(pstrName) == 0 ? pNode->GetControl() : nullptr;
}

void RemoveFromArray(CUIPtrArray& array, LPVOID p) {
    int i = array.Find(p);
    if (i >= 0)
        array.Remove(i);
}

}  // namespace

// Enters a named control into the index; an existing entry stays.
static CControlUI* RegisterName(IControlNodeUI* pNode, LPVOID pData) {
    auto* pMap = static_cast<CUIStringMap*>(pData);
    const char* pstrName = pNode->GetName();
    if (pstrName[0] != '\0' && pMap->Find(pstrName) == nullptr)
        pMap->Insert(pstrName, pNode);
    return nullptr;
}

CControlUI* CWindowHostUI::GetRoot() const {
    return m_pRoot != nullptr ? m_pRoot->GetControl() : nullptr;
}

void CWindowHostUI::ClearTreeState() {
    m_pFocus = nullptr;
    m_pEventKey = nullptr;
    m_pEventHover = nullptr;
    m_pEventClick = nullptr;
}

bool CWindowHostUI::AttachRoot(IControlNodeUI* pRoot) {
    SetFocus(nullptr, true);
    ClearTreeState();
    if (m_pRoot != nullptr) {
        RunDelayedCleanup();
        ClearPendingNotifications();
        m_mapNameHash.Resize(CUIStringMap::DEFAULT_BUCKETS);
        m_aPostPaintControls.Empty();
        m_aNativeWindow.Empty();
        m_aNativeWindowControl.Empty();
        AddDelayedCleanup(m_pRoot);
    }
    m_pRoot = pRoot;
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
    m_bFocusNeeded = true;
    m_shadow.Create(this);
    return InitControls(pRoot, nullptr);
}

bool CWindowHostUI::InitControls(IControlNodeUI* pControl, CControlUI* pParent) {
    if (pControl == nullptr)
        return false;
    pControl->Attach(this, pParent != nullptr ? pParent : pControl->GetParent(), true);
    pControl->FindControl(RegisterName, &m_mapNameHash, UIFIND_ALL);
    return true;
}

bool CWindowHostUI::RenameControl(IControlNodeUI* pControl, const char* pstrName) {
    if (pControl == nullptr || pstrName == nullptr || pstrName[0] == '\0')
        return false;
    if (pControl->GetControl() == nullptr || pControl->GetHost() != this)
        return false;
    if (CUIString(pControl->GetName()) == pstrName)
        return true;
    if (m_mapNameHash.Find(pstrName) != nullptr)
        return false;
    const char* pstrOld = pControl->GetName();
    if (pstrOld[0] != '\0' && m_mapNameHash.Find(pstrOld) == pControl)
        m_mapNameHash.Remove(pstrOld);
    m_mapNameHash.Insert(pstrName, pControl);
    pControl->StoreName(pstrName);
    return true;
}

void CWindowHostUI::ForgetControl(IControlNodeUI* pControl) {
    if (m_pFocus == pControl)
        m_pFocus = nullptr;
    if (m_pEventHover == pControl)
        m_pEventHover = nullptr;
    if (m_pEventClick == pControl)
        m_pEventClick = nullptr;
    if (m_pEventKey == pControl)
        m_pEventKey = nullptr;
    if (m_pRoot == pControl)
        m_pRoot = nullptr;
    const char* pstrName = pControl->GetName();
    if (pstrName[0] != '\0' && m_mapNameHash.Find(pstrName) == pControl)
        m_mapNameHash.Remove(pstrName);
    // Lists that would otherwise keep a dangling pointer.
    RemoveFromArray(m_aPostPaintControls, pControl);
    RemoveFromArray(m_aNeedMouseLeaveNeeded, pControl);
    RemoveFromArray(m_aFoundControls, pControl);
    ForgetEventReferences(pControl);
}

CControlUI* CWindowHostUI::FindControlByName(const char* pstrName) const {
    if (pstrName == nullptr)
        return nullptr;
    auto* pNode = static_cast<IControlNodeUI*>(m_mapNameHash.Find(pstrName));
    return pNode != nullptr ? pNode->GetControl() : nullptr;
}

CControlUI* CWindowHostUI::FindControlAt(POINT pt) const {
    if (m_pRoot == nullptr)
        return nullptr;
    return m_pRoot->FindControl(FindAny, &pt, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CWindowHostUI::FindChildByName(IControlNodeUI* pParent, const char* pstrName) const {
    if (pParent == nullptr)
        pParent = m_pRoot;
    if (pParent == nullptr || pstrName == nullptr)
        return nullptr;
    return pParent->FindControl(FindNameNoCase, const_cast<char*>(pstrName), UIFIND_ALL);
}

void CWindowHostUI::AddDelayedCleanup(IControlNodeUI* pControl) {
    if (pControl == nullptr)
        return;
    pControl->Attach(this, nullptr, false);
    m_aDelayedCleanup.Add(pControl);
    PostDeferredWork();
}

void CWindowHostUI::PostDeferredWork() {
    if (m_hWndPaint == nullptr || m_bAsyncNotifyPosted)
        return;
    m_bAsyncNotifyPosted = ::PostMessageA(m_hWndPaint, WM_HOST_DEFERRED, 0, 0) != 0;
}

void CWindowHostUI::RunDelayedCleanup() {
    m_bAsyncNotifyPosted = false;
    // A deletion may queue more; take the list as it stands first.
    while (!m_aDelayedCleanup.IsEmpty()) {
        CUIPtrArray pending(m_aDelayedCleanup);
        m_aDelayedCleanup.Empty();
        for (int i = 0; i < pending.GetSize(); ++i)
            static_cast<IControlNodeUI*>(pending[i])->Delete();
    }
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
