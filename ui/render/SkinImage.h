// One decoded skin image: a premultiplied 32-bit bitmap and what it was loaded with.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIString.h"

namespace Orvik {

// The bitmap is top-down, bytes B, G, R, A, colours premultiplied by alpha.
// A window host's image table owns its records; paint states only point at
// them, which is why a reload swaps the pixels of a record in place.
struct SkinImage {
    HBITMAP hBitmap = nullptr;
    BYTE* pBits = nullptr;
    int nWidth = 0;
    int nHeight = 0;
    // Some pixel has alpha below 255 or was cleared by the mask.
    bool bAlpha = false;
    // The type the image was loaded with; "" for skin files.
    CUIString strResType;
    // Pixels equal to this 0xAARRGGBB value became transparent.
    DWORD dwMask = 0;
};

}  // namespace Orvik
