// CUIString: storage threshold, double-byte aware copies and scans, replace, format.
#include <gtest/gtest.h>

#include <string>

#include "ui/core/UIString.h"

using Orvik::CUIString;

namespace {

// "中文": two double-byte characters of code page 936.
const char* const TWO_CHINESE = "中文";
// A double-byte character whose second byte is "\" and one whose second is "A".
const char* const TRAIL_BACKSLASH = "\x81\x5C";
const char* const TRAIL_A = "\x81\x41";

}  // namespace

TEST(UIStringTest, ShortContentIsInlineAndLongContentOnTheHeap) {
    CUIString str(std::string(62, 'a').c_str());
    EXPECT_FALSE(str.IsOnHeap());
    str = std::string(63, 'b').c_str();
    EXPECT_TRUE(str.IsOnHeap());
    EXPECT_EQ(str.GetLength(), 63);
    str = "xy";
    EXPECT_FALSE(str.IsOnHeap());
    EXPECT_STREQ(str, "xy");
}

TEST(UIStringTest, AppendCrossesTheThresholdAndKeepsContent) {
    CUIString str(std::string(60, 'a').c_str());
    str += "bcd";
    EXPECT_TRUE(str.IsOnHeap());
    EXPECT_EQ(std::string(str), std::string(60, 'a') + "bcd");
    str += str;  // appending itself must not read a moved block
    EXPECT_EQ(str.GetLength(), 126);
    EXPECT_EQ(std::string(str.Mid(63)), std::string(60, 'a') + "bcd");
    str.Empty();
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_FALSE(str.IsOnHeap());
}

TEST(UIStringTest, AssignWithLengthNeverSplitsADoubleByteCharacter) {
    CUIString str;
    str.Assign(TWO_CHINESE, 3);
    EXPECT_EQ(str.GetLength(), 2);
    EXPECT_EQ(std::string(str), std::string(TWO_CHINESE, 2));
    str.Assign(TWO_CHINESE, 4);
    EXPECT_STREQ(str, TWO_CHINESE);
    str.Assign("abc", 10);  // a limit past the end copies the whole text
    EXPECT_STREQ(str, "abc");
    str.Assign(nullptr);
    EXPECT_STREQ(str, "");
    EXPECT_EQ(CUIString(TWO_CHINESE).Left(1).GetLength(), 0);
}

TEST(UIStringTest, ReplaceDoesNotReplaceInsertedText) {
    CUIString str("aXa");
    EXPECT_EQ(str.Replace("a", "aa"), 2);
    EXPECT_STREQ(str, "aaXaa");
    EXPECT_EQ(str.Replace("Y", "z"), 0);
    EXPECT_EQ(str.Replace("aa", ""), 2);
    EXPECT_STREQ(str, "X");
    EXPECT_EQ(str.Replace("", "q"), 0);  // an empty pattern would never end
    EXPECT_STREQ(str, "X");
}

TEST(UIStringTest, ScansStepOverDoubleByteCharacters) {
    std::string text = std::string("a") + TRAIL_BACKSLASH + "b\\c";
    CUIString str(text.c_str());
    EXPECT_EQ(str.Find('\\'), 4);
    EXPECT_EQ(str.ReverseFind('\\'), 4);
    EXPECT_EQ(str.Find("\\c"), 4);
    CUIString upper((std::string(TRAIL_A) + "B").c_str());
    upper.MakeLower();
    EXPECT_EQ(std::string(upper), std::string(TRAIL_A) + "b");
}

TEST(UIStringTest, FindChecksItsStartPosition) {
    CUIString str("abcabc");
    EXPECT_EQ(str.Find('b', 2), 4);
    EXPECT_EQ(str.Find('b', 6), -1);
    EXPECT_EQ(str.Find('b', -1), -1);
    EXPECT_EQ(str.Find("bc", 5), -1);
    EXPECT_EQ(str.Find("", 6), 6);
    EXPECT_EQ(str.Find("bc", 7), -1);
    EXPECT_EQ(CUIString().Find('a'), -1);
}

TEST(UIStringTest, LeftAndMidClampTheirCounts) {
    CUIString str("hello");
    EXPECT_STREQ(str.Left(-3), "");
    EXPECT_STREQ(str.Left(99), "hello");
    EXPECT_STREQ(str.Mid(1, 3), "ell");
    EXPECT_STREQ(str.Mid(2), "llo");
    EXPECT_STREQ(str.Mid(2, 99), "llo");
    EXPECT_STREQ(str.Mid(2, 0), "");
    EXPECT_STREQ(str.Mid(5), "");
    EXPECT_STREQ(str.Right(2), "lo");
}

TEST(UIStringTest, CompareTreatsDoubleByteCharactersAsUnits) {
    CUIString str("Button");
    EXPECT_EQ(str.Compare("Button"), 0);
    EXPECT_NE(str.Compare("button"), 0);
    EXPECT_EQ(str.CompareNoCase("bUTTON"), 0);
    EXPECT_TRUE(str == "Button");
    EXPECT_FALSE(str == "button");
    EXPECT_TRUE(str == CUIString("Button"));
    EXPECT_TRUE(str != CUIString("button"));
    // As units 0xFF sorts before any double-byte character, unlike its bytes.
    EXPECT_LT(CUIString("\xFF").Compare(TWO_CHINESE), 0);
    EXPECT_LT(CUIString("ab").Compare("abc"), 0);
}

TEST(UIStringTest, FormatHasNoLengthLimit) {
    CUIString str;
    EXPECT_EQ(str.Format("%d-%s", 42, "x"), 4);
    EXPECT_STREQ(str, "42-x");
    std::string longText(1000, 'z');
    EXPECT_EQ(str.Format("[%s]", longText.c_str()), 1002);
    EXPECT_EQ(std::string(str), "[" + longText + "]");
    EXPECT_EQ(str.Format("%s!", str.GetData()), 1003);  // formatting from itself
}
