// Code page 936 text to Unicode code points for layout and glyph lookup.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace gdi {

// `count` bytes, or up to the terminator when it is negative. Bytes that are
// not valid in the code page become U+FFFD rather than being dropped.
std::u32string DecodeAnsi(LPCSTR text, int count);

}  // namespace gdi
