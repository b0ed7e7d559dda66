// Parsing of colour texts.
#include "ui/render/UIColor.h"

#include <cstdlib>

namespace Orvik {

DWORD ParseColor(const char* pstrValue) {
    if (pstrValue == nullptr)
        return 0;
    if (*pstrValue == '#')
        ++pstrValue;
    unsigned long long value = std::strtoull(pstrValue, nullptr, 16);
    return value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(value);
}

}  // namespace Orvik
