// Notify pump: virtual windows first, then the class tables from the most derived one.
#include "ui/windowbase/NotifyPump.h"

#include "ui/controls/ControlUI.h"

namespace Orvik {

namespace {

const NotifyMapEntry g_pumpEntries[] = {{"", "", NOTIFY_SIG_END, nullptr, nullptr}};
const NotifyMapTable g_pumpTable = {nullptr, g_pumpEntries};

// An entry naming the sender wins at once; else the last one for any control.
const NotifyMapEntry* FindEntry(const NotifyMapEntry* pEntries, const NotifyRecord& msg) {
    const NotifyMapEntry* pAny = nullptr;
    const char* pstrSender = msg.sender != nullptr ? msg.sender->GetName() : "";
    for (const NotifyMapEntry* p = pEntries; p->nSignature != NOTIFY_SIG_END; ++p) {
        if (msg.type != p->pstrType)
            continue;
        if (p->pstrControl[0] == '\0')
            pAny = p;
        else if (CUIString(pstrSender) == p->pstrControl)
            return p;
    }
    return pAny;
}

}  // namespace

const NotifyMapTable* CNotifyPump::NotifyMap() const {
    return &g_pumpTable;
}

bool CNotifyPump::AddVirtualWnd(const char* pstrName, CNotifyPump* pObject) {
    if (pstrName == nullptr || pObject == nullptr || m_VirtualWndMap.Find(pstrName) != nullptr)
        return false;
    return m_VirtualWndMap.Insert(pstrName, pObject);
}

bool CNotifyPump::RemoveVirtualWnd(const char* pstrName) {
    return pstrName != nullptr && m_VirtualWndMap.Remove(pstrName);
}

bool CNotifyPump::NotifyPump(NotifyRecord& msg) {
    if (!msg.virtualWindow.IsEmpty()) {
        for (int i = 0; i < m_VirtualWndMap.GetSize(); ++i) {
            const char* pstrKey = m_VirtualWndMap.GetAt(i);
            if (pstrKey == nullptr || msg.virtualWindow.CompareNoCase(pstrKey) != 0)
                continue;
            auto* pObject = static_cast<CNotifyPump*>(m_VirtualWndMap.Find(pstrKey, false));
            if (pObject != nullptr && pObject->LoopDispatch(msg))
                return true;
        }
    }
    return LoopDispatch(msg);
}

bool CNotifyPump::LoopDispatch(NotifyRecord& msg) {
    for (const NotifyMapTable* pTable = NotifyMap(); pTable != nullptr; pTable = pTable->pBase) {
        const NotifyMapEntry* pEntry = FindEntry(pTable->pEntries, msg);
        if (pEntry == nullptr)
            continue;
        if (pEntry->nSignature == NOTIFY_SIG_PARAMS) {
            pEntry->pfnParams(this, msg.wParam, msg.lParam);
            return true;
        }
        if (pEntry->nSignature == NOTIFY_SIG_RECORD) {
            pEntry->pfnRecord(this, msg);
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace Orvik
