// The image an i tag of markup text names: the image, its resource type and a strip frame.
#include "ui/render/MarkupImageRef.h"

#include <cstring>

#include "platform/kernel.h"
#include "ui/render/MarkupToken.h"

namespace Orvik {

namespace {

// More frames than pixels in any image only make every frame empty.
constexpr int MAX_STRIP_FRAMES = 65535;

// Reads key='value' items separated by spaces until one is malformed.
void ParseItems(const char* p, MarkupImageRef& ref) {
    bool bRes = false;
    while (*p != '\0') {
        while (*p == ' ')
            ++p;
        const char* pEq = std::strchr(p, '=');
        if (pEq == nullptr || pEq[1] != '\'')
            break;
        CUIString strKey(p, static_cast<int>(pEq - p));
        const char* pValue = pEq + 2;
        const char* pEnd = pValue;
        while (*pEnd != '\0' && *pEnd != '\'')
            pEnd = CharNextA(pEnd);
        CUIString strValue(pValue, static_cast<int>(pEnd - pValue));
        if (strKey == "file" || strKey == "res")
            ref.strName = strValue;
        if (strKey == "res")
            bRes = true;
        if (strKey == "restype")
            ref.strType = strValue;
        if (*pEnd == '\0')
            break;
        p = pEnd + 1;
    }
    ref.bTyped = bRes && !ref.strType.IsEmpty();
}

}  // namespace

MarkupImageRef ParseMarkupImageRef(const char* pstrParam) {
    MarkupImageRef ref;
    if (std::strstr(pstrParam, "file='") != nullptr || std::strstr(pstrParam, "res='") != nullptr) {
        ParseItems(pstrParam, ref);
        return ref;
    }
    const char* p = pstrParam;
    while (*p != '\0' && *p != ' ')
        p = CharNextA(p);
    ref.strName.Assign(pstrParam, static_cast<int>(p - pstrParam));
    ref.nFrames = ReadMarkupNumber(p, MAX_STRIP_FRAMES, 1);
    ref.nFrame = ReadMarkupNumber(p, MAX_STRIP_FRAMES, 0);
    if (ref.nFrames < 1)
        ref.nFrames = 1;
    if (ref.nFrame >= ref.nFrames)
        ref.nFrame = 0;
    return ref;
}

}  // namespace Orvik
