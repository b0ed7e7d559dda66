// Split, replace, trim, conversion, Base64, XOR, path and version helpers.
#include "app/util/Utilities.h"

#include "app/util/SplitPieces.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>

using Pieces = std::vector<std::string>;

namespace {
const char GBK_TRAIL_BACKSLASH[] = "\x81\x5C";  // a double-byte character ending in "\\"
}

TEST(SplitString, KeepsEmptyPiecesAndTheRest) {
    Pieces out{"stale"};
    EXPECT_EQ(SplitString(out, "1.0.6.0", "."), 4);
    EXPECT_EQ(out, (Pieces{"1", "0", "6", "0"}));
    EXPECT_EQ(SplitString(out, ":", ":"), 2);
    EXPECT_EQ(out, (Pieces{"", ""}));
    EXPECT_EQ(SplitString(out, "a,b", ","), 2);
    EXPECT_EQ(SplitString(out, "a,,b", ","), 3);
    EXPECT_EQ(out, (Pieces{"a", "", "b"}));
    EXPECT_EQ(SplitString(out, "a,", ","), 2);
    EXPECT_EQ(out, (Pieces{"a", ""}));
    EXPECT_EQ(SplitString(out, ",a", ","), 2);
    EXPECT_EQ(out, (Pieces{"", "a"}));
    EXPECT_EQ(SplitString(out, "", ","), 0);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(SplitString(out, "abc", ","), 1);
    EXPECT_EQ(out, (Pieces{"abc"}));
}

TEST(SplitString, MultiByteSeparatorsDoNotOverlap) {
    Pieces out;
    EXPECT_EQ(SplitString(out, "a::b:::c", "::"), 3);
    EXPECT_EQ(out, (Pieces{"a", "b", ":c"}));
}

TEST(SplitString, NeverCutsInsideADoubleByteCharacter) {
    Pieces out;
    std::string text = std::string("x") + GBK_TRAIL_BACKSLASH + "y\\z";
    EXPECT_EQ(SplitString(out, text, "\\"), 2);
    EXPECT_EQ(out[0], std::string("x") + GBK_TRAIL_BACKSLASH + "y");
    EXPECT_EQ(out[1], "z");
}

TEST(SplitPieces, GivesTheSplitPiecesAsViewsIntoTheText) {
    const char* const TEXTS[] = {"1.0.6.0", ".", "a..b.", ".a", "", "abc"};
    for (const char* pstrText : TEXTS) {
        std::string text = pstrText;
        Pieces expected, walked;
        SplitString(expected, text, ".");
        CSplitPieces pieces(text, ".");
        for (std::string_view piece; pieces.Next(piece);) {
            EXPECT_GE(piece.data(), text.data());
            EXPECT_LE(piece.data() + piece.size(), text.data() + text.size());
            walked.emplace_back(piece);
        }
        EXPECT_EQ(walked, expected) << pstrText;
    }
}

// A text of nothing but separators has a piece per byte: walking them
// copies none, so every piece points back into the text.
TEST(SplitPieces, AHugeTextOfSeparatorsCostsNoCopies) {
    const std::string text(size_t(8) << 20, ':');
    CSplitPieces pieces(text, ":");
    size_t nCount = 0;
    bool bAllInPlace = true;
    for (std::string_view piece; pieces.Next(piece); ++nCount)
        bAllInPlace = bAllInPlace && piece.empty() && piece.data() == text.data() + nCount;
    EXPECT_EQ(nCount, text.size() + 1);
    EXPECT_TRUE(bAllInPlace);
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRereplacing) {
    EXPECT_EQ(ReplaceAll("{a}", "{", ""), "a}");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("abc", "x", "y"), "abc");
    EXPECT_EQ(ReplaceAll("abc", "b", "b"), "abc");
    EXPECT_EQ(ReplaceAll("[\"a\",\"b\"]", "\"", ""), "[a,b]");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");  // an empty pattern cannot loop
}

TEST(ReplaceAll, StopsAtTheFirstZeroByte) {
    EXPECT_EQ(ReplaceAll(std::string("a{b\0{c", 6), "{", ""), "ab");
}

TEST(ReplaceAll, LeavesTrailBytesOfDoubleByteCharactersAlone) {
    std::string text = std::string(GBK_TRAIL_BACKSLASH) + "\\";
    EXPECT_EQ(ReplaceAll(text, "\\", "/"), std::string(GBK_TRAIL_BACKSLASH) + "/");
}

TEST(TrimString, RemovesOnlyTheFourBlankCharacters) {
    EXPECT_EQ(TrimString("  \t\r\n1.0.7 \n"), "1.0.7");
    EXPECT_EQ(TrimString("     "), "");
    EXPECT_EQ(TrimString(""), "");
    EXPECT_EQ(TrimString(nullptr), "");
    EXPECT_EQ(TrimString("\v x \f"), "\v x \f");
    EXPECT_EQ(TrimString(" a b "), "a b");
}

TEST(Utf8ToAnsi, ConvertsToCodePage936WithDefaultCharacter) {
    EXPECT_EQ(Utf8ToAnsi("\xE7\xBA\xBF\xE8\xB7\xAF"), "\xCF\xDF\xC2\xB7");
    EXPECT_EQ(Utf8ToAnsi("v\xED\x95\x9C"
                         "1"),
              "v?1");                                  // Hangul is not in 936
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC"), "\x80");     // the euro sign is, as 0x80
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");  // nor is an emoji
    EXPECT_EQ(Utf8ToAnsi("plain"), "plain");
    EXPECT_EQ(Utf8ToAnsi(""), "");
    EXPECT_EQ(Utf8ToAnsi(nullptr), "");
}

namespace {
std::string Decode(const std::string& in, int capacity, int* result = nullptr) {
    std::string out(size_t(capacity), '\0');
    int cap = capacity;
    int r = Base64Decode(int(in.size()), reinterpret_cast<const unsigned char*>(in.data()),
                         reinterpret_cast<unsigned char*>(out.data()), &cap);
    if (result)
        *result = r;
    out.resize(size_t(std::min(cap, capacity)));
    return out;
}
}  // namespace

TEST(Base64Decode, DecodesTheStandardAlphabetSkippingEverythingElse) {
    int r = 0;
    EXPECT_EQ(Decode("QUJD", 16, &r), "ABC");
    EXPECT_EQ(r, 1);
    EXPECT_EQ(Decode("QU JD", 16), "ABC");
    EXPECT_EQ(Decode("QU\r\nJD", 16), "ABC");
    EXPECT_EQ(Decode("QUI=", 16), "AB");
    EXPECT_EQ(Decode("QQ==", 16), "A");
    EXPECT_EQ(Decode("QUJDQ", 16), "ABC");  // a lone last character gives nothing
    EXPECT_EQ(Decode("-_QUJD", 16), "ABC");
    EXPECT_EQ(Decode("+/+/", 16), "\xFB\xFF\xBF");
    EXPECT_EQ(Decode("", 16, &r), "");
    EXPECT_EQ(r, 1);
}

TEST(Base64Decode, StopsAtAZeroByteAtTheStartOfAGroup) {
    EXPECT_EQ(Decode(std::string("QUJD\0QUJD", 9), 16), "ABC");
}

TEST(Base64Decode, MeasureOnlyReportsFailureButTheSize) {
    int cap = 0;
    const unsigned char in[] = "QUJDREVG";
    EXPECT_EQ(Base64Decode(8, in, nullptr, &cap), 0);
    EXPECT_EQ(cap, 6);
    EXPECT_EQ(Base64Decode(8, nullptr, nullptr, &cap), 0);
    unsigned char out[8];
    EXPECT_EQ(Base64Decode(8, in, out, nullptr), 0);
}

TEST(Base64Decode, OverCapacityWritesNothingMoreButCountsOn) {
    unsigned char out[4] = {'x', 'x', 'x', 'x'};
    int cap = 2;
    const unsigned char in[] = "QUJD";
    EXPECT_EQ(Base64Decode(4, in, out, &cap), 0);
    EXPECT_EQ(cap, 3);
    EXPECT_EQ(out[0], 'x');  // the group did not fit, so nothing was written

    unsigned char six[8] = {0};
    cap = 4;
    const unsigned char two[] = "QUJDREVG";
    EXPECT_EQ(Base64Decode(8, two, six, &cap), 0);
    EXPECT_EQ(cap, 6);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(six), 3), "ABC");
    EXPECT_EQ(six[3], 0);
}

TEST(XorDecode, RoundTripsAndEndsAtTheFirstZero) {
    const char* url = "https://line-7.example.test:8443";
    std::string scrambled = XorDecode(url);
    EXPECT_EQ(scrambled.size(), std::strlen(url));
    EXPECT_NE(scrambled, url);
    EXPECT_EQ(XorDecode(scrambled.c_str()), url);

    // The key repeats every 36 bytes.
    std::string longText(80, 'a');
    std::string s = XorDecode(longText.c_str());
    EXPECT_EQ(s[0], s[36]);
    EXPECT_EQ(s[5], s[41]);
    EXPECT_EQ(XorDecode(s.c_str()), longText);

    EXPECT_EQ(XorDecode(nullptr), "");
    EXPECT_EQ(XorDecode(""), "");
    // A byte equal to its key byte ends the output.
    std::string early = std::string("ab") + PTLINE_XOR_KEY[2] + "cd";
    EXPECT_EQ(XorDecode(early.c_str()).size(), 2u);
}

// Worked out by hand from the key, outside this code: catches a wrong key or
// key offset that a round trip through the same function cannot.
TEST(XorDecode, ScramblesWithTheLineKey) {
    const unsigned char expected[] = {0x39, 0x23, 0x31, 0x22, 0x27, 0x63, 0x7a, 0x66,
                                      0x23, 0x39, 0x22, 0x2e, 0x67, 0x7f, 0x69, 0x23,
                                      0x3c, 0x32, 0x2c, 0x2a, 0x34, 0x26, 0x78, 0x36,
                                      0x2b, 0x3e, 0x5d, 0x12, 0x12, 0x12, 0x6a, 0x16};
    EXPECT_EQ(XorDecode("https://line-7.example.test:8443"),
              std::string(reinterpret_cast<const char*>(expected), sizeof(expected)));
}

TEST(Paths, ProgramAndTemporaryFoldersEndInSlash) {
    std::string exe = GetExePath();
    std::string dir = GetExeDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(exe.compare(0, dir.size(), dir), 0);
    EXPECT_EQ(exe.find('/', dir.size()), std::string::npos);

    const char* old = getenv("TMPDIR");
    std::string saved = old ? old : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(GetTempDir(), "/var/tmp/");
    setenv("TMPDIR", std::string(300, 'x').c_str(), 1);  // longer than the buffer
    EXPECT_EQ(GetTempDir(), "");
    if (old)
        setenv("TMPDIR", saved.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

TEST(ProductVersion, ProgramHasOneOtherFilesNone) {
    EXPECT_EQ(GetProductVersion(nullptr), LUMORA_PRODUCT_VERSION);
    EXPECT_EQ(GetProductVersion(GetExePath().c_str()), LUMORA_PRODUCT_VERSION);
    EXPECT_EQ(GetProductVersion("/bin/sh"), "");
    EXPECT_EQ(GetProductVersion("/no/such/file"), "");
}
