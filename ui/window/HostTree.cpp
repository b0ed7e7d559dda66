// The window host's tree part: root, name index, lookups and delayed deletion.
#include "ui/window/HostTree.h"

namespace Orvik {

namespace {

CControlUI* FindAny(IControlNodeUI* pNode, LPVOID) {
    return pNode->GetControl();
}

CControlUI* FindNameNoCase(IControlNodeUI* pNode, LPVOID pData) {
    const char* pstrName = static_cast<const char*>(pData);
    return CUIString(pNode->GetName()).CompareNoCase(pstrName) == 0 ? pNode->GetControl() : nullptr;
}

CControlUI* RegisterName(IControlNodeUI* pNode, LPVOID pData) {
    auto* pMap = static_cast<CUIStringMap*>(pData);
    const char* pstrName = pNode->GetName();
    if (pstrName[0] != '\0' && pMap->Find(pstrName) == nullptr)
        pMap->Insert(pstrName, pNode);
    return nullptr;
}

struct NodeMatch {
    CControlUI* pWanted;
    IControlNodeUI* pFound;
};

CControlUI* MatchNode(IControlNodeUI* pNode, LPVOID pData) {
    auto* pMatch = static_cast<NodeMatch*>(pData);
    if (pNode->GetControl() != pMatch->pWanted)
        return nullptr;
    pMatch->pFound = pNode;
    return pNode->GetControl();
}

}  // namespace

CHostTree::~CHostTree() {
    RunCleanup();
}

CControlUI* CHostTree::GetRoot() const {
    return m_pRoot != nullptr ? m_pRoot->GetControl() : nullptr;
}

IControlNodeUI* CHostTree::SwapRoot(IControlNodeUI* pRoot) {
    IControlNodeUI* pOld = m_pRoot;
    m_pRoot = pRoot;
    return pOld;
}

void CHostTree::DeleteRoot() {
    m_mapNameHash.RemoveAll();
    IControlNodeUI* pRoot = SwapRoot(nullptr);
    if (pRoot != nullptr)
        pRoot->Delete();
}

void CHostTree::ResetIndex() {
    m_mapNameHash.Resize(CUIStringMap::DEFAULT_BUCKETS);
}

void CHostTree::IndexSubtree(IControlNodeUI* pControl) {
    pControl->FindControl(RegisterName, &m_mapNameHash, UIFIND_ALL);
}

bool CHostTree::Rename(IControlNodeUI* pControl, const char* pstrName) {
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

void CHostTree::Forget(IControlNodeUI* pControl) {
    if (m_pRoot == pControl)
        m_pRoot = nullptr;
    const char* pstrName = pControl->GetName();
    if (pstrName[0] != '\0' && m_mapNameHash.Find(pstrName) == pControl)
        m_mapNameHash.Remove(pstrName);
}

CControlUI* CHostTree::FindByName(const char* pstrName) const {
    if (pstrName == nullptr)
        return nullptr;
    auto* pNode = static_cast<IControlNodeUI*>(m_mapNameHash.Find(pstrName));
    return pNode != nullptr ? pNode->GetControl() : nullptr;
}

CControlUI* CHostTree::FindAt(POINT pt) const {
    if (m_pRoot == nullptr)
        return nullptr;
    return m_pRoot->FindControl(FindAny, &pt, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CHostTree::FindChildByName(IControlNodeUI* pParent, const char* pstrName) const {
    if (pParent == nullptr)
        pParent = m_pRoot;
    if (pParent == nullptr || pstrName == nullptr)
        return nullptr;
    return pParent->FindControl(FindNameNoCase, const_cast<char*>(pstrName), UIFIND_ALL);
}

IControlNodeUI* CHostTree::NodeOf(CControlUI* pControl) const {
    if (pControl == nullptr || m_pRoot == nullptr)
        return nullptr;
    NodeMatch match = {pControl, nullptr};
    m_pRoot->FindControl(MatchNode, &match, UIFIND_ALL);
    return match.pFound;
}

void CHostTree::RunCleanup() {
    // A deletion may queue more; take the list as it stands first.
    while (!m_aDelayedCleanup.IsEmpty()) {
        CUIPtrArray pending(m_aDelayedCleanup);
        m_aDelayedCleanup.Empty();
        for (int i = 0; i < pending.GetSize(); ++i)
            static_cast<IControlNodeUI*>(pending[i])->Delete();
    }
}

}  // namespace Orvik
