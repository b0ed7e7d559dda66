// Parsing image descriptors into paint states.
#include "ui/render/ImageDescriptor.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/kernel.h"
#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

// Control bytes and the space, but not the terminator (bytes above 127 are
// text, never separators).
bool IsBlank(char ch) {
    auto byte = static_cast<unsigned char>(ch);
    return byte > 0 && byte <= ' ';
}

// Keys are printable ASCII up to the "=".
bool IsKeyByte(char ch) {
    auto byte = static_cast<unsigned char>(ch);
    return byte > ' ' && byte < 0x7F && byte != '=';
}

const char* SkipBlanks(const char* p) {
    while (IsBlank(*p))
        ++p;
    return p;
}

LONG ClampToLong(int64_t value, int64_t limit) {
    return static_cast<LONG>(std::clamp<int64_t>(value, -limit, limit));
}

// Four numbers separated by one character each; missing ones stay 0.
CUIRect ParseFourNumbers(const char* pstr) {
    LONG values[4] = {0, 0, 0, 0};
    const char* p = pstr;
    for (int i = 0; i < 4; ++i) {
        char* pEnd = nullptr;
        values[i] = ClampToLong(std::strtoll(p, &pEnd, 10), DESCRIPTOR_NUMBER_LIMIT);
        if (*pEnd == '\0')
            break;
        p = pEnd + 1;
    }
    return CUIRect(values[0], values[1], values[2], values[3]);
}

// One "key='value'" item; p is left after the closing quote. False when the
// text deviates from the grammar.
bool ReadItem(const char*& p, CUIString& key, CUIString& value) {
    p = SkipBlanks(p);
    const char* pKey = p;
    while (IsKeyByte(*p))
        ++p;
    key.Assign(pKey, static_cast<int>(p - pKey));
    p = SkipBlanks(p);
    if (*p != '=')
        return false;
    p = SkipBlanks(p + 1);
    if (*p != '\'')
        return false;
    const char* pValue = ++p;
    while (*p != '\0' && *p != '\'')
        p = CharNextA(p);
    if (*p != '\'')
        return false;
    value.Assign(pValue, static_cast<int>(p - pValue));
    ++p;
    return true;
}

void ApplyItem(const CUIString& key, const CUIString& value, ImagePaintState& state,
               ImageLoadRequest& request) {
    if (key == "file") {
        state.strImageName = value;
    } else if (key == "res") {
        state.strImageName = value;
        request.bUseType = true;
    } else if (key == "restype") {
        request.strType = value;
    } else if (key == "color") {
        state.strImageName = value;
        request.strType = COLOR_IMAGE_TYPE;
        request.bUseType = true;
    } else if (key == "dest") {
        state.rcDest = ParseFourNumbers(value);
    } else if (key == "source") {
        state.rcSource = ParseFourNumbers(value);
    } else if (key == "corner" || key == "scale9") {
        state.rcCorner = ParseFourNumbers(value);
    } else if (key == "mask") {
        request.dwMask = ParseColor(value);
    } else if (key == "fade") {
        state.uFade = static_cast<BYTE>(std::strtoul(value, nullptr, 10));
    } else if (key == "hole") {
        state.bHole = value == "true";
    } else if (key == "xtiled") {
        state.bTiledX = value == "true";
    } else if (key == "ytiled") {
        state.bTiledY = value == "true";
    }
}

}  // namespace

RECT PlaceImageDestination(const RECT& rcItem, const CUIRect& rcDest) {
    if (rcDest.IsNull())
        return rcItem;
    auto fit = [](int64_t value) {
        return static_cast<LONG>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return RECT{fit(int64_t(rcItem.left) + rcDest.left), fit(int64_t(rcItem.top) + rcDest.top),
                fit(std::min<int64_t>(int64_t(rcItem.left) + rcDest.right, rcItem.right)),
                fit(std::min<int64_t>(int64_t(rcItem.top) + rcDest.bottom, rcItem.bottom))};
}

void ParseImageDescriptor(ImagePaintState& state, ImageLoadRequest& request) {
    state.strImageName = state.strDescriptor;
    CUIString key;
    CUIString value;
    const char* p = state.strDescriptor.GetData();
    while (*p != '\0') {
        if (!ReadItem(p, key, value))
            break;
        if (!value.IsEmpty())
            ApplyItem(key, value, state, request);
        // Items are separated by exactly one space that is not the last byte.
        if (*p != ' ' || p[1] == '\0')
            break;
        ++p;
    }
}

}  // namespace Orvik
