// Value grammars of control attributes: bools, integers, integer lists, colours.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

// Only exactly "true" is true.
bool ParseBoolValue(const char* pstrValue);
// Decimal read as far as it parses; no digits give 0.
int ParseIntValue(const char* pstrValue);
// Up to nCount integers, each starting one character after the previous one
// ended; missing ones read as 0. Returns how many were read.
int ParseIntList(const char* pstrValue, LONG* pValues, int nCount);
// The same for floating-point numbers.
int ParseDoubleList(const char* pstrValue, double* pValues, int nCount);
// Sizes and offsets beyond this many pixels are held at it, so layout sums
// of skin values cannot overflow.
constexpr LONG MAX_SKIN_EXTENT = 100000;
// An integer for geometry: as ParseIntValue, held within +-MAX_SKIN_EXTENT.
int ParseExtentValue(const char* pstrValue);
// ParseIntList for geometry, each value held within +-MAX_SKIN_EXTENT.
int ParseExtentList(const char* pstrValue, LONG* pValues, int nCount);
// Skips characters with codes 1 to 32, then an optional "#", then hex digits.
DWORD ParseBackColorValue(const char* pstrValue);
// Only a "#" in the very first position is skipped.
DWORD ParseBorderColorValue(const char* pstrValue);

}  // namespace Orvik
