// A 32-bit BGRA bitmap: owned or borrowed pixels, seen by pixman as top-down rows.
#pragma once

#include <pixman.h>

#include <cstdint>
#include <memory>

#include "platform/gdi.h"
#include "platform/gdi/gdi_object.h"

namespace gdi {

class CGdiBitmap : public CGdiObject {
public:
    static constexpr ObjKind KIND = ObjKind::Bitmap;

    // Zero-filled pixels of its own; bottomUp keeps rows in memory from the
    // bottom (a DIB section with positive height). Null when out of memory or
    // the size is not positive.
    static CGdiBitmap* Create(int width, int height, bool dib, bool bottomUp);
    // Borrowed top-down pixels (a window surface).
    static CGdiBitmap* Wrap(void* pBits, int width, int height, int strideBytes);
    ~CGdiBitmap() override;

    bool Rebind(void* pBits, int width, int height, int strideBytes);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool IsDib() const { return m_bDib; }
    // The start of the pixel memory as the owner sees it (ppvBits, bmBits).
    void* Bits() const { return m_pBits; }
    int StrideBytes() const { return m_nStride; }
    // Address of pixel row y counted from the top of the picture.
    uint32_t* Row(int y) const;
    uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    pixman_image_t* Image() const { return m_pImage; }
    // A view of the same pixels (all of them, or the part inside `part`); with
    // ignoreAlpha the alpha byte reads as 255. The caller unrefs it.
    pixman_image_t* CreateView(bool ignoreAlpha, const RECT* part = nullptr) const;

private:
    CGdiBitmap() : CGdiObject(KIND) {}
    bool Attach(void* pBits, int width, int height, int strideBytes, bool bottomUp);

    std::unique_ptr<uint8_t[]> m_pOwned;
    void* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nStride = 0;
    bool m_bDib = false;
    bool m_bBottomUp = false;
    pixman_image_t* m_pImage = nullptr;
};

}  // namespace gdi
