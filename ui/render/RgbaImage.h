// Decoded straight (not premultiplied) 8-bit R, G, B, A pixels, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

namespace Orvik {

struct RgbaImage {
    std::vector<uint8_t> pixels;
    int nWidth = 0;
    int nHeight = 0;

    // Sizes the buffer for width x height; the caller has checked the budget.
    void Allocate(int width, int height) {
        nWidth = width;
        nHeight = height;
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
    }
};

}  // namespace Orvik
