// A memory DC with a top-down DIB section, for tests that read back pixels.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "platform/gdi.h"

namespace gditest {

// Pixel values as the bitmap stores them: 0xAARRGGBB.
constexpr uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
inline int Channel(uint32_t px, int shift) {
    return static_cast<int>((px >> shift) & 0xFF);
}
// Largest difference between two pixels over the four channels.
int MaxChannelDiff(uint32_t a, uint32_t b);

class CTestCanvas {
public:
    CTestCanvas(int width, int height, uint32_t fill = 0, bool bottomUp = false);
    ~CTestCanvas();
    CTestCanvas(const CTestCanvas&) = delete;
    CTestCanvas& operator=(const CTestCanvas&) = delete;

    HDC Dc() const { return m_hDc; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Memory as CreateDIBSection handed it out.
    uint32_t* Bits() const { return m_pBits; }
    // Pixel (x, y) counted from the top of the picture.
    uint32_t& At(int x, int y) const;
    void Fill(uint32_t px);
    // Bounding box of the pixels that differ from `background`; empty when none.
    RECT InkBounds(uint32_t background) const;

private:
    int m_nWidth;
    int m_nHeight;
    bool m_bBottomUp;
    HDC m_hDc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_pBits = nullptr;
};

// Compares the canvas with tests/platform/gdi/golden/<name>.png allowing
// `tolerance` per channel. LUMORA_UPDATE_GOLDEN=1 rewrites the reference
// instead. On a mismatch the actual picture and a diff image (red where
// pixels differ) are written to gdi_output/ and the message says where.
::testing::AssertionResult MatchesGolden(const CTestCanvas& canvas, const std::string& name,
                                         int tolerance);

}  // namespace gditest
