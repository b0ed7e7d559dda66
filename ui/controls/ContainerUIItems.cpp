// Container: the child list and what adding, moving and removing children does.
#include "ui/controls/ContainerUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CControlUI* CContainerUI::GetItemAt(int iIndex) const {
    return static_cast<CControlUI*>(m_items.GetAt(iIndex));
}

int CContainerUI::GetItemIndex(CControlUI* pControl) const {
    return m_items.Find(pControl);
}

bool CContainerUI::SetItemIndex(CControlUI* pControl, int iNewIndex) {
    int iOld = m_items.Find(pControl);
    if (iOld < 0)
        return false;
    RequestLayout();
    m_items.Remove(iOld);
    return m_items.InsertAt(iNewIndex, pControl);
}

bool CContainerUI::MoveItems(CControlUI* pControl, int iCount, int iNewStartIndex) {
    if (pControl == nullptr || iCount < 0 || iNewStartIndex < 0)
        return false;
    int iStart = m_items.Find(pControl);
    if (iStart < 0)
        return false;
    if (iStart == iNewStartIndex)
        return true;
    int n = m_items.GetSize();
    if (iStart + iCount > n || iNewStartIndex + iCount > n)
        return false;
    CUIPtrArray block;
    for (int i = 0; i < iCount; ++i)
        block.Add(m_items[iStart + i]);
    m_items.Remove(iStart, iCount);
    for (int i = 0; i < iCount; ++i)
        if (!m_items.InsertAt(iNewStartIndex + i, block[i]))
            return false;
    RequestLayout();
    return true;
}

bool CContainerUI::Add(CControlUI* pControl) {
    return AddAt(pControl, m_items.GetSize());
}

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex) {
    if (pControl == nullptr || iIndex < 0 || iIndex > m_items.GetSize())
        return false;
    if (m_pHost != nullptr)
        m_pHost->InitControls(pControl, this);
    else
        pControl->Attach(nullptr, this, false);
    if (IsVisible())
        RequestLayout();
    else
        pControl->SetInheritedVisible(false);
    return m_items.InsertAt(iIndex, pControl);
}

void CContainerUI::DestroyChild(CControlUI* pControl) {
    if (m_bDelayedDestroy && m_pHost != nullptr)
        m_pHost->AddDelayedCleanup(pControl);
    else
        pControl->Delete();
}

bool CContainerUI::Remove(CControlUI* pControl, bool bDoNotDestroy) {
    if (pControl == nullptr)
        return false;
    int iIndex = m_items.Find(pControl);
    if (iIndex < 0)
        return false;
    RequestLayout();
    // Out of the list first, so nothing reaches a child that is going away.
    m_items.Remove(iIndex);
    if (!bDoNotDestroy && m_bAutoDestroy)
        DestroyChild(pControl);
    return true;
}

bool CContainerUI::RemoveAt(int iIndex, bool bDoNotDestroy) {
    CControlUI* pControl = GetItemAt(iIndex);
    return pControl != nullptr && Remove(pControl, bDoNotDestroy);
}

void CContainerUI::RemoveAll() {
    // Empty the list before deleting: a destroyed child's listeners may
    // look at its old siblings.
    CUIPtrArray items(m_items);
    m_items.Empty();
    if (m_bAutoDestroy)
        for (int i = 0; i < items.GetSize(); ++i)
            DestroyChild(static_cast<CControlUI*>(items[i]));
    RequestLayout();
}

}  // namespace Orvik
