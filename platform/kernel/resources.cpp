// Embedded resources: blobs linked into the program, found by type and id.
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "platform/kernel.h"

struct HRSRC__ {
    const void* m_pData;
    size_t m_nSize;
};

namespace {

using ResourceKey = std::pair<std::string, WORD>;

struct ResourceTable {
    std::mutex m_lock;
    std::map<ResourceKey, HRSRC__> m_mapBlobs;
};

ResourceTable& Table() {
    static ResourceTable table;  // built on first use: registrations run at static init
    return table;
}

// Integer types are keyed as "#n"; named types ignore ASCII case, as the
// resource compiler stores them in capitals.
std::string TypeKey(LPCSTR lpType) {
    if (IS_INTRESOURCE(lpType)) {
        char key[12];
        std::snprintf(key, sizeof key, "#%u", unsigned(WORD(ULONG_PTR(lpType))));
        return key;
    }
    std::string key(lpType);
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return key;
}

bool NameToId(LPCSTR lpName, WORD& id) {
    if (IS_INTRESOURCE(lpName)) {
        id = WORD(ULONG_PTR(lpName));
        return true;
    }
    if (lpName[0] != '#')
        return false;
    char* end = nullptr;
    unsigned long v = std::strtoul(lpName + 1, &end, 10);
    if (*end != '\0' || v > 0xFFFF)
        return false;
    id = WORD(v);
    return true;
}

}  // namespace

namespace platform {

bool RegisterEmbeddedResource(const char* type, WORD id, const void* data, size_t size) {
    ResourceTable& t = Table();
    std::lock_guard<std::mutex> guard(t.m_lock);
    t.m_mapBlobs[ResourceKey(TypeKey(type), id)] = HRSRC__{data, size};
    return true;
}

}  // namespace platform

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    if ((hModule != nullptr && hModule != GetModuleHandleA(nullptr)) || lpName == nullptr ||
        lpType == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    WORD id = 0;
    if (!NameToId(lpName, id)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    ResourceTable& t = Table();
    std::lock_guard<std::mutex> guard(t.m_lock);
    auto it = t.m_mapBlobs.find(ResourceKey(TypeKey(lpType), id));
    if (it == t.m_mapBlobs.end()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return &it->second;  // map nodes are stable
}

HGLOBAL LoadResource(HMODULE /*hModule*/, HRSRC hResInfo) {
    return hResInfo;
}

DWORD SizeofResource(HMODULE /*hModule*/, HRSRC hResInfo) {
    return hResInfo ? DWORD(hResInfo->m_nSize) : 0;
}

LPVOID LockResource(HGLOBAL hResData) {
    return hResData ? const_cast<void*>(static_cast<HRSRC__*>(hResData)->m_pData) : nullptr;
}
