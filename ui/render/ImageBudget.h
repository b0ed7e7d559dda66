// Limits on images from outside: the skin and the QR images downloaded from line hosts.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Orvik {

// No side may exceed this, whatever the header announces.
constexpr int IMAGE_MAX_SIDE = 4096;
// Decoded 8-bit RGBA pixels of one image.
constexpr uint64_t IMAGE_MAX_PIXEL_BYTES = 64ull * 1024 * 1024;
// Everything one decoder may hold at once: the pixels plus its own working
// buffers (a GIF decoder keeps a canvas, a background and a history).
constexpr size_t IMAGE_MAX_DECODER_BYTES = 160u * 1024 * 1024;

// True when a width x height image fits the limits above.
constexpr bool IsWithinImageBudget(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= IMAGE_MAX_SIDE && height <= IMAGE_MAX_SIDE &&
           static_cast<uint64_t>(width * height) * 4 <= IMAGE_MAX_PIXEL_BYTES;
}

}  // namespace Orvik
