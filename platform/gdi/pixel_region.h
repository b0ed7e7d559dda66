// A set of pixels as a list of rectangles (pixman region) with value semantics.
#pragma once

#include <pixman.h>

#include "platform/gdi.h"

namespace gdi {

class CPixelRegion {
public:
    CPixelRegion() { pixman_region32_init(&m_region); }
    explicit CPixelRegion(const RECT& rc);
    CPixelRegion(const CPixelRegion& o);
    CPixelRegion& operator=(const CPixelRegion& o);
    ~CPixelRegion() { pixman_region32_fini(&m_region); }

    // The pixels left..right-1 by top..bottom-1 with each corner cut along an
    // ellipse of w by h, built row by row so clipping with it is exact.
    static CPixelRegion RoundRect(const RECT& rc, int w, int h);

    pixman_region32_t* Raw() { return &m_region; }
    const pixman_region32_t* Raw() const { return &m_region; }

    bool IsEmpty() const;
    RECT Bounds() const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;
    bool Contains(int x, int y) const;
    void Offset(int dx, int dy) { pixman_region32_translate(&m_region, dx, dy); }
    void Intersect(const CPixelRegion& o);
    void Intersect(const RECT& rc);
    void Union(const CPixelRegion& o);
    void Subtract(const CPixelRegion& o);
    void Xor(const CPixelRegion& o);
    // Applies one of RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY; false for others.
    bool Combine(const CPixelRegion& o, int mode);

private:
    pixman_region32_t m_region;
};

}  // namespace gdi
