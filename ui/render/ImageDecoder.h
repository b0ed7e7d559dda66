// Decoding image files from memory into straight RGBA pixels, within the image budget.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "ui/render/RgbaImage.h"

namespace Orvik {

// Decides the format by its signature, refuses unknown formats and any
// header that announces more than the budget, then decodes with the
// format's decoder. False leaves out empty.
bool DecodeImageData(const uint8_t* pData, size_t nSize, RgbaImage& out);

// The decoders behind it; each enforces the budget itself as well.
bool DecodePng(const uint8_t* pData, size_t nSize, RgbaImage& out);
bool DecodeJpeg(const uint8_t* pData, size_t nSize, RgbaImage& out);
// GIF (first frame) and BMP.
bool DecodeGifOrBmp(const uint8_t* pData, size_t nSize, RgbaImage& out);

// Every frame of a GIF through the same budgeted decoder: onFrame gets each
// frame's straight RGBA pixels (width x height) and its delay in
// milliseconds, and may stop by returning false. False when nothing decoded.
using GifFrameSink =
    std::function<bool(const uint8_t* pRgba, int nWidth, int nHeight, int nDelayMs)>;
bool DecodeGifFrames(const uint8_t* pData, size_t nSize, const GifFrameSink& onFrame);

}  // namespace Orvik
