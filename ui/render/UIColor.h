// Colour values of the skin: 32-bit ARGB with alpha in the top byte.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

// Reads an optional "#" and hexadecimal digits as an unsigned 32-bit number:
// "#FF1D202A" and "FFA7A4AB" are both opaque, while fewer than eight digits
// leave the alpha at 0. Values wider than 32 bits saturate.
DWORD ParseColor(const char* pstrValue);

// The platform colour of an ARGB value: red, green and blue, alpha dropped.
inline COLORREF ToColorRef(DWORD dwArgb) {
    return RGB((dwArgb >> 16) & 0xFF, (dwArgb >> 8) & 0xFF, dwArgb & 0xFF);
}

inline BYTE ColorAlpha(DWORD dwArgb) {
    return static_cast<BYTE>(dwArgb >> 24);
}

}  // namespace Orvik
