// libFuzzer target: a line query answer read, stripped, decoded and merged into the line list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string>

#include "app/lines/PtLine.h"
#include "app/lines/PtLineAnswer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::string body(reinterpret_cast<const char*>(pData), nSize);
    std::string code, result;
    ParsePtLineAnswer(body, code, result);
    std::string lines = DecodePtLineResult(StripPtLineResult(result));
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        g_lstPtLine.clear();
    }
    MergePtLines(lines);
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        if (g_lstPtLine.size() > size_t(PTLINE_MAX_NEW_HOSTS))
            std::abort();
    }
    MergePtLines(lines);  // adds at most the next hosts over the bound, never a known one
    std::lock_guard<std::mutex> guard(g_csPtLine);
    std::set<std::string> urls;
    for (const PtLineEntry& entry : g_lstPtLine)
        if (!urls.insert(entry.url).second)
            std::abort();
    return IsProbeAnswer(body) ? 1 : 0;
}
