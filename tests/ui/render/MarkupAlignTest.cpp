// Markup text placement: whole-text and per-line alignment, wrapping, ellipsis, measured sizes.
#include "MarkupTextFixture.h"

using namespace rendertest;
using Orvik::CDrawEngine;

// Single-line text moves as a whole; its ink starts where the measured text
// would start inside the rectangle.
TEST_F(MarkupTextTest, SingleLineAlignmentPlacesTheWholeText) {
    const RECT rc = {20, 10, 220, 70};
    int cx = Extent("Mm{b}");
    struct Case {
        UINT style;
        LONG left;
        LONG top;
    } cases[] = {
        {DT_SINGLELINE, 20, 10},
        {DT_SINGLELINE | DT_CENTER, 20 + 100 - cx / 2, 10},
        {DT_SINGLELINE | DT_RIGHT, 220 - cx, 10},
        {DT_SINGLELINE | DT_VCENTER, 20, 10 + 30 - LineHeight() / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 220 - cx, 70 - LineHeight()},
    };
    for (const Case& c : cases) {
        m_canvas.Fill(WHITE);
        RECT moved = rc;
        int nLinks = 0;
        CDrawEngine::DrawMarkupText(m_canvas.Dc(), &m_res, moved, "Mm<{>b<}>", 0xFF000000, nullptr,
                                    nullptr, nLinks, -1, c.style);
        EXPECT_EQ(moved.left, c.left) << c.style;
        EXPECT_EQ(moved.top, c.top) << c.style;
        RECT ink = Ink();
        EXPECT_LE(std::abs(ink.left - c.left), 2) << c.style;
        EXPECT_TRUE(Inside(ink, {c.left, c.top, c.left + cx + 1, c.top + LineHeight()}))
            << c.style << " " << ink;
    }
}

TEST_F(MarkupTextTest, MultiLineAlignmentPlacesEveryLineAndItsLinks) {
    const RECT rc = {0, 0, 300, 200};
    for (UINT style : {UINT(DT_CENTER), UINT(DT_RIGHT)}) {
        m_canvas.Fill(WHITE);
        ASSERT_EQ(Draw("{a x}MMMM{/a}{n}M", rc, style), 1);
        int cxFirst = Extent("MMMM");
        int cxSpare = style == DT_CENTER ? (300 - cxFirst) / 2 : 300 - cxFirst;
        RECT first = InkIn({0, 0, 300, LineHeight()});
        RECT second = InkIn({0, LineHeight(), 300, 2 * LineHeight()});
        EXPECT_LE(std::abs(first.left - cxSpare), 2) << style;
        EXPECT_GT(second.left, first.left) << style;
        // The link's rectangle is where its text is drawn.
        EXPECT_EQ(m_rcLinks[0].left, cxSpare) << style;
        EXPECT_EQ(m_rcLinks[0].right, cxSpare + cxFirst) << style;
    }
    // Vertical centring of a two-line text.
    m_canvas.Fill(WHITE);
    RECT moved = rc;
    int nLinks = 0;
    CDrawEngine::DrawMarkupText(m_canvas.Dc(), &m_res, moved, "M{n}M", 0, nullptr, nullptr, nLinks,
                                -1, DT_VCENTER);
    EXPECT_EQ(moved.top, 100 - LineHeight());
    EXPECT_EQ(moved.bottom, 100 + LineHeight());
}

TEST_F(MarkupTextTest, RunsWrapAtTheEdgeByCharacterOrAtBreakPoints) {
    int cx = Extent("aaa bb");
    // Without word break the run is cut at the last character that fits.
    RECT chars = Measure("aaa bbbb", {0, 0, cx, 200});
    EXPECT_EQ(chars.bottom, 2 * LineHeight());
    EXPECT_EQ(chars.right, cx);
    // With it, at the last break point (after the space).
    RECT words = Measure("aaa bbbb", {0, 0, cx, 200}, DT_WORDBREAK);
    EXPECT_EQ(words.bottom, 2 * LineHeight());
    EXPECT_EQ(words.right, std::max(Extent("aaa "), Extent("bbbb")));
    // Double-byte characters and digits allow a break after them.
    RECT cjk = Measure("扫码9abcd", {0, 0, Extent("扫码9ab"), 200}, DT_WORDBREAK);
    EXPECT_EQ(cjk.bottom, 2 * LineHeight());
    EXPECT_EQ(cjk.right, std::max(Extent("扫码9"), Extent("abcd")));
    // A character wider than the whole rectangle still goes, one per line.
    EXPECT_EQ(Measure("MMM", {0, 0, 3, 200}).bottom, 3 * LineHeight());
}

TEST_F(MarkupTextTest, EndEllipsisCutsTheRunAndAddsDots) {
    const char* text = "abcdefghijklmnop";
    RECT rc = {0, 0, Extent("abcdefgh"), 40};
    RECT measured = Measure(text, rc, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(measured.right, Extent("abcdef") + Extent("..."));
    Draw(text, rc, DT_SINGLELINE | DT_END_ELLIPSIS);
    RECT ink = Ink();
    EXPECT_TRUE(Inside(ink, rc)) << ink;
    // Two characters make room for the dots after the six that fit.
    CTestCanvas expected(400, 200, WHITE);
    RECT plain = rc;
    HGDIOBJ hOld = SelectObject(expected.Dc(), Default()->hFont);
    SetBkMode(expected.Dc(), TRANSPARENT);
    DrawTextA(expected.Dc(), "abcdef...", -1, &plain, DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(expected.Dc(), hOld);
    EXPECT_TRUE(SameRect(ink, expected.InkBounds(WHITE))) << ink;
}

// Whatever the markup, the measured rectangle holds everything drawn, and
// the drawn ink reaches (within glyph side bearings) its right and bottom.
TEST_F(MarkupTextTest, MeasuredSizeIsTheDrawnSize) {
    m_res.AddImage("pic", 16, 24, {Argb(255, 200, 0, 0)});
    const char* texts[] = {
        "plain text",
        "two{n}lines of text",
        "{b}bold{/b} and {i}italic{/i} and {u}under{/u}",
        "{f Sans 24}big{/f} small",
        "image {i pic} inline",
        "{a http://x}a link that wraps around the edge{/a}",
        "{p 6}para one{/p}{p 6}para two{/p}",
        "扫码后用浏览器打开。扫码后用浏览器打开。",
        "{y 30}tall line{n}short",
    };
    for (const char* text : texts) {
        for (UINT style : {UINT(0), UINT(DT_WORDBREAK)}) {
            RECT rc = {10, 10, 170, 190};
            RECT measured = Measure(text, rc, style);
            m_canvas.Fill(WHITE);
            Draw(text, rc, style);
            RECT ink = Ink();
            // Glyphs may overhang their advance by a pixel or two.
            RECT bounds = {measured.left - 2, measured.top, measured.right + 2, measured.bottom};
            EXPECT_TRUE(Inside(ink, bounds)) << text << " " << ink << " in " << measured;
            EXPECT_GE(ink.right, measured.right - 3) << text << " " << ink << measured;
            EXPECT_GE(ink.bottom, measured.bottom - Default()->tm.tmDescent - 4) << text;
            EXPECT_LE(measured.right, rc.right) << text;
        }
    }
}

TEST_F(MarkupTextTest, VerticalAlignmentTagsPlaceTextInATallLine) {
    struct Case {
        const char* text;
        int top;
    } cases[] = {
        {"{y 40}{v top}MM{/v}", 0},
        {"{y 40}{v center}MM{/v}", (40 - LineHeight()) / 2},
        {"{y 40}{v bottom}MM{/v}", 40 - LineHeight()},
        {"{y 40}MM", 40 - LineHeight()},
    };
    for (const Case& c : cases) {
        m_canvas.Fill(WHITE);
        Draw(c.text, {0, 0, 400, 200});
        RECT ink = Ink();
        EXPECT_GE(ink.top, c.top) << c.text;
        EXPECT_LE(ink.bottom, c.top + LineHeight()) << c.text;
    }
}
