// Font metrics, text measurement and single-line text output.
#include <optional>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_cache.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/text_codec.h"
#include "platform/gdi/text_run.h"
#include "platform/kernel.h"

using namespace gdi;

namespace {

CFontInstance* FontOf(CDeviceContext* dc) {
    return dc ? dc->Font()->Instance() : nullptr;
}

}  // namespace

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    auto lock = CFontCache::Get().Lock();
    CFontInstance* font = FontOf(dc);
    if (!font || !lptm)
        return FALSE;
    const FontMetrics& m = font->Metrics();
    const LOGFONTA& lf = dc->Font()->LogFont();
    *lptm = TEXTMETRICA{};
    lptm->tmHeight = m.Height();
    lptm->tmAscent = m.ascent;
    lptm->tmDescent = m.descent;
    lptm->tmInternalLeading = m.internalLeading;
    lptm->tmExternalLeading = m.externalLeading;
    lptm->tmAveCharWidth = m.aveCharWidth;
    lptm->tmMaxCharWidth = m.maxCharWidth;
    lptm->tmWeight = font->IsBold() ? FW_BOLD : FW_NORMAL;
    lptm->tmDigitizedAspectX = 96;
    lptm->tmDigitizedAspectY = 96;
    lptm->tmFirstChar = 0x20;
    lptm->tmLastChar = 0xFF;
    lptm->tmDefaultChar = '?';
    lptm->tmBreakChar = ' ';
    lptm->tmItalic = lf.lfItalic ? 1 : 0;
    lptm->tmUnderlined = lf.lfUnderline ? 1 : 0;
    lptm->tmStruckOut = lf.lfStrikeOut ? 1 : 0;
    lptm->tmPitchAndFamily = FF_SWISS | 0x06;  // variable pitch, vector font
    lptm->tmCharSet = GB2312_CHARSET;
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    auto lock = CFontCache::Get().Lock();
    CFontInstance* font = FontOf(dc);
    if (!font || !psizl || c < 0 || (c > 0 && !lpString))
        return FALSE;
    std::u32string text = DecodeAnsi(lpString, c);
    psizl->cx = MeasureRun(*font, text.data(), text.size());
    psizl->cy = font->Metrics().Height();
    return TRUE;
}

BOOL GetCharABCWidthsA(HDC hdc, UINT wFirst, UINT wLast, ABC* lpABC) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    auto lock = CFontCache::Get().Lock();
    CFontInstance* font = FontOf(dc);
    if (!font || !lpABC || wFirst > wLast || wLast > 0xFFFF)
        return FALSE;
    for (UINT ch = wFirst; ch <= wLast; ++ch) {
        // A value above 0xFF is a double-byte character, lead byte first.
        char bytes[2] = {static_cast<char>(ch > 0xFF ? ch >> 8 : ch), static_cast<char>(ch)};
        std::u32string text = DecodeAnsi(bytes + (ch > 0xFF ? 0 : 1), ch > 0xFF ? 2 : 1);
        const Glyph& g = font->GetGlyph(text.empty() ? U'?' : text[0]);
        ABC& abc = lpABC[ch - wFirst];
        if (g.width == 0) {
            abc = ABC{0, static_cast<UINT>(g.advance), 0};
            continue;
        }
        abc.abcA = g.left;
        abc.abcB = static_cast<UINT>(g.width);
        abc.abcC = g.advance - g.left - g.width;
    }
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, c < 0 ? 0 : static_cast<UINT>(c), nullptr);
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                 const INT* lpDx) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    auto lock = CFontCache::Get().Lock();
    CFontInstance* font = FontOf(dc);
    if (!font || (c > 0 && !lpString))
        return FALSE;
    const DCState& st = dc->State();
    std::optional<CPixelRegion> box;
    if (lprect)
        box = CPixelRegion(dc->ToDevice(*lprect));
    if (box && (options & ETO_OPAQUE))
        FillArea(*dc, *box, st.bkColor);

    std::u32string text = DecodeAnsi(lpString, static_cast<int>(c));
    // Explicit advances are given per byte; keep the first byte's of each character.
    std::vector<INT> dx;
    if (lpDx) {
        for (UINT i = 0; i < c;) {
            dx.push_back(lpDx[i]);
            bool pair = IsDBCSLeadByte(static_cast<BYTE>(lpString[i])) && i + 1 < c;
            i += pair ? 2 : 1;
        }
        dx.resize(text.size(), 0);
    }
    RunStyle style;
    style.color = st.textColor;
    style.underline = dc->Font()->LogFont().lfUnderline != 0;
    style.strikeout = dc->Font()->LogFont().lfStrikeOut != 0;
    style.dx = lpDx ? dx.data() : nullptr;
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i)
        width += lpDx ? dx[i] : font->GetGlyph(text[i]).advance;

    POINT o = dc->Offset();
    POINT cell = {x + o.x, y + o.y};  // the reference point is the cell's top-left corner
    const CPixelRegion* limit = box && (options & ETO_CLIPPED) ? &*box : nullptr;
    if (st.bkMode == OPAQUE && !(options & ETO_OPAQUE)) {
        CPixelRegion cellArea(
            RECT{cell.x, cell.y, cell.x + width, cell.y + font->Metrics().Height()});
        if (limit)
            cellArea.Intersect(*limit);
        FillArea(*dc, cellArea, st.bkColor);
    }
    DrawRun(*dc, *font, cell.x, cell.y, text.data(), text.size(), style, limit);
    return TRUE;
}
