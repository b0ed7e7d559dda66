// AlphaBlend's own row loops against pixman's composite: each path forced in turn, odd widths,
// constant alpha, clips and overlapping bitmaps; results must be the same bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"
#include "platform/gdi/blend_rows.h"

using namespace gditest;
using gdi::BlendPath;

namespace {

constexpr BlendPath OWN_PATHS[] = {BlendPath::Scalar, BlendPath::Sse41, BlendPath::Avx2,
                                   BlendPath::Avx512};

const char* Name(BlendPath path) {
    switch (path) {
        case BlendPath::Pixman:
            return "pixman";
        case BlendPath::Scalar:
            return "scalar";
        case BlendPath::Sse41:
            return "sse4.1";
        case BlendPath::Avx2:
            return "avx2";
        case BlendPath::Avx512:
            return "avx512";
    }
    return "?";
}

BLENDFUNCTION Func(int ca, bool perPixel) {
    return BLENDFUNCTION{AC_SRC_OVER, 0, static_cast<BYTE>(ca),
                         static_cast<BYTE>(perPixel ? AC_SRC_ALPHA : 0)};
}

// Runs of transparent, opaque and partly transparent pixels, so the vector
// loops meet whole blocks of each as well as mixed ones. Premultiplied
// pixels keep colour <= alpha; the others are any 32-bit value.
void FillRandom(CTestCanvas& c, std::mt19937& rng, bool premultiplied) {
    std::uniform_int_distribution<uint32_t> any;
    int run = 0, kind = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            if (run-- <= 0) {
                run = static_cast<int>(any(rng) % 12);
                kind = static_cast<int>(any(rng) % 4);
            }
            uint32_t v = any(rng);
            uint32_t a = kind == 0 ? 0 : kind == 1 ? 255 : v >> 24;
            if (!premultiplied && kind > 1) {
                c.At(x, y) = v;
                continue;
            }
            auto ch = [&](int shift) { return a == 0 ? 0 : ((v >> shift) & 0xFF) % (a + 1); };
            c.At(x, y) = Argb(a, ch(16), ch(8), ch(0));
        }
}

void CopyPixels(const CTestCanvas& from, CTestCanvas& to) {
    std::memcpy(to.Bits(), from.Bits(), static_cast<size_t>(from.Width()) * from.Height() * 4);
}

// The first pixel where two canvases of one size differ, or "" when none does.
std::string FirstDifference(const CTestCanvas& a, const CTestCanvas& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y)) {
                std::ostringstream s;
                s << "(" << x << "," << y << ") " << std::hex << a.At(x, y) << " vs pixman "
                  << b.At(x, y);
                return s.str();
            }
    return "";
}

// Draws onto a copy of `start` with `path` and onto another with pixman and
// compares every byte. False when this CPU cannot run the path (then it must
// say so: forcing it is refused).
bool SameAsPixman(BlendPath path, const CTestCanvas& start, bool bottomUp,
                  const std::function<BOOL(HDC)>& draw, const std::string& label) {
    if (!gdi::SetBlendPath(path)) {
        EXPECT_FALSE(gdi::IsBlendPathAvailable(path)) << Name(path);
        return false;
    }
    CTestCanvas own(start.Width(), start.Height(), 0, bottomUp);
    CTestCanvas ref(start.Width(), start.Height(), 0, bottomUp);
    CopyPixels(start, own);
    CopyPixels(start, ref);
    EXPECT_TRUE(draw(own.Dc())) << label;
    EXPECT_TRUE(gdi::SetBlendPath(BlendPath::Pixman));
    EXPECT_TRUE(draw(ref.Dc())) << label;
    EXPECT_EQ(FirstDifference(own, ref), "") << Name(path) << " " << label;
    return true;
}

class GdiBlendPath : public ::testing::Test {
protected:
    void TearDown() override { gdi::SetBlendPath(m_initial); }
    BlendPath m_initial = gdi::ActiveBlendPath();
    std::mt19937 m_rng{20261210};
};

}  // namespace

// The widest vector loop the CPU has; pixman (SSE2) beats the portable loop,
// so that one runs only when forced.
TEST_F(GdiBlendPath, TheWidestVectorLoopIsChosen) {
    BlendPath expected = BlendPath::Pixman;
    for (BlendPath path : {BlendPath::Sse41, BlendPath::Avx2, BlendPath::Avx512})
        if (gdi::IsBlendPathAvailable(path))
            expected = path;
    EXPECT_EQ(m_initial, expected) << Name(m_initial);
    EXPECT_TRUE(gdi::IsBlendPathAvailable(BlendPath::Scalar));
    EXPECT_TRUE(gdi::IsBlendPathAvailable(BlendPath::Pixman));
}

TEST_F(GdiBlendPath, EveryPathMatchesPixmanOnRandomImages) {
    const struct {
        int w, h;
    } sizes[] = {{1, 1},  {2, 1},  {3, 3},  {4, 2},  {5, 7},  {7, 1},  {8, 3},   {9, 2},
                 {15, 4}, {16, 1}, {17, 5}, {31, 3}, {33, 2}, {64, 2}, {129, 3}, {1, 9}};
    const int alphas[] = {255, 254, 128, 77, 1};
    int runs = 0;
    for (const auto& size : sizes)
        for (bool premultiplied : {true, false}) {
            CTestCanvas src(size.w + 3, size.h + 2);
            CTestCanvas dst(size.w + 5, size.h + 3);
            FillRandom(src, m_rng, premultiplied);
            FillRandom(dst, m_rng, premultiplied);
            for (int ca : alphas)
                for (bool perPixel : {true, false})
                    for (BlendPath path : OWN_PATHS) {
                        std::ostringstream label;
                        label << size.w << "x" << size.h << " ca " << ca
                              << (perPixel ? " per-pixel" : " opaque")
                              << (premultiplied ? " premultiplied" : " any");
                        auto draw = [&](HDC dc) {
                            return AlphaBlend(dc, 3, 2, size.w, size.h, src.Dc(), 1, 1, size.w,
                                              size.h, Func(ca, perPixel));
                        };
                        runs += SameAsPixman(path, dst, false, draw, label.str());
                    }
        }
    // Scalar always runs; the vector paths wherever the CPU has them.
    EXPECT_GE(runs, 16 * 2 * 5 * 2);
}

// Clip regions, targets partly outside, bottom-up sources, window origins and
// a bitmap blended onto itself (pixman's copy of the source must be kept).
TEST_F(GdiBlendPath, ClippedShiftedAndOverlappingBlendsMatchPixman) {
    CTestCanvas src(37, 21, 0, true);
    FillRandom(src, m_rng, true);
    CTestCanvas start(40, 24);
    FillRandom(start, m_rng, true);
    const struct {
        const char* name;
        std::function<BOOL(HDC)> draw;
    } scenes[] = {
        {"round clip",
         [&](HDC dc) {
             HRGN rgn = CreateRoundRectRgn(2, 1, 36, 22, 12, 9);
             SelectClipRgn(dc, rgn);
             DeleteObject(rgn);
             return AlphaBlend(dc, 0, 0, 37, 21, src.Dc(), 0, 0, 37, 21, Func(200, true));
         }},
        {"partly outside",
         [&](HDC dc) {
             return AlphaBlend(dc, -5, 10, 37, 21, src.Dc(), 0, 0, 37, 21, Func(255, true)) &&
                    AlphaBlend(dc, 20, -3, 30, 20, src.Dc(), 7, 1, 30, 20, Func(90, true));
         }},
        {"window origin",
         [&](HDC dc) {
             SetWindowOrgEx(dc, -3, 2, nullptr);
             return AlphaBlend(dc, 1, 1, 19, 13, src.Dc(), 5, 4, 19, 13, Func(255, false));
         }},
        {"onto itself",
         [&](HDC dc) {
             return AlphaBlend(dc, 1, 1, 30, 20, dc, 0, 0, 30, 20, Func(255, true)) &&
                    AlphaBlend(dc, 0, 0, 30, 20, dc, 2, 1, 30, 20, Func(140, true));
         }},
    };
    for (const auto& scene : scenes)
        for (BlendPath path : OWN_PATHS)
            SameAsPixman(path, start, false, scene.draw, scene.name);
}
