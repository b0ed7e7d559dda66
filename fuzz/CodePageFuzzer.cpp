// libFuzzer target: code page 936 and UTF-8 conversions and double-byte stepping.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/kernel.h"

namespace {

// Converts text from one code page to wide characters and back to the other,
// asking for the sizes first as the callers do.
void RoundTrip(UINT from, UINT to, const std::string& text) {
    int nWide = MultiByteToWideChar(from, 0, text.data(), int(text.size()), nullptr, 0);
    if (nWide <= 0)
        return;
    std::vector<WCHAR> wide(static_cast<size_t>(nWide));
    if (MultiByteToWideChar(from, 0, text.data(), int(text.size()), wide.data(), nWide) != nWide)
        std::abort();
    int nBytes = WideCharToMultiByte(to, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return;
    std::vector<char> bytes(static_cast<size_t>(nBytes));
    WideCharToMultiByte(to, 0, wide.data(), nWide, bytes.data(), nBytes, nullptr, nullptr);
    // A buffer one short must be refused, never overrun.
    if (nBytes > 1)
        WideCharToMultiByte(to, 0, wide.data(), nWide, bytes.data(), nBytes - 1, nullptr, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::string text(reinterpret_cast<const char*>(pData), nSize);
    RoundTrip(CP_UTF8, 936, text);
    RoundTrip(936, CP_UTF8, text);
    std::string terminated = text.c_str();  // the string helpers stop at a zero byte
    std::string utf8 = platform::AnsiToUtf8(terminated.c_str());
    std::string ansi = platform::Utf8ToAnsi(terminated.c_str());
    size_t nSteps = 0;
    for (const char* p = terminated.c_str(); *p != '\0'; p = CharNextA(p))
        if (++nSteps > terminated.size())
            std::abort();  // stepping must always move forward
    return int(utf8.size() + ansi.size()) & 0;
}
