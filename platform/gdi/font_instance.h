// One face at one pixel size and style: metrics and a cache of rendered glyphs.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <pixman.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace gdi {

struct Glyph {
    Glyph() = default;
    Glyph(const Glyph&) = delete;
    Glyph& operator=(const Glyph&) = delete;
    ~Glyph() {
        if (mask)
            pixman_image_unref(mask);
    }

    int advance = 0;  // pixels to the next pen position
    int left = 0;     // bitmap's left edge from the pen position
    int top = 0;      // bitmap's top edge above the baseline
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;   // rows padded to 4 bytes, as pixman wants them
    pixman_image_t* mask = nullptr;  // a8 view of coverage, null for blank glyphs
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int underlinePos = 0;  // top of the underline below the baseline
    int underlineThickness = 1;
    int strikeoutPos = 0;  // top of the strike-out line above the baseline
    int Height() const { return ascent + descent; }
};

class CFontInstance {
public:
    // An instance with a size object of its own on a face that others share
    // (the face stays the caller's); null when FreeType has no memory for it.
    // Emboldens and slants glyphs itself when the face lacks the weight or
    // slant asked for. Callers hold the font cache's lock around every use.
    static std::unique_ptr<CFontInstance> Create(FT_Face face, int pixelSize, bool fakeBold,
                                                 bool fakeItalic);
    ~CFontInstance();
    CFontInstance(const CFontInstance&) = delete;
    CFontInstance& operator=(const CFontInstance&) = delete;

    // Characters the face lacks are looked up here (the CJK fallback face).
    void SetFallback(CFontInstance* pFallback) { m_pFallback = pFallback; }

    const FontMetrics& Metrics() const { return m_metrics; }
    int PixelSize() const { return m_nPixelSize; }
    bool IsBold() const { return m_bBold; }
    // The rendered glyph of a code point (a blank glyph when no face has it).
    const Glyph& GetGlyph(char32_t ch);

private:
    CFontInstance(FT_Face face, FT_Size size, int pixelSize, bool fakeBold, bool fakeItalic);
    bool HasChar(char32_t ch) const;
    std::unique_ptr<Glyph> Render(char32_t ch);
    void MeasureMetrics();

    FT_Face m_face;
    FT_Size m_size;  // this instance's scale on the shared face
    int m_nPixelSize;
    bool m_bFakeBold;
    bool m_bFakeItalic;
    bool m_bBold;
    FontMetrics m_metrics;
    CFontInstance* m_pFallback = nullptr;
    std::unordered_map<char32_t, std::unique_ptr<Glyph>> m_mapGlyphs;
};

}  // namespace gdi
