// CXmlMarkup: the accepted document shapes, the tree and the attributes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/markup/XmlMarkup.h"

using Orvik::CXmlMarkup;
using Orvik::CXmlMarkupNode;

namespace {

std::vector<std::string> ChildTags(const CXmlMarkupNode& parent) {
    std::vector<std::string> tags;
    for (CXmlMarkupNode node = parent.GetFirstChild(); node.IsValid(); node = node.GetNextSibling())
        tags.push_back(node.GetTagName());
    return tags;
}

}  // namespace

TEST(XmlMarkupTest, RootAloneLoads) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Window>"));
    CXmlMarkupNode root = doc.GetRoot();
    ASSERT_TRUE(root.IsValid());
    EXPECT_STREQ(root.GetTagName(), "Window");
    EXPECT_FALSE(root.HasChildren());
    EXPECT_FALSE(root.GetFirstChild().IsValid());
}

TEST(XmlMarkupTest, MissingEndTagsAtTheTopTwoLevelsAreAccepted) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Window size=\"1,2\"><VBox>text"));
    EXPECT_STREQ(doc.GetRoot().GetTagName(), "Window");
    EXPECT_STREQ(doc.GetRoot().GetFirstChild().GetTagName(), "VBox");
    EXPECT_FALSE(doc.Load("<Window><VBox><Label>"));
    EXPECT_STREQ(doc.GetLastErrorMessage(), "Expected end-tag start");
}

TEST(XmlMarkupTest, EmptyElementsWithAndWithoutSpace) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Window><Label/><Label /><Label x=\"1\"/></Window>"));
    EXPECT_EQ(ChildTags(doc.GetRoot()), (std::vector<std::string>{"Label", "Label", "Label"}));
    CXmlMarkupNode first = doc.GetRoot().GetFirstChild();
    EXPECT_EQ(first.GetAttributeCount(), 0);
    EXPECT_FALSE(first.GetNextSibling().HasAttributes());
    CXmlMarkupNode third = first.GetNextSibling().GetNextSibling();
    ASSERT_EQ(third.GetAttributeCount(), 1);
    EXPECT_STREQ(third.GetAttributeValue(0), "1");
}

TEST(XmlMarkupTest, EndTagsMayHoldWhitespace) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Window><Label></Label ><Text></ Text\n></Window >"));
    EXPECT_EQ(ChildTags(doc.GetRoot()), (std::vector<std::string>{"Label", "Text"}));
}

TEST(XmlMarkupTest, DeclarationsCommentsAndNesting) {
    CXmlMarkup doc;
    ASSERT_TRUE(
        doc.Load("<?xml version=\"1.0\"?>\n<!-- skin -->\n<Window>\n"
                 "  <VBox><HBox><Button name=\"a\"/></HBox></VBox>\n"
                 "  <Label/>\n</Window>\n"));
    CXmlMarkupNode root = doc.GetRoot();
    EXPECT_EQ(ChildTags(root), (std::vector<std::string>{"VBox", "Label"}));
    CXmlMarkupNode button = root.GetFirstChild().GetFirstChild().GetFirstChild();
    EXPECT_STREQ(button.GetTagName(), "Button");
    EXPECT_STREQ(button.GetAttributeName(0), "name");
}

TEST(XmlMarkupTest, ElementsAfterTheRootBecomeItsSiblings) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<A/><B/>"));
    EXPECT_STREQ(doc.GetRoot().GetTagName(), "A");
    EXPECT_STREQ(doc.GetRoot().GetNextSibling().GetTagName(), "B");
}

TEST(XmlMarkupTest, AttributesInDocumentOrderWithSpacedEquals) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Window a =\"1\" b= \"two words\"\n c=\"\"/>"));
    CXmlMarkupNode root = doc.GetRoot();
    ASSERT_EQ(root.GetAttributeCount(), 3);
    EXPECT_STREQ(root.GetAttributeName(0), "a");
    EXPECT_STREQ(root.GetAttributeValue(1), "two words");
    EXPECT_STREQ(root.GetAttributeName(2), "c");
    EXPECT_STREQ(root.GetAttributeValue(2), "");
    EXPECT_STREQ(root.GetAttributeName(3), "");
    EXPECT_STREQ(root.GetAttributeValue(-1), "");
}

TEST(XmlMarkupTest, EntitiesDecodeAndNumericReferencesStayLiteral) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Label text=\"&quot;a&amp;b&lt;c&gt;&apos;\" n=\"&#65;&x\" z=\"1\"/>"));
    CXmlMarkupNode label = doc.GetRoot();
    ASSERT_EQ(label.GetAttributeCount(), 3);
    EXPECT_STREQ(label.GetAttributeValue(0), "\"a&b<c>'");
    EXPECT_STREQ(label.GetAttributeValue(1), "&#65;&x");
    // A value shortened by decoding does not hide the attributes after it.
    EXPECT_STREQ(label.GetAttributeName(2), "z");
    EXPECT_STREQ(label.GetAttributeValue(2), "1");
}

TEST(XmlMarkupTest, OnlyTheFirstSixtyFourAttributesAreVisible) {
    std::string xml = "<Window";
    for (int i = 0; i < 70; i++)
        xml += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    xml += "/>";
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load(xml.c_str()));
    CXmlMarkupNode root = doc.GetRoot();
    EXPECT_EQ(root.GetAttributeCount(), 64);
    char szValue[8] = {};
    EXPECT_TRUE(root.FindAttribute("a63", szValue, sizeof(szValue) - 1));
    EXPECT_STREQ(szValue, "63");
    EXPECT_FALSE(root.FindAttribute("a64", szValue, sizeof(szValue) - 1));
}

TEST(XmlMarkupTest, FindAttributeIsCaseSensitiveAndBounded) {
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load("<Label Cover=\"true\" text=\"abcdef\"/>"));
    CXmlMarkupNode label = doc.GetRoot();
    char szValue[5] = {};
    EXPECT_FALSE(label.FindAttribute("cover", szValue, 4));
    EXPECT_TRUE(label.FindAttribute("Cover", szValue, 4));
    EXPECT_STREQ(szValue, "true");
    EXPECT_TRUE(label.FindAttribute("text", szValue, 4));
    EXPECT_STREQ(szValue, "abcd");
}

TEST(XmlMarkupTest, InvalidNodesAnswerNothing) {
    CXmlMarkupNode node;
    EXPECT_FALSE(node.IsValid());
    EXPECT_EQ(node.GetTagName(), nullptr);
    EXPECT_EQ(node.GetAttributeCount(), 0);
    EXPECT_EQ(node.GetAttributeName(0), nullptr);
    EXPECT_FALSE(node.GetFirstChild().IsValid());
    CXmlMarkup empty;
    EXPECT_FALSE(empty.GetRoot().IsValid());
}

TEST(XmlMarkupTest, ManyAndDeeplyNestedElements) {
    std::string wide = "<Window>";
    for (int i = 0; i < 3000; i++)
        wide += "<C i=\"" + std::to_string(i) + "\"/>";
    wide += "</Window>";
    CXmlMarkup doc;
    ASSERT_TRUE(doc.Load(wide.c_str()));
    int nCount = 0;
    CXmlMarkupNode last;
    for (CXmlMarkupNode n = doc.GetRoot().GetFirstChild(); n.IsValid(); n = n.GetNextSibling()) {
        nCount++;
        last = n;
    }
    EXPECT_EQ(nCount, 3000);
    EXPECT_STREQ(last.GetAttributeValue(0), "2999");

    // Nesting is followed without recursion, so depth cannot exhaust the stack.
    const int DEPTH = 200000;
    std::string deep;
    for (int i = 0; i < DEPTH; i++)
        deep += "<a>";
    for (int i = 0; i < DEPTH; i++)
        deep += "</a>";
    ASSERT_TRUE(doc.Load(deep.c_str()));
    CXmlMarkupNode node = doc.GetRoot();
    int nDepth = 0;
    for (; node.IsValid(); node = node.GetFirstChild())
        nDepth++;
    EXPECT_EQ(nDepth, DEPTH);
}
