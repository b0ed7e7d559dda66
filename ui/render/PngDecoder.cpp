// PNG through libpng, expanded to 8-bit RGBA the way the draw engine has always read it.
#include <png.h>

#include <cstring>

#include "ui/render/ImageBudget.h"
#include "ui/render/ImageDecoder.h"

namespace Orvik {

namespace {

// Largest ancillary chunk (text, profiles) libpng may buffer.
constexpr png_alloc_size_t PNG_MAX_CHUNK_BYTES = 8u * 1024 * 1024;
// Ancillary chunks kept before the rest is skipped.
constexpr png_uint_32 PNG_MAX_CACHED_CHUNKS = 128;

struct MemoryReader {
    const uint8_t* pData;
    size_t nSize;
    size_t nPos;
};

void ReadFromMemory(png_structp png, png_bytep pOut, png_size_t nWanted) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (nWanted > reader->nSize - reader->nPos)
        png_error(png, "truncated");
    std::memcpy(pOut, reader->pData + reader->nPos, nWanted);
    reader->nPos += nWanted;
}

void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

// 16-bit channels are cut to their high byte, palettes and grey expanded,
// transparency keys become alpha and opaque images get alpha 255.
void RequestRgba8(png_structp png, png_infop info) {
    int colorType = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) == 16)
        png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
}

// Everything between setjmp and a libpng error is plain data, so the jump
// skips no destructor; out lives in the caller.
bool ReadPng(png_structp png, png_infop info, RgbaImage& out) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (!IsWithinImageBudget(width, height))
        return false;
    RequestRgba8(png, info);
    int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4)
        return false;
    out.Allocate(int(width), int(height));
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, out.pixels.data() + size_t(y) * width * 4, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const uint8_t* pData, size_t nSize, RgbaImage& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    png_set_user_limits(png, IMAGE_MAX_SIDE, IMAGE_MAX_SIDE);
    png_set_chunk_malloc_max(png, PNG_MAX_CHUNK_BYTES);
    png_set_chunk_cache_max(png, PNG_MAX_CACHED_CHUNKS);
    MemoryReader reader = {pData, nSize, 0};
    png_set_read_fn(png, &reader, ReadFromMemory);
    bool bOk = ReadPng(png, info, out);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!bOk)
        out = RgbaImage{};
    return bOk;
}

}  // namespace Orvik
