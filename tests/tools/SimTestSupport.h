// Reads the simulator's line-query answer the way the launcher does.
#pragma once

#include <string>
#include <vector>

#include "app/util/Utilities.h"

// Splits at ":", takes the pieces after "\"code\"" and "\"result\"" cut at
// their last ",", strips brackets and quotes, then Base64-decodes and
// XOR-descrambles every entry. Returns false when the code is not 1 or
// nothing decodes.
inline bool DecodeLineQueryAnswer(const std::string& body, std::vector<std::string>& hosts) {
    std::vector<std::string> pieces;
    SplitString(pieces, body, ":");
    std::string code, result;
    auto cut = [](const std::string& piece) {
        size_t comma = piece.rfind(',');
        return comma == std::string::npos ? piece : piece.substr(0, comma);
    };
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (pieces[i].find("\"code\"") != std::string::npos)
            code = cut(pieces[i + 1]);
        if (pieces[i].find("\"result\"") != std::string::npos)
            result = cut(pieces[i + 1]);
    }
    hosts.clear();
    if (code != "1" || result.empty())
        return false;
    std::string list = ReplaceAll(ReplaceAll(ReplaceAll(result, "[", ""), "]", ""), "\"", "");
    std::vector<std::string> entries;
    SplitString(entries, list, ",");
    for (const std::string& entry : entries) {
        unsigned char decoded[261] = {};
        int capacity = 260;
        if (!Base64Decode(int(entry.size()), reinterpret_cast<const unsigned char*>(entry.data()),
                          decoded, &capacity))
            continue;
        hosts.push_back(XorDecode(reinterpret_cast<const char*>(decoded)));
    }
    return !hosts.empty();
}
