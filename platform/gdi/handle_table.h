// Handles of drawing objects and DCs: never-reused ids mapped to the live objects.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

namespace gdi {

enum class HandleKind : uint8_t { Object, DC };

// A handle packs a slot index with the serial number the slot got when the
// object was added. Slots are reused, serials never are, so a stale handle
// misses even when its slot holds a new object; the kind keeps an HDC from
// passing for an HGDIOBJ and back.
class CHandleTable {
public:
    static CHandleTable& Instance();

    // The new handle, or 0 when no slot or serial is left.
    uintptr_t Add(void* pObject, HandleKind kind);
    // Forgets the handle; a handle already gone is ignored.
    void Remove(uintptr_t nHandle);
    // The live object behind a handle of that kind, or null.
    void* Find(uintptr_t nHandle, HandleKind kind);

    static constexpr int SLOT_BITS = 20;
    static constexpr uintptr_t SLOT_MASK = (uintptr_t{1} << SLOT_BITS) - 1;
    // One below the top, so no handle is all ones (HGDI_ERROR).
    static constexpr uint64_t MAX_SERIAL = (uint64_t{1} << (64 - SLOT_BITS)) - 2;

private:
    struct Slot {
        uint64_t nSerial = 0;  // 0: free
        void* pObject = nullptr;
        HandleKind kind = HandleKind::Object;
    };
    Slot* SlotOf(uintptr_t nHandle);

    std::mutex m_lock;
    std::vector<Slot> m_lstSlots;
    std::vector<uint32_t> m_lstFree;
    uint64_t m_nNextSerial = 1;  // from 1, so no handle is 0 or a small number
};

}  // namespace gdi
