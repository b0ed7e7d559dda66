// Glyph rendering with FreeType (anti-aliased, light hinting) and the face's cell metrics.
#include "platform/gdi/font_instance.h"

#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gdi {

namespace {

int Ceil26(FT_Pos v) {
    return static_cast<int>((v + 63) >> 6);
}
int Round26(FT_Pos v) {
    return static_cast<int>((v + 32) >> 6);
}
int ScaleUp(FT_Long units, FT_Fixed scale) {
    return Ceil26(FT_MulFix(units, scale));
}
int ScaleRound(FT_Long units, FT_Fixed scale) {
    return Round26(FT_MulFix(units, scale));
}

constexpr FT_Int32 LOAD_FLAGS = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT;

}  // namespace

std::unique_ptr<CFontInstance> CFontInstance::Create(FT_Face face, int pixelSize, bool fakeBold,
                                                     bool fakeItalic) {
    FT_Size size = nullptr;
    if (FT_New_Size(face, &size) != 0)
        return nullptr;
    return std::unique_ptr<CFontInstance>(
        new CFontInstance(face, size, pixelSize, fakeBold, fakeItalic));
}

CFontInstance::CFontInstance(FT_Face face, FT_Size size, int pixelSize, bool fakeBold,
                             bool fakeItalic)
    : m_face(face),
      m_size(size),
      m_nPixelSize(pixelSize),
      m_bFakeBold(fakeBold),
      m_bFakeItalic(fakeItalic) {
    m_bBold = fakeBold || (face->style_flags & FT_STYLE_FLAG_BOLD);
    FT_Activate_Size(m_size);
    FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixelSize));
    MeasureMetrics();
}

CFontInstance::~CFontInstance() {
    m_mapGlyphs.clear();
    FT_Done_Size(m_size);
}

// Cell metrics follow the face's Windows ascent and descent when it has them,
// so line heights match what the skins were designed with.
void CFontInstance::MeasureMetrics() {
    const FT_Size_Metrics& sm = m_size->metrics;
    FT_Fixed ys = sm.y_scale;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_HHEA));
    FontMetrics& m = m_metrics;
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        m.ascent = ScaleUp(os2->usWinAscent, ys);
        m.descent = ScaleUp(os2->usWinDescent, ys);
        if (hhea) {
            FT_Long gap = hhea->Line_Gap - ((os2->usWinAscent + os2->usWinDescent) -
                                            (hhea->Ascender - hhea->Descender));
            m.externalLeading = std::max(0, ScaleRound(gap, ys));
        }
        m.strikeoutPos = ScaleRound(os2->yStrikeoutPosition, ys);
        if (os2->xAvgCharWidth > 0)
            m.aveCharWidth = ScaleRound(os2->xAvgCharWidth, sm.x_scale);
    } else {
        m.ascent = Ceil26(sm.ascender);
        m.descent = Ceil26(-sm.descender);
        m.strikeoutPos = m.ascent / 3;
    }
    m.internalLeading = std::max(0, m.Height() - m_nPixelSize);
    m.maxCharWidth = std::max(1, Round26(sm.max_advance));
    if (m.aveCharWidth <= 0)
        m.aveCharWidth = std::max(1, GetGlyph('x').advance);
    m.underlineThickness = std::max(1, ScaleRound(m_face->underline_thickness, ys));
    m.underlinePos =
        std::max(1, ScaleRound(-m_face->underline_position, ys) - m.underlineThickness / 2);
    if (m.strikeoutPos <= 0)
        m.strikeoutPos = m.ascent / 3;
}

bool CFontInstance::HasChar(char32_t ch) const {
    return FT_Get_Char_Index(m_face, ch) != 0;
}

const Glyph& CFontInstance::GetGlyph(char32_t ch) {
    auto it = m_mapGlyphs.find(ch);
    if (it != m_mapGlyphs.end())
        return *it->second;
    bool useFallback = !HasChar(ch) && m_pFallback && m_pFallback->HasChar(ch);
    std::unique_ptr<Glyph> glyph = useFallback ? m_pFallback->Render(ch) : Render(ch);
    return *m_mapGlyphs.emplace(ch, std::move(glyph)).first->second;
}

std::unique_ptr<Glyph> CFontInstance::Render(char32_t ch) {
    auto glyph = std::make_unique<Glyph>();
    // The face is shared by every size: make this one current.
    FT_Activate_Size(m_size);
    FT_GlyphSlot slot = m_face->glyph;
    if (FT_Load_Glyph(m_face, FT_Get_Char_Index(m_face, ch), LOAD_FLAGS) != 0)
        return glyph;
    if (m_bFakeItalic)
        FT_GlyphSlot_Oblique(slot);
    if (m_bFakeBold)
        FT_GlyphSlot_Embolden(slot);
    glyph->advance = Round26(slot->advance.x);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.width == 0 || bm.rows == 0 || bm.pixel_mode != FT_PIXEL_MODE_GRAY)
        return glyph;
    glyph->left = slot->bitmap_left;
    glyph->top = slot->bitmap_top;
    glyph->width = static_cast<int>(bm.width);
    glyph->height = static_cast<int>(bm.rows);
    int stride = (glyph->width + 3) & ~3;
    glyph->coverage.assign(static_cast<size_t>(stride) * glyph->height, 0);
    for (int y = 0; y < glyph->height; ++y)
        std::memcpy(&glyph->coverage[static_cast<size_t>(y) * stride], bm.buffer + y * bm.pitch,
                    glyph->width);
    glyph->mask =
        pixman_image_create_bits(PIXMAN_a8, glyph->width, glyph->height,
                                 reinterpret_cast<uint32_t*>(glyph->coverage.data()), stride);
    return glyph;
}

}  // namespace gdi
