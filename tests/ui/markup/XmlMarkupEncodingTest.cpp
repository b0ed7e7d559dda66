// CXmlMarkup::LoadFromMemory: UTF-8 with and without a mark, UTF-16, ANSI.
#include <gtest/gtest.h>

#include <string>

#include "ui/markup/XmlMarkup.h"

using Orvik::CXmlMarkup;
using Orvik::MarkupEncoding;

namespace {

bool LoadBytes(CXmlMarkup& doc, const std::string& bytes, MarkupEncoding encoding) {
    return doc.LoadFromMemory(reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size()),
                              encoding);
}

// UTF-8 bytes of <Label text="中文"/>, written out so the source's narrow
// execution character set does not apply.
const std::string UTF8_LABEL = "<Label text=\"\xE4\xB8\xAD\xE6\x96\x87\"/>";

}  // namespace

TEST(XmlMarkupEncodingTest, Utf8WithAndWithoutMarkGiveTheSameCodePageText) {
    CXmlMarkup plain;
    ASSERT_TRUE(LoadBytes(plain, UTF8_LABEL, MarkupEncoding::Utf8));
    CXmlMarkup marked;
    ASSERT_TRUE(LoadBytes(marked, "\xEF\xBB\xBF" + UTF8_LABEL, MarkupEncoding::Utf8));
    EXPECT_STREQ(plain.GetRoot().GetAttributeValue(0), "中文");
    EXPECT_STREQ(marked.GetRoot().GetAttributeValue(0), "中文");
}

TEST(XmlMarkupEncodingTest, CharactersOutsideTheCodePageBecomeTheDefaultCharacter) {
    CXmlMarkup doc;
    // U+1F600 has no code page 936 form.
    ASSERT_TRUE(LoadBytes(doc, "<Label text=\"a\xF0\x9F\x98\x80z\"/>", MarkupEncoding::Utf8));
    EXPECT_STREQ(doc.GetRoot().GetAttributeValue(0), "a?z");
}

TEST(XmlMarkupEncodingTest, Utf16NeedsAByteOrderMark) {
    std::u16string text = u"<Window title=\"\u4E2D\"/>";
    std::string little = "\xFF\xFE";
    std::string big = "\xFE\xFF";
    for (char16_t ch : text) {
        little += char(ch & 0xFF);
        little += char(ch >> 8);
        big += char(ch >> 8);
        big += char(ch & 0xFF);
    }
    CXmlMarkup doc;
    ASSERT_TRUE(LoadBytes(doc, little, MarkupEncoding::Utf16));
    EXPECT_STREQ(doc.GetRoot().GetAttributeValue(0), "中");
    std::string bigCopy = big;
    ASSERT_TRUE(LoadBytes(doc, big, MarkupEncoding::Utf16));
    EXPECT_STREQ(doc.GetRoot().GetAttributeValue(0), "中");
    EXPECT_EQ(big, bigCopy);  // the caller's bytes are left as they were
    EXPECT_FALSE(LoadBytes(doc, little.substr(2), MarkupEncoding::Utf16));
    EXPECT_FALSE(doc.GetRoot().IsValid());
}

TEST(XmlMarkupEncodingTest, AnsiBytesAreTakenAsTheyAre) {
    CXmlMarkup doc;
    ASSERT_TRUE(
        LoadBytes(doc, std::string("<Label text=\"") + "中文" + "\"/>", MarkupEncoding::Ansi));
    EXPECT_STREQ(doc.GetRoot().GetAttributeValue(0), "中文");
}
