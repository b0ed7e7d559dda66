// Skin builder: tags, the callback path, includes, defaults, resources and language texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TreeFixture.h"
#include "ui/controls/VerticalLayoutUI.h"

using testsupport::CTreeFixture;

namespace {

// Records the tags it is asked for and makes a plain container for "Page*".
class CRecordingCallback : public Orvik::IDialogBuilderCallback {
public:
    Orvik::CControlUI* CreateCustomControl(const char* pstrClass) override {
        m_tags.push_back(pstrClass);
        if (std::string(pstrClass).rfind("Page", 0) == 0)
            return new Orvik::CContainerUI;
        return nullptr;
    }
    std::vector<std::string> m_tags;
};

TEST(SkinBuilderTest, CustomTagReachesTheCallbackThenGetsItsAttributes) {
    CRecordingCallback callback;
    CTreeFixture tree(R"(<Window><HorizontalLayout name="h"><Page1 name="p" visible="false"/>
        </HorizontalLayout></Window>)",
                      &callback);
    ASSERT_EQ(callback.m_tags, std::vector<std::string>{"Page1"});
    Orvik::CControlUI* p = tree.Find("p");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetParent(), tree.Find("h"));
    EXPECT_FALSE(p->IsVisible());
}

TEST(SkinBuilderTest, TagsIgnoreCaseAndUnknownOnesAreSkippedWithoutCallback) {
    CTreeFixture tree(R"(<Window><vbox name="v"><hBOX name="h"/><Gadget name="l"/>
        <control name="c"/></vbox></Window>)");
    EXPECT_STREQ(tree.Find("v")->GetTypeName(), "VerticalLayout");
    EXPECT_STREQ(tree.Find("h")->GetTypeName(), "HorizontalLayout");
    EXPECT_EQ(tree.Find("l"), nullptr);
    EXPECT_STREQ(tree.Find("c")->GetTypeName(), "Control");
}

// Every tag of the table ignores case except GifAnim, whose other spellings
// are custom tags for the callback.
TEST(SkinBuilderTest, OnlyTheExactGifAnimSpellingIsTheAnimationTag) {
    struct Case {
        const char* pstrTag;
        const char* pstrType;  // null: the callback is asked instead
    };
    const Case CASES[] = {
        {"GifAnim", "GifAnim"},   {"gifanim", nullptr}, {"GIFANIM", nullptr},
        {"Gifanim", nullptr},     {"label", "Label"},   {"PROGRESS", "Progress"},
        {"richedit", "RichEdit"},
    };
    for (const Case& c : CASES) {
        CRecordingCallback callback;
        std::string xml = std::string("<Window><VerticalLayout><") + c.pstrTag +
                          " name=\"t\"/></VerticalLayout></Window>";
        CTreeFixture tree(xml.c_str(), &callback);
        Orvik::CControlUI* p = tree.Find("t");
        if (c.pstrType != nullptr) {
            ASSERT_NE(p, nullptr) << c.pstrTag;
            EXPECT_STREQ(p->GetTypeName(), c.pstrType) << c.pstrTag;
            EXPECT_TRUE(callback.m_tags.empty()) << c.pstrTag;
        } else {
            EXPECT_EQ(p, nullptr) << c.pstrTag;
            EXPECT_EQ(callback.m_tags, std::vector<std::string>{c.pstrTag});
        }
    }
}

TEST(SkinBuilderTest, ControlInsideANonContainerEndsThatElement) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="v"><Control name="c">
        <Control name="inner"/><Control name="after"/></Control><Control name="next"/>
        </VerticalLayout></Window>)");
    EXPECT_EQ(tree.Find("inner"), nullptr);
    EXPECT_EQ(tree.Find("after"), nullptr);
    ASSERT_NE(tree.Find("c"), nullptr);
    EXPECT_NE(tree.Find("next"), nullptr);
}

TEST(SkinBuilderTest, DefaultsApplyByExactTagAndElementAttributesWin) {
    CTreeFixture tree(R"(<Window><Default name="Control" value="height=&quot;7&quot;
        width=&quot;9&quot;"/><VerticalLayout><Control name="a" width="3"/>
        <control name="b"/></VerticalLayout></Window>)");
    EXPECT_EQ(tree.Find("a")->GetFixedHeight(), 7);
    EXPECT_EQ(tree.Find("a")->GetFixedWidth(), 3);
    EXPECT_EQ(tree.Find("b")->GetFixedHeight(), 0);
}

TEST(SkinBuilderTest, CoverMakesTheOverlay) {
    CTreeFixture tree(R"(<Window><VerticalLayout name="v"><Control name="o" cover="true"/>
        </VerticalLayout></Window>)");
    auto* v = static_cast<Orvik::CContainerUI*>(tree.Find("v"));
    EXPECT_EQ(v->GetCount(), 0);
    EXPECT_EQ(v->GetOverlay(), tree.Find("o"));
}

TEST(SkinBuilderTest, IncludeWithCountBuildsThreeTimes) {
    std::string inner = "&lt;Window&gt;&lt;Control height=&quot;4&quot;/&gt;&lt;/Window&gt;";
    CTreeFixture tree(
        std::string(R"(<Window><VerticalLayout name="v"><Include count="3" source=")") + inner +
        R"("/></VerticalLayout></Window>)");
    auto* v = static_cast<Orvik::CContainerUI*>(tree.Find("v"));
    ASSERT_EQ(v->GetCount(), 3);
    EXPECT_EQ(v->GetItemAt(2)->GetFixedHeight(), 4);
}

TEST(SkinBuilderTest, FontsWithoutIdAreIgnoredEvenAsDefault) {
    CTreeFixture tree(R"(<Window><Font name="Sans" size="30" default="true"/>
        <Font id="-2" name="Sans" size="31" default="true"/><Font id="3" name="Sans"
        size="14" bold="TRUE"/><Control/></Window>)");
    EXPECT_NE(tree.Host().GetDefaultFontInfo()->nSize, 30);
    EXPECT_NE(tree.Host().GetDefaultFontInfo()->nSize, 31);
    Orvik::FontInfo* pFont = tree.Host().GetFontInfo(3);
    EXPECT_EQ(pFont->nSize, 14);
    EXPECT_TRUE(pFont->bBold);
}

TEST(SkinBuilderTest, FailuresReturnNull) {
    Orvik::CWindowHostUI host;
    const char* documents[] = {"<Window>", "<Window></Wind>", "<", "no-such-file.xml"};
    for (const char* doc : documents) {
        Orvik::CSkinBuilder builder;
        EXPECT_EQ(builder.Create(doc, nullptr, nullptr, &host), nullptr) << doc;
    }
    Orvik::CSkinBuilder builder;
    EXPECT_EQ(builder.Create(1234, "NOSUCHTYPE", nullptr, &host), nullptr);
}

TEST(SkinBuilderTest, NestingBeyondTheLimitIsCutInsteadOfOverflowingTheStack) {
    const int nLevels = 20000;
    std::string xml = "<Window>";
    for (int i = 0; i < nLevels; ++i)
        xml += "<VerticalLayout>";
    for (int i = 0; i < nLevels; ++i)
        xml += "</VerticalLayout>";
    xml += "</Window>";
    CTreeFixture tree(xml);
    ASSERT_NE(tree.Root(), nullptr);
    int nDepth = 0;
    for (Orvik::CControlUI* p = tree.Root(); p != nullptr; ++nDepth) {
        auto* pBox = static_cast<Orvik::IContainerUI*>(p->AsType("IContainer"));
        p = pBox != nullptr ? pBox->GetItemAt(0) : nullptr;
    }
    EXPECT_EQ(nDepth, Orvik::CSkinBuilder::MAX_NESTING_DEPTH);
    tree.Layout(100, 100);
}

TEST(SkinBuilderTest, RootNotWindowStillBuildsControls) {
    CTreeFixture tree(R"(<Dialog size="10,10"><Control name="c"/></Dialog>)");
    EXPECT_NE(tree.Find("c"), nullptr);
    EXPECT_EQ(tree.Host().GetInitSize().cx, 0);
}

TEST(SkinBuilderTest, LanguageTokensExpandEveryOccurrence) {
    CTreeFixture tree(R"(<Window><MultiLanguage id="5" value="hello"/><Control/></Window>)");
    Orvik::CUIString s("%{5} and %{5}, %{6} %{5");
    Orvik::CWindowHostUI::ExpandLanguageTokens(s);
    EXPECT_STREQ(s, "hello and hello, %{6} %{5");
    Orvik::CWindowHostUI::SetLanguageText(7, "%{7}");
    Orvik::CUIString loop("%{7}");
    Orvik::CWindowHostUI::ExpandLanguageTokens(loop);  // must end
    EXPECT_STREQ(loop, "%{7}");
}

}  // namespace
