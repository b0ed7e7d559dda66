// Parsing, decoding and ordering of line hosts.
#include "app/lines/PtLineAnswer.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/util/Utilities.h"
#include "net/Endpoints.h"

namespace {

const int DECODE_CAPACITY = 260;

std::string CutBeforeLastComma(const std::string& piece) {
    size_t comma = piece.rfind(',');
    return comma == std::string::npos ? piece : piece.substr(0, comma);
}

// One entry: Base64 into a zero-filled buffer, then the XOR key. False when
// the entry does not fit the buffer.
bool DecodeEntry(const std::string& entry, std::string& host) {
    unsigned char buffer[DECODE_CAPACITY + 1] = {0};
    int capacity = DECODE_CAPACITY;
    const auto* input = reinterpret_cast<const unsigned char*>(entry.data());
    if (Base64Decode(int(entry.size()), input, buffer, &capacity) != 1)
        return false;
    host = XorDecode(reinterpret_cast<const char*>(buffer));
    return true;
}

}  // namespace

void ParsePtLineAnswer(const std::string& strBody, std::string& strCode, std::string& strResult) {
    std::vector<std::string> pieces;
    SplitString(pieces, strBody, ":");
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (pieces[i].find("\"code\"") != std::string::npos) {
            strCode = CutBeforeLastComma(pieces[i + 1]);
        }
        if (pieces[i].find("\"result\"") != std::string::npos) {
            strResult = CutBeforeLastComma(pieces[i + 1]);
        }
    }
}

std::string StripPtLineResult(const std::string& strResult) {
    std::string text = ReplaceAll(strResult, "[", "");
    text = ReplaceAll(text, "]", "");
    return ReplaceAll(text, "\"", "");
}

std::string DecodePtLineResult(const std::string& strStripped) {
    std::vector<std::string> entries;
    SplitString(entries, strStripped, ",");
    std::string lines;
    for (const std::string& entry : entries) {
        std::string host;
        if (DecodeEntry(entry, host))
            lines += host + ",";
    }
    if (!lines.empty())
        lines.pop_back();
    return lines;
}

void MergePtLines(const std::string& strLines) {
    std::vector<std::string> hosts;
    SplitString(hosts, strLines, ",");
    std::lock_guard<std::mutex> guard(g_csPtLine);
    for (const std::string& host : hosts) {
        bool known = std::any_of(g_lstPtLine.begin(), g_lstPtLine.end(),
                                 [&](const PtLineEntry& e) { return e.url == host; });
        if (!known)
            g_lstPtLine.push_back(PtLineEntry{host, -1});
    }
}

bool IsProbeAnswer(const std::string& strBody) {
    return strBody.find(PTLINE_PROBE_MARKER_MSG) != std::string::npos &&
           strBody.find(PTLINE_PROBE_MARKER_OK) != std::string::npos;
}

void SortTestResults(std::list<PtLineTestResult>& lstResults) {
    lstResults.sort([](const PtLineTestResult& a, const PtLineTestResult& b) {
        return a.costMs < b.costMs;  // list::sort is stable
    });
    std::vector<PtLineTestResult> ordered(lstResults.begin(), lstResults.end());
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const PtLineTestResult& r) { return r.status == 200; });
    lstResults.assign(ordered.begin(), ordered.end());
}

void RebuildPtLines(const std::list<PtLineTestResult>& lstResults) {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    g_lstPtLine.clear();
    for (const PtLineTestResult& result : lstResults) {
        auto it = std::find_if(g_lstPtLine.begin(), g_lstPtLine.end(),
                               [&](const PtLineEntry& e) { return e.url == result.url; });
        if (it != g_lstPtLine.end()) {
            it->costMs = result.costMs;
        } else {
            g_lstPtLine.push_back(PtLineEntry{result.url, result.costMs});
        }
    }
}
