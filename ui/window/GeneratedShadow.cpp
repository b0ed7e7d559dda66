// The generated drop shadow, pass by pass: place, narrow, stamp the edges, fill the core.
#include "ui/window/GeneratedShadow.h"

#include <algorithm>
#include <cmath>

namespace Orvik {

namespace {

constexpr int FAR_AWAY = 1 << 28;

uint32_t Premultiplied(DWORD dwColor, int nAlpha) {
    uint32_t r = ((dwColor >> 16) & 0xFF) * nAlpha / 255;
    uint32_t g = ((dwColor >> 8) & 0xFF) * nAlpha / 255;
    uint32_t b = (dwColor & 0xFF) * nAlpha / 255;
    return (uint32_t(nAlpha) << 24) | (r << 16) | (g << 8) | b;
}

// The shape in picture columns, with empty rows around it: room for a
// positive size plus one row on each end, so narrowing eats every side alike.
std::vector<ShadowSpan> PlaceRows(const std::vector<ShadowSpan>& aRows, int nSize, int& nMargin) {
    nMargin = std::max(nSize, 0) + 1;
    std::vector<ShadowSpan> aShape(aRows.size() + 2 * size_t(nMargin),
                                   ShadowSpan{FAR_AWAY, -FAR_AWAY});
    for (size_t i = 0; i < aRows.size(); ++i)
        if (!aRows[i].IsEmpty())
            aShape[i + nMargin] = ShadowSpan{aRows[i].nLeft + nSize, aRows[i].nRight + nSize};
    return aShape;
}

// One pass: each span shrinks to what it shares with both neighbours, less a pixel.
void Narrow(std::vector<ShadowSpan>& aShape) {
    std::vector<ShadowSpan> aBefore = aShape;
    for (size_t i = 1; i + 1 < aShape.size(); ++i) {
        int nLeft = std::max({aBefore[i - 1].nLeft, aBefore[i].nLeft, aBefore[i + 1].nLeft});
        int nRight = std::min({aBefore[i - 1].nRight, aBefore[i].nRight, aBefore[i + 1].nRight});
        aShape[i] = ShadowSpan{nLeft + 1, nRight - 1};
    }
}

std::vector<uint32_t> MakeKernel(const ShadowLook& look, int nRadius) {
    int nSide = 2 * nRadius + 1;
    int nSolid = look.nSize > look.nSharpness ? look.nSize - look.nSharpness : 0;
    std::vector<uint32_t> aKernel(size_t(nSide) * nSide, 0);
    for (int y = 0; y < nSide; ++y)
        for (int x = 0; x < nSide; ++x) {
            double dDistance = std::hypot(double(x - nRadius), double(y - nRadius));
            uint32_t& px = aKernel[size_t(y) * nSide + x];
            if (dDistance < nSolid) {
                px = Premultiplied(look.dwColor, look.nDarkness);
            } else if (dDistance <= nRadius) {
                double dFade = 1.0 - (dDistance - nSolid) / (look.nSharpness + 1);
                px = Premultiplied(look.dwColor, int(dFade * look.nDarkness));
            }
        }
    return aKernel;
}

struct Picture {
    uint32_t* pPixels;
    int cx;
    int cy;
};

void Stamp(const Picture& pic, const std::vector<uint32_t>& aKernel, int nRadius, int cx, int cy) {
    int nSide = 2 * nRadius + 1;
    for (int ky = 0; ky < nSide; ++ky) {
        int y = cy - nRadius + ky;
        if (y < 0 || y >= pic.cy)
            continue;
        for (int kx = 0; kx < nSide; ++kx) {
            int x = cx - nRadius + kx;
            if (x < 0 || x >= pic.cx)
                continue;
            uint32_t& px = pic.pPixels[size_t(y) * pic.cx + x];
            px = std::max(px, aKernel[size_t(ky) * nSide + kx]);
        }
    }
}

bool Inside(const ShadowSpan& span, int x) {
    return x >= span.nLeft && x <= span.nRight;
}

// Edge pixels: the span ends and the parts of a row its neighbours do not cover.
void StampEdges(const Picture& pic, const std::vector<ShadowSpan>& aShape, int nRowShift,
                const std::vector<uint32_t>& aKernel, int nRadius) {
    for (size_t i = 1; i + 1 < aShape.size(); ++i) {
        const ShadowSpan& span = aShape[i];
        if (span.IsEmpty())
            continue;
        int y = int(i) + nRowShift;
        for (int x = span.nLeft; x <= span.nRight; ++x) {
            bool bEdge = x == span.nLeft || x == span.nRight || !Inside(aShape[i - 1], x) ||
                         !Inside(aShape[i + 1], x);
            if (bEdge)
                Stamp(pic, aKernel, nRadius, x, y);
        }
    }
}

void FillRow(const Picture& pic, int y, int nLeft, int nRight, uint32_t px) {
    if (y < 0 || y >= pic.cy)
        return;
    nLeft = std::max(nLeft, 0);
    nRight = std::min(nRight, pic.cx - 1);
    for (int x = nLeft; x <= nRight; ++x)
        pic.pPixels[size_t(y) * pic.cx + x] = px;
}

}  // namespace

void DrawGeneratedShadow(const std::vector<ShadowSpan>& aRows, const ShadowLook& look,
                         uint32_t* pPixels, int cx, int cy) {
    if (pPixels == nullptr || cx <= 0 || cy <= 0)
        return;
    Picture pic{pPixels, cx, cy};
    int nMargin = 0;
    std::vector<ShadowSpan> aShape = PlaceRows(aRows, look.nSize, nMargin);
    for (int i = 0; i < look.nSharpness - look.nSize; ++i)
        Narrow(aShape);
    int nRadius = std::max(look.nSize, look.nSharpness);
    int nRowShift = look.nSize - nMargin;  // shape row index to picture row
    StampEdges(pic, aShape, nRowShift, MakeKernel(look, nRadius), nRadius);
    uint32_t core = Premultiplied(look.dwColor, look.nDarkness);
    for (size_t i = 0; i < aShape.size(); ++i)
        if (!aShape[i].IsEmpty())
            FillRow(pic, int(i) + nRowShift, aShape[i].nLeft, aShape[i].nRight, core);
    // The window's own pixels stay clear: the shadow never tints the window.
    int dx = look.nSize - look.nOffsetX, dy = look.nSize - look.nOffsetY;
    for (size_t r = 0; r < aRows.size(); ++r)
        if (!aRows[r].IsEmpty())
            FillRow(pic, int(r) + dy, aRows[r].nLeft + dx, aRows[r].nRight + dx, 0);
}

}  // namespace Orvik
