// Bitmap storage and its pixman image.
#include "platform/gdi/gdi_bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace gdi {

namespace {
constexpr int MAX_SIDE = 1 << 14;  // keeps width x height x 4 far from overflow
}

CGdiBitmap* CGdiBitmap::Create(int width, int height, bool dib, bool bottomUp) {
    if (width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE)
        return nullptr;
    size_t size = static_cast<size_t>(width) * height * 4;
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[size]);
    if (!pixels)
        return nullptr;
    std::memset(pixels.get(), 0, size);
    auto* bmp = new CGdiBitmap;
    bmp->m_bDib = dib;
    if (!bmp->Attach(pixels.get(), width, height, width * 4, bottomUp)) {
        bmp->MarkDeleted();
        return nullptr;
    }
    bmp->m_pOwned = std::move(pixels);
    return bmp;
}

CGdiBitmap* CGdiBitmap::Wrap(void* pBits, int width, int height, int strideBytes) {
    auto* bmp = new CGdiBitmap;
    if (!bmp->Attach(pBits, width, height, strideBytes, false)) {
        bmp->MarkDeleted();
        return nullptr;
    }
    return bmp;
}

CGdiBitmap::~CGdiBitmap() {
    if (m_pImage)
        pixman_image_unref(m_pImage);
}

bool CGdiBitmap::Rebind(void* pBits, int width, int height, int strideBytes) {
    m_pOwned.reset();
    return Attach(pBits, width, height, strideBytes, false);
}

bool CGdiBitmap::Attach(void* pBits, int width, int height, int strideBytes, bool bottomUp) {
    if (!pBits || width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE ||
        strideBytes < width * 4 || strideBytes % 4 != 0)
        return false;
    if (m_pImage)
        pixman_image_unref(m_pImage);
    m_pBits = pBits;
    m_nWidth = width;
    m_nHeight = height;
    m_nStride = strideBytes;
    m_bBottomUp = bottomUp;
    m_pImage = CreateView(false);
    return m_pImage != nullptr;
}

uint32_t* CGdiBitmap::Row(int y) const {
    int memRow = m_bBottomUp ? m_nHeight - 1 - y : y;
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(m_pBits) +
                                       static_cast<size_t>(memRow) * m_nStride);
}

pixman_image_t* CGdiBitmap::CreateView(bool ignoreAlpha, const RECT* part) const {
    RECT rc = part ? *part : RECT{0, 0, m_nWidth, m_nHeight};
    rc.left = std::max<LONG>(rc.left, 0);
    rc.top = std::max<LONG>(rc.top, 0);
    rc.right = std::min<LONG>(rc.right, m_nWidth);
    rc.bottom = std::min<LONG>(rc.bottom, m_nHeight);
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return nullptr;
    // Bottom-up rows are the same picture read with a negative stride from the
    // last row in memory.
    int stride = m_bBottomUp ? -m_nStride : m_nStride;
    return pixman_image_create_bits(ignoreAlpha ? PIXMAN_x8r8g8b8 : PIXMAN_a8r8g8b8,
                                    rc.right - rc.left, rc.bottom - rc.top, Row(rc.top) + rc.left,
                                    stride);
}

}  // namespace gdi
