// Label: alignment words, measured sizes, colours, effect attributes and golden images.
#include <gtest/gtest.h>

#include <string>

#include "ui/controls/ControlPaintFixture.h"
#include "ui/controls/LabelUI.h"
#include "ui/controls/TextUI.h"

using controltest::CPaintedTree;
using controltest::WHITE;
using Orvik::CLabelUI;
using testsupport::Argb;
using testsupport::CTreeFixture;

namespace {

std::string OneLabel(const std::string& attrs) {
    return "<Window><Font id=\"1\" name=\"微软雅黑\" size=\"22\" bold=\"true\"/>"
           "<VerticalLayout><Label name=\"l\" " +
           attrs + "/></VerticalLayout></Window>";
}

}  // namespace

TEST(LabelTest, AlignWordsSetTheStyleBits) {
    struct Case {
        const char* pstrAttrs;
        UINT uStyle;
    };
    const Case cases[] = {
        {"", 0x24},
        {"align=\"center\"", 0x25},
        {"align=\"right\"", 0x26},
        {"align=\"right\" valign=\"top\"", 0x22},
        {"align=\"center\" valign=\"bottom\"", 0x29},
        {"valign=\"vcenter\"", 0x24},
        {"align=\"left,right\"", 0x26},  // the last word tested wins
        {"align=\"middle\"", 0x24},      // no known word: unchanged
        {"endellipsis=\"true\"", 0x8024},
        {"multiline=\"true\"", 0x14},
        {"multiline=\"true\" multiline=\"false\"", 0x34},
    };
    for (const Case& c : cases) {
        CTreeFixture tree(OneLabel(c.pstrAttrs));
        auto* p = static_cast<CLabelUI*>(tree.Find("l"));
        ASSERT_NE(p, nullptr) << c.pstrAttrs;
        EXPECT_EQ(p->GetTextStyle(), c.uStyle) << c.pstrAttrs;
    }
}

TEST(LabelTest, MeasuredSizesInBoxLayouts) {
    CTreeFixture tree(R"(<Window><VerticalLayout>
        <Label name="v" text="很好"/>
        <Label name="vp" text="很好" textpadding="3,2,5,4"/>
        <HorizontalLayout height="28"><Label name="h" text="很好" width="64"/><Label name="rest"/>
        </HorizontalLayout></VerticalLayout></Window>)");
    tree.Layout(300, 200);
    int nFontHeight = tree.Host().GetFontInfo(-1)->tm.tmHeight;
    ASSERT_GT(nFontHeight, 0);
    EXPECT_EQ(tree.Find("v")->GetHeight(), nFontHeight + 8);
    EXPECT_EQ(tree.Find("v")->GetWidth(), 300);
    EXPECT_EQ(tree.Find("vp")->GetHeight(), nFontHeight + 8 + 6);
    EXPECT_EQ(tree.Find("h")->GetWidth(), 64);
    EXPECT_EQ(tree.Find("h")->GetHeight(), 28);
}

TEST(LabelTest, SingleLineWidthIsTextPlusPadding) {
    CTreeFixture tree(OneLabel(R"(text="abc" textpadding="4,0,6,0")"));
    auto* p = static_cast<CLabelUI*>(tree.Find("l"));
    SIZE sz = p->MeasureSize(SIZE{500, 500});
    SIZE szText = {0, 0};
    HDC hDC = CreateCompatibleDC(nullptr);
    SelectObject(hDC, tree.Host().GetFont(-1));
    GetTextExtentPoint32A(hDC, "abc", 3, &szText);
    DeleteDC(hDC);
    EXPECT_EQ(sz.cx, 4 + 6 + szText.cx);
    p->SetText("abcabc");
    EXPECT_GT(p->MeasureSize(SIZE{500, 500}).cx, sz.cx);
}

TEST(LabelTest, MultiLineHeightFollowsTheAvailableWidth) {
    std::string text(60, 'w');
    for (size_t i = 5; i < text.size(); i += 6)
        text[i] = ' ';
    CTreeFixture tree(OneLabel("multiline=\"true\" text=\"" + text + "\""));
    auto* p = static_cast<CLabelUI*>(tree.Find("l"));
    int nWide = p->MeasureSize(SIZE{2000, 500}).cy;
    int nNarrow = p->MeasureSize(SIZE{60, 500}).cy;
    EXPECT_GT(nWide, 0);
    EXPECT_GE(nNarrow, 3 * nWide);
    EXPECT_EQ(p->MeasureSize(SIZE{2000, 500}).cy, nWide);
    // A fixed width set after the first measure is honoured at once.
    p->SetFixedWidth(60);
    EXPECT_EQ(p->MeasureSize(SIZE{2000, 500}).cx, 60);
    EXPECT_EQ(p->MeasureSize(SIZE{2000, 500}).cy, nNarrow);
}

TEST(LabelTest, DisabledColourOneDrawsTheTextColour) {
    struct Case {
        const char* pstrDisabled;
        bool bRedExpected;
    };
    for (Case c : {Case{"#00000001", true}, Case{"#FF00FF00", false}}) {
        CPaintedTree painted(OneLabel(std::string("text=\"MMMM\" enabled=\"false\" "
                                                  "textcolor=\"#FFFF0000\" disabledtextcolor=\"") +
                                      c.pstrDisabled + "\""),
                             120, 30);
        painted.Paint();
        EXPECT_EQ(painted.CountReddish() > 0, c.bRedExpected) << c.pstrDisabled;
    }
}

TEST(LabelTest, EffectAttributes) {
    CTreeFixture tree(OneLabel(R"(luminousfuzzy="0" textcolor1="#FF00FF00" strokecolor="#FF0000FF"
        enabledeffect="true" enabledstroke="true" gradientlength="7" gradientangle="3")"));
    const Orvik::TextEffectSettings& e = static_cast<CLabelUI*>(tree.Find("l"))->GetEffects();
    EXPECT_FLOAT_EQ(e.fGlowBlur, 3.0f);
    EXPECT_EQ(e.dwGradientEnd, 0xFF00FF00u);
    EXPECT_EQ(e.dwOutline, 0xFF0000FFu);
    EXPECT_TRUE(e.bEnabled);
    EXPECT_TRUE(e.bOutline);
    EXPECT_FALSE(e.bGlow);
    EXPECT_EQ(e.nGradientLength, 7);
    EXPECT_EQ(e.nGradientStartX, 3);
}

TEST(LabelTest, ShadowOffsetFromDistanceAndAngle) {
    struct Case {
        const char* pstrValue;
        float fx;
        float fy;
    };
    const Case cases[] = {
        {"4,0", -4, -4}, {"4,90", -4, -4}, {"4,135", -4, 4}, {"4,180", -4, 4}, {"4,-45", 4, -4},
        {"4,-90", 4, 0}, {"4,-135", 4, 4}, {"4,-180", 0, 4}, {"4,181", 0, 0},  {"4,-181", 0, 0},
    };
    for (const Case& c : cases) {
        CTreeFixture tree(OneLabel(std::string("shadowoffset=\"") + c.pstrValue + "\""));
        const Orvik::TextEffectSettings& e = static_cast<CLabelUI*>(tree.Find("l"))->GetEffects();
        EXPECT_FLOAT_EQ(e.fShadowX, c.fx) << c.pstrValue;
        EXPECT_FLOAT_EQ(e.fShadowY, c.fy) << c.pstrValue;
    }
}

// Tolerance 8 per channel throughout: glyph edges may shift by a shade
// between FreeType builds; a misplaced text or effect differs by far more.
TEST(LabelTest, GoldenEveryAlignment) {
    std::string xml = "<Window><VerticalLayout>";
    for (const char* v : {"top", "vcenter", "bottom"}) {
        xml += "<HorizontalLayout height=\"40\">";
        for (const char* h : {"left", "center", "right"})
            xml += std::string("<Label text=\"") + h + " " + v + "\" align=\"" + h +
                   "\" valign=\"" + v +
                   "\" textcolor=\"#FF202020\" bordercolor=\"#FFC0C0C0\" bordersize=\"1\" "
                   "textpadding=\"3,2,3,2\"/>";
        xml += "</HorizontalLayout>";
    }
    xml += "</VerticalLayout></Window>";
    CPaintedTree painted(xml, 330, 120);
    painted.Paint();
    EXPECT_TRUE(testsupport::MatchesGolden(painted.Canvas(), controltest::GoldenDir(),
                                           "label_output", "label_alignments", 8));
}

TEST(LabelTest, GoldenEachEffect) {
    const std::string base =
        R"(text="Lumora 效果" font="1" align="center" textcolor="#FF2060E0" enabledeffect="true" )";
    struct Case {
        const char* pstrName;
        const char* pstrAttrs;
    };
    const Case cases[] = {
        {"label_effect_gradient", R"(textcolor1="#FFE02020")"},
        {"label_effect_glow", R"(enabledluminous="true" luminousfuzzy="4")"},
        {"label_effect_outline", R"(enabledstroke="true" strokecolor="#FFFFC000")"},
        {"label_effect_shadow",
         R"(enabledshadow="true" shadowoffset="3,-135" textshadowcolora="#C0000000")"},
    };
    for (const Case& c : cases) {
        CPaintedTree painted(OneLabel(base + c.pstrAttrs), 160, 40);
        painted.Paint();
        EXPECT_TRUE(testsupport::MatchesGolden(painted.Canvas(), controltest::GoldenDir(),
                                               "label_output", c.pstrName, 8))
            << c.pstrName;
    }
}
