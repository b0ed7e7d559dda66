// Choosing the decoder by signature after the header has passed the budget.
#include "ui/render/ImageDecoder.h"

#include "ui/render/ImageBudget.h"
#include "ui/render/ImageFormat.h"

namespace Orvik {

bool DecodeImageData(const uint8_t* pData, size_t nSize, RgbaImage& out) {
    out = RgbaImage{};
    ImageHeader header;
    if (!ReadImageHeader(pData, nSize, header) ||
        !IsWithinImageBudget(header.nWidth, header.nHeight))
        return false;
    bool bDecoded = false;
    switch (header.format) {
        case EImageFormat::Png:
            bDecoded = DecodePng(pData, nSize, out);
            break;
        case EImageFormat::Jpeg:
            bDecoded = DecodeJpeg(pData, nSize, out);
            break;
        case EImageFormat::Gif:
        case EImageFormat::Bmp:
            bDecoded = DecodeGifOrBmp(pData, nSize, out);
            break;
        case EImageFormat::Unknown:
            break;
    }
    if (!bDecoded)
        out = RgbaImage{};
    return bDecoded;
}

}  // namespace Orvik
