// An owned block of bytes read from a skin source.
#include "ui/markup/SkinBuffer.h"

#include <cstdlib>
#include <cstring>

namespace Orvik {

CSkinBuffer::CSkinBuffer(CSkinBuffer&& src) noexcept
    : m_pData(src.m_pData), m_dwSize(src.m_dwSize) {
    src.m_pData = nullptr;
    src.m_dwSize = 0;
}

CSkinBuffer& CSkinBuffer::operator=(CSkinBuffer&& src) noexcept {
    if (this != &src) {
        Release();
        m_pData = src.m_pData;
        m_dwSize = src.m_dwSize;
        src.m_pData = nullptr;
        src.m_dwSize = 0;
    }
    return *this;
}

CSkinBuffer::~CSkinBuffer() {
    Release();
}

bool CSkinBuffer::Allocate(DWORD dwSize) {
    Release();
    // One spare byte keeps a zero-sized block distinct from no block.
    m_pData = static_cast<BYTE*>(std::malloc(static_cast<size_t>(dwSize) + 1));
    if (m_pData == nullptr)
        return false;
    m_dwSize = dwSize;
    return true;
}

bool CSkinBuffer::Assign(const void* pData, DWORD dwSize) {
    if (!Allocate(dwSize))
        return false;
    if (dwSize > 0)
        std::memcpy(m_pData, pData, dwSize);
    return true;
}

void CSkinBuffer::Release() {
    std::free(m_pData);
    m_pData = nullptr;
    m_dwSize = 0;
}

}  // namespace Orvik
