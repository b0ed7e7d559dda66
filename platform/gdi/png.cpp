// PNG snapshots of bitmaps and DC targets for tests and debugging.
#include <stb/stb_image_write.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/device_context.h"

using namespace gdi;

namespace {

// Premultiplied BGRA to straight RGBA.
void Unpremultiply(uint32_t px, uint8_t* out) {
    uint8_t a = px >> 24;
    uint8_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
    if (a != 0 && a != 255) {
        r = static_cast<uint8_t>(std::min(255, (r * 255 + a / 2) / a));
        g = static_cast<uint8_t>(std::min(255, (g * 255 + a / 2) / a));
        b = static_cast<uint8_t>(std::min(255, (b * 255 + a / 2) / a));
    }
    out[0] = r;
    out[1] = g;
    out[2] = b;
    out[3] = a;
}

bool WritePng(const CGdiBitmap& bmp, const char* path) {
    if (!path)
        return false;
    int w = bmp.Width(), h = bmp.Height();
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = bmp.Row(y);
        for (int x = 0; x < w; ++x)
            Unpremultiply(row[x], &rgba[(static_cast<size_t>(y) * w + x) * 4]);
    }
    return stbi_write_png(path, w, h, 4, rgba.data(), w * 4) != 0;
}

}  // namespace

namespace platform {

bool SaveBitmapPng(HBITMAP hbm, const char* pathUtf8) {
    auto* bmp = ObjectAs<CGdiBitmap>(hbm);
    return bmp && WritePng(*bmp, pathUtf8);
}

bool SaveDCPng(HDC hdc, const char* pathUtf8) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    return dc && WritePng(*dc->Target(), pathUtf8);
}

}  // namespace platform
