// Standard Base64 encoding, three bytes to four characters.
#include "tools/sim/Base64Encode.h"

namespace {
const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

std::string Base64Encode(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        size_t left = bytes.size() - i;
        unsigned n = unsigned(static_cast<unsigned char>(bytes[i])) << 16;
        if (left > 1)
            n |= unsigned(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (left > 2)
            n |= unsigned(static_cast<unsigned char>(bytes[i + 2]));
        out += ALPHABET[(n >> 18) & 63];
        out += ALPHABET[(n >> 12) & 63];
        out += left > 1 ? ALPHABET[(n >> 6) & 63] : '=';
        out += left > 2 ? ALPHABET[n & 63] : '=';
    }
    return out;
}
