// The row loop with SSE4.1, four pixels at a time; built for that target alone, run only where
// the CPU has it.
#include <immintrin.h>

#include "platform/gdi/blend_rows.h"

#define GDI_SSE41 __attribute__((target("sse4.1")))

namespace gdi {

namespace {

// Per 16-bit lane: x * a / 255 rounded as pixman does, (t * 257) >> 16 with
// t = x * a + 128.
GDI_SSE41 inline __m128i Mul(__m128i x, __m128i a) {
    __m128i t = _mm_add_epi16(_mm_mullo_epi16(x, a), _mm_set1_epi16(0x80));
    return _mm_mulhi_epu16(t, _mm_set1_epi16(0x101));
}

// Pixels stay in place: red and blue are the low bytes of the 16-bit lanes,
// alpha and green the high bytes, so no unpacking is needed. `pick` copies
// each pixel's alpha byte into the low byte of both of its lanes.
GDI_SSE41 inline __m128i InverseAlpha(__m128i px, __m128i pick) {
    return _mm_xor_si128(_mm_shuffle_epi8(px, pick), _mm_set1_epi16(0xFF));
}

GDI_SSE41 inline __m128i Low(__m128i px) {
    return _mm_and_si128(px, _mm_set1_epi16(0xFF));
}

GDI_SSE41 inline __m128i Join(__m128i low, __m128i high) {
    return _mm_or_si128(low, _mm_slli_epi16(high, 8));
}

template <bool FADE>
GDI_SSE41 void Blend4(uint32_t* dst, __m128i s, __m128i ca) {
    __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
    __m128i inverse;
    if (FADE) {
        // Scale the source first; its new alpha decides how much target shows.
        __m128i rb = Mul(Low(s), ca);
        __m128i ag = Mul(_mm_srli_epi16(s, 8), ca);
        s = Join(rb, ag);
        inverse = InverseAlpha(
            ag, _mm_setr_epi8(2, -1, 2, -1, 6, -1, 6, -1, 10, -1, 10, -1, 14, -1, 14, -1));
    } else {
        inverse = InverseAlpha(
            s, _mm_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1));
    }
    __m128i rb = Mul(Low(d), inverse);
    __m128i ag = Mul(_mm_srli_epi16(d, 8), inverse);
    __m128i out = _mm_adds_epu8(s, Join(rb, ag));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), out);
}

template <bool FADE>
GDI_SSE41 void Loop(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                    uint32_t srcOr) {
    const __m128i alphaBits = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i orBits = _mm_set1_epi32(static_cast<int>(srcOr));
    const __m128i ca = _mm_set1_epi16(static_cast<short>(constAlpha));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i s =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)), orBits);
        // Transparent runs leave the target alone, opaque ones replace it.
        if (_mm_testz_si128(s, s))
            continue;
        if (!FADE && _mm_testc_si128(s, alphaBits))
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), s);
        else
            Blend4<FADE>(dst + i, s, ca);
    }
    BlendRowScalar(dst + i, src + i, count - i, constAlpha, srcOr);
}

}  // namespace

GDI_SSE41 void BlendRowSse41(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                             uint32_t srcOr) {
    if (constAlpha == 255)
        Loop<false>(dst, src, count, constAlpha, srcOr);
    else
        Loop<true>(dst, src, count, constAlpha, srcOr);
}

}  // namespace gdi
