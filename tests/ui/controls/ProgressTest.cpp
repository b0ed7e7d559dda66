// Progress bar: value clamping, the fore image's extent for value and direction, and a golden.
#include <gtest/gtest.h>

#include <string>

#include "ui/controls/ControlPaintFixture.h"
#include "ui/controls/ProgressUI.h"
#include "ui/render/RenderTestImages.h"

using controltest::CPaintedTree;
using Orvik::CProgressUI;

namespace {

// A bar in a vertical layout, with a solid red fore image from a skin folder.
class ProgressPaintTest : public ::testing::Test {
protected:
    ProgressPaintTest() { m_skin.Write("fore.png", rendertest::SolidPng(6, 6, 255, 0, 0)); }
    static std::string Bar(const std::string& attrs) {
        return "<Window><VerticalLayout><Progress name=\"p\" foreimage=\"fore.png\" " + attrs +
               "/></VerticalLayout></Window>";
    }
    rendertest::CTempSkin m_skin;
};

}  // namespace

TEST(ProgressTest, SetValueClampsIntoTheRange) {
    struct Case {
        int nValue;
        int nStored;
    };
    testsupport::CTreeFixture tree("<Window><Progress name=\"p\"/></Window>");
    auto* p = static_cast<CProgressUI*>(tree.Find("p"));
    for (Case c : {Case{150, 100}, Case{-5, 0}, Case{37, 37}, Case{100, 100}}) {
        p->SetValue(c.nValue);
        EXPECT_EQ(p->GetValue(), c.nStored) << c.nValue;
    }
    p->SetValue(80);
    p->SetMaxValue(50);
    EXPECT_EQ(p->GetValue(), 80);  // only the next paint clamps
    p->ComputeForeDest();
    EXPECT_EQ(p->GetValue(), 50);
}

TEST(ProgressTest, DefaultsAndType) {
    testsupport::CTreeFixture tree("<Window><Progress name=\"p\"/></Window>");
    auto* p = static_cast<CProgressUI*>(tree.Find("p"));
    EXPECT_EQ(p->GetTextStyle(), 0x21u);
    EXPECT_EQ(p->GetFixedHeight(), 12);
    EXPECT_TRUE(p->IsHorizontal());
    EXPECT_NE(p->AsType("Label"), nullptr);
    EXPECT_STREQ(p->GetTypeName(), "Progress");
}

TEST(ProgressTest, AnEmptyRangeGrowsByOneOnPaint) {
    testsupport::CTreeFixture tree(R"(<Window><Progress name="p" min="10" max="10" width="100"/>
        </Window>)");
    tree.Layout(100, 12);
    auto* p = static_cast<CProgressUI*>(tree.Find("p"));
    p->SetValue(10);
    EXPECT_EQ(testsupport::RectText(p->ComputeForeDest()), "0,0,0,12");
    EXPECT_EQ(p->GetMaxValue(), 11);
    p->SetValue(11);
    EXPECT_EQ(testsupport::RectText(p->ComputeForeDest()), "0,0,100,12");
}

TEST_F(ProgressPaintTest, HorizontalBarEndsWhereTheValueSays) {
    struct Case {
        const char* pstrValue;
        LONG nRight;
    };
    for (Case c : {Case{"0", 0}, Case{"37", 74}, Case{"100", 200}}) {
        CPaintedTree painted(Bar(std::string("value=\"") + c.pstrValue + "\" height=\"12\""), 200,
                             12);
        painted.Paint();
        RECT rc = painted.Canvas().InkBounds(controltest::WHITE);
        EXPECT_EQ(rc.right, c.nRight) << c.pstrValue;
        if (c.nRight > 0) {
            EXPECT_EQ(testsupport::RectText(rc), "0,0," + std::to_string(c.nRight) + ",12");
        }
    }
}

TEST_F(ProgressPaintTest, VerticalBarCoversTheLowerHalfAtFifty) {
    CPaintedTree painted(Bar(R"(hor="false" value="50" height="16")"), 30, 16);
    painted.Paint();
    EXPECT_EQ(testsupport::RectText(painted.Canvas().InkBounds(controltest::WHITE)), "0,8,30,16");
}

TEST_F(ProgressPaintTest, ADestInTheDescriptorNeverWidensTheFirstPaint) {
    CPaintedTree painted(
        "<Window><VerticalLayout><Progress name=\"p\" value=\"25\" height=\"12\" "
        "foreimage=\"file='fore.png' dest='0,0,200,12'\"/></VerticalLayout>"
        "</Window>",
        200, 12);
    painted.Paint();
    EXPECT_EQ(painted.Canvas().InkBounds(controltest::WHITE).right, 50);
}

// Tolerance 8 per channel: the time text's glyph edges may shift by a shade
// between FreeType builds; a bar of the wrong length differs by far more.
TEST_F(ProgressPaintTest, GoldenBarAtThirtySeven) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            bool bEdge = x < 3 || x >= 9 || y < 3 || y >= 9;
            uint8_t v[4] = {static_cast<uint8_t>(bEdge ? 20 : 40),
                            static_cast<uint8_t>(bEdge ? 120 : 200),
                            static_cast<uint8_t>(bEdge ? 40 : 90), 255};
            rgba.insert(rgba.end(), v, v + 4);
        }
    m_skin.Write("bar.png", rendertest::EncodePng(12, 12, rgba));
    m_skin.Write("back.png", rendertest::SolidPng(12, 12, 40, 40, 52));
    CPaintedTree painted(
        "<Window><VerticalLayout><Progress name=\"p\" value=\"37\" height=\"16\" "
        "bkimage=\"file='back.png' corner='3,3,3,3'\" foreimage=\"file='bar.png' "
        "corner='3,3,3,3'\" text=\"37 ms\" align=\"right\" textpadding=\"0,0,8,0\" "
        "textcolor=\"#FFFFFFFF\"/></VerticalLayout></Window>",
        200, 16);
    painted.Paint();
    EXPECT_TRUE(testsupport::MatchesGolden(painted.Canvas(), controltest::GoldenDir(),
                                           "progress_output", "progress_37", 8));
}
