// The program's code page 936 where it meets the system: conversions and character steps.
#include <gtest/gtest.h>

#include <string>

#include "platform/kernel.h"

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

struct Texts {
    const char* gbk;  // the literals are code page 936
    const char8_t* utf8;
    const wchar_t* wide;
};

const Texts TEXTS[] = {
    {"", u8"", L""},
    {"Lumora", u8"Lumora", L"Lumora"},
    {"中文", u8"中文", L"中文"},
    {"Lumora-升级提示", u8"Lumora-升级提示", L"Lumora-升级提示"},
    {"线路不可用，请稍后重试！", u8"线路不可用，请稍后重试！", L"线路不可用，请稍后重试！"},
};

}  // namespace

TEST(CodePageWin, EveryEdgeConvertsBothWays) {
    for (const Texts& t : TEXTS) {
        SCOPED_TRACE(Utf8(t.utf8));
        EXPECT_EQ(platform::AnsiToWide(t.gbk), t.wide);
        EXPECT_EQ(platform::WideToAnsi(t.wide), t.gbk);
        EXPECT_EQ(platform::AnsiToUtf8(t.gbk), Utf8(t.utf8));
        EXPECT_EQ(platform::Utf8ToAnsi(Utf8(t.utf8).c_str()), t.gbk);
        EXPECT_EQ(platform::Utf8ToWide(Utf8(t.utf8).c_str()), t.wide);
    }
}

TEST(CodePageWin, GivenLengthsStopThereAndNullIsEmpty) {
    EXPECT_EQ(platform::AnsiToWide("中文abc", 4), L"中文");
    EXPECT_EQ(platform::AnsiToWide("中文", 0), L"");
    EXPECT_EQ(platform::WideToAnsi(L"中文abc", 1), "中");
    EXPECT_EQ(platform::AnsiToWide(nullptr), L"");
    EXPECT_EQ(platform::WideToAnsi(nullptr), "");
    EXPECT_EQ(platform::AnsiToUtf8(nullptr), "");
}

TEST(CodePageWin, AcpMeans936WhateverTheSystemPageIs) {
    wchar_t szWide[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "中文", -1, szWide, 8), 3);
    EXPECT_STREQ(szWide, L"中文");
}

TEST(CodePageWin, CharacterStepsKeepDoubleBytesWhole) {
    struct Step {
        const char* text;
        int step;
    } const steps[] = {
        {"", 0}, {"a中", 1}, {"中a", 2}, {"\xD6", 1},  // a lead byte before the end stands alone
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(CharNextA(s.text) - s.text, s.step);
    }
    EXPECT_TRUE(IsDBCSLeadByte(0xD6));
    EXPECT_FALSE(IsDBCSLeadByte('a'));
}

TEST(CodePageWin, PrefixesEndOnACharacterBoundary) {
    struct Cut {
        const char* text;
        size_t max;
        size_t length;
    } const cuts[] = {
        {"中文", 4, 4}, {"中文", 3, 2}, {"中文", 1, 0}, {"a中", 2, 1}, {"abc", 2, 2}, {"", 5, 0},
    };
    for (const Cut& c : cuts) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.max));
        EXPECT_EQ(platform::CharBoundaryPrefix(c.text, c.max), c.length);
    }
}
