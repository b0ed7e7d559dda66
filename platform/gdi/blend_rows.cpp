// The portable row loop and the choice of path at run time.
#include "platform/gdi/blend_rows.h"

#include <atomic>

namespace gdi {

namespace {

constexpr uint32_t RB_MASK = 0x00FF00FF;
constexpr uint32_t RB_ONE_HALF = 0x00800080;
constexpr uint32_t RB_MASK_PLUS_ONE = 0x10000100;

// Two channels at once (red and blue, or alpha and green) times a / 255,
// rounded: (t + t / 256) / 256 with t = x * a + 128.
uint32_t MulPair(uint32_t pair, uint32_t a) {
    uint32_t t = pair * a + RB_ONE_HALF;
    return ((t + ((t >> 8) & RB_MASK)) >> 8) & RB_MASK;
}

uint32_t MulPixel(uint32_t px, uint32_t a) {
    return MulPair(px & RB_MASK, a) | (MulPair((px >> 8) & RB_MASK, a) << 8);
}

// Adds two channel pairs and clamps each at 255.
uint32_t AddPair(uint32_t x, uint32_t y) {
    uint32_t t = x + y;
    t |= RB_MASK_PLUS_ONE - ((t >> 8) & RB_MASK);
    return t & RB_MASK;
}

uint32_t AddPixel(uint32_t x, uint32_t y) {
    return AddPair(x & RB_MASK, y & RB_MASK) |
           (AddPair((x >> 8) & RB_MASK, (y >> 8) & RB_MASK) << 8);
}

BlendPath BestPath() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw"))
        return BlendPath::Avx512;
    if (__builtin_cpu_supports("avx2"))
        return BlendPath::Avx2;
    if (__builtin_cpu_supports("sse4.1"))
        return BlendPath::Sse41;
    // pixman's SSE2 composite beats the portable loop, which stays for the
    // last pixels of a row and as the plain statement of the arithmetic.
    return BlendPath::Pixman;
}

std::atomic<BlendPath>& Active() {
    static std::atomic<BlendPath> path{BestPath()};
    return path;
}

}  // namespace

void BlendRowScalar(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                    uint32_t srcOr) {
    for (int i = 0; i < count; ++i) {
        uint32_t s = src[i] | srcOr;
        if (s == 0)
            continue;
        if (constAlpha != 255)
            s = MulPixel(s, constAlpha);
        uint32_t inverse = 255 - (s >> 24);
        dst[i] = inverse == 0 ? s : AddPixel(s, MulPixel(dst[i], inverse));
    }
}

bool IsBlendPathAvailable(BlendPath path) {
    switch (path) {
        case BlendPath::Avx512:
            return BestPath() == BlendPath::Avx512;
        case BlendPath::Avx2:
            return BestPath() == BlendPath::Avx2 || BestPath() == BlendPath::Avx512;
        case BlendPath::Sse41:
            return BestPath() != BlendPath::Pixman;
        case BlendPath::Pixman:
        case BlendPath::Scalar:
            return true;
    }
    return false;
}

BlendPath ActiveBlendPath() {
    return Active().load(std::memory_order_relaxed);
}

bool SetBlendPath(BlendPath path) {
    if (!IsBlendPathAvailable(path))
        return false;
    Active().store(path, std::memory_order_relaxed);
    return true;
}

BlendRowFn ActiveBlendRow() {
    switch (ActiveBlendPath()) {
        case BlendPath::Avx512:
            return BlendRowAvx512;
        case BlendPath::Avx2:
            return BlendRowAvx2;
        case BlendPath::Sse41:
            return BlendRowSse41;
        case BlendPath::Scalar:
            return BlendRowScalar;
        case BlendPath::Pixman:
            break;
    }
    return nullptr;
}

}  // namespace gdi
