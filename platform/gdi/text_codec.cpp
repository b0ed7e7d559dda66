// Code page 936 decoding through the kernel's MultiByteToWideChar.
#include "platform/gdi/text_codec.h"

#include <cstring>
#include <vector>

#include "platform/kernel.h"

namespace gdi {

std::u32string DecodeAnsi(LPCSTR text, int count) {
    std::u32string out;
    if (!text)
        return out;
    if (count < 0)
        count = static_cast<int>(std::strlen(text));
    if (count == 0)
        return out;
    int n = MultiByteToWideChar(CP_ACP, 0, text, count, nullptr, 0);
    if (n <= 0)
        return out;
    std::vector<WCHAR> wide(n);
    n = MultiByteToWideChar(CP_ACP, 0, text, count, wide.data(), n);
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        char32_t c = wide[i];
        bool pair =
            c >= 0xD800 && c < 0xDC00 && i + 1 < n && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000;
        if (pair)
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        out.push_back(c);
    }
    return out;
}

}  // namespace gdi
