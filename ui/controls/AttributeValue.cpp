// Attribute value grammars shared by every control class.
#include "ui/controls/AttributeValue.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace Orvik {

namespace {

// Out-of-range numbers stay at the nearest int instead of wrapping.
int SaturateInt(long v) {
    return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}

}  // namespace

bool ParseBoolValue(const char* pstrValue) {
    return pstrValue != nullptr && std::strcmp(pstrValue, "true") == 0;
}

int ParseIntValue(const char* pstrValue) {
    if (pstrValue == nullptr)
        return 0;
    return SaturateInt(std::strtol(pstrValue, nullptr, 10));
}

int ParseIntList(const char* pstrValue, LONG* pValues, int nCount) {
    for (int i = 0; i < nCount; ++i)
        pValues[i] = 0;
    if (pstrValue == nullptr)
        return 0;
    const char* p = pstrValue;
    int nRead = 0;
    for (; nRead < nCount; ++nRead) {
        char* pEnd = nullptr;
        pValues[nRead] = SaturateInt(std::strtol(p, &pEnd, 10));
        // The separator is exactly one character; stop at the end of the text.
        if (*pEnd == '\0') {
            ++nRead;
            break;
        }
        p = pEnd + 1;
    }
    return nRead;
}

int ParseDoubleList(const char* pstrValue, double* pValues, int nCount) {
    for (int i = 0; i < nCount; ++i)
        pValues[i] = 0;
    if (pstrValue == nullptr)
        return 0;
    const char* p = pstrValue;
    int nRead = 0;
    for (; nRead < nCount; ++nRead) {
        char* pEnd = nullptr;
        pValues[nRead] = std::strtod(p, &pEnd);
        if (*pEnd == '\0') {
            ++nRead;
            break;
        }
        p = pEnd + 1;
    }
    return nRead;
}

namespace {

LONG HoldExtent(long v) {
    return static_cast<LONG>(std::clamp<long>(v, -MAX_SKIN_EXTENT, MAX_SKIN_EXTENT));
}

}  // namespace

int ParseExtentValue(const char* pstrValue) {
    if (pstrValue == nullptr)
        return 0;
    return HoldExtent(std::strtol(pstrValue, nullptr, 10));
}

int ParseExtentList(const char* pstrValue, LONG* pValues, int nCount) {
    int nRead = ParseIntList(pstrValue, pValues, nCount);
    for (int i = 0; i < nCount; ++i)
        pValues[i] = HoldExtent(pValues[i]);
    return nRead;
}

namespace {

DWORD ParseHex(const char* p) {
    unsigned long long v = std::strtoull(p, nullptr, 16);
    return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(v);
}

}  // namespace

DWORD ParseBackColorValue(const char* pstrValue) {
    if (pstrValue == nullptr)
        return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(pstrValue);
    while (*p >= 1 && *p <= 32)
        ++p;
    if (*p == '#')
        ++p;
    // strtoull would skip whitespace and a sign itself; neither belongs to a colour.
    if (!std::isxdigit(*p))
        return 0;
    return ParseHex(reinterpret_cast<const char*>(p));
}

DWORD ParseBorderColorValue(const char* pstrValue) {
    if (pstrValue == nullptr)
        return 0;
    const char* p = pstrValue;
    if (*p == '#')
        ++p;
    if (!std::isxdigit(static_cast<unsigned char>(*p)))
        return 0;
    return ParseHex(p);
}

}  // namespace Orvik
