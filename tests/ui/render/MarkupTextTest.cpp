// Markup text: line breaks, styles, colours, links, escapes, raw text, images, measuring.
#include "MarkupTextFixture.h"

#include <string>
#include <utility>

#include "ui/render/LanguageTokens.h"
#include "ui/window/WindowHostUI.h"

using namespace rendertest;
using Orvik::CDrawEngine;

namespace {

constexpr uint32_t RED = Argb(255, 255, 0, 0);

}  // namespace

TEST_F(MarkupTextTest, LineBreakTagMakesTwoLinesUnlessSingleLine) {
    const char* text = "1.打开微信或扫码工具“扫一扫”。{n}2.扫码后用浏览器打开。";
    RECT two = Measure(text);
    EXPECT_EQ(two.bottom, 2 * LineHeight());
    EXPECT_EQ(two.right,
              std::max(Extent("1.打开微信或扫码工具“扫一扫”。"), Extent("2.扫码后用浏览器打开。")));
    RECT one = Measure(text, {0, 0, 400, 200}, DT_SINGLELINE);
    EXPECT_EQ(one.bottom, LineHeight());
    EXPECT_EQ(one.right, Extent("1.打开微信或扫码工具“扫一扫”。2.扫码后用浏览器打开。"));

    Draw(text, {0, 0, 400, 200});
    RECT first = InkIn({0, 0, 400, LineHeight()});
    RECT second = InkIn({0, LineHeight(), 400, 2 * LineHeight()});
    EXPECT_GT(first.right, 0);
    EXPECT_GT(second.right, 0);
    EXPECT_EQ(InkIn({0, 2 * LineHeight(), 400, 200}).right, 0);
}

// Widths of markup against the plain text it stands for, in the default font.
TEST_F(MarkupTextTest, MarkupThatIsNotATagIsText) {
    struct Case {
        const char* markup;
        const char* plain;
    } cases[] = {
        {"<{>x<}>", "{x}"},               // escapes for braces
        {"{<}x{>}", "<x>"},               // and for angle brackets
        {"a<bb>c", "a<bb>c"},             // two letters are no tag
        {"ab{b cd", "ab{b cd"},           // a tag without its closing bracket
        {"ab{/b", "ab{/b"},               // an end tag without one
        {"ab{b}", "ab"},                  // a tag at the very end
        {"a{z 12}b", "ab"},               // unknown letters are skipped
        {"{r}{b}x{/b}{/r}", "{b}x{/b}"},  // raw text up to the raw end tag
        {"{r}a<i>b</r>c", "a<i>bc"},      // either kind of bracket ends it
        {"a{X}b", "a{X}b"},               // capital letters are no tag
        {"<{", "<{"},                     // truncated escapes
        {"{<", "{<"},
        {"{", "{"},
    };
    for (const Case& c : cases) {
        RECT rc = Measure(c.markup);
        EXPECT_EQ(rc.right, Extent(c.plain)) << c.markup;
        EXPECT_EQ(rc.bottom, LineHeight()) << c.markup;
    }
}

TEST_F(MarkupTextTest, BoldInsideBoldKeepsOneFontAndTheOuterFontAfter) {
    RECT once = Measure("{b}abc{/b}d");
    int nFonts = m_res.FontsMade();
    RECT nested = Measure("{b}a{b}b{/b}c{/b}d");
    EXPECT_EQ(m_res.FontsMade(), nFonts);  // the bold variant is made once, then found
    EXPECT_EQ(nested.right, once.right);
    Orvik::FontInfo* pBold =
        m_res.LookupFontByStyle(CFakeRenderResources::FACE, 14, true, false, false);
    ASSERT_NE(pBold, nullptr);
    EXPECT_EQ(once.right, Extent("abc", pBold) + Extent("d"));
    EXPECT_GT(Extent("abc", pBold), Extent("abc"));
}

TEST_F(MarkupTextTest, FontTagsByIdAndByName) {
    Orvik::FontInfo* pBig = m_res.AddFont(3, CFakeRenderResources::FACE, 30);
    RECT byId = Measure("a{f 3}b{/f}");
    EXPECT_EQ(byId.right, Extent("a") + Extent("b", pBig));
    EXPECT_EQ(byId.bottom, pBig->tm.tmHeight + pBig->tm.tmExternalLeading);

    // The face runs to the first space; the size defaults to 10.
    RECT byName = Measure("{f Sans 20 Bold Italic}x");
    Orvik::FontInfo* pNamed = m_res.LookupFontByStyle("Sans", 20, true, false, true);
    ASSERT_NE(pNamed, nullptr);
    EXPECT_EQ(byName.right, Extent("x", pNamed));
    Measure("{f Sans}x");
    EXPECT_NE(m_res.LookupFontByStyle("Sans", 10, false, false, false), nullptr);
    int nFonts = m_res.FontsMade();
    Measure("{f Sans 20 italic bold}y{f}z");  // found again; an empty f tag keeps the font
    EXPECT_EQ(m_res.FontsMade(), nFonts);
}

TEST_F(MarkupTextTest, ColourTagsWithAndWithoutAlphaDrawRed) {
    for (const char* text : {"{c #FF0000}MMMM{/c}", "{c FFFF0000}MMMM{/c}"}) {
        m_canvas.Fill(WHITE);
        Draw(text, {0, 0, 400, 200});
        EXPECT_GT(CountPixels(RED, 60), 10) << text;
        EXPECT_EQ(CountPixels(BLACK, 60), 0) << text;
    }
    m_canvas.Fill(WHITE);
    Draw("{c #FF0000}M{/c}MMMM", {0, 0, 400, 200});
    EXPECT_GT(CountPixels(BLACK, 60), 10);  // the base colour again after the end tag
}

TEST_F(MarkupTextTest, LinkGetsItsRectangleAndText) {
    int nLinks = Draw("go {a http://one}here{/a} now", {10, 5, 400, 200});
    ASSERT_EQ(nLinks, 1);
    EXPECT_STREQ(m_strLinks[0], "http://one");
    Orvik::FontInfo* pLink =
        m_res.LookupFontByStyle(CFakeRenderResources::FACE, 14, false, true, false);
    ASSERT_NE(pLink, nullptr);
    int x = 10 + Extent("go ");
    EXPECT_TRUE(SameRect(m_rcLinks[0], {x, 5, x + Extent("here", pLink), 5 + LineHeight()}))
        << m_rcLinks[0];
    EXPECT_GT(CountPixels(Argb(255, 0, 0, 255), 60), 10);  // the host's link colour
}

TEST_F(MarkupTextTest, LinkAcrossALineBreakYieldsTwoRectanglesWithOneText) {
    int nLinks = Draw("ab {a http://two}cd{n}ef{/a} gh", {0, 0, 400, 200});
    ASSERT_EQ(nLinks, 2);
    EXPECT_STREQ(m_strLinks[0], "http://two");
    EXPECT_STREQ(m_strLinks[1], "http://two");
    EXPECT_EQ(m_rcLinks[0].top, 0);
    EXPECT_EQ(m_rcLinks[0].bottom, LineHeight());
    EXPECT_EQ(m_rcLinks[0].left, Extent("ab "));
    EXPECT_EQ(m_rcLinks[1].top, LineHeight());
    EXPECT_EQ(m_rcLinks[1].left, 0);
    EXPECT_EQ(m_rcLinks[1].bottom, 2 * LineHeight());

    // A link wrapped by the right edge continues the same way.
    m_canvas.Fill(WHITE);
    int cx = Extent("ab cd");
    EXPECT_EQ(Draw("ab {a x}cdefgh{/a}", {0, 0, cx, 200}), 2);
    EXPECT_EQ(m_rcLinks[0].right, cx);
    EXPECT_EQ(m_rcLinks[1].left, 0);
}

TEST_F(MarkupTextTest, LinksBeyondTheSlotsAreNotRecordedAndNoSlotsMeansNoLinks) {
    EXPECT_EQ(Draw("{a 1}a{/a}{a 2}b{/a}{a 3}c{/a}", {0, 0, 400, 200}, 0, 2), 2);
    EXPECT_STREQ(m_strLinks[1], "2");
    RECT rc = {0, 0, 400, 200};
    int nLinks = 8;
    CDrawEngine::DrawMarkupText(m_canvas.Dc(), &m_res, rc, "{a 1}a{/a}", 0, nullptr, nullptr,
                                nLinks, -1, 0);
    EXPECT_EQ(nLinks, 0);
    // Nothing laid out: no links either, not the slots the caller offered.
    nLinks = 8;
    RECT empty = {5, 5, 5, 20};
    CDrawEngine::DrawMarkupText(m_canvas.Dc(), &m_res, empty, "{a 1}a{/a}", 0, m_rcLinks,
                                m_strLinks, nLinks, -1, 0);
    EXPECT_EQ(nLinks, 0);
    EXPECT_EQ(Draw("a{/a}b", {0, 0, 400, 200}), 0);  // a stray end tag is no link
}

TEST_F(MarkupTextTest, TheLinkUnderTheMouseTakesTheHoverColour) {
    Draw("{a http://h}MMMM{/a}", {0, 0, 400, 200});
    m_res.SetMouse(POINT{m_rcLinks[0].left + 2, m_rcLinks[0].top + 2});
    m_canvas.Fill(WHITE);
    Draw("{a http://h}MMMM{/a}", {0, 0, 400, 200});
    EXPECT_GT(CountPixels(Argb(255, 0, 0xC0, 0), 60), 10);
    EXPECT_EQ(CountPixels(Argb(255, 0, 0, 255), 60), 0);
}

TEST_F(MarkupTextTest, LineHeightTagsAndParagraphs) {
    EXPECT_EQ(Measure("{y 40}a").bottom, 40);
    EXPECT_EQ(Measure("a{n}{y 40}b").bottom, LineHeight() + 40);
    // A paragraph starts a new line; the line of the tag and the paragraph's
    // lines are as high as the spacing plus the font.
    EXPECT_EQ(Measure("{p 10}ab{/p}").bottom, 10 + LineHeight());
    EXPECT_EQ(Measure("ab{p 10}cd{/p}").bottom, 2 * (10 + LineHeight()));
    EXPECT_EQ(Measure("ab{p 10}cd{/p}").right, std::max(Extent("ab"), Extent("cd")));
    EXPECT_EQ(Measure("{x 25}a").right, 25 + Extent("a"));
}

TEST_F(MarkupTextTest, InlineImagesSitOnTheLineOrMoveToTheNext) {
    m_res.AddImage("red.png", 20, 30, {RED});
    EXPECT_TRUE(SameRect(Measure("a{i red.png}b"), {0, 0, Extent("ab") + 20, 30}));
    Draw("a{i red.png}b", {0, 0, 400, 200});
    EXPECT_TRUE(SameRect(InkIn({Extent("a"), 0, Extent("a") + 20, 200}),
                         {Extent("a"), 0, Extent("a") + 20, 30}));
    // Too wide for the rest of the line: the image moves down.
    RECT narrow = Measure("abc{i red.png}", {0, 0, Extent("abc") + 10, 200});
    EXPECT_EQ(narrow.bottom, LineHeight() + 30);
    // On a line of its own it is drawn even when wider than the rectangle.
    m_canvas.Fill(WHITE);
    Draw("{i red.png}", {0, 0, 12, 200});
    EXPECT_EQ(CountPixels(RED), 12 * 30);  // clipped to the rectangle
    // A missing image is skipped.
    EXPECT_EQ(Measure("a{i none.png}b").right, Extent("ab"));
}

TEST_F(MarkupTextTest, ImageStripsShowOneFrameAndDescriptorsNameTheImage) {
    constexpr uint32_t GREEN = Argb(255, 0, 255, 0);
    constexpr uint32_t BLUE = Argb(255, 0, 0, 255);
    m_res.AddImage("strip", 30, 10, {RED, GREEN, BLUE});
    Draw("{i strip 3 1}", {0, 0, 400, 200});
    EXPECT_EQ(CountPixels(GREEN), 100);
    EXPECT_EQ(CountPixels(RED) + CountPixels(BLUE), 0);
    m_canvas.Fill(WHITE);
    Draw("{i strip 3 7}", {0, 0, 400, 200});  // a frame out of range shows the first
    EXPECT_EQ(CountPixels(RED), 100);
    Measure("{i file='strip' restype='PNG'}{i res='logo' restype='PNG'}");
    ASSERT_GE(m_res.ImagesAskedFor().size(), 2u);
    auto asked = m_res.ImagesAskedFor();
    EXPECT_EQ(asked[asked.size() - 2], "strip");
    EXPECT_EQ(asked.back(), "logo|PNG");
}

// Text drawing expands tokens exactly as the host does: texts that bring
// tokens of their own are expanded too, within the replacement bound.
TEST_F(MarkupTextTest, LanguageTokensExpandAsTheHostExpandsThem) {
    const std::pair<int, const char*> TEXTS[] = {
        {9211, "Hello"}, {0, "Zero"}, {9201, "A%{9202}"}, {9202, "B"}, {9212, "again %{9212}"}};
    for (const auto& [nId, pstrText] : TEXTS) {
        m_res.SetLanguageText(nId, pstrText);
        Orvik::CWindowHostUI::SetLanguageText(nId, pstrText);
    }
    std::string again;
    for (int i = 0; i < Orvik::MAX_LANGUAGE_REPLACEMENTS; ++i)
        again += "again ";
    const std::pair<const char*, std::string> CASES[] = {
        {"%{9211} x", "Hello x"},
        {"%{} %{9211}%{9211}", "Zero HelloHello"},
        {"%{9201}", "AB"},
        {"x%{9202}%{9201}", "xBAB"},
        {"%{9} %{9211", "%{9} %{9211"},
        {"%{99999999999999999999}", "%{99999999999999999999}"},
        {"%{4294976507}", "%{4294976507}"},  // no wrap to id 9211
        {"%{9212}", again + "%{9212}"},
    };
    for (const auto& [pstrIn, expected] : CASES) {
        Orvik::CUIString str(pstrIn);
        Orvik::CWindowHostUI::ExpandLanguageTokens(str);
        EXPECT_STREQ(str, expected.c_str()) << pstrIn;
        EXPECT_EQ(Measure(pstrIn, {0, 0, 99999, 200}).right, Extent(expected.c_str())) << pstrIn;
        RECT rc = {0, 0, 99999, 200};
        CDrawEngine::DrawPlainText(m_canvas.Dc(), &m_res, rc, pstrIn, 0, -1, DT_CALCRECT);
        EXPECT_EQ(rc.right, Extent(expected.c_str())) << pstrIn;
    }
}

// A text naming its own token twice doubles with each replacement; the
// expansion stops growing instead of exhausting memory.
TEST_F(MarkupTextTest, LanguageTokenExpansionGrowthIsBounded) {
    Orvik::CWindowHostUI::SetLanguageText(9203, "%{9203}%{9203}");
    Orvik::CUIString str("%{9203}");
    Orvik::CWindowHostUI::ExpandLanguageTokens(str);
    EXPECT_GT(str.GetLength(), 7);
    EXPECT_LE(str.GetLength(), 7 + Orvik::MAX_LANGUAGE_GROWTH);
}

TEST_F(MarkupTextTest, SelectedTextIsDrawnOnTheSelectionColour) {
    Draw("a{s}MM{/s}b", {0, 0, 400, 200});
    int nSelected = CountPixels(Argb(255, 255, 255, 0));
    EXPECT_GT(nSelected, Extent("MM") * LineHeight() / 2);
    EXPECT_LE(nSelected, Extent("MM") * LineHeight());
    // A selection left open ends with the text: the DC keeps its mode.
    SetBkMode(m_canvas.Dc(), TRANSPARENT);
    Draw("{s}M", {0, 0, 400, 200});
    m_canvas.Fill(WHITE);
    RECT rc = {0, 0, 400, 200};
    SetBkColor(m_canvas.Dc(), RGB(255, 0, 0));
    DrawTextA(m_canvas.Dc(), "M", 1, &rc, DT_SINGLELINE);
    EXPECT_EQ(CountPixels(Argb(255, 255, 0, 0)), 0);
}

// Tolerance 8 per channel: glyph edges may shift by a shade between
// FreeType builds; a moved line or link would differ by far more.
TEST_F(MarkupTextTest, GoldenLinkAcrossALineBreak) {
    CTestCanvas canvas(240, 44, WHITE);
    RECT rc = {4, 4, 236, 40};
    int nLinks = SLOTS;
    CDrawEngine::DrawMarkupText(canvas.Dc(), &m_res, rc,
                                "扫码后 {b}open{/b} {a http://x}the long{n}link{/a} "
                                "{c #FF0000}here{/c}.",
                                0xFF202020, m_rcLinks, m_strLinks, nLinks, -1, DT_CENTER);
    EXPECT_EQ(nLinks, 2);
    EXPECT_TRUE(testsupport::MatchesGolden(
        canvas, std::string(LUMORA_SOURCE_DIR) + "/tests/ui/render/golden", "render_output",
        "markup_link_break", 8));
}
