// String, path, version and decoding helpers of the launcher.
#include "app/util/Utilities.h"

#include <cstring>
#include <memory>

#include "app/util/SplitPieces.h"
#include "app/util/TextScan.h"
#include "platform/kernel.h"

const char PTLINE_XOR_KEY[] = "QWERTYUIOPLKJHGFDSAZXCVBNM)(*&^%$#@!";

namespace {

constexpr size_t PTLINE_XOR_KEY_LEN = sizeof(PTLINE_XOR_KEY) - 1;
static_assert(PTLINE_XOR_KEY_LEN == 36);

std::string CutAfterLastSlash(const std::string& path) {
    size_t last = std::string::npos;
    for (size_t pos = FindOnBoundary(path, "/", 0); pos != std::string::npos;
         pos = FindOnBoundary(path, "/", pos + 1))
        last = pos;
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

int Base64Value(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

}  // namespace

std::string GetExePath() {
    char buffer[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH - 1);
    return buffer;
}

std::string GetExeDir() {
    return CutAfterLastSlash(GetExePath());
}

std::string GetTempDir() {
    char buffer[MAX_PATH] = {0};
    DWORD n = GetTempPathA(MAX_PATH - 1, buffer);
    if (n == 0 || n >= MAX_PATH - 1)
        return std::string();  // too long for the buffer
    return CutAfterLastSlash(buffer);
}

std::string GetProductVersion(const char* path) {
    std::string file = path ? std::string(path) : GetExePath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0)
        return std::string();
    std::unique_ptr<unsigned char[]> block(new unsigned char[size]);
    if (!GetFileVersionInfoA(file.c_str(), handle, size, block.get()))
        return std::string();
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    if (!VerQueryValueA(block.get(), "\\", reinterpret_cast<LPVOID*>(&info), &len) ||
        info == nullptr)
        return std::string();
    char text[64];
    std::snprintf(text, sizeof(text), "%d.%d.%d.%d", HIWORD(info->dwProductVersionMS),
                  LOWORD(info->dwProductVersionMS), HIWORD(info->dwProductVersionLS),
                  LOWORD(info->dwProductVersionLS));
    return text;
}

int SplitString(std::vector<std::string>& out, const std::string& text, const std::string& sep) {
    out.clear();
    CSplitPieces pieces(text, sep);
    for (std::string_view piece; pieces.Next(piece);)
        out.emplace_back(piece);
    return int(out.size());
}

std::string ReplaceAll(const std::string& text, const std::string& pattern,
                       const std::string& replacement) {
    size_t length = std::strlen(text.c_str());
    if (length != text.size())  // the text ends at its first zero byte
        return ReplaceAll(text.substr(0, length), pattern, replacement);
    if (pattern.empty() || pattern == replacement)
        return text;
    std::string result;
    size_t start = 0;
    for (size_t pos = FindOnBoundary(text, pattern, 0); pos != std::string::npos;
         pos = FindOnBoundary(text, pattern, start)) {
        result.append(text, start, pos - start);
        result += replacement;
        start = pos + pattern.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

std::string TrimString(const char* text) {
    if (text == nullptr)
        return std::string();
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const char* begin = text;
    const char* end = text + std::strlen(text);
    while (begin < end && isSpace(*begin))
        ++begin;
    while (end > begin && isSpace(end[-1]))
        --end;
    return std::string(begin, end);
}

std::string Utf8ToAnsi(const char* text) {
    if (text == nullptr)
        return std::string();
    // ASCII is itself in both code pages: a large ASCII text (a manifest)
    // skips the UTF-16 copy, twice its size.
    const char* end = text;
    while (*end != '\0' && static_cast<unsigned char>(*end) < 0x80)
        ++end;
    if (*end == '\0')
        return std::string(text, end);
    int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (units <= 0)
        return std::string();
    std::u16string wide(size_t(units), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), units);
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string ansi(size_t(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, ansi.data(), bytes, nullptr, nullptr);
    ansi.resize(std::strlen(ansi.c_str()));
    return ansi;
}

int Base64Decode(int length, const unsigned char* input, unsigned char* output, int* capacity) {
    if (input == nullptr || capacity == nullptr)
        return 0;
    const int limit = *capacity;
    int total = 0;
    bool fits = true;
    unsigned char group[4];
    int filled = 0;

    // Writes one group's bytes while they still fit; once one does not,
    // nothing more is written but counting goes on.
    auto emit = [&](int count) {
        unsigned char bytes[3] = {
            static_cast<unsigned char>(group[0] << 2 | group[1] >> 4),
            static_cast<unsigned char>(group[1] << 4 | group[2] >> 2),
            static_cast<unsigned char>(group[2] << 6 | group[3]),
        };
        if (fits && output != nullptr && total + count <= limit)
            std::memcpy(output + total, bytes, size_t(count));
        else
            fits = false;
        total += count;
    };

    for (int i = 0; i < length; ++i) {
        if (input[i] == 0 && filled == 0)
            break;
        int v = Base64Value(input[i]);
        if (v < 0)
            continue;
        group[filled++] = static_cast<unsigned char>(v);
        if (filled == 4) {
            emit(3);
            filled = 0;
        }
    }
    if (filled >= 2) {
        for (int k = filled; k < 4; ++k)
            group[k] = 0;
        emit(filled - 1);
    }
    *capacity = total;
    return (output != nullptr && fits) ? 1 : 0;
}

std::string XorDecode(const char* input) {
    if (input == nullptr)
        return std::string();
    size_t n = std::strlen(input);
    std::string out(n, '\0');
    for (size_t i = 0; i < n; ++i)
        out[i] = char(input[i] ^ PTLINE_XOR_KEY[i % PTLINE_XOR_KEY_LEN]);
    out.resize(std::strlen(out.c_str()));
    return out;
}
