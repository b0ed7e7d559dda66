// The skin store: program module, skin folder, archive choice and reads.
#include "ui/markup/SkinStore.h"

#include <cstring>

#include "platform/kernel.h"
#include "ui/markup/SkinFile.h"
#include "ui/markup/ZipArchive.h"

namespace Orvik {

namespace {

constexpr uint64_t NO_LIMIT = UINT64_MAX;

HINSTANCE g_hProgramModule = nullptr;
CUIString g_strSkinPath;
CUIString g_strArchiveName;
bool g_bCacheArchive = true;
CZipArchive* g_pArchive = nullptr;
// The caller's archive bytes, kept for reads without a cached archive.
const BYTE* g_pArchiveBytes = nullptr;
DWORD g_dwArchiveBytes = 0;

bool IsMemoryArchive() {
    return g_strArchiveName == CSkinStore::MEMORY_ARCHIVE;
}

void CloseCachedArchive() {
    if (g_bCacheArchive && g_pArchive != nullptr) {
        delete g_pArchive;
        g_pArchive = nullptr;
    }
}

CZipArchive* OpenCurrentArchive() {
    if (IsMemoryArchive())
        return CZipArchive::OpenMemory(g_pArchiveBytes, g_dwArchiveBytes);
    return CZipArchive::OpenFile(g_strSkinPath + g_strArchiveName);
}

// The archive for one read: the cached one, or one opened for this read only
// and closed when the read is over.
class CArchiveForRead {
public:
    CArchiveForRead() : m_pOwned(g_bCacheArchive ? nullptr : OpenCurrentArchive()) {}
    ~CArchiveForRead() { delete m_pOwned; }
    CArchiveForRead(const CArchiveForRead&) = delete;
    CArchiveForRead& operator=(const CArchiveForRead&) = delete;
    CZipArchive* Get() const { return g_bCacheArchive ? g_pArchive : m_pOwned; }

private:
    CZipArchive* m_pOwned;
};

const char* FolderError(SkinFileResult result) {
    switch (result) {
        case SkinFileResult::Ok:
            return nullptr;
        case SkinFileResult::OpenFailed:
            return "Error opening file";
        case SkinFileResult::Empty:
            return "File is empty";
        case SkinFileResult::TooLarge:
            return "File too large";
        case SkinFileResult::ShortRead:
            break;
    }
    return "Could not read file";
}

const char* ReadDocumentFromArchive(const char* pstrName, CSkinBuffer& data) {
    CArchiveForRead archive;
    if (archive.Get() == nullptr)
        return "Error opening zip file";
    uint64_t nSize = 0;
    if (!archive.Get()->FindEntry(pstrName, nSize))
        return "Could not find ziped file";
    if (nSize == 0)
        return "File is empty";
    if (nSize > CSkinStore::MAX_DOCUMENT_SIZE)
        return "File too large";
    if (!data.Allocate(static_cast<DWORD>(nSize)) || !archive.Get()->ExtractCurrent(data)) {
        data.Release();
        return "Could not unzip file";
    }
    return nullptr;
}

bool ReadImageFromArchive(const char* pstrName, CSkinBuffer& data) {
    CArchiveForRead archive;
    uint64_t nSize = 0;
    if (archive.Get() == nullptr || !archive.Get()->FindEntry(pstrName, nSize) || nSize == 0 ||
        nSize > UINT32_MAX)
        return false;
    if (data.Allocate(static_cast<DWORD>(nSize)) && archive.Get()->ExtractCurrent(data))
        return true;
    data.Release();
    return false;
}

bool ReadImageFromSkin(const char* pstrName, CSkinBuffer& data) {
    if (g_strArchiveName.IsEmpty()) {
        return ReadSkinFile(g_strSkinPath + pstrName, data, NO_LIMIT) == SkinFileResult::Ok;
    }
    return ReadImageFromArchive(pstrName, data);
}

}  // namespace

void CSkinStore::SetProgramModule(HINSTANCE hInstance) {
    g_hProgramModule = hInstance;
}

HINSTANCE CSkinStore::GetProgramModule() {
    return g_hProgramModule;
}

CUIString CSkinStore::GetProgramFolder() {
    if (g_hProgramModule == nullptr)
        return CUIString();
    char szPath[MAX_PATH + 1] = {};
    GetModuleFileNameA(g_hProgramModule, szPath, MAX_PATH);
    CUIString strPath(szPath);
    int nSlash = strPath.ReverseFind('/');
    int nBackslash = strPath.ReverseFind('\\');
    int nEnd = nSlash > nBackslash ? nSlash : nBackslash;
    return strPath.Left(nEnd + 1);
}

void CSkinStore::SetSkinPath(const char* pstrPath) {
    g_strSkinPath = pstrPath;
    // ReverseFind steps over double-byte characters, so a trail byte of 0x5C
    // is not taken for a separator.
    int nLength = g_strSkinPath.GetLength();
    if (nLength > 0 && g_strSkinPath.ReverseFind('/') != nLength - 1 &&
        g_strSkinPath.ReverseFind('\\') != nLength - 1)
        g_strSkinPath += '/';
}

const CUIString& CSkinStore::GetSkinPath() {
    return g_strSkinPath;
}

void CSkinStore::OpenArchiveFile(const char* pstrName, bool bCache) {
    if (pstrName == nullptr)
        pstrName = "";
    if (g_strArchiveName == pstrName && g_bCacheArchive == bCache)
        return;
    CloseCachedArchive();
    g_strArchiveName = pstrName;
    g_bCacheArchive = bCache;
    if (bCache && !g_strArchiveName.IsEmpty())
        g_pArchive = OpenCurrentArchive();
}

void CSkinStore::OpenArchiveMemory(const BYTE* pData, DWORD dwSize) {
    if (IsMemoryArchive())
        return;
    CloseCachedArchive();
    g_strArchiveName = MEMORY_ARCHIVE;
    g_pArchiveBytes = pData;
    g_dwArchiveBytes = dwSize;
    if (g_bCacheArchive)
        g_pArchive = OpenCurrentArchive();
}

const CUIString& CSkinStore::GetArchiveName() {
    return g_strArchiveName;
}

bool CSkinStore::IsArchiveCached() {
    return g_bCacheArchive;
}

CZipArchive* CSkinStore::GetArchive() {
    return g_pArchive;
}

bool CSkinStore::ReadDocument(const char* pstrName, CSkinBuffer& data, const char*& pstrError) {
    data.Release();
    if (pstrName == nullptr)
        pstrName = "";
    if (g_strArchiveName.IsEmpty()) {
        pstrError = FolderError(ReadSkinFile(g_strSkinPath + pstrName, data, MAX_DOCUMENT_SIZE));
    } else {
        pstrError = ReadDocumentFromArchive(pstrName, data);
    }
    return pstrError == nullptr;
}

bool CSkinStore::ReadImageData(CUIResName name, const char* pstrType, CSkinBuffer& data) {
    data.Release();
    if (pstrType != nullptr && *pstrType != '\0') {
        const BYTE* pResource = nullptr;
        DWORD dwSize = 0;
        if (FindResourceData(name, pstrType, pResource, dwSize))
            return data.Assign(pResource, dwSize);
    } else if (!name.IsId() && ReadImageFromSkin(name.GetName(), data)) {
        return true;
    }
    // Last resort: the name as a plain path, absolute or relative to the
    // current directory.
    if (name.IsId() || name.GetName() == nullptr)
        return false;
    return ReadSkinFile(name.GetName(), data, NO_LIMIT) == SkinFileResult::Ok;
}

bool CSkinStore::FindResourceData(CUIResName name, const char* pstrType, const BYTE*& pData,
                                  DWORD& dwSize) {
    HRSRC hResource = FindResourceA(g_hProgramModule, name.GetValue(), pstrType);
    if (hResource == nullptr)
        return false;
    HGLOBAL hGlobal = LoadResource(g_hProgramModule, hResource);
    dwSize = SizeofResource(g_hProgramModule, hResource);
    pData = static_cast<const BYTE*>(LockResource(hGlobal));
    return pData != nullptr && dwSize > 0;
}

}  // namespace Orvik
