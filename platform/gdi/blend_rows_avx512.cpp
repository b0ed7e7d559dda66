// The row loop with AVX-512BW, sixteen pixels at a time and masked for the last few; built for
// that target alone, run only where the CPU has it.
#include <immintrin.h>

#include "platform/gdi/blend_rows.h"

#define GDI_AVX512 __attribute__((target("avx512bw")))

namespace gdi {

namespace {

// Per 16-bit lane: x * a / 255 rounded as pixman does, (t * 257) >> 16 with
// t = x * a + 128.
GDI_AVX512 inline __m512i Mul(__m512i x, __m512i a) {
    __m512i t = _mm512_add_epi16(_mm512_mullo_epi16(x, a), _mm512_set1_epi16(0x80));
    return _mm512_mulhi_epu16(t, _mm512_set1_epi16(0x101));
}

// Pixels stay in place: red and blue are the low bytes of the 16-bit lanes,
// alpha and green the high bytes. `pick` copies each pixel's alpha byte into
// the low byte of both of its lanes (within each 128-bit quarter).
GDI_AVX512 inline __m512i InverseAlpha(__m512i px, int alphaByte) {
    // Per pixel: its alpha byte, a zeroing index (high bit set), twice.
    auto lanes = [alphaByte](int pixel) {
        int b = alphaByte + 4 * pixel;
        return b | 0x80 << 8 | b << 16 | 0x80 << 24;
    };
    __m512i pick = _mm512_set4_epi32(lanes(3), lanes(2), lanes(1), lanes(0));
    return _mm512_xor_si512(_mm512_shuffle_epi8(px, pick), _mm512_set1_epi16(0xFF));
}

GDI_AVX512 inline __m512i Low(__m512i px) {
    return _mm512_and_si512(px, _mm512_set1_epi16(0xFF));
}

GDI_AVX512 inline __m512i Join(__m512i low, __m512i high) {
    return _mm512_or_si512(low, _mm512_slli_epi16(high, 8));
}

template <bool FADE>
GDI_AVX512 __m512i Blend16(__m512i d, __m512i s, __m512i ca) {
    __m512i inverse;
    if (FADE) {
        // Scale the source first; its new alpha decides how much target shows.
        __m512i rb = Mul(Low(s), ca);
        __m512i ag = Mul(_mm512_srli_epi16(s, 8), ca);
        s = Join(rb, ag);
        inverse = InverseAlpha(ag, 2);
    } else {
        inverse = InverseAlpha(s, 3);
    }
    __m512i rb = Mul(Low(d), inverse);
    __m512i ag = Mul(_mm512_srli_epi16(d, 8), inverse);
    return _mm512_adds_epu8(s, Join(rb, ag));
}

// Sixteen pixels, or the first `mask` ones of them.
template <bool FADE>
GDI_AVX512 void Step(uint32_t* dst, const uint32_t* src, __mmask16 mask, __m512i orBits,
                     __m512i ca) {
    const __m512i alphaBits = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
    __m512i s = _mm512_or_si512(_mm512_maskz_loadu_epi32(mask, src), orBits);
    // Transparent runs leave the target alone, opaque ones replace it.
    __mmask16 visible = _mm512_mask_test_epi32_mask(mask, s, s);
    if (visible == 0)
        return;
    if (!FADE &&
        _mm512_mask_cmpneq_epi32_mask(mask, _mm512_and_si512(s, alphaBits), alphaBits) == 0) {
        _mm512_mask_storeu_epi32(dst, mask, s);
        return;
    }
    __m512i d = _mm512_maskz_loadu_epi32(mask, dst);
    _mm512_mask_storeu_epi32(dst, mask, Blend16<FADE>(d, s, ca));
}

template <bool FADE>
GDI_AVX512 void Loop(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                     uint32_t srcOr) {
    const __m512i orBits = _mm512_set1_epi32(static_cast<int>(srcOr));
    const __m512i ca = _mm512_set1_epi16(static_cast<short>(constAlpha));
    int i = 0;
    for (; i + 16 <= count; i += 16)
        Step<FADE>(dst + i, src + i, 0xFFFF, orBits, ca);
    if (i < count)
        Step<FADE>(dst + i, src + i, static_cast<__mmask16>((1u << (count - i)) - 1), orBits, ca);
}

}  // namespace

GDI_AVX512 void BlendRowAvx512(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                               uint32_t srcOr) {
    if (constAlpha == 255)
        Loop<false>(dst, src, count, constAlpha, srcOr);
    else
        Loop<true>(dst, src, count, constAlpha, srcOr);
}

}  // namespace gdi
