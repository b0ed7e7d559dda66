// The row loop with AVX2, eight pixels at a time; built for that target alone, run only where the
// CPU has it.
#include <immintrin.h>

#include "platform/gdi/blend_rows.h"

#define GDI_AVX2 __attribute__((target("avx2")))

namespace gdi {

namespace {

// Per 16-bit lane: x * a / 255 rounded as pixman does, (t * 257) >> 16 with
// t = x * a + 128.
GDI_AVX2 inline __m256i Mul(__m256i x, __m256i a) {
    __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(x, a), _mm256_set1_epi16(0x80));
    return _mm256_mulhi_epu16(t, _mm256_set1_epi16(0x101));
}

// Pixels stay in place: red and blue are the low bytes of the 16-bit lanes,
// alpha and green the high bytes, so no unpacking is needed. `pick` copies
// each pixel's alpha byte into the low byte of both of its lanes.
GDI_AVX2 inline __m256i InverseAlpha(__m256i px, __m256i pick) {
    return _mm256_xor_si256(_mm256_shuffle_epi8(px, pick), _mm256_set1_epi16(0xFF));
}

GDI_AVX2 inline __m256i Low(__m256i px) {
    return _mm256_and_si256(px, _mm256_set1_epi16(0xFF));
}

GDI_AVX2 inline __m256i Join(__m256i low, __m256i high) {
    return _mm256_or_si256(low, _mm256_slli_epi16(high, 8));
}

template <bool FADE>
GDI_AVX2 void Blend8(uint32_t* dst, __m256i s, __m256i ca) {
    __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst));
    __m256i inverse;
    if (FADE) {
        // Scale the source first; its new alpha decides how much target shows.
        __m256i rb = Mul(Low(s), ca);
        __m256i ag = Mul(_mm256_srli_epi16(s, 8), ca);
        s = Join(rb, ag);
        inverse = InverseAlpha(
            ag, _mm256_setr_epi8(2, -1, 2, -1, 6, -1, 6, -1, 10, -1, 10, -1, 14, -1, 14, -1, 2, -1,
                                 2, -1, 6, -1, 6, -1, 10, -1, 10, -1, 14, -1, 14, -1));
    } else {
        inverse = InverseAlpha(
            s, _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1, 3, -1,
                                3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1));
    }
    __m256i rb = Mul(Low(d), inverse);
    __m256i ag = Mul(_mm256_srli_epi16(d, 8), inverse);
    __m256i out = _mm256_adds_epu8(s, Join(rb, ag));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), out);
}

template <bool FADE>
GDI_AVX2 void Loop(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                   uint32_t srcOr) {
    const __m256i alphaBits = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i orBits = _mm256_set1_epi32(static_cast<int>(srcOr));
    const __m256i ca = _mm256_set1_epi16(static_cast<short>(constAlpha));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        __m256i s =
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i)), orBits);
        // Transparent runs leave the target alone, opaque ones replace it.
        if (_mm256_testz_si256(s, s))
            continue;
        if (!FADE && _mm256_testc_si256(s, alphaBits))
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), s);
        else
            Blend8<FADE>(dst + i, s, ca);
    }
    // The last one to seven pixels.
    BlendRowSse41(dst + i, src + i, count - i, constAlpha, srcOr);
}

}  // namespace

GDI_AVX2 void BlendRowAvx2(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                           uint32_t srcOr) {
    if (constAlpha == 255)
        Loop<false>(dst, src, count, constAlpha, srcOr);
    else
        Loop<true>(dst, src, count, constAlpha, srcOr);
}

}  // namespace gdi
