// libFuzzer target: a line query answer read, stripped, decoded and merged into the line list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>
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
    MergePtLines(lines);  // a second merge adds nothing
    std::lock_guard<std::mutex> guard(g_csPtLine);
    for (size_t i = 0; i < g_lstPtLine.size(); ++i)
        for (size_t j = i + 1; j < g_lstPtLine.size(); ++j)
            if (g_lstPtLine[i].url == g_lstPtLine[j].url)
                std::abort();
    return IsProbeAnswer(body) ? 1 : 0;
}
