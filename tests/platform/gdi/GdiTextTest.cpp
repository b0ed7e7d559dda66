// Fonts and text: metrics of the fallback face, extents against drawn pixels, DrawTextA layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"
#include "platform/kernel.h"

using namespace gditest;

namespace {

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);
bool IsDbcs(const char* p) {
    return IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1];
}

const char* const MIXED = "中文Latin混合Text，测试";

HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, bool italic = false) {
    LOGFONTA lf = {};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

// A white canvas with black transparent-mode text in the given font.
class CTextCanvas : public CTestCanvas {
public:
    CTextCanvas(int w, int h, HFONT font) : CTestCanvas(w, h, WHITE) {
        m_hOld = SelectObject(Dc(), font);
        SetBkMode(Dc(), TRANSPARENT);
        SetTextColor(Dc(), RGB(0, 0, 0));
    }
    ~CTextCanvas() { SelectObject(Dc(), m_hOld); }
    TEXTMETRICA Metrics() const {
        TEXTMETRICA tm = {};
        GetTextMetricsA(Dc(), &tm);
        return tm;
    }
    int Extent(const char* text) const {
        SIZE sz = {};
        GetTextExtentPoint32A(Dc(), text, static_cast<int>(std::strlen(text)), &sz);
        return sz.cx;
    }
    // The longest prefix of text that fits in width with "..." after it, plus "...".
    std::string FitWithEllipsis(const char* text, int width) const {
        std::string fit;
        for (const char* p = text; *p; p += IsDbcs(p) ? 2 : 1) {
            std::string next(text, p + (IsDbcs(p) ? 2 : 1));
            if (Extent((next + "...").c_str()) > width)
                break;
            fit = next;
        }
        return fit + "...";
    }
    // Whether this picture equals `other` moved by (dx, dy).
    bool EqualsShifted(const CTestCanvas& other, int dx, int dy) const {
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x) {
                int sx = x - dx, sy = y - dy;
                uint32_t theirs =
                    sx >= 0 && sy >= 0 && sx < Width() && sy < Height() ? other.At(sx, sy) : WHITE;
                if (At(x, y) != theirs)
                    return false;
            }
        return true;
    }

private:
    HGDIOBJ m_hOld;
};

class GdiText : public ::testing::Test {
protected:
    void SetUp() override { m_hFont = MakeFont("微软雅黑", -14); }
    void TearDown() override { DeleteObject(m_hFont); }
    HFONT m_hFont = nullptr;
};

}  // namespace

TEST_F(GdiText, MissingFaceFallsBackToTheCjkSansSerifFace) {
    CTextCanvas c(10, 10, m_hFont);
    TEXTMETRICA tm = c.Metrics();
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, 14);
    EXPECT_LE(tm.tmHeight, 22);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 14);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, c.Extent("中"));
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    // An ideograph is drawn, not a blank or an empty box: it has ink in the middle of its cell.
    EXPECT_GT(c.Extent("中"), 10);

    HFONT generic = MakeFont("sans-serif", -14);
    CTextCanvas g(10, 10, generic);
    TEXTMETRICA gm = g.Metrics();
    EXPECT_EQ(gm.tmHeight, tm.tmHeight);
    EXPECT_EQ(g.Extent(MIXED), c.Extent(MIXED));
    DeleteObject(generic);

    LOGFONTA lf = {};
    ASSERT_EQ(GetObjectA(m_hFont, sizeof(lf), &lf), int(sizeof(lf)));
    EXPECT_STREQ(lf.lfFaceName, "微软雅黑");
}

TEST_F(GdiText, InstalledLatinFaceTakesIdeographsFromTheCjkFace) {
    HFONT latin = MakeFont("DejaVu Sans", -14);
    CTextCanvas l(60, 30, latin);
    CTextCanvas cjk(60, 30, m_hFont);
    EXPECT_NE(l.Extent("Latin"), cjk.Extent("Latin"));  // a different face for Latin
    EXPECT_EQ(l.Extent("中文"), cjk.Extent("中文"));    // the same ideographs
    TextOutA(l.Dc(), 0, 0, "中", 2);
    RECT ink = l.InkBounds(WHITE);
    EXPECT_GT(ink.right - ink.left, 8);
    EXPECT_GT(ink.bottom - ink.top, 8);
    DeleteObject(latin);
}

TEST_F(GdiText, HeightsWeightsAndTheStockGuiFont) {
    HFONT cell = MakeFont("微软雅黑", 20);  // positive: cell height
    CTextCanvas c(10, 10, cell);
    EXPECT_NEAR(c.Metrics().tmHeight, 20, 1);
    EXPECT_LT(c.Metrics().tmHeight - c.Metrics().tmInternalLeading, 20);  // em below the cell

    HFONT bold = MakeFont("微软雅黑", -14, FW_BOLD);
    CTextCanvas b(10, 10, bold);
    CTextCanvas r(10, 10, m_hFont);
    EXPECT_EQ(b.Metrics().tmWeight, FW_BOLD);
    EXPECT_GE(b.Extent(MIXED), r.Extent(MIXED));

    CTextCanvas gui(10, 10, (HFONT)GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(gui.Metrics().tmHeight - gui.Metrics().tmInternalLeading, 12);
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    EXPECT_EQ(lf.lfHeight, -12);
    DeleteObject(cell);
    DeleteObject(bold);
}

TEST_F(GdiText, ExtentEqualsTheAdvanceTextOutDraws) {
    const std::string twice = std::string(MIXED) + MIXED;
    CTextCanvas once(400, 30, m_hFont);
    int cx = once.Extent(MIXED);
    ASSERT_GT(cx, 100);
    TextOutA(once.Dc(), 5, 5, MIXED, static_cast<int>(std::strlen(MIXED)));
    RECT ink = once.InkBounds(WHITE);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 5 + cx + 1);
    EXPECT_GE(ink.right, 5 + cx - 4);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.bottom, 5 + once.Metrics().tmHeight);
    // Drawing the text again at 5 + extent gives exactly the picture of the doubled text.
    TextOutA(once.Dc(), 5 + cx, 5, MIXED, static_cast<int>(std::strlen(MIXED)));
    CTextCanvas both(400, 30, m_hFont);
    TextOutA(both.Dc(), 5, 5, twice.c_str(), static_cast<int>(twice.size()));
    EXPECT_TRUE(both.EqualsShifted(once, 0, 0));
    EXPECT_EQ(both.Extent(twice.c_str()), 2 * cx);
}

TEST_F(GdiText, CharAbcWidthsAddUpToTheAdvance) {
    CTextCanvas c(10, 10, m_hFont);
    ABC abc[2] = {};
    ASSERT_TRUE(GetCharABCWidthsA(c.Dc(), ' ', '!', abc));
    EXPECT_EQ(abc[0].abcA + int(abc[0].abcB) + abc[0].abcC, c.Extent(" "));
    EXPECT_EQ(abc[1].abcA + int(abc[1].abcB) + abc[1].abcC, c.Extent("!"));
    EXPECT_GT(abc[1].abcB, 0u);
    EXPECT_FALSE(GetCharABCWidthsA(c.Dc(), 'b', 'a', abc));
}

TEST_F(GdiText, TextOverTransparentPixelsIsPremultipliedAndOpaqueModeFillsTheCell) {
    CTestCanvas c(200, 30, 0);
    HGDIOBJ old = SelectObject(c.Dc(), m_hFont);
    SetBkMode(c.Dc(), TRANSPARENT);
    SetTextColor(c.Dc(), RGB(255, 0, 0));
    TextOutA(c.Dc(), 2, 2, MIXED, static_cast<int>(std::strlen(MIXED)));
    int partial = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x) {
            uint32_t px = c.At(x, y);
            ASSERT_EQ(Channel(px, 16), Channel(px, 24)) << x << "," << y;  // red == alpha
            ASSERT_EQ(px & 0xFFFF, 0u);
            if (Channel(px, 24) > 0 && Channel(px, 24) < 255)
                ++partial;
        }
    EXPECT_GT(partial, 20);  // anti-aliased edges

    c.Fill(0);
    SetBkMode(c.Dc(), OPAQUE);
    SetBkColor(c.Dc(), RGB(0, 0, 255));
    TextOutA(c.Dc(), 2, 2, "ab", 2);
    TEXTMETRICA tm = {};
    GetTextMetricsA(c.Dc(), &tm);
    SIZE sz = {};
    GetTextExtentPoint32A(c.Dc(), "ab", 2, &sz);
    EXPECT_EQ(c.At(2, 2), Argb(255, 0, 0, 255));  // cell corner: background colour
    EXPECT_EQ(c.InkBounds(0).right, 2 + sz.cx);
    EXPECT_EQ(c.InkBounds(0).bottom, 2 + tm.tmHeight);
    SelectObject(c.Dc(), old);
}

TEST_F(GdiText, ExtTextOutOpaqueAndClippedKeepToTheRectangle) {
    CTextCanvas c(200, 40, m_hFont);
    SetBkColor(c.Dc(), RGB(0, 255, 0));
    RECT rc = {10, 5, 60, 30};
    ExtTextOutA(c.Dc(), 12, 8, ETO_OPAQUE | ETO_CLIPPED, &rc, MIXED,
                static_cast<UINT>(std::strlen(MIXED)), nullptr);
    RECT ink = c.InkBounds(WHITE);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 60);
    EXPECT_EQ(ink.bottom, 30);
    EXPECT_EQ(c.At(10, 5), Argb(255, 0, 255, 0));
}

TEST_F(GdiText, DrawTextAlignsSingleLines) {
    const char* text = "中文abc";
    RECT area = {10, 5, 190, 55};
    CTextCanvas left(200, 60, m_hFont);
    RECT measured = area;
    int h = DrawTextA(left.Dc(), text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    int w = measured.right - measured.left;
    EXPECT_EQ(w, left.Extent(text));
    EXPECT_EQ(h, left.Metrics().tmHeight);
    EXPECT_EQ(measured.bottom, area.top + h);
    RECT rc = area;
    EXPECT_EQ(DrawTextA(left.Dc(), text, -1, &rc, DT_SINGLELINE), h);
    EXPECT_GE(left.InkBounds(WHITE).left, 10);

    struct Case {
        UINT format;
        int dx, dy;
    } cases[] = {
        {DT_CENTER, (180 - w) / 2, 0},
        {DT_RIGHT, 180 - w, 0},
        {DT_VCENTER, 0, (50 - h) / 2},
        {DT_BOTTOM, 0, 50 - h},
        {DT_CENTER | DT_VCENTER, (180 - w) / 2, (50 - h) / 2},
    };
    for (const Case& k : cases) {
        CTextCanvas c(200, 60, m_hFont);
        rc = area;
        int ret = DrawTextA(c.Dc(), text, -1, &rc, DT_SINGLELINE | k.format);
        EXPECT_EQ(ret, k.dy + h) << k.format;
        EXPECT_TRUE(c.EqualsShifted(left, k.dx, k.dy)) << k.format;
    }
}

TEST_F(GdiText, DrawTextBreaksWordsAndIdeographs) {
    CTextCanvas c(300, 200, m_hFont);
    int lineH = c.Metrics().tmHeight;
    int ideo = c.Extent("中");
    // Three ideographs fit per line; eight take three lines.
    RECT rc = {0, 0, 3 * ideo + ideo / 2, 200};
    int h = DrawTextA(c.Dc(), "中文中文中文中文", -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(h, 3 * lineH);
    EXPECT_EQ(rc.right, 3 * ideo);
    // Latin text breaks at spaces only; trailing spaces take no width.
    int hello = c.Extent("hello world");
    rc = RECT{0, 0, hello + 2, 200};
    h = DrawTextA(c.Dc(), "hello world again", -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(h, 2 * lineH);
    EXPECT_EQ(rc.right, hello);
    // A closing comma never starts a line: it goes with the ideograph before it.
    rc = RECT{0, 0, 2 * ideo + 1, 200};
    DrawTextA(c.Dc(), "中文，中文", -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(rc.bottom, 3 * lineH);
    // A word wider than the rectangle is split rather than lost.
    rc = RECT{0, 0, c.Extent("abc"), 200};
    h = DrawTextA(c.Dc(), "abcdefghi", -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(h, 3 * lineH);
}

TEST_F(GdiText, LineFeedsSingleLineAndCalcRect) {
    CTextCanvas c(300, 100, m_hFont);
    int lineH = c.Metrics().tmHeight;
    RECT rc = {5, 5, 295, 95};
    EXPECT_EQ(DrawTextA(c.Dc(), "第一行\r\nb\nccc", -1, &rc, DT_CALCRECT), 3 * lineH);
    EXPECT_EQ(rc.bottom, 5 + 3 * lineH);
    EXPECT_EQ(rc.right, 5 + c.Extent("第一行"));
    rc = RECT{5, 5, 295, 95};
    EXPECT_EQ(DrawTextA(c.Dc(), "第一行\nccc", -1, &rc, DT_SINGLELINE | DT_CALCRECT), lineH);
    EXPECT_EQ(rc.right, 5 + c.Extent("第一行ccc"));
    // Only the given number of bytes is laid out.
    rc = RECT{0, 0, 300, 100};
    DrawTextA(c.Dc(), "第一行ccc", 6, &rc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rc.right, c.Extent("第一行"));
}

TEST_F(GdiText, EndEllipsisCutsTheLineToFit) {
    const char* text = "中文Latin混合Text很长很长的一行";
    CTextCanvas c(300, 40, m_hFont);
    int width = c.Extent("中文Latin混") + 3;
    RECT rc = {0, 0, width, 30};
    DrawTextA(c.Dc(), text, -1, &rc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    EXPECT_LE(c.InkBounds(WHITE).right, width);
    // The same picture as the longest prefix that fits with "..." after it.
    std::string expect = c.FitWithEllipsis(text, width);
    CTextCanvas e(300, 40, m_hFont);
    RECT rc2 = {0, 0, 300, 30};
    DrawTextA(e.Dc(), expect.c_str(), -1, &rc2, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_TRUE(c.EqualsShifted(e, 0, 0)) << expect;
    // A wrapped text that runs below the rectangle ends its last line with "...".
    CTextCanvas w(300, 40, m_hFont);
    int lineH = w.Metrics().tmHeight;
    RECT two = {0, 0, w.Extent("中文中文") + 1, 2 * lineH};
    DrawTextA(w.Dc(), "中文中文中文中文中文中文", -1, &two, DT_WORDBREAK | DT_END_ELLIPSIS);
    CTextCanvas we(300, 40, m_hFont);
    RECT wide = {0, 0, 300, 40};
    std::string lines = "中文中文\n" + w.FitWithEllipsis("中文中文", two.right);
    DrawTextA(we.Dc(), lines.c_str(), -1, &wide, 0);
    EXPECT_TRUE(w.EqualsShifted(we, 0, 0));
}

TEST_F(GdiText, PrefixAmpersandUnderlinesUnlessNoPrefix) {
    CTextCanvas c(200, 40, m_hFont);
    RECT rc = {0, 0, 200, 40};
    DrawTextA(c.Dc(), "&File && more", -1, &rc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rc.right, c.Extent("File & more"));
    rc = RECT{0, 0, 200, 40};
    DrawTextA(c.Dc(), "&File", -1, &rc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(rc.right, c.Extent("&File"));
    // The marked letter gets an underline: ink below the plain text's baseline.
    CTextCanvas plain(200, 40, m_hFont);
    rc = RECT{0, 0, 200, 40};
    DrawTextA(plain.Dc(), "File", -1, &rc, DT_SINGLELINE);
    rc = RECT{0, 0, 200, 40};
    DrawTextA(c.Dc(), "&File", -1, &rc, DT_SINGLELINE);
    EXPECT_FALSE(c.EqualsShifted(plain, 0, 0));
    int baseline = c.Metrics().tmAscent;
    int underlineRight = 0;
    bool below = false;
    for (int y = baseline + 1; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.At(x, y) != WHITE) {
                below = true;
                underlineRight = std::max(underlineRight, x + 1);
            }
    EXPECT_TRUE(below);
    EXPECT_LE(underlineRight, c.Extent("F"));
}

TEST(GdiTextGolden, MixedTextInSizesWeightsAndAlignments) {
    CTestCanvas c(360, 230, WHITE);
    SetBkMode(c.Dc(), TRANSPARENT);
    struct Line {
        int height, weight;
        bool italic;
        UINT align;
        COLORREF color;
        const char* text;
    } lines[] = {
        {-12, FW_NORMAL, false, DT_LEFT, RGB(0, 0, 0), "快速登录 Lumora 1.0.6 线路检测"},
        {-14, FW_BOLD, false, DT_CENTER, RGB(200, 30, 30), "线路一 0.132s 立即进入"},
        {-16, FW_NORMAL, true, DT_RIGHT, RGB(20, 90, 200), "客户端下载 Download gjpq"},
        {-20, FW_NORMAL, false, DT_LEFT, RGB(0, 120, 0), "扫码后用浏览器打开。Agy"},
        {-24, FW_BOLD, false, DT_CENTER, RGB(0, 0, 0), "中文 Mixed 文字"},
    };
    int y = 4;
    for (const Line& l : lines) {
        HFONT font = MakeFont("微软雅黑", l.height, l.weight, l.italic);
        HGDIOBJ old = SelectObject(c.Dc(), font);
        SetTextColor(c.Dc(), l.color);
        RECT rc = {6, y, 354, y + 40};
        y += DrawTextA(c.Dc(), l.text, -1, &rc, DT_SINGLELINE | l.align) + 4;
        SelectObject(c.Dc(), old);
        DeleteObject(font);
    }
    HFONT font = MakeFont("微软雅黑", -13);
    HGDIOBJ old = SelectObject(c.Dc(), font);
    SetTextColor(c.Dc(), RGB(60, 60, 60));
    RECT box = {6, y, 200, 226};
    DrawTextA(c.Dc(), "1.打开微信或扫码工具“扫一扫”。2.扫码后用浏览器打开，即可下载客户端。", -1,
              &box, DT_WORDBREAK | DT_END_ELLIPSIS);
    SelectObject(c.Dc(), old);
    DeleteObject(font);
    EXPECT_TRUE(MatchesGolden(c, "text_mixed", 2));
}
