// Decodes skin images (PNG, JPEG) into 8-bit RGBA for the skin tests.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace skintest {

struct DecodedImage {
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<uint8_t> m_rgba;  // row-major, 4 bytes per pixel

    const uint8_t* At(int x, int y) const { return &m_rgba[(size_t(y) * m_nWidth + x) * 4]; }
};

// False when the bytes are no image stb_image can read.
bool DecodeImage(std::string_view bytes, DecodedImage& out);

}  // namespace skintest
