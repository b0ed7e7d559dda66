// CXmlMarkup: every parse error with the text where it happened.
#include <gtest/gtest.h>

#include <string>

#include "ui/markup/XmlMarkup.h"

using Orvik::CXmlMarkup;

namespace {

struct ErrorCase {
    const char* pstrXml;
    const char* pstrMessage;
    const char* pstrLocation;
};

const ErrorCase ERROR_CASES[] = {
    {"hello", "Expected start tag", "hello"},
    {"<Window><Label/>more</Window>", "Expected start tag", "more</Window>"},
    {"<Window><VBox><Label/>", "Expected start tag", ""},
    {"<Window", "Error parsing element name", ""},
    {"<Window /x>", "Expected start-tag closing", "/x>"},
    {"<Window><A><B>text", "Expected end-tag start", ""},
    {"<Window></Win>", "Unmatched closing tag", "Win>"},
    {"<Window><Label></LabelX></Window>", "Unmatched closing tag", "></Window>"},
    {"<Window></Window", "Unmatched closing tag", ""},
    {"<Window a>", "Error while parsing attributes", ">"},
    {"<Window a='1'>", "Expected attribute value", "1'>"},
    {"<Window a=", "Expected attribute value", ""},
    {"<Window a=\"1", "Error while parsing attribute string", ""},
};

}  // namespace

TEST(XmlMarkupErrorTest, EachErrorHasItsMessageAndLocation) {
    for (const ErrorCase& c : ERROR_CASES) {
        CXmlMarkup doc;
        EXPECT_FALSE(doc.Load(c.pstrXml)) << c.pstrXml;
        EXPECT_STREQ(doc.GetLastErrorMessage(), c.pstrMessage) << c.pstrXml;
        EXPECT_STREQ(doc.GetLastErrorLocation(), c.pstrLocation) << c.pstrXml;
        EXPECT_FALSE(doc.GetRoot().IsValid()) << c.pstrXml;
    }
}

TEST(XmlMarkupErrorTest, LocationIsCutAtFortyNineBytes) {
    CXmlMarkup doc;
    EXPECT_FALSE(doc.Load(("<Window/>" + std::string(80, 'x')).c_str()));
    EXPECT_EQ(std::string(doc.GetLastErrorLocation()), std::string(49, 'x'));
}

TEST(XmlMarkupErrorTest, ErrorStaysUntilTheNextLoad) {
    CXmlMarkup doc("<Window a>");
    EXPECT_STREQ(doc.GetLastErrorMessage(), "Error while parsing attributes");
    doc.Release();
    EXPECT_STREQ(doc.GetLastErrorMessage(), "Error while parsing attributes");
    EXPECT_TRUE(doc.Load("<Window/>"));
    EXPECT_STREQ(doc.GetLastErrorMessage(), "");
    EXPECT_STREQ(doc.GetLastErrorLocation(), "");
}

TEST(XmlMarkupErrorTest, TextBetweenChildrenFailsButBlanksAndCommentsDoNot) {
    CXmlMarkup doc;
    EXPECT_FALSE(doc.Load("<Window><A/>text<B/></Window>"));
    EXPECT_STREQ(doc.GetLastErrorMessage(), "Expected start tag");
    EXPECT_TRUE(doc.Load("<Window><A/>\n\t <!-- note --> <B/></Window>"));
    EXPECT_STREQ(doc.GetRoot().GetFirstChild().GetNextSibling().GetTagName(), "B");
}
