// Image type by file signature, and the size the file's header announces.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Orvik {

// The only formats the program reads; anything else is refused before a
// decoder sees a byte of it.
enum class EImageFormat { Unknown, Png, Jpeg, Gif, Bmp };

EImageFormat SniffImageFormat(const uint8_t* pData, size_t nSize);

// Width and height as the header says, read without decoding anything.
struct ImageHeader {
    EImageFormat format = EImageFormat::Unknown;
    int64_t nWidth = 0;
    int64_t nHeight = 0;
};

// False when the signature is unknown or the header is cut short or
// names no size.
bool ReadImageHeader(const uint8_t* pData, size_t nSize, ImageHeader& header);

}  // namespace Orvik
