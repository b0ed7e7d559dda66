// Text: defaults, markup lines and links, the hand cursor, hover and the "link" notification.
#include <gtest/gtest.h>

#include <string>

#include "ui/controls/ControlPaintFixture.h"
#include "ui/controls/TextUI.h"
#include "ui/window/EventFixture.h"

using controltest::CPaintedTree;
using eventtest::CEventWindow;
using Orvik::CTextUI;

namespace {

std::string OneText(const std::string& attrs) {
    return "<Window><VerticalLayout><Text name=\"t\" " + attrs + "/></VerticalLayout></Window>";
}

}  // namespace

TEST(TextTest, WrapsByDefaultWithSidePadding) {
    testsupport::CTreeFixture tree(OneText(""));
    auto* p = static_cast<CTextUI*>(tree.Find("t"));
    EXPECT_EQ(p->GetTextStyle(), 0x10u);
    EXPECT_EQ(testsupport::RectText(p->GetTextPadding()), "2,0,2,0");
    EXPECT_STREQ(p->GetTypeName(), "Text");
    EXPECT_NE(p->AsType("Label"), nullptr);
}

TEST(TextTest, MarkupLineBreakDrawsTwoLinesWithoutLinks) {
    CPaintedTree one(OneText(R"(showhtml="true" text="a" textcolor="#FF000000")"), 100, 60);
    CPaintedTree two(OneText(R"(showhtml="true" text="a{n}b" textcolor="#FF000000")"), 100, 60);
    one.Paint();
    two.Paint();
    RECT rcOne = one.Canvas().InkBounds(controltest::WHITE);
    RECT rcTwo = two.Canvas().InkBounds(controltest::WHITE);
    EXPECT_GT(rcTwo.bottom - rcTwo.top, 2 * (rcOne.bottom - rcOne.top) - 2);
    EXPECT_EQ(two.Find<CTextUI>("t")->GetLinkCount(), 0);
    EXPECT_EQ(two.Find<CTextUI>("t")->GetInputFlags(), 0u);
}

TEST(TextTest, EmptyTextForgetsItsLinks) {
    CPaintedTree painted(OneText(R"(showhtml="true" text="{a x}go{/a}")"), 100, 40);
    painted.Paint();
    auto* p = painted.Find<CTextUI>("t");
    EXPECT_EQ(p->GetLinkCount(), 1);
    p->SetText("");
    painted.Paint();
    EXPECT_EQ(p->GetLinkCount(), 0);
}

class TextLinkTest : public ::testing::Test {
protected:
    TextLinkTest()
        : m_window(OneText(R"(showhtml="true" text="{a http://x}open here{/a} and more")"), 300,
                   100) {
        m_window.Pump();
        m_pText = static_cast<CTextUI*>(m_window.Host().FindControlByName("t"));
    }
    POINT LinkCentre() const {
        const RECT& rc = m_pText->GetLinkRect(0);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    CEventWindow m_window;
    CTextUI* m_pText = nullptr;
};

TEST_F(TextLinkTest, ClickOnTheLinkSendsLinkWithItsIndex) {
    ASSERT_EQ(m_pText->GetLinkCount(), 1);
    EXPECT_STREQ(m_pText->GetLinkText(0), "http://x");
    EXPECT_EQ(m_pText->GetInputFlags(), 2u);
    POINT pt = LinkCentre();
    m_window.Down(pt.x, pt.y);
    m_window.Up(pt.x, pt.y);
    EXPECT_EQ(CEventWindow::Only("notify link"), std::vector<std::string>{"notify link t 0 0"});
}

TEST_F(TextLinkTest, ClickBesideTheLinkSendsNothing) {
    const RECT& rc = m_pText->GetLinkRect(0);
    m_window.Down(rc.right + 40, rc.top + 2);
    m_window.Up(rc.right + 40, rc.top + 2);
    EXPECT_TRUE(CEventWindow::Only("notify link").empty());
}

TEST_F(TextLinkTest, HoverFollowsThePointerAndShowsTheHand) {
    POINT pt = LinkCentre();
    m_window.Move(pt.x, pt.y);
    EXPECT_EQ(m_pText->GetHotLink(), 0);
    Orvik::ControlEvent event;
    event.kind = Orvik::UIEVENT_SETCURSOR;
    event.mousePoint = pt;
    m_pText->ProcessEvent(event);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    const RECT& rc = m_pText->GetLinkRect(0);
    m_window.Move(rc.right + 40, rc.top + 2);
    EXPECT_EQ(m_pText->GetHotLink(), -1);
}
