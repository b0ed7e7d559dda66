// PNG output through libpng's simplified writer: 8-bit RGB, no alpha (a screen has none).
#include "tools/xdrive/PngFile.h"

#include <png.h>

#include <vector>

namespace xdrive {

bool WritePng(const std::string& strPath, const ScreenImage& image, std::string& strError) {
    std::vector<unsigned char> rgb(size_t(image.width) * size_t(image.height) * 3);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        uint32_t pixel = image.pixels[i];
        rgb[i * 3] = (pixel >> 16) & 0xFF;
        rgb[i * 3 + 1] = (pixel >> 8) & 0xFF;
        rgb[i * 3 + 2] = pixel & 0xFF;
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width);
    png.height = png_uint_32(image.height);
    png.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&png, strPath.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
        strError = "cannot write " + strPath + ": " + png.message;
        return false;
    }
    return true;
}

}  // namespace xdrive
