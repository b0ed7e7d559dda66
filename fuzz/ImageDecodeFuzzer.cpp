// libFuzzer target: decodes arbitrary bytes as an image file, as the draw engine's loader does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/render/ImageBudget.h"
#include "ui/render/ImageDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Orvik::RgbaImage image;
    if (!Orvik::DecodeImageData(pData, nSize, image)) {
        if (!image.pixels.empty())
            std::abort();  // a refusal must not hand out pixels
        return 0;
    }
    if (!Orvik::IsWithinImageBudget(image.nWidth, image.nHeight) ||
        image.pixels.size() != size_t(image.nWidth) * size_t(image.nHeight) * 4)
        std::abort();
    // Read every pixel so the sanitizers see any byte the decoder left unset.
    unsigned nSum = 0;
    for (uint8_t byte : image.pixels)
        nSum += byte;
    return nSum == 0xFFFFFFFFu ? 1 : 0;
}
