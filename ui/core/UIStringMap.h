// A chained hash map from string keys to untyped pointers.
#pragma once

#include "platform/win32_types.h"
#include "ui/core/UIString.h"

namespace Orvik {

// Keys compare case-sensitively. The map owns its nodes and keys, never the
// values. Enumeration (GetAt) runs over the buckets from the last to the
// first and along each chain from its head; Find moves a found node to the
// head of its chain, so searching can change the enumeration order. A loop
// over GetAt(0 .. size - 1) that calls Find on each key still visits every
// entry once: moving the k-th node of a chain to its head reorders only the
// nodes the loop has already passed.
class CUIStringMap {
public:
    // Every framework table uses 83 buckets; fewer than 16 are raised to 16.
    static constexpr int DEFAULT_BUCKETS = 83;
    static constexpr int MIN_BUCKETS = 16;

    explicit CUIStringMap(int nBuckets = DEFAULT_BUCKETS);
    CUIStringMap(const CUIStringMap&) = delete;
    CUIStringMap& operator=(const CUIStringMap&) = delete;
    ~CUIStringMap();

    // Deletes every node (not the values) and replaces the buckets by nBuckets
    // empty ones; no minimum applies here, and 0 leaves the map unusable for
    // Insert until the next Resize.
    void Resize(int nBuckets = DEFAULT_BUCKETS);
    void RemoveAll() { Resize(static_cast<int>(m_nBuckets)); }

    // The value stored under key, or null. With bOptimize a found node moves
    // to the head of its chain.
    LPVOID Find(const char* key, bool bOptimize = true) const;
    // False when the key exists (the old value stays) or there are no buckets.
    bool Insert(const char* key, LPVOID pData);
    // Replaces the value of an existing key and returns the old one;
    // otherwise inserts and returns null.
    LPVOID Set(const char* key, LPVOID pData);
    // Deletes the node, not its value. True when the key was present.
    bool Remove(const char* key);

    int GetSize() const { return m_nCount; }
    int GetBucketCount() const { return static_cast<int>(m_nBuckets); }
    // Key of the nIndex-th node in enumeration order, or null.
    const char* GetAt(int nIndex) const;
    const char* operator[](int nIndex) const { return GetAt(nIndex); }

    // The bucket a key belongs to under the map's hash.
    static DWORD HashKey(const char* key);

private:
    struct TITEM {
        CUIString Key;
        LPVOID Data;
        TITEM* pPrev;
        TITEM* pNext;
    };

    TITEM* FindItem(const char* key) const;
    void Unlink(TITEM* pItem) const;
    void LinkAtHead(TITEM* pItem) const;
    void DeleteAllItems();

    TITEM** m_aT;
    DWORD m_nBuckets;
    int m_nCount;
};

}  // namespace Orvik
