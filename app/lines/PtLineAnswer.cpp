// Parsing, decoding and ordering of line hosts.
#include "app/lines/PtLineAnswer.h"

#include <mutex>
#include <string_view>
#include <unordered_set>

#include "app/lines/PtLine.h"
#include "app/util/SplitPieces.h"
#include "app/util/Utilities.h"
#include "net/Endpoints.h"

namespace {

const int DECODE_CAPACITY = 260;

std::string CutBeforeLastComma(std::string_view piece) {
    return std::string(piece.substr(0, piece.rfind(',')));  // npos keeps the whole piece
}

// One entry: Base64 into a zero-filled buffer, then the XOR key. False when
// the entry does not fit the buffer.
bool DecodeEntry(std::string_view entry, std::string& host) {
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
    // A key's value is the piece after it, so the walk only keeps the last piece.
    CSplitPieces pieces(strBody, ":");
    std::string_view previous, piece;
    for (bool first = true; pieces.Next(piece); first = false, previous = piece) {
        if (first)
            continue;
        if (previous.find("\"code\"") != std::string_view::npos)
            strCode = CutBeforeLastComma(piece);
        if (previous.find("\"result\"") != std::string_view::npos)
            strResult = CutBeforeLastComma(piece);
    }
}

std::string StripPtLineResult(const std::string& strResult) {
    std::string text = ReplaceAll(strResult, "[", "");
    text = ReplaceAll(text, "]", "");
    return ReplaceAll(text, "\"", "");
}

std::string DecodePtLineResult(const std::string& strStripped) {
    CSplitPieces entries(strStripped, ",");
    std::string lines;
    for (std::string_view entry; entries.Next(entry);) {
        std::string host;
        if (DecodeEntry(entry, host))
            lines.append(host).push_back(',');
    }
    if (!lines.empty())
        lines.pop_back();
    return lines;
}

int MergePtLines(const std::string& strLines) {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    // Views into the list's entries stay valid: a list never moves them.
    std::unordered_set<std::string_view> known;
    for (const PtLineEntry& entry : g_lstPtLine)
        known.insert(entry.url);
    int added = 0, dropped = 0;
    CSplitPieces hosts(strLines, ",");
    for (std::string_view host; hosts.Next(host);) {
        if (known.count(host) != 0)
            continue;
        if (added == PTLINE_MAX_NEW_HOSTS) {
            ++dropped;  // a dropped host named twice counts twice
            continue;
        }
        g_lstPtLine.push_back(PtLineEntry{std::string(host), -1});
        known.insert(g_lstPtLine.back().url);
        ++added;
    }
    return dropped;
}

bool IsProbeAnswer(const std::string& strBody) {
    return strBody.find(PTLINE_PROBE_MARKER_MSG) != std::string::npos &&
           strBody.find(PTLINE_PROBE_MARKER_OK) != std::string::npos;
}
