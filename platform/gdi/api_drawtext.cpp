// DrawTextA: lays the text out in the rectangle, then measures (DT_CALCRECT) or draws it.
#include <cstring>
#include <optional>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_cache.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/text_codec.h"
#include "platform/gdi/text_layout.h"
#include "platform/gdi/text_run.h"

using namespace gdi;

namespace {

// Vertical placement only applies to single lines, as in the original.
int FirstLineTop(const RECT& rc, UINT format, int textHeight) {
    if (!(format & DT_SINGLELINE))
        return rc.top;
    if (format & DT_BOTTOM)
        return rc.bottom - textHeight;
    if (format & DT_VCENTER)
        return rc.top + (rc.bottom - rc.top - textHeight) / 2;
    return rc.top;
}

int LineLeft(const RECT& rc, UINT format, int lineWidth) {
    if (format & DT_CENTER)
        return rc.left + (rc.right - rc.left - lineWidth) / 2;
    if (format & DT_RIGHT)
        return rc.right - lineWidth;
    return rc.left;
}

void DrawLines(CDeviceContext& dc, CFontInstance& font, const CTextLayout& layout, const RECT& rc,
               UINT format, int top) {
    const DCState& st = dc.State();
    RECT dev = dc.ToDevice(rc);
    std::optional<CPixelRegion> clip;
    if (!(format & DT_NOCLIP))
        clip = CPixelRegion(dev);
    const CPixelRegion* limit = clip ? &*clip : nullptr;
    POINT o = dc.Offset();
    RunStyle style;
    style.color = st.textColor;
    style.underline = dc.Font()->LogFont().lfUnderline != 0;
    style.strikeout = dc.Font()->LogFont().lfStrikeOut != 0;
    int y = top + o.y;
    for (const CTextLayout::Line& line : layout.Lines()) {
        int x = LineLeft(rc, format, line.width) + o.x;
        if (st.bkMode == OPAQUE) {
            CPixelRegion cell(RECT{x, y, x + line.width, y + layout.LineHeight()});
            if (limit)
                cell.Intersect(*limit);
            FillArea(dc, cell, st.bkColor);
        }
        style.underlineChar = line.underlineChar;
        DrawRun(dc, font, x, y, line.text.data(), line.text.size(), style, limit);
        y += layout.LineHeight();
    }
}

}  // namespace

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    auto lock = CFontCache::Get().Lock();
    CFontInstance* font = dc ? dc->Font()->Instance() : nullptr;
    if (!font || !lprc || !lpchText)
        return 0;
    std::u32string text = DecodeAnsi(lpchText, cchText);
    if (format & DT_PREFIXONLY)
        return 0;
    RECT rc = *lprc;
    CTextLayout layout(*font, text, format, rc.right - rc.left, rc.bottom - rc.top);
    int height = layout.TotalHeight();
    if (format & DT_CALCRECT) {
        lprc->right = lprc->left + layout.MaxWidth();
        lprc->bottom = lprc->top + height;
        return height;
    }
    int top = FirstLineTop(rc, format, height);
    DrawLines(*dc, *font, layout, rc, format, top);
    return top - rc.top + height;
}
