// The process-wide handle table of drawing objects and DCs.
#include "platform/gdi/handle_table.h"

namespace gdi {

CHandleTable& CHandleTable::Instance() {
    static CHandleTable* table = new CHandleTable;  // outlives every static object
    return *table;
}

uintptr_t CHandleTable::Add(void* pObject, HandleKind kind) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_nNextSerial > MAX_SERIAL)
        return 0;
    uint32_t nSlot = 0;
    if (!m_lstFree.empty()) {
        nSlot = m_lstFree.back();
        m_lstFree.pop_back();
    } else if (m_lstSlots.size() <= SLOT_MASK) {
        nSlot = static_cast<uint32_t>(m_lstSlots.size());
        m_lstSlots.emplace_back();
    } else {
        return 0;
    }
    uint64_t nSerial = m_nNextSerial++;
    m_lstSlots[nSlot] = Slot{nSerial, pObject, kind};
    return static_cast<uintptr_t>(nSerial << SLOT_BITS) | nSlot;
}

CHandleTable::Slot* CHandleTable::SlotOf(uintptr_t nHandle) {
    uintptr_t nSlot = nHandle & SLOT_MASK;
    uint64_t nSerial = static_cast<uint64_t>(nHandle) >> SLOT_BITS;
    if (nSerial == 0 || nSlot >= m_lstSlots.size() || m_lstSlots[nSlot].nSerial != nSerial)
        return nullptr;
    return &m_lstSlots[nSlot];
}

void CHandleTable::Remove(uintptr_t nHandle) {
    std::lock_guard<std::mutex> lock(m_lock);
    Slot* pSlot = SlotOf(nHandle);
    if (pSlot == nullptr)
        return;
    *pSlot = Slot{};
    m_lstFree.push_back(static_cast<uint32_t>(nHandle & SLOT_MASK));
}

void* CHandleTable::Find(uintptr_t nHandle, HandleKind kind) {
    std::lock_guard<std::mutex> lock(m_lock);
    Slot* pSlot = SlotOf(nHandle);
    return pSlot != nullptr && pSlot->kind == kind ? pSlot->pObject : nullptr;
}

}  // namespace gdi
