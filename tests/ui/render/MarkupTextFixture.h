// Shared set-up for the text drawing tests: a fake host, a canvas, measure and draw helpers.
#pragma once

#include <gtest/gtest.h>

#include "FakeRenderResources.h"
#include "support/TestCanvas.h"
#include "ui/render/DrawEngine.h"

// RECT lives in the global namespace, so its printer must too.
inline std::ostream& operator<<(std::ostream& os, const RECT& rc) {
    return os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}

namespace rendertest {

using testsupport::Argb;
using testsupport::CTestCanvas;

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);
constexpr uint32_t BLACK = Argb(255, 0, 0, 0);

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class MarkupTextTest : public ::testing::Test {
protected:
    static constexpr int SLOTS = 8;

    // The markup text's size with DT_CALCRECT, laid out in rc.
    RECT Measure(const char* pstrText, RECT rc = {0, 0, 400, 200}, UINT uStyle = 0) {
        int nLinks = 0;
        Orvik::CDrawEngine::DrawMarkupText(m_canvas.Dc(), &m_res, rc, pstrText, 0xFF000000, nullptr,
                                           nullptr, nLinks, -1, uStyle | DT_CALCRECT);
        return rc;
    }
    // Draws black markup text on the white canvas; returns the links laid out.
    int Draw(const char* pstrText, RECT rc, UINT uStyle = 0, int nSlots = SLOTS) {
        int nLinks = nSlots;
        Orvik::CDrawEngine::DrawMarkupText(m_canvas.Dc(), &m_res, rc, pstrText, 0xFF000000,
                                           m_rcLinks, m_strLinks, nLinks, -1, uStyle);
        return nLinks;
    }
    RECT Ink() const { return m_canvas.InkBounds(WHITE); }
    // Width of plain text in a font of the fake (the default one by default).
    int Extent(const char* pstrText, Orvik::FontInfo* pFont = nullptr) {
        HGDIOBJ hOld = SelectObject(m_canvas.Dc(), (pFont ? pFont : Default())->hFont);
        SIZE size = {0, 0};
        GetTextExtentPoint32A(m_canvas.Dc(), pstrText, static_cast<int>(strlen(pstrText)), &size);
        SelectObject(m_canvas.Dc(), hOld);
        return size.cx;
    }
    Orvik::FontInfo* Default() { return m_res.LookupDefaultFont(); }
    int LineHeight() { return Default()->tm.tmHeight + Default()->tm.tmExternalLeading; }
    // Pixels within nTolerance of this colour on every channel.
    int CountPixels(uint32_t px, int nTolerance = 0) const {
        int n = 0;
        for (int y = 0; y < m_canvas.Height(); ++y)
            for (int x = 0; x < m_canvas.Width(); ++x)
                n += testsupport::MaxChannelDiff(m_canvas.At(x, y), px) <= nTolerance;
        return n;
    }
    // Columns of row band [top, bottom) holding anything but white.
    RECT InkIn(const RECT& band) const {
        RECT box = {band.right, band.bottom, band.left, band.top};
        for (int y = band.top; y < band.bottom; ++y)
            for (int x = band.left; x < band.right; ++x)
                if (m_canvas.At(x, y) != WHITE) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box.right > box.left ? box : RECT{0, 0, 0, 0};
    }

    CFakeRenderResources m_res;
    CTestCanvas m_canvas{400, 200, WHITE};
    RECT m_rcLinks[SLOTS] = {};
    Orvik::CUIString m_strLinks[SLOTS];
};

}  // namespace rendertest
