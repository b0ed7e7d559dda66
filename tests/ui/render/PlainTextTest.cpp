// Plain text through the platform's layout: alignment flags, measuring, fonts by id, no prefixes.
#include "MarkupTextFixture.h"

using namespace rendertest;
using Orvik::CDrawEngine;

namespace {

class PlainTextTest : public MarkupTextTest {
protected:
    RECT DrawPlain(const char* pstrText, RECT rc, UINT uStyle, int iFont = -1) {
        CDrawEngine::DrawPlainText(m_canvas.Dc(), &m_res, rc, pstrText, 0xFF000000, iFont, uStyle);
        return rc;
    }
};

}  // namespace

TEST_F(PlainTextTest, AlignmentFlagsPlaceTheText) {
    const RECT rc = {20, 10, 220, 70};
    int cx = Extent("Mm");
    int cy = LineHeight();
    struct Case {
        UINT style;
        LONG left;
        LONG top;
    } cases[] = {
        {DT_LEFT | DT_TOP | DT_SINGLELINE, 20, 10},
        {DT_CENTER | DT_SINGLELINE, 20 + (200 - cx) / 2, 10},
        {DT_RIGHT | DT_SINGLELINE, 220 - cx, 10},
        {DT_VCENTER | DT_SINGLELINE, 20, 10 + (60 - cy) / 2},
        {DT_BOTTOM | DT_SINGLELINE, 20, 70 - cy},
        {DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, 20 + (200 - cx) / 2,
         10 + (60 - cy) / 2},
        {DT_WORDBREAK, 20, 10},
    };
    for (const Case& c : cases) {
        m_canvas.Fill(WHITE);
        DrawPlain("Mm", rc, c.style);
        RECT ink = Ink();
        EXPECT_LE(std::abs(ink.left - c.left), 2) << c.style << " " << ink;
        EXPECT_TRUE(Inside(ink, {c.left - 1, c.top, c.left + cx + 1, c.top + cy}))
            << c.style << " " << ink;
    }
}

TEST_F(PlainTextTest, MeasuringUpdatesTheRectangleAndDrawsNothing) {
    RECT rc = DrawPlain("two words", {5, 5, 300, 100}, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_TRUE(SameRect(rc, {5, 5, 5 + Extent("two words"), 5 + LineHeight()})) << rc;
    EXPECT_EQ(Ink().right, 0);
    RECT wrapped =
        DrawPlain("two words", {0, 0, Extent("two wor"), 100}, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(wrapped.bottom, 2 * LineHeight());
}

TEST_F(PlainTextTest, FontIdsPrefixesAndTheDcFont) {
    Orvik::FontInfo* pBig = m_res.AddFont(4, CFakeRenderResources::FACE, 28);
    RECT big = DrawPlain("Ab", {0, 0, 300, 100}, DT_CALCRECT | DT_SINGLELINE, 4);
    EXPECT_EQ(big.right, Extent("Ab", pBig));
    RECT unknown = DrawPlain("Ab", {0, 0, 300, 100}, DT_CALCRECT | DT_SINGLELINE, 99);
    EXPECT_EQ(unknown.right, Extent("Ab"));
    // "&" is a character, never a prefix.
    RECT amp = DrawPlain("a&&b&c", {0, 0, 300, 100}, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(amp.right, Extent("a&&b&c"));
    // The DC's font is the one from before.
    HFONT hMine = m_res.AddFont(5, CFakeRenderResources::FACE, 9)->hFont;
    SelectObject(m_canvas.Dc(), hMine);
    DrawPlain("x", {0, 0, 300, 100}, DT_SINGLELINE, 4);
    EXPECT_EQ(SelectObject(m_canvas.Dc(), hMine), hMine);
    // Without a text or a host nothing happens.
    RECT rc = {0, 0, 10, 10};
    CDrawEngine::DrawPlainText(m_canvas.Dc(), nullptr, rc, "x", 0, -1, DT_CALCRECT);
    CDrawEngine::DrawPlainText(m_canvas.Dc(), &m_res, rc, nullptr, 0, -1, DT_CALCRECT);
    EXPECT_TRUE(SameRect(rc, {0, 0, 10, 10}));
}
