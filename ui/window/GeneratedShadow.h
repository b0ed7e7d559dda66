// The generated drop shadow: the window's shape narrowed, stamped with a round kernel and filled.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32_types.h"

namespace Orvik {

// One pixel row of a shape: its leftmost and rightmost inside columns.
struct ShadowSpan {
    int nLeft = 1;
    int nRight = 0;
    bool IsEmpty() const { return nLeft > nRight; }
};

// The generated look: size -20..20, sharpness 0..20, darkness 0..255,
// offsets -20..20, colour (RGB used).
struct ShadowLook {
    int nSize = 0;
    int nSharpness = 5;
    int nDarkness = 150;
    int nOffsetX = 0;
    int nOffsetY = 0;
    DWORD dwColor = 0;
};

// Draws the shadow of a window whose rows are aRows (window columns) into a
// cleared, top-down picture of cx by cy premultiplied 0xAARRGGBB pixels
// (cx = window width + 2 size, cy = row count + 2 size).
void DrawGeneratedShadow(const std::vector<ShadowSpan>& aRows, const ShadowLook& look,
                         uint32_t* pPixels, int cx, int cy);

}  // namespace Orvik
