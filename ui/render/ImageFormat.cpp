// Recognising the image formats by their signatures and reading their announced size.
#include "ui/render/ImageFormat.h"

#include <cstring>

namespace Orvik {

namespace {

const uint8_t PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool StartsWith(const uint8_t* pData, size_t nSize, const void* pPrefix, size_t nPrefix) {
    return nSize >= nPrefix && std::memcmp(pData, pPrefix, nPrefix) == 0;
}

uint32_t BigEndian16(const uint8_t* p) {
    return (uint32_t(p[0]) << 8) | p[1];
}
uint32_t BigEndian32(const uint8_t* p) {
    return (BigEndian16(p) << 16) | BigEndian16(p + 2);
}
uint32_t LittleEndian16(const uint8_t* p) {
    return (uint32_t(p[1]) << 8) | p[0];
}
uint32_t LittleEndian32(const uint8_t* p) {
    return (LittleEndian16(p + 2) << 16) | LittleEndian16(p);
}

// Signature, then the IHDR chunk that must come first.
bool ReadPngHeader(const uint8_t* p, size_t n, ImageHeader& h) {
    if (n < 24 || std::memcmp(p + 12, "IHDR", 4) != 0)
        return false;
    h.nWidth = BigEndian32(p + 16);
    h.nHeight = BigEndian32(p + 20);
    return true;
}

// Logical screen size; every frame must lie inside it.
bool ReadGifHeader(const uint8_t* p, size_t n, ImageHeader& h) {
    if (n < 10)
        return false;
    h.nWidth = LittleEndian16(p + 6);
    h.nHeight = LittleEndian16(p + 8);
    return true;
}

// The core header of old files has 16-bit sizes; later ones 32-bit signed,
// with a negative height for top-down rows.
bool ReadBmpHeader(const uint8_t* p, size_t n, ImageHeader& h) {
    if (n < 26)
        return false;
    if (LittleEndian32(p + 14) == 12) {
        h.nWidth = LittleEndian16(p + 18);
        h.nHeight = LittleEndian16(p + 20);
        return true;
    }
    h.nWidth = int32_t(LittleEndian32(p + 18));
    h.nHeight = int32_t(LittleEndian32(p + 22));
    if (h.nHeight < 0)
        h.nHeight = -h.nHeight;
    return true;
}

// Start-of-frame markers; C4, C8 and CC share the range but are tables.
bool IsStartOfFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments after SOI up to the first frame header.
bool ReadJpegHeader(const uint8_t* p, size_t n, ImageHeader& h) {
    size_t pos = 2;
    while (pos + 4 <= n) {
        if (p[pos] != 0xFF)
            return false;
        uint8_t marker = p[pos + 1];
        if (marker == 0xFF) {  // fill byte before a marker
            ++pos;
            continue;
        }
        size_t length = BigEndian16(p + pos + 2);
        if (IsStartOfFrame(marker)) {
            if (length < 8 || pos + 9 > n)
                return false;
            h.nHeight = BigEndian16(p + pos + 5);
            h.nWidth = BigEndian16(p + pos + 7);
            return true;
        }
        if (marker == 0xD9 || marker == 0xDA || length < 2)
            return false;  // no frame before the image data
        pos += 2 + length;
    }
    return false;
}

}  // namespace

EImageFormat SniffImageFormat(const uint8_t* pData, size_t nSize) {
    if (pData == nullptr)
        return EImageFormat::Unknown;
    if (StartsWith(pData, nSize, PNG_SIGNATURE, sizeof(PNG_SIGNATURE)))
        return EImageFormat::Png;
    if (StartsWith(pData, nSize, "\xFF\xD8\xFF", 3))
        return EImageFormat::Jpeg;
    if (StartsWith(pData, nSize, "GIF87a", 6) || StartsWith(pData, nSize, "GIF89a", 6))
        return EImageFormat::Gif;
    if (StartsWith(pData, nSize, "BM", 2))
        return EImageFormat::Bmp;
    return EImageFormat::Unknown;
}

bool ReadImageHeader(const uint8_t* pData, size_t nSize, ImageHeader& header) {
    header = ImageHeader{SniffImageFormat(pData, nSize)};
    switch (header.format) {
        case EImageFormat::Png:
            return ReadPngHeader(pData, nSize, header);
        case EImageFormat::Jpeg:
            return ReadJpegHeader(pData, nSize, header);
        case EImageFormat::Gif:
            return ReadGifHeader(pData, nSize, header);
        case EImageFormat::Bmp:
            return ReadBmpHeader(pData, nSize, header);
        case EImageFormat::Unknown:
            break;
    }
    return false;
}

}  // namespace Orvik
