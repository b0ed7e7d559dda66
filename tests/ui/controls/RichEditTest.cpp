// Rich edit: stored attributes, wrapping inside the padding, the shown-text cut and "textchanged".
#include <gtest/gtest.h>

#include <string>

#include "ui/controls/ControlPaintFixture.h"
#include "ui/controls/RichEditUI.h"
#include "ui/window/EventFixture.h"

using controltest::CPaintedTree;
using Orvik::CRichEditUI;

namespace {

std::string OneEdit(const std::string& attrs) {
    return "<Window><VerticalLayout><RichEdit name=\"r\" " + attrs + "/></VerticalLayout></Window>";
}

CRichEditUI* Edit(testsupport::CTreeFixture& tree) {
    return static_cast<CRichEditUI*>(tree.Find("r"));
}

}  // namespace

TEST(RichEditTest, AttributesAreStored) {
    testsupport::CTreeFixture tree(OneEdit(R"(readonly="true" textcolor=" #FF112233" font="2"
        textpadding="1,2,3,4" textlimit="99" align="right" password="true" autovscroll="true"
        vscrollbar="true" wanttab="false" wantreturn="false" wantctrlreturn="false"
        transparent="false" rich="false" tipinfo="tip" tipinfocolor="#FF010203")"));
    CRichEditUI* p = Edit(tree);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->IsReadOnly());
    EXPECT_EQ(p->GetEditStyle(), 0x4u | 0x800 | 0x2 | 0x20 | 0x40 | 0x200000 | 0x2000);
    EXPECT_EQ(p->GetTextColor(), 0xFF112233u);
    EXPECT_EQ(p->GetFont(), 2);
    EXPECT_EQ(testsupport::RectText(p->GetTextPadding()), "1,2,3,4");
    EXPECT_EQ(p->GetTextLimit(), 99);
    EXPECT_FALSE(p->IsWantTab() || p->IsWantReturn() || p->IsWantCtrlReturn());
    EXPECT_FALSE(p->IsTransparent() || p->IsRich());
    EXPECT_STREQ(p->GetTipText(), "tip");
    EXPECT_EQ(p->GetTipColor(), 0xFF010203u);
    // The scroll bar attribute reaches the container too.
    EXPECT_NE(p->GetVerticalScrollBar(), nullptr);
}

TEST(RichEditTest, MultilineOnlyClearedByFalse) {
    struct Case {
        const char* pstrValue;
        bool bMulti;
    };
    for (Case c : {Case{"false", false}, Case{"true", true}, Case{"no", true}}) {
        testsupport::CTreeFixture tree(OneEdit(std::string("multiline=\"") + c.pstrValue + "\""));
        EXPECT_EQ((Edit(tree)->GetEditStyle() & 0x4) != 0, c.bMulti) << c.pstrValue;
    }
}

TEST(RichEditTest, ShownTextStopsAtTheLimitOnCharacterBoundaries) {
    struct Case {
        std::string text;
        const char* pstrLimit;
        size_t nBytes;
    };
    std::string wide;
    for (int i = 0; i < 40000; ++i)
        wide += "好";
    const Case cases[] = {
        {std::string(40000, 'a'), "32767", 32767},
        {std::string(40000, 'a'), "50000", 32767},  // never more than 32767
        {wide, "32767", 2 * 32767},
        {"a好b好", "3", 4},
        {"ab", "-3", 0},
    };
    for (const Case& c : cases) {
        testsupport::CTreeFixture tree(OneEdit(std::string("textlimit=\"") + c.pstrLimit + "\""));
        Edit(tree)->SetText(c.text.c_str());
        EXPECT_EQ(Edit(tree)->GetShownText().GetLength(), static_cast<int>(c.nBytes))
            << c.pstrLimit;
    }
}

TEST(RichEditTest, LongChineseTextWrapsInsideItsPadding) {
    CPaintedTree painted(OneEdit(R"(textcolor="#FF000000" textpadding="10,6,14,8")"), 160, 120);
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "消息内容很长";
    painted.Find<CRichEditUI>("r")->SetText(text.c_str());
    painted.Paint();
    RECT rc = painted.Canvas().InkBounds(controltest::WHITE);
    EXPECT_GE(rc.left, 10);
    EXPECT_GE(rc.top, 6);
    EXPECT_LE(rc.right, 160 - 14);
    EXPECT_LE(rc.bottom, 120 - 8);
    // Several lines, filling the box: the text is longer than fits.
    EXPECT_GT(rc.bottom - rc.top, 60);
    EXPECT_GT(rc.right - rc.left, 100);
}

TEST(RichEditTest, SetTextSendsTextChanged) {
    eventtest::CEventWindow window(OneEdit(""));
    auto* p = static_cast<CRichEditUI*>(window.Host().FindControlByName("r"));
    p->SetText("hello");
    EXPECT_STREQ(p->GetText(), "hello");
    EXPECT_EQ(eventtest::CEventWindow::Only("notify textchanged"),
              std::vector<std::string>{"notify textchanged r 0 0"});
}
