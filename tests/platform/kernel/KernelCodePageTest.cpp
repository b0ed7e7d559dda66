// Code page 936 / UTF-8 / UTF-16 conversion and the double-byte helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/kernel.h"

namespace {

// "线路" in code page 936, and a character whose trail byte is "\\".
const char GBK_XIANLU[] = "\xCF\xDF\xC2\xB7";
const char GBK_TRAIL_BACKSLASH[] = "\x81\x5C";

std::u16string ToWide(UINT cp, const std::string& text) {
    int n = MultiByteToWideChar(cp, 0, text.c_str(), int(text.size()), nullptr, 0);
    std::u16string wide(size_t(n), u'\0');
    EXPECT_EQ(MultiByteToWideChar(cp, 0, text.c_str(), int(text.size()), wide.data(), n), n);
    return wide;
}

std::string FromWide(UINT cp, const std::u16string& wide, BOOL* usedDefault = nullptr) {
    int n =
        WideCharToMultiByte(cp, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, usedDefault);
    std::string text(size_t(n), '\0');
    WideCharToMultiByte(cp, 0, wide.data(), int(wide.size()), text.data(), n, nullptr, usedDefault);
    return text;
}

}  // namespace

TEST(KernelCodePage, ActiveCodePageIs936) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(KernelCodePage, LeadBytesAreTheGbkRange) {
    EXPECT_FALSE(IsDBCSLeadByte(0x00));
    EXPECT_FALSE(IsDBCSLeadByte(0x5C));
    EXPECT_FALSE(IsDBCSLeadByte(0x80));
    EXPECT_TRUE(IsDBCSLeadByte(0x81));
    EXPECT_TRUE(IsDBCSLeadByte(0xCF));
    EXPECT_TRUE(IsDBCSLeadByte(0xFE));
    EXPECT_FALSE(IsDBCSLeadByte(0xFF));
}

TEST(KernelCodePage, CharNextStepsOverWholeCharacters) {
    std::string text = std::string("a") + GBK_TRAIL_BACKSLASH + "\\b";
    const char* p = text.c_str();
    p = CharNextA(p);  // past "a"
    EXPECT_EQ(p, text.c_str() + 1);
    p = CharNextA(p);  // past the double-byte character, its "\\" trail included
    EXPECT_EQ(p, text.c_str() + 3);
    EXPECT_EQ(*p, '\\');
    p = CharNextA(CharNextA(p));
    EXPECT_EQ(*p, '\0');
    EXPECT_EQ(CharNextA(p), p);  // stays on the terminator

    const char leadAtEnd[] = "\x81";
    EXPECT_EQ(CharNextA(leadAtEnd), leadAtEnd + 1);  // never steps over the terminator
}

TEST(KernelCodePage, GbkAndUtf8RoundTripThroughUtf16) {
    std::u16string wide = ToWide(CP_ACP, GBK_XIANLU);
    EXPECT_EQ(wide, u"线路");
    EXPECT_EQ(FromWide(CP_UTF8, wide), "\xE7\xBA\xBF\xE8\xB7\xAF");
    EXPECT_EQ(FromWide(CP_GBK, wide), GBK_XIANLU);
    EXPECT_EQ(ToWide(CP_UTF8, "\xF0\x9F\x98\x80"), u"\U0001F600");  // surrogate pair
    EXPECT_EQ(ToWide(CP_ACP, GBK_TRAIL_BACKSLASH), u"\u4E57");
}

TEST(KernelCodePage, MinusOneLengthIncludesTheTerminator) {
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, nullptr, 0), 4);
    WCHAR wide[4];
    ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, wide, 4), 4);
    EXPECT_EQ(wide[3], 0);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr), 4);
}

TEST(KernelCodePage, TooSmallBufferFailsWithInsufficientBuffer) {
    WCHAR wide[2];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, wide, 2), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    char narrow[1];
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"线", 1, narrow, 1, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
}

TEST(KernelCodePage, InvalidUtf8BecomesReplacementOrFails) {
    EXPECT_EQ(ToWide(CP_UTF8, "a\xFFz"), u"a\uFFFDz");
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFFz", 3, nullptr, 0), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_UNICODE_TRANSLATION));
    // A lead byte cut off at the end of a 936 text does not swallow anything.
    EXPECT_EQ(ToWide(CP_ACP, "ab\xCF"), u"ab?");
}

TEST(KernelCodePage, CharactersOutsideCodePage936BecomeTheDefaultCharacter) {
    BOOL usedDefault = FALSE;
    EXPECT_EQ(FromWide(CP_ACP, u"a\uD55Cb", &usedDefault), "a?b");  // Hangul is not in 936
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(FromWide(CP_ACP, u"x\U0001F600y", &usedDefault), "x?y");  // one per character
    usedDefault = TRUE;
    EXPECT_EQ(FromWide(CP_ACP, u"线", &usedDefault), "\xCF\xDF");
    EXPECT_FALSE(usedDefault);

    char text[8] = {0};
    int n = WideCharToMultiByte(CP_ACP, 0, u"\uD55C", 1, text, 8, "#", nullptr);
    EXPECT_EQ(std::string(text, size_t(n)), "#");
}

TEST(KernelCodePage, EdgeHelpersConvertWholeTexts) {
    EXPECT_EQ(platform::AnsiToUtf8(GBK_XIANLU), "\xE7\xBA\xBF\xE8\xB7\xAF");
    EXPECT_EQ(platform::Utf8ToAnsi("\xE7\xBA\xBF\xE8\xB7\xAF"), GBK_XIANLU);
    EXPECT_EQ(platform::AnsiToUtf8(nullptr), "");
    EXPECT_EQ(platform::AnsiToUtf8(""), "");
}

namespace {

struct Cp936Case {
    const char* what;
    std::string bytes;    // code page 936 (empty: only encoded)
    std::u16string wide;  // what the bytes decode to
    std::string encoded;  // what the wide text encodes to (flags, default)
    DWORD flags = 0;      // for WideCharToMultiByte
    const char* defaultChar = nullptr;
    BOOL usedDefault = FALSE;
};

}  // namespace

// Code page 936 where GBK alone is not enough: invalid pairs, user-defined
// areas, best fit and double-byte default characters.
TEST(KernelCodePage, Cp936GapsConvertAsTheActiveCodePageDoes) {
    const Cp936Case CASES[] = {
        {"lead byte with an invalid trail is one ?", "\x81\x30", u"?", "?"},
        {"invalid trail between letters", "a\x81\x30z", u"a?z", "a?z"},
        {"lead byte at the end alone", "a\x81", u"a?", "a?"},
        {"first user-defined area", "\xAA\xA1", u"\uE000", "\xAA\xA1"},
        {"end of the first area", "\xAF\xFE", u"\uE233", "\xAF\xFE"},
        {"second area", "\xF8\xA1", u"\uE234", "\xF8\xA1"},
        {"end of the second area", "\xFE\xFE", u"\uE4C5", "\xFE\xFE"},
        {"third area, low trail", "\xA1\x40", u"\uE4C6", "\xA1\x40"},
        {"third area, trail after 7F", "\xA1\x80", u"\uE505", "\xA1\x80"},
        {"end of the third area", "\xA7\xA0", u"\uE765", "\xA7\xA0"},
        {"best fit", "", u"\u00B2", "2"},
        {"best fit of a letter", "", u"\u00C5", "A"},
        {"best fit into GBK", "", u"\u00A5", "\xA3\xA4"},
        {"no best fit asked", "", u"\u00B2", "?", WC_NO_BEST_FIT_CHARS, nullptr, TRUE},
        {"double-byte default", "", u"x\u00B2", "x\xA1\xA1", WC_NO_BEST_FIT_CHARS, "\xA1\xA1",
         TRUE},
        {"nothing fits: default", "", u"\u0E01", "\xA1\xF1", 0, "\xA1\xF1", TRUE},
    };
    for (const Cp936Case& c : CASES) {
        if (!c.bytes.empty()) {
            EXPECT_EQ(ToWide(CP_ACP, c.bytes), c.wide) << c.what;
        }
        int n = WideCharToMultiByte(CP_ACP, c.flags, c.wide.data(), int(c.wide.size()), nullptr, 0,
                                    c.defaultChar, nullptr);
        std::string text(size_t(std::max(n, 0)), '\0');
        BOOL used = FALSE;
        EXPECT_EQ(WideCharToMultiByte(CP_ACP, c.flags, c.wide.data(), int(c.wide.size()),
                                      text.data(), n, c.defaultChar, &used),
                  n)
            << c.what;
        EXPECT_EQ(text, c.encoded) << c.what;
        EXPECT_EQ(used, c.usedDefault) << c.what;
    }
}

TEST(KernelCodePage, StrictDecodingAcceptsUserDefinedCodesOnly) {
    WCHAR wide[4];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\xAA\xA1", 2, wide, 4), 1);
    EXPECT_EQ(wide[0], 0xE000);
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\x81\x30", 2, wide, 4), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_UNICODE_TRANSLATION));
}
