// Glyph-by-glyph composition of a text run: each glyph's coverage is an a8 mask over a solid
// colour.
#include "platform/gdi/text_run.h"

#include "platform/gdi/paint.h"

namespace gdi {

int MeasureRun(CFontInstance& font, const char32_t* text, size_t count) {
    int width = 0;
    for (size_t i = 0; i < count; ++i)
        width += font.GetGlyph(text[i]).advance;
    return width;
}

namespace {

void FillBar(CDeviceContext& dc, const CPixelRegion* limit, int x, int y, int width, int height,
             COLORREF color) {
    CPixelRegion bar(RECT{x, y, x + width, y + height});
    if (limit)
        bar.Intersect(*limit);
    FillArea(dc, bar, color);
}

}  // namespace

void DrawRun(CDeviceContext& dc, CFontInstance& font, int x, int y, const char32_t* text,
             size_t count, const RunStyle& style, const CPixelRegion* limit) {
    const FontMetrics& m = font.Metrics();
    int baseline = y + m.ascent;
    int penX = x;
    int markX = 0, markWidth = 0;
    {
        CTargetClip clip(dc, limit);
        if (clip.IsEmpty())
            return;
        pixman_color_t c = ToPixmanColor(style.color);
        pixman_image_t* solid = pixman_image_create_solid_fill(&c);
        for (size_t i = 0; i < count; ++i) {
            const Glyph& g = font.GetGlyph(text[i]);
            if (g.mask)
                pixman_image_composite32(PIXMAN_OP_OVER, solid, g.mask, clip.Target(), 0, 0, 0, 0,
                                         penX + g.left, baseline - g.top, g.width, g.height);
            int advance = style.dx ? style.dx[i] : g.advance;
            if (static_cast<int>(i) == style.underlineChar) {
                markX = penX;
                markWidth = advance;
            }
            penX += advance;
        }
        pixman_image_unref(solid);
    }
    int thick = m.underlineThickness;
    if (style.underline)
        FillBar(dc, limit, x, baseline + m.underlinePos, penX - x, thick, style.color);
    else if (markWidth > 0)
        FillBar(dc, limit, markX, baseline + m.underlinePos, markWidth, thick, style.color);
    if (style.strikeout)
        FillBar(dc, limit, x, baseline - m.strikeoutPos, penX - x, thick, style.color);
}

}  // namespace gdi
