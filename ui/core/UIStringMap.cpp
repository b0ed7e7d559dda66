// A chained hash map from string keys to untyped pointers.
#include "ui/core/UIStringMap.h"

#include <cstring>
#include <new>

namespace Orvik {

CUIStringMap::CUIStringMap(int nBuckets) : m_aT(nullptr), m_nBuckets(0), m_nCount(0) {
    Resize(nBuckets < MIN_BUCKETS ? MIN_BUCKETS : nBuckets);
}

CUIStringMap::~CUIStringMap() {
    Resize(0);
}

DWORD CUIStringMap::HashKey(const char* key) {
    // From the last byte to the first, each byte as a signed 8-bit value.
    DWORD dwHash = 0;
    for (size_t i = std::strlen(key); i > 0; i--) {
        auto chSigned = static_cast<signed char>(key[i - 1]);
        dwHash = dwHash * 33u + static_cast<DWORD>(static_cast<int>(chSigned));
    }
    return dwHash;
}

void CUIStringMap::DeleteAllItems() {
    for (DWORD i = 0; i < m_nBuckets; i++) {
        TITEM* pItem = m_aT[i];
        while (pItem != nullptr) {
            TITEM* pNext = pItem->pNext;
            delete pItem;
            pItem = pNext;
        }
        m_aT[i] = nullptr;
    }
    m_nCount = 0;
}

void CUIStringMap::Resize(int nBuckets) {
    DeleteAllItems();
    delete[] m_aT;
    m_aT = nullptr;
    m_nBuckets = 0;
    if (nBuckets <= 0)
        return;
    m_aT = new (std::nothrow) TITEM*[nBuckets]();
    if (m_aT != nullptr)
        m_nBuckets = static_cast<DWORD>(nBuckets);
}

CUIStringMap::TITEM* CUIStringMap::FindItem(const char* key) const {
    if (m_nBuckets == 0 || m_nCount == 0 || key == nullptr)
        return nullptr;
    for (TITEM* pItem = m_aT[HashKey(key) % m_nBuckets]; pItem != nullptr; pItem = pItem->pNext) {
        if (pItem->Key == key)
            return pItem;
    }
    return nullptr;
}

void CUIStringMap::Unlink(TITEM* pItem) const {
    if (pItem->pPrev != nullptr) {
        pItem->pPrev->pNext = pItem->pNext;
    } else {
        m_aT[HashKey(pItem->Key) % m_nBuckets] = pItem->pNext;
    }
    if (pItem->pNext != nullptr)
        pItem->pNext->pPrev = pItem->pPrev;
}

void CUIStringMap::LinkAtHead(TITEM* pItem) const {
    TITEM*& pHead = m_aT[HashKey(pItem->Key) % m_nBuckets];
    pItem->pPrev = nullptr;
    pItem->pNext = pHead;
    if (pHead != nullptr)
        pHead->pPrev = pItem;
    pHead = pItem;
}

LPVOID CUIStringMap::Find(const char* key, bool bOptimize) const {
    TITEM* pItem = FindItem(key);
    if (pItem == nullptr)
        return nullptr;
    if (bOptimize && pItem->pPrev != nullptr) {
        // Recently used keys are found sooner next time.
        Unlink(pItem);
        LinkAtHead(pItem);
    }
    return pItem->Data;
}

bool CUIStringMap::Insert(const char* key, LPVOID pData) {
    if (m_nBuckets == 0 || key == nullptr || FindItem(key) != nullptr)
        return false;
    TITEM* pItem = new (std::nothrow) TITEM{CUIString(key), pData, nullptr, nullptr};
    if (pItem == nullptr)
        return false;
    LinkAtHead(pItem);
    m_nCount++;
    return true;
}

LPVOID CUIStringMap::Set(const char* key, LPVOID pData) {
    TITEM* pItem = FindItem(key);
    if (pItem == nullptr) {
        Insert(key, pData);
        return nullptr;
    }
    LPVOID pOld = pItem->Data;
    pItem->Data = pData;
    return pOld;
}

bool CUIStringMap::Remove(const char* key) {
    TITEM* pItem = FindItem(key);
    if (pItem == nullptr)
        return false;
    Unlink(pItem);
    delete pItem;
    m_nCount--;
    return true;
}

const char* CUIStringMap::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    int nPos = 0;
    for (DWORD nBucket = m_nBuckets; nBucket > 0; nBucket--) {
        for (TITEM* pItem = m_aT[nBucket - 1]; pItem != nullptr; pItem = pItem->pNext) {
            if (nPos++ == nIndex)
                return pItem->Key;
        }
    }
    return nullptr;
}

}  // namespace Orvik
