// An owned block of bytes read from a skin file, an archive entry or a resource.
#pragma once

#include <cstddef>

#include "platform/win32_types.h"

namespace Orvik {

class CSkinBuffer {
public:
    CSkinBuffer() = default;
    CSkinBuffer(const CSkinBuffer&) = delete;
    CSkinBuffer& operator=(const CSkinBuffer&) = delete;
    CSkinBuffer(CSkinBuffer&& src) noexcept;
    CSkinBuffer& operator=(CSkinBuffer&& src) noexcept;
    ~CSkinBuffer();

    // Replaces the content by dwSize uninitialised bytes; false (and empty)
    // when the memory cannot be had.
    bool Allocate(DWORD dwSize);
    bool Assign(const void* pData, DWORD dwSize);
    void Release();

    BYTE* GetData() { return m_pData; }
    const BYTE* GetData() const { return m_pData; }
    DWORD GetSize() const { return m_dwSize; }
    bool IsEmpty() const { return m_dwSize == 0; }

private:
    BYTE* m_pData = nullptr;
    DWORD m_dwSize = 0;
};

}  // namespace Orvik
