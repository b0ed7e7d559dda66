// A ZIP archive opened for reading through minizip, from a file or from memory.
#include "ui/markup/ZipArchive.h"

#include <unzip.h>

#include <cstring>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <new>
#include <string>

#include "platform/kernel.h"
#include "ui/markup/SkinFile.h"

namespace Orvik {

namespace {

// A read cursor over the caller's bytes, one per stream minizip opens.
struct MEMORYSTREAM {
    const BYTE* pData;
    uint64_t nSize;
    uint64_t nPos;
};

struct MEMORYSOURCEVIEW {
    const BYTE* pData;
    uint64_t nSize;
};

voidpf ZCALLBACK MemOpen(voidpf /*opaque*/, const void* pSource, int nMode) {
    if ((nMode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    auto pView = static_cast<const MEMORYSOURCEVIEW*>(pSource);
    return new (std::nothrow) MEMORYSTREAM{pView->pData, pView->nSize, 0};
}

uLong ZCALLBACK MemRead(voidpf /*opaque*/, voidpf pStream, void* pBuffer, uLong nSize) {
    auto pMem = static_cast<MEMORYSTREAM*>(pStream);
    uint64_t nLeft = pMem->nSize - pMem->nPos;
    uLong nRead = nSize < nLeft ? nSize : static_cast<uLong>(nLeft);
    std::memcpy(pBuffer, pMem->pData + pMem->nPos, nRead);
    pMem->nPos += nRead;
    return nRead;
}

uLong ZCALLBACK MemWrite(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK MemTell(voidpf /*opaque*/, voidpf pStream) {
    return static_cast<MEMORYSTREAM*>(pStream)->nPos;
}

long ZCALLBACK MemSeek(voidpf /*opaque*/, voidpf pStream, ZPOS64_T nOffset, int nOrigin) {
    auto pMem = static_cast<MEMORYSTREAM*>(pStream);
    uint64_t nBase = 0;
    if (nOrigin == ZLIB_FILEFUNC_SEEK_CUR) {
        nBase = pMem->nPos;
    } else if (nOrigin == ZLIB_FILEFUNC_SEEK_END) {
        nBase = pMem->nSize;
    } else if (nOrigin != ZLIB_FILEFUNC_SEEK_SET) {
        return -1;
    }
    if (nOffset > pMem->nSize || nBase > pMem->nSize - nOffset)
        return -1;
    pMem->nPos = nBase + nOffset;
    return 0;
}

int ZCALLBACK MemClose(voidpf /*opaque*/, voidpf pStream) {
    delete static_cast<MEMORYSTREAM*>(pStream);
    return 0;
}

int ZCALLBACK MemError(voidpf, voidpf) {
    return 0;
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// ASCII letters compare without case; every other byte must match exactly.
// A double-byte character is compared whole, so its trail byte (which may
// look like a letter) is never folded.
bool EqualNoAsciiCase(const char* a, const char* b) {
    while (*a != '\0' && *b != '\0') {
        const char* pNextA = CharNextA(a);
        const char* pNextB = CharNextA(b);
        if (pNextA - a != pNextB - b)
            return false;
        if (pNextA == a + 1) {
            if (FoldAscii(*a) != FoldAscii(*b))
                return false;
        } else if (std::memcmp(a, b, static_cast<size_t>(pNextA - a)) != 0) {
            return false;
        }
        a = pNextA;
        b = pNextB;
    }
    return *a == *b;
}

// The entry name for a skin name: backslashes become slashes, stepping over
// double-byte characters whose second byte may be 0x5C.
std::string EntryName(const char* pstrName) {
    std::string strName;
    for (const char* p = pstrName; *p != '\0';) {
        const char* pNext = CharNextA(p);
        if (pNext == p + 1 && *p == '\\') {
            strName += '/';
        } else {
            strName.append(p, static_cast<size_t>(pNext - p));
        }
        p = pNext;
    }
    return strName;
}

// Windows' C runtime reads narrow paths in the system code page: the
// archive is opened by its wide path there. An open archive must not keep
// its file from being replaced or removed, as it does not elsewhere.
#ifdef _WIN32
voidpf ZCALLBACK OpenUtf8Path(voidpf /*opaque*/, const void* pFilename, int /*mode*/) {
    std::wstring wide = platform::Utf8ToWide(static_cast<const char*>(pFilename));
    HANDLE hFile = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(hFile), _O_RDONLY | _O_BINARY);
    if (fd == -1) {
        ::CloseHandle(hFile);
        return nullptr;
    }
    FILE* pFile = _fdopen(fd, "rb");
    if (pFile == nullptr)
        _close(fd);
    return pFile;
}

unzFile OpenPath(const std::string& strPath) {
    zlib_filefunc64_def functions;
    fill_fopen64_filefunc(&functions);
    functions.zopen64_file = OpenUtf8Path;
    return unzOpen2_64(strPath.c_str(), &functions);
}
#else
unzFile OpenPath(const std::string& strPath) {
    return unzOpen64(strPath.c_str());
}
#endif

}  // namespace

CZipArchive* CZipArchive::OpenFile(const char* pstrPath) {
    std::string strPath = NativeSkinPath(pstrPath);
    if (strPath.empty())
        return nullptr;
    return Adopt(OpenPath(strPath));
}

CZipArchive* CZipArchive::OpenMemory(const BYTE* pData, DWORD dwSize) {
    if (pData == nullptr || dwSize == 0)
        return nullptr;
    zlib_filefunc64_def functions = {MemOpen, MemRead,  MemWrite, MemTell,
                                     MemSeek, MemClose, MemError, nullptr};
    MEMORYSOURCEVIEW view = {pData, dwSize};
    return Adopt(unzOpen2_64(&view, &functions));
}

CZipArchive* CZipArchive::Adopt(void* hOpened) {
    unzFile hZip = static_cast<unzFile>(hOpened);
    if (hZip == nullptr)
        return nullptr;
    auto pArchive = new (std::nothrow) CZipArchive();
    if (pArchive == nullptr) {
        unzClose(hZip);
        return nullptr;
    }
    pArchive->m_hZip = hZip;
    return pArchive;
}

CZipArchive::~CZipArchive() {
    if (m_hZip != nullptr)
        unzClose(m_hZip);
}

bool CZipArchive::FindEntry(const char* pstrName, uint64_t& nSize) {
    if (pstrName == nullptr || std::strlen(pstrName) >= MAX_NAME)
        return false;
    std::string strWanted = EntryName(pstrName);
    // Directory order, first match wins.
    for (int rc = unzGoToFirstFile(m_hZip); rc == UNZ_OK; rc = unzGoToNextFile(m_hZip)) {
        char szEntry[MAX_NAME + 1] = {};
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(m_hZip, &info, szEntry, MAX_NAME, nullptr, 0, nullptr, 0) !=
            UNZ_OK)
            return false;
        if (info.size_filename >= MAX_NAME)
            continue;  // cut short in szEntry
        if (!EqualNoAsciiCase(szEntry, strWanted.c_str()))
            continue;
        nSize = info.uncompressed_size;
        return true;
    }
    return false;
}

bool CZipArchive::ExtractCurrent(CSkinBuffer& data) {
    if (unzOpenCurrentFile(m_hZip) != UNZ_OK)
        return false;
    DWORD dwDone = 0;
    bool bOk = true;
    while (dwDone < data.GetSize()) {
        unsigned nChunk = data.GetSize() - dwDone;
        int nRead = unzReadCurrentFile(m_hZip, data.GetData() + dwDone, nChunk);
        if (nRead <= 0) {
            bOk = false;  // an inflate error, or the entry is shorter than it claims
            break;
        }
        dwDone += static_cast<DWORD>(nRead);
    }
    // A damaged entry shows as a checksum error once it has been read whole.
    if (unzCloseCurrentFile(m_hZip) == UNZ_CRCERROR)
        bOk = false;
    return bOk;
}

}  // namespace Orvik
