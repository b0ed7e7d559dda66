// The one place the tests compile stb_image; static, so no other copy clashes.
#include "app/skin/ImageDecode.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
// At -O3 GCC 12 follows stb's context set-up across inlined readers and
// loses track of which fields it filled.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace skintest {

bool DecodeImage(std::string_view bytes, DecodedImage& out) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                            int(bytes.size()), &w, &h, &channels, 4);
    if (pixels == nullptr)
        return false;
    out.m_nWidth = w;
    out.m_nHeight = h;
    out.m_rgba.assign(pixels, pixels + size_t(w) * h * 4);
    stbi_image_free(pixels);
    return true;
}

}  // namespace skintest
