// Generates the simulator's images with stb_image_write and a fixed installer body.
#include "tools/sim/SimAssets.h"

#include <stb/stb_image_write.h>

#include <vector>

namespace {

const int QR_MODULES = 29;  // a version-3 sized grid
const int QR_MODULE_PIXELS = 3;
const int QR_SIZE = QR_MODULES * QR_MODULE_PIXELS;  // 87, the skin's button size
const size_t INSTALLER_BYTES = 64 * 1024;

// A deterministic black-and-white grid that looks like a QR code; seed varies it.
std::vector<unsigned char> QrPattern(unsigned seed) {
    std::vector<unsigned char> rgb(size_t(QR_SIZE) * QR_SIZE * 3);
    for (int y = 0; y < QR_SIZE; ++y)
        for (int x = 0; x < QR_SIZE; ++x) {
            unsigned mx = unsigned(x / QR_MODULE_PIXELS), my = unsigned(y / QR_MODULE_PIXELS);
            unsigned hash = (mx * 73856093u) ^ (my * 19349663u) ^ seed;
            bool dark = ((hash >> 3) & 1u) != 0;
            unsigned char value = dark ? 0 : 255;
            unsigned char* px = &rgb[(size_t(y) * QR_SIZE + x) * 3];
            px[0] = px[1] = px[2] = value;
        }
    return rgb;
}

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
}

}  // namespace

SimAssets SimAssets::Make() {
    SimAssets assets;
    std::vector<unsigned char> first = QrPattern(0x5EED1u);
    stbi_write_jpg_to_func(AppendBytes, &assets.qrJpeg, QR_SIZE, QR_SIZE, 3, first.data(), 90);
    std::vector<unsigned char> second = QrPattern(0x5EED2u);
    stbi_write_png_to_func(AppendBytes, &assets.qrPng, QR_SIZE, QR_SIZE, 3, second.data(),
                           QR_SIZE * 3);
    assets.installer.resize(INSTALLER_BYTES);
    for (size_t i = 0; i < INSTALLER_BYTES; ++i)
        assets.installer[i] = char((i * 131 + 7) & 0xFF);
    assets.installer[0] = 'M';
    assets.installer[1] = 'Z';
    return assets;
}
