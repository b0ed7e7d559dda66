// A ZIP archive opened for reading, from a file or from bytes in memory.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"
#include "ui/markup/SkinBuffer.h"

namespace Orvik {

// Entries are found by name ignoring the case of ASCII letters only and are
// extracted whole. The memory form keeps a pointer to the caller's bytes,
// which must stay valid while the archive is open.
class CZipArchive {
public:
    // Null when the file is missing or is not a ZIP archive.
    static CZipArchive* OpenFile(const char* pstrPath);
    static CZipArchive* OpenMemory(const BYTE* pData, DWORD dwSize);
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;
    ~CZipArchive();

    // Makes the first entry whose name matches the current one and reports
    // its uncompressed size. Backslashes in the name stand for slashes; names
    // of 256 bytes or more are never found.
    bool FindEntry(const char* pstrName, uint64_t& nSize);
    // Inflates the current entry into data, which must be sized to the
    // entry's uncompressed size.
    bool ExtractCurrent(CSkinBuffer& data);

    static constexpr int MAX_NAME = 256;

private:
    CZipArchive() = default;
    // Wraps a reader handle that was just opened; closes it when wrapping fails.
    static CZipArchive* Adopt(void* hOpened);

    void* m_hZip = nullptr;  // the reader's handle
};

}  // namespace Orvik
