// Image decoding: hostile files refused, budgets read from headers, results as the engine expects.
#include <gtest/gtest.h>
#include <png.h>
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/render/ImageBudget.h"
#include "ui/render/ImageDecoder.h"
#include "ui/render/ImageFormat.h"

using namespace Orvik;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes FromString(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

bool Decode(const Bytes& bytes, RgbaImage& out) {
    return DecodeImageData(bytes.data(), bytes.size(), out);
}

// The reference every decoder must match: stb_image's RGBA for the same file.
Bytes StbRgba(const Bytes& bytes, int& w, int& h) {
    int n = 0;
    stbi_uc* px = stbi_load_from_memory(bytes.data(), int(bytes.size()), &w, &h, &n, 4);
    Bytes out;
    if (px != nullptr)
        out.assign(px, px + size_t(w) * h * 4);
    stbi_image_free(px);
    return out;
}

void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// A PNG in any colour type, depth and interlacing, written with libpng; the
// pixel bytes are a pattern so every channel and row differs.
Bytes EncodePng(int w, int h, int colorType, int depth, bool interlaced, bool withTrns) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, png_size_t n) { AppendBytes(png_get_io_ptr(p), d, int(n)); },
        nullptr);
    png_set_IHDR(png, info, w, h, depth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 99, 199}};
    png_byte alphas[4] = {0, 128, 255, 7};
    png_color_16 key = {0, 3, 3, 3, 3};
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(png, info, palette, 4);
    if (withTrns)
        png_set_tRNS(png, info, alphas, 4, colorType == PNG_COLOR_TYPE_PALETTE ? nullptr : &key);
    png_write_info(png, info);
    size_t rowBytes = png_get_rowbytes(png, info);
    Bytes rows(rowBytes * h);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = uint8_t(colorType != PNG_COLOR_TYPE_PALETTE ? i * 7 + 3
                          : depth == 8                        ? i % 4
                                                              : (i * 0x1B) & 0x33);
    std::vector<png_bytep> pointers;
    for (int y = 0; y < h; ++y)
        pointers.push_back(rows.data() + y * rowBytes);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes PngHeader(uint32_t w, uint32_t h) {
    Bytes bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(uint8_t(v >> shift));
    bytes.insert(bytes.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
    return bytes;
}

Bytes JpegHeader(uint16_t w, uint16_t h) {
    return {0xFF,       0xD8,
            0xFF,       0xE0,
            0,          4,
            0,          0,
            0xFF,       0xC0,
            0,          11,
            8,          uint8_t(h >> 8),
            uint8_t(h), uint8_t(w >> 8),
            uint8_t(w), 1,
            1,          0x11,
            0};
}

Bytes BmpHeader(int32_t w, int32_t h) {
    Bytes bytes(54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[14] = 40;
    for (int i = 0; i < 4; ++i) {
        bytes[18 + i] = uint8_t(uint32_t(w) >> (8 * i));
        bytes[22 + i] = uint8_t(uint32_t(h) >> (8 * i));
    }
    return bytes;
}

const std::filesystem::path HOSTILE_DIR =
    std::filesystem::path(LUMORA_SOURCE_DIR) / "tests/ui/render/hostile";

}  // namespace

TEST(ImageDecoderHostile, EveryCollectedFileIsRefused) {
    int nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(HOSTILE_DIR)) {
        RgbaImage out;
        EXPECT_FALSE(Decode(ReadFile(entry.path()), out)) << entry.path();
        EXPECT_TRUE(out.pixels.empty()) << entry.path();
        ++nFiles;
    }
    EXPECT_EQ(nFiles, 4);
}

TEST(ImageDecoderHostile, UnusedFormatsNeverReachADecoder) {
    using namespace std::string_literals;
    const std::string samples[] = {
        "\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x00\x10\x00\x20\x08"s,  // TGA
        "8BPS\x00\x01\x00\x00\x00\x00\x00\x00\x00\x03"s,                              // PSD
        "\x53\x80\xF6\x34PICT\x00\x10\x00\x10"s,                                      // PIC
        "P6\n16 16\n255\n"s,                                                          // PNM
        "#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 16 +X 16\n"s,                       // HDR
        ""s,
    };
    for (const std::string& sample : samples) {
        Bytes bytes = FromString(sample);
        RgbaImage out;
        EXPECT_EQ(SniffImageFormat(bytes.data(), bytes.size()), EImageFormat::Unknown) << sample;
        EXPECT_FALSE(Decode(bytes, out)) << sample;
    }
}

TEST(ImageDecoderBudget, HeadersAnnouncingTooMuchAreRefused) {
    struct Case {
        const char* name;
        Bytes bytes;
        EImageFormat format;
        int64_t width, height;
    } cases[] = {
        {"png 4097 wide", PngHeader(4097, 1), EImageFormat::Png, 4097, 1},
        {"png 2^31 high", PngHeader(1, 0x80000000u), EImageFormat::Png, 1, 0x80000000ll},
        {"jpeg 5000 x 10", JpegHeader(5000, 10), EImageFormat::Jpeg, 5000, 10},
        {"jpeg no height", JpegHeader(16, 0), EImageFormat::Jpeg, 16, 0},
        {"bmp most negative", BmpHeader(16, INT32_MIN), EImageFormat::Bmp, 16, 0x80000000ll},
        {"bmp 4096 x 4097", BmpHeader(4096, -4097), EImageFormat::Bmp, 4096, 4097},
    };
    for (const Case& c : cases) {
        ImageHeader header;
        ASSERT_TRUE(ReadImageHeader(c.bytes.data(), c.bytes.size(), header)) << c.name;
        EXPECT_EQ(header.format, c.format) << c.name;
        EXPECT_EQ(header.nWidth, c.width) << c.name;
        EXPECT_EQ(header.nHeight, c.height) << c.name;
        RgbaImage out;
        EXPECT_FALSE(Decode(c.bytes, out)) << c.name;
    }
    EXPECT_TRUE(IsWithinImageBudget(IMAGE_MAX_SIDE, IMAGE_MAX_SIDE));
    EXPECT_FALSE(IsWithinImageBudget(0, 5));
}

TEST(ImageDecoderBudget, CutHeadersAreRefused) {
    Bytes png = PngHeader(8, 8);
    Bytes jpeg = JpegHeader(8, 8);
    for (const Bytes* full : {&png, &jpeg})
        for (size_t n = 0; n < full->size() - 4; ++n) {
            Bytes cut(full->begin(), full->begin() + n);
            RgbaImage out;
            EXPECT_FALSE(Decode(cut, out)) << n;
        }
}

// Every PNG layout decodes to exactly what the draw engine has always been
// given for it.
TEST(ImageDecoderPng, EveryColourTypeMatchesTheReference) {
    struct Case {
        int colorType, depth;
        bool interlaced, trns;
    } cases[] = {
        {PNG_COLOR_TYPE_RGBA, 8, false, false},       {PNG_COLOR_TYPE_RGB, 8, false, false},
        {PNG_COLOR_TYPE_RGB, 8, false, true},         {PNG_COLOR_TYPE_RGBA, 16, false, false},
        {PNG_COLOR_TYPE_RGB, 16, true, false},        {PNG_COLOR_TYPE_GRAY, 1, false, false},
        {PNG_COLOR_TYPE_GRAY, 4, true, false},        {PNG_COLOR_TYPE_GRAY, 8, false, true},
        {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false}, {PNG_COLOR_TYPE_PALETTE, 2, false, false},
        {PNG_COLOR_TYPE_PALETTE, 8, true, true},      {PNG_COLOR_TYPE_RGBA, 8, true, false},
    };
    for (const Case& c : cases) {
        Bytes png = EncodePng(13, 7, c.colorType, c.depth, c.interlaced, c.trns);
        int w = 0, h = 0;
        Bytes expected = StbRgba(png, w, h);
        RgbaImage out;
        ASSERT_TRUE(Decode(png, out)) << c.colorType << "/" << c.depth;
        EXPECT_EQ(out.nWidth, 13);
        EXPECT_EQ(out.nHeight, 7);
        EXPECT_EQ(out.pixels, expected) << c.colorType << "/" << c.depth << " " << c.interlaced;
    }
}

TEST(ImageDecoderPng, SkinImagesMatchTheReference) {
    int nImages = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(LUMORA_SOURCE_DIR) / "skin")) {
        if (entry.path().extension() != ".png")
            continue;
        Bytes png = ReadFile(entry.path());
        int w = 0, h = 0;
        Bytes expected = StbRgba(png, w, h);
        RgbaImage out;
        ASSERT_TRUE(Decode(png, out)) << entry.path();
        EXPECT_EQ(out.pixels, expected) << entry.path();
        ++nImages;
    }
    EXPECT_GT(nImages, 10);
}

TEST(ImageDecoderPng, DamagedDataIsRefusedAtEveryCut) {
    Bytes png = EncodePng(9, 9, PNG_COLOR_TYPE_RGB, 8, false, false);
    for (size_t n = 24; n + 12 < png.size(); n += 3) {
        Bytes cut(png.begin(), png.begin() + n);
        RgbaImage out;
        EXPECT_FALSE(Decode(cut, out)) << n;
        EXPECT_TRUE(out.pixels.empty());
    }
}

// JPEG decoders differ in rounding; the picture must be the same within a
// few levels.
TEST(ImageDecoderJpeg, QrStyleImageMatchesTheReferenceClosely) {
    Bytes rgb;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            rgb.insert(rgb.end(), {uint8_t(((x / 4 + y / 4) & 1) * 255), uint8_t(x * 6), 128});
    Bytes jpeg;
    stbi_write_jpg_to_func(AppendBytes, &jpeg, 40, 24, 3, rgb.data(), 95);
    int w = 0, h = 0;
    Bytes expected = StbRgba(jpeg, w, h);
    RgbaImage out;
    ASSERT_TRUE(Decode(jpeg, out));
    ASSERT_EQ(out.nWidth, 40);
    ASSERT_EQ(out.nHeight, 24);
    ASSERT_EQ(out.pixels.size(), expected.size());
    int worst = 0;
    for (size_t i = 0; i < expected.size(); ++i)
        worst = std::max(worst, std::abs(int(out.pixels[i]) - int(expected[i])));
    EXPECT_LE(worst, 12);
    for (size_t i = 3; i < out.pixels.size(); i += 4)
        ASSERT_EQ(out.pixels[i], 255);
}

// A cut-off file is refused wherever it is cut (libjpeg would fill the rest
// grey); bytes after the end marker are ignored.
TEST(ImageDecoderJpeg, CutFilesAreRefusedTrailingBytesIgnored) {
    Bytes rgb;
    for (int i = 0; i < 32 * 32; ++i)
        rgb.insert(rgb.end(), {uint8_t(i * 7), uint8_t(i / 5), uint8_t(255 - i % 251)});
    Bytes jpeg;
    stbi_write_jpg_to_func(AppendBytes, &jpeg, 32, 32, 3, rgb.data(), 90);
    ASSERT_GT(jpeg.size(), 400u);
    RgbaImage whole;
    ASSERT_TRUE(Decode(jpeg, whole));
    auto cut = [&](size_t n) { return Bytes(jpeg.begin(), jpeg.begin() + n); };
    auto plus = [&](const std::string& tail) {
        Bytes more = jpeg;
        more.insert(more.end(), tail.begin(), tail.end());
        return more;
    };
    struct Case {
        const char* name;
        Bytes bytes;
        bool decodes;
    };
    const Case cases[] = {
        {"a third of the data", cut(jpeg.size() / 3), false},
        {"half", cut(jpeg.size() / 2), false},
        {"all but the last scan bytes", cut(jpeg.size() - 10), false},
        {"all but the end marker", cut(jpeg.size() - 2), false},
        {"padding after the end", plus(std::string("\0\0\r\n", 4)), true},
        {"a page after the end", plus("<html>trailing</html>"), true},
    };
    for (const Case& c : cases) {
        RgbaImage out;
        EXPECT_EQ(Decode(c.bytes, out), c.decodes) << c.name;
        if (c.decodes)
            EXPECT_EQ(out.pixels, whole.pixels) << c.name;
        else
            EXPECT_TRUE(out.pixels.empty()) << c.name;
    }
}

TEST(ImageDecoderStb, BmpAndGifDecode) {
    Bytes rgba = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 1, 2, 3, 4};
    Bytes bmp;
    stbi_write_bmp_to_func(AppendBytes, &bmp, 2, 2, 4, rgba.data());
    RgbaImage out;
    ASSERT_TRUE(Decode(bmp, out));
    EXPECT_EQ(out.pixels, rgba);
    // A 1 x 1 GIF with one white pixel.
    Bytes gif = {'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255,  255,  255, 0,   0,
                 0,   0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0,   0x3B};
    ASSERT_TRUE(Decode(gif, out));
    EXPECT_EQ(out.pixels, (Bytes{255, 255, 255, 255}));
}
