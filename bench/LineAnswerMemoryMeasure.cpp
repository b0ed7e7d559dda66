// Reads one 16 MiB answer as the launcher does, for a peak-memory measurement from outside.
//
// Run: /usr/bin/time -v line_answer_memory_measure colons|entries|manifest|manifestcolons [MIB]
// and read "Maximum resident set size". colons: a line answer of nothing but
// ":" (a piece per byte); entries: a line answer whose result is an array of
// short Base64 entries; manifest: an update manifest of "version:" pairs;
// manifestcolons: a manifest of nothing but ":".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "app/lines/PtLine.h"
#include "app/lines/PtLineAnswer.h"
#include "app/update/DataManager.h"

namespace {

std::string Repeat(const std::string& unit, size_t nBytes) {
    std::string text;
    text.reserve(nBytes + unit.size());
    while (text.size() < nBytes)
        text += unit;
    return text;
}

// As the line fetch reads a body: parse, strip, decode, merge.
size_t ReadLineAnswer(const std::string& body) {
    std::string code, result;
    ParsePtLineAnswer(body, code, result);
    std::string lines = DecodePtLineResult(StripPtLineResult(result));
    MergePtLines(lines);
    std::lock_guard<std::mutex> guard(g_csPtLine);
    return g_lstPtLine.size();
}

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "colons";
    size_t nBytes = size_t(argc > 2 ? std::atoi(argv[2]) : 16) << 20;
    std::string body;
    size_t nOut = 0;
    if (std::strcmp(mode, "manifestcolons") == 0) {
        body = Repeat(":", nBytes);
        nOut = CDataManager::FindVersion(CDataManager::CleanManifest(body)).size();
    } else if (std::strcmp(mode, "manifest") == 0) {
        body = Repeat("\"version\":\"1.0.7\",", nBytes);
        nOut = CDataManager::FindVersion(CDataManager::CleanManifest(body)).size();
    } else if (std::strcmp(mode, "entries") == 0) {
        body = "{\"code\":1,\"result\":[" + Repeat("\"QQ\",", nBytes) + "\"QQ\"],\"msg\":\"x\"}";
        nOut = ReadLineAnswer(body);
    } else {
        body = Repeat(":", nBytes);
        nOut = ReadLineAnswer(body);
    }
    std::printf("%s: %zu MiB body, result %zu\n", mode, body.size() >> 20, nOut);
    return 0;
}
