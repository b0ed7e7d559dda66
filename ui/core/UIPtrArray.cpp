// A growable array of untyped pointers.
#include "ui/core/UIPtrArray.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace Orvik {

namespace {
constexpr int FIRST_CAPACITY = 11;
}

CUIPtrArray::CUIPtrArray(int nPreallocSize) : m_ppVoid(nullptr), m_nCount(0), m_nAllocated(0) {
    if (nPreallocSize > 0) {
        m_ppVoid =
            static_cast<LPVOID*>(std::calloc(static_cast<size_t>(nPreallocSize), sizeof(LPVOID)));
        if (m_ppVoid != nullptr)
            m_nAllocated = nPreallocSize;
    }
}

CUIPtrArray::CUIPtrArray(const CUIPtrArray& src) : m_ppVoid(nullptr), m_nCount(0), m_nAllocated(0) {
    for (int i = 0; i < src.GetSize(); i++)
        Add(src.m_ppVoid[i]);
}

CUIPtrArray& CUIPtrArray::operator=(const CUIPtrArray& src) {
    if (this == &src)
        return *this;
    Empty();
    for (int i = 0; i < src.GetSize(); i++)
        Add(src.m_ppVoid[i]);
    return *this;
}

CUIPtrArray::~CUIPtrArray() {
    std::free(m_ppVoid);
}

void CUIPtrArray::Empty() {
    std::free(m_ppVoid);
    m_ppVoid = nullptr;
    m_nCount = m_nAllocated = 0;
}

void CUIPtrArray::Resize(int nSize) {
    Empty();
    if (nSize <= 0)
        return;
    m_ppVoid = static_cast<LPVOID*>(std::calloc(static_cast<size_t>(nSize), sizeof(LPVOID)));
    if (m_ppVoid != nullptr)
        m_nCount = m_nAllocated = nSize;
}

bool CUIPtrArray::GrowForOneMore() {
    if (m_nCount + 1 < m_nAllocated) {
        ++m_nCount;
        return true;
    }
    if (m_nAllocated > INT_MAX / 2)
        return false;
    int nAllocated = m_nAllocated == 0 ? FIRST_CAPACITY : m_nAllocated * 2;
    auto ppVoid = static_cast<LPVOID*>(
        std::realloc(m_ppVoid, static_cast<size_t>(nAllocated) * sizeof(LPVOID)));
    if (ppVoid == nullptr)
        return false;
    m_ppVoid = ppVoid;
    m_nAllocated = nAllocated;
    ++m_nCount;
    return true;
}

bool CUIPtrArray::Add(LPVOID pData) {
    if (!GrowForOneMore())
        return false;
    m_ppVoid[m_nCount - 1] = pData;
    return true;
}

bool CUIPtrArray::InsertAt(int nIndex, LPVOID pData) {
    if (nIndex == m_nCount)
        return Add(pData);
    if (nIndex < 0 || nIndex > m_nCount)
        return false;
    if (!GrowForOneMore())
        return false;
    std::memmove(&m_ppVoid[nIndex + 1], &m_ppVoid[nIndex],
                 static_cast<size_t>(m_nCount - nIndex - 1) * sizeof(LPVOID));
    m_ppVoid[nIndex] = pData;
    return true;
}

bool CUIPtrArray::SetAt(int nIndex, LPVOID pData) {
    if (nIndex < 0 || nIndex >= m_nCount)
        return false;
    m_ppVoid[nIndex] = pData;
    return true;
}

bool CUIPtrArray::Remove(int nIndex, int nCount) {
    if (nIndex < 0 || nCount <= 0 || nIndex > m_nCount - nCount)
        return false;
    std::memmove(&m_ppVoid[nIndex], &m_ppVoid[nIndex + nCount],
                 static_cast<size_t>(m_nCount - nIndex - nCount) * sizeof(LPVOID));
    m_nCount -= nCount;
    return true;
}

int CUIPtrArray::Find(LPVOID pData) const {
    for (int i = 0; i < m_nCount; i++) {
        if (m_ppVoid[i] == pData)
            return i;
    }
    return -1;
}

LPVOID CUIPtrArray::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    return m_ppVoid[nIndex];
}

}  // namespace Orvik
