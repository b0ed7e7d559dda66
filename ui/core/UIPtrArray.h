// A growable array of untyped pointers that never owns what it points to.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

// Grows to 11 slots on the first Add and doubles after that; one slot is
// always spare. Owners delete the pointed-to objects themselves.
class CUIPtrArray {
public:
    explicit CUIPtrArray(int nPreallocSize = 0);
    // Receives every slot of src by Add, in order.
    CUIPtrArray(const CUIPtrArray& src);
    CUIPtrArray& operator=(const CUIPtrArray& src);
    ~CUIPtrArray();

    // Releases the slots: count and capacity become 0.
    void Empty();
    // Empties, then holds nSize null slots (count = capacity = nSize).
    void Resize(int nSize);
    bool IsEmpty() const { return m_nCount == 0; }
    int GetSize() const { return m_nCount; }
    int GetCapacity() const { return m_nAllocated; }

    // False (array unchanged) when growing fails.
    bool Add(LPVOID pData);
    // nIndex == count appends; outside 0 .. count fails.
    bool InsertAt(int nIndex, LPVOID pData);
    bool SetAt(int nIndex, LPVOID pData);
    // Fails unless nIndex >= 0, nCount > 0 and nIndex + nCount <= count.
    bool Remove(int nIndex, int nCount = 1);
    // Index of the first slot equal to pData, or -1.
    int Find(LPVOID pData) const;

    // Null outside 0 .. count - 1.
    LPVOID GetAt(int nIndex) const;
    // No range check: callers stay within 0 .. count - 1.
    LPVOID operator[](int nIndex) const { return m_ppVoid[nIndex]; }
    LPVOID* GetData() { return m_ppVoid; }

private:
    // Counts one more slot, growing when the count reaches the capacity.
    bool GrowForOneMore();

    LPVOID* m_ppVoid;
    int m_nCount;
    int m_nAllocated;
};

}  // namespace Orvik
