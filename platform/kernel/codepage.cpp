// Code page conversion (936, UTF-8, UTF-16) through iconv, and the DBCS helpers.
#include <errno.h>
#include <iconv.h>

#include <cstring>
#include <string>

#include "platform/kernel.h"
#include "platform/kernel/codepage_936.h"

namespace {

constexpr WCHAR REPLACEMENT_CHAR = 0xFFFD;

bool IsSupportedCodePage(UINT cp) {
    return cp == CP_ACP || cp == CP_GBK || cp == CP_UTF8;
}
bool IsUtf8(UINT cp) {
    return cp == CP_UTF8;
}

// One converter per direction and thread: iconv_t is not thread-safe and
// opening one per call is costly.
class CConverter {
public:
    CConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~CConverter() {
        if (m_cd != (iconv_t)-1)
            iconv_close(m_cd);
    }
    CConverter(const CConverter&) = delete;
    CConverter& operator=(const CConverter&) = delete;

    // Converts as much as possible; returns false and leaves the cursors at
    // the offending input on an invalid or incomplete sequence.
    bool Step(const char*& in, size_t& inLeft, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buf[1024];
        while (inLeft > 0) {
            char* outPtr = buf;
            size_t outLeft = sizeof(buf);
            size_t rc = iconv(m_cd, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buf, outPtr - buf);
            if (rc == (size_t)-1 && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

CConverter& Gbk2Utf16() {
    thread_local CConverter c("UTF-16LE", "GBK");
    return c;
}
CConverter& Utf8ToUtf16() {
    thread_local CConverter c("UTF-16LE", "UTF-8");
    return c;
}
CConverter& Utf16ToGbk() {
    thread_local CConverter c("GBK", "UTF-16LE");
    return c;
}
CConverter& Utf16ToUtf8() {
    thread_local CConverter c("UTF-8", "UTF-16LE");
    return c;
}

void AppendUnit(std::string& out, WCHAR ch) {
    out.append(reinterpret_cast<const char*>(&ch), 2);
}

// A double-byte code iconv's GBK lacks: a user-defined one becomes its
// private-use character; any other lead byte with a trail byte is one "?"
// for both bytes, as CharNextA steps over them. Returns the bytes consumed,
// 0 when the caller asked to fail on invalid input.
size_t DecodeGbkGap(const char* src, size_t len, bool failOnInvalid, std::string& bytes) {
    BYTE lead = BYTE(src[0]);
    bool pair = IsDBCSLeadByte(lead) && len >= 2 && src[1] != '\0';
    WCHAR ch = pair ? platform::kernel::UserDefinedToPrivateUse(lead, BYTE(src[1])) : 0;
    if (ch == 0 && failOnInvalid)
        return 0;
    AppendUnit(bytes, ch != 0 ? ch : u'?');
    return pair ? 2 : 1;
}

// An invalid UTF-8 byte: U+FFFD for each.
size_t DecodeUtf8Gap(bool failOnInvalid, std::string& bytes) {
    if (failOnInvalid)
        return 0;
    AppendUnit(bytes, REPLACEMENT_CHAR);
    return 1;
}

// Bytes to UTF-16; invalid input as the two functions above say.
bool DecodeToUtf16(UINT cp, const char* src, size_t len, bool failOnInvalid,
                   std::u16string& result) {
    CConverter& conv = IsUtf8(cp) ? Utf8ToUtf16() : Gbk2Utf16();
    std::string bytes;
    while (!conv.Step(src, len, bytes)) {
        size_t used = IsUtf8(cp) ? DecodeUtf8Gap(failOnInvalid, bytes)
                                 : DecodeGbkGap(src, len, failOnInvalid, bytes);
        if (used == 0)
            return false;
        src += used;
        len -= used;
    }
    result.assign(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
    return true;
}

bool IsHighSurrogate(WCHAR c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(WCHAR c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// What 936 writes for a character GBK lacks: the user-defined code of a
// private-use character, a best fit when allowed, else the default character.
void EncodeGbkGap(WCHAR ch, const std::string& defaultChar, bool bestFit, std::string& out,
                  bool& usedDefault) {
    if (WORD code = platform::kernel::PrivateUseToUserDefined(ch); code != 0) {
        out += char(code >> 8);
        out += char(code & 0xFF);
        return;
    }
    WCHAR fit = bestFit ? platform::kernel::BestFitFor(ch) : 0;
    const char* in = reinterpret_cast<const char*>(&fit);
    size_t inLeft = 2;
    if (fit != 0 && Utf16ToGbk().Step(in, inLeft, out))
        return;
    out += defaultChar;
    usedDefault = true;
}

// UTF-16 to bytes. A character the target lacks (or a lone surrogate) is
// handled once per character.
std::string EncodeFromUtf16(UINT cp, const WCHAR* src, size_t units, const std::string& defaultChar,
                            bool bestFit, bool& usedDefault) {
    CConverter& conv = IsUtf8(cp) ? Utf16ToUtf8() : Utf16ToGbk();
    std::string out;
    const char* in = reinterpret_cast<const char*>(src);
    size_t inLeft = units * 2;
    while (!conv.Step(in, inLeft, out)) {
        const WCHAR* bad = reinterpret_cast<const WCHAR*>(in);
        bool pair = inLeft >= 4 && IsHighSurrogate(bad[0]) && IsLowSurrogate(bad[1]);
        size_t skip = pair ? 4 : 2;
        if (IsUtf8(cp))
            out += "\xEF\xBF\xBD";
        else
            EncodeGbkGap(pair ? WCHAR(0) : bad[0], defaultChar, bestFit, out, usedDefault);
        in += skip;
        inLeft = inLeft > skip ? inLeft - skip : 0;
    }
    return out;
}

// The caller's default character: one byte, or a whole double-byte one.
std::string DefaultCharOf(LPCSTR lpDefaultChar) {
    if (lpDefaultChar == nullptr || *lpDefaultChar == '\0')
        return "?";
    bool twoBytes = IsDBCSLeadByte(BYTE(lpDefaultChar[0])) && lpDefaultChar[1] != '\0';
    return std::string(lpDefaultChar, twoBytes ? 2 : 1);
}

}  // namespace

UINT GetACP() {
    return CP_GBK;
}

BOOL IsDBCSLeadByte(BYTE TestChar) {
    return TestChar >= 0x81 && TestChar <= 0xFE;
}

LPSTR CharNextA(LPCSTR lpsz) {
    if (*lpsz == '\0')
        return const_cast<LPSTR>(lpsz);
    if (IsDBCSLeadByte(static_cast<BYTE>(*lpsz)) && lpsz[1] != '\0')
        return const_cast<LPSTR>(lpsz + 2);
    return const_cast<LPSTR>(lpsz + 1);
}

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar) {
    if (!IsSupportedCodePage(CodePage) || lpMultiByteStr == nullptr || cbMultiByte == 0 ||
        cbMultiByte < -1 || cchWideChar < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t len = cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : size_t(cbMultiByte);
    std::u16string wide;
    if (!DecodeToUtf16(CodePage, lpMultiByteStr, len, (dwFlags & MB_ERR_INVALID_CHARS) != 0,
                       wide)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    if (cchWideChar == 0)
        return int(wide.size());
    if (wide.size() > size_t(cchWideChar)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(lpWideCharStr, wide.data(), wide.size() * sizeof(WCHAR));
    return int(wide.size());
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar) {
    if (!IsSupportedCodePage(CodePage) || lpWideCharStr == nullptr || cchWideChar == 0 ||
        cchWideChar < -1 || cbMultiByte < 0 ||
        (IsUtf8(CodePage) && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t units = size_t(cchWideChar);
    if (cchWideChar == -1) {
        units = 0;
        while (lpWideCharStr[units] != 0)
            ++units;
        ++units;
    }
    bool usedDefault = false;
    std::string out = EncodeFromUtf16(CodePage, lpWideCharStr, units, DefaultCharOf(lpDefaultChar),
                                      (dwFlags & WC_NO_BEST_FIT_CHARS) == 0, usedDefault);
    if (lpUsedDefaultChar)
        *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
    if (cbMultiByte == 0)
        return int(out.size());
    if (out.size() > size_t(cbMultiByte)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(lpMultiByteStr, out.data(), out.size());
    return int(out.size());
}

namespace platform {

namespace {
std::string Convert(UINT from, UINT to, const char* text) {
    if (text == nullptr || *text == '\0')
        return std::string();
    std::u16string wide;
    DecodeToUtf16(from, text, std::strlen(text), false, wide);
    bool usedDefault = false;
    return EncodeFromUtf16(to, wide.data(), wide.size(), "?", true, usedDefault);
}
}  // namespace

std::string AnsiToUtf8(const char* text) {
    return Convert(CP_ACP, CP_UTF8, text);
}
std::string Utf8ToAnsi(const char* text) {
    return Convert(CP_UTF8, CP_ACP, text);
}

}  // namespace platform
