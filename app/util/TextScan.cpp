// Boundary-aware search in narrow texts of the active code page.
#include "app/util/TextScan.h"

#include <cstring>

#include "platform/kernel.h"

size_t FindOnBoundary(const std::string& text, const std::string& pattern, size_t from) {
    const char* base = text.c_str();
    const char* p = base + from;
    const char* end = base + text.size();
    while (p < end) {
        if (size_t(end - p) >= pattern.size() &&
            std::memcmp(p, pattern.data(), pattern.size()) == 0)
            return size_t(p - base);
        const char* next = CharNextA(p);
        p = next == p ? p + 1 : next;  // an embedded zero byte still advances
    }
    return std::string::npos;
}
