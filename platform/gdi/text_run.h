// Measuring and drawing one line of Unicode text with a font instance.
#pragma once

#include <cstddef>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_instance.h"

namespace gdi {

// Sum of the glyph advances, which is both the extent GetTextExtentPoint32A
// reports and the distance TextOutA moves the pen.
int MeasureRun(CFontInstance& font, const char32_t* text, size_t count);

struct RunStyle {
    COLORREF color = 0;
    bool underline = false;
    bool strikeout = false;
    int underlineChar = -1;   // index of a single underlined character (the "&" prefix)
    const INT* dx = nullptr;  // explicit advances, one per character
};

// Draws the run with its cell's top-left corner at (x, y) in device
// coordinates; coverage is composited source-over in the text colour, only
// inside the DC's clip and `limit`.
void DrawRun(CDeviceContext& dc, CFontInstance& font, int x, int y, const char32_t* text,
             size_t count, const RunStyle& style, const CPixelRegion* limit);

}  // namespace gdi
