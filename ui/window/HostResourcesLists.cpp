// The resource part: default attribute lists, window custom attributes and option groups.
#include "ui/window/HostResources.h"
#include "ui/window/WindowHostShared.h"

namespace Orvik {

namespace {

// Deletes every string value of a map and empties it.
void ClearStringMap(CUIStringMap& map) {
    for (int i = 0; i < map.GetSize(); ++i)
        delete static_cast<CUIString*>(map.Find(map.GetAt(i), false));
    map.RemoveAll();
}

CUIStringMap& DefaultListTable(CUIStringMap& mine, bool bShared) {
    return bShared ? SharedHostState().m_mapDefaultAttrs : mine;
}

}  // namespace

void CHostResources::AddDefaultAttributeList(const char* pstrControlName, const char* pstrList,
                                             bool bShared) {
    if (pstrControlName == nullptr)
        return;
    CUIStringMap& table = DefaultListTable(m_mapDefaultAttrs, bShared || m_bSharedResources);
    auto* pOld = static_cast<CUIString*>(
        table.Set(pstrControlName, new CUIString(pstrList != nullptr ? pstrList : "")));
    delete pOld;
}

const char* CHostResources::GetDefaultAttributeList(const char* pstrControlName) const {
    if (pstrControlName == nullptr)
        return nullptr;
    auto* pList = static_cast<CUIString*>(m_mapDefaultAttrs.Find(pstrControlName));
    if (pList == nullptr)
        pList = static_cast<CUIString*>(SharedHostState().m_mapDefaultAttrs.Find(pstrControlName));
    return pList != nullptr ? pList->GetData() : nullptr;
}

void CHostResources::RemoveAllDefaultAttributeLists(bool bShared) {
    ClearStringMap(DefaultListTable(m_mapDefaultAttrs, bShared));
}

void CHostResources::AddWindowCustomAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrName[0] == '\0' || pstrValue == nullptr || pstrValue[0] == '\0')
        return;
    if (m_mapWindowCustomAttrs.Find(pstrName) != nullptr)
        return;  // the first value wins
    m_mapWindowCustomAttrs.Insert(pstrName, new CUIString(pstrValue));
}

const char* CHostResources::GetWindowCustomAttribute(const char* pstrName) const {
    if (pstrName == nullptr)
        return nullptr;
    auto* pValue = static_cast<CUIString*>(m_mapWindowCustomAttrs.Find(pstrName));
    return pValue != nullptr ? pValue->GetData() : nullptr;
}

void CHostResources::RemoveAllWindowCustomAttributes() {
    ClearStringMap(m_mapWindowCustomAttrs);
}

bool CHostResources::AddOptionGroup(const char* pstrGroupName, IControlNodeUI* pControl) {
    if (pstrGroupName == nullptr || pControl == nullptr)
        return false;
    auto* pGroup = static_cast<CUIPtrArray*>(m_mapOptionGroups.Find(pstrGroupName));
    if (pGroup != nullptr) {
        if (pGroup->Find(pControl) >= 0)
            return false;
        return pGroup->Add(pControl);
    }
    pGroup = new CUIPtrArray;
    pGroup->Add(pControl);
    m_mapOptionGroups.Insert(pstrGroupName, pGroup);
    return true;
}

CUIPtrArray* CHostResources::GetOptionGroup(const char* pstrGroupName) const {
    if (pstrGroupName == nullptr)
        return nullptr;
    return static_cast<CUIPtrArray*>(m_mapOptionGroups.Find(pstrGroupName));
}

void CHostResources::RemoveOptionFromGroup(const char* pstrGroupName, IControlNodeUI* pControl) {
    CUIPtrArray* pGroup = GetOptionGroup(pstrGroupName);
    if (pGroup == nullptr)
        return;
    int i = pGroup->Find(pControl);
    if (i >= 0)
        pGroup->Remove(i);
    if (pGroup->IsEmpty()) {
        delete pGroup;
        m_mapOptionGroups.Remove(pstrGroupName);
    }
}

void CHostResources::RemoveAllOptionGroups() {
    for (int i = 0; i < m_mapOptionGroups.GetSize(); ++i)
        delete static_cast<CUIPtrArray*>(m_mapOptionGroups.Find(m_mapOptionGroups.GetAt(i), false));
    m_mapOptionGroups.RemoveAll();
}

}  // namespace Orvik
