// Test images for the draw engine: bitmaps from a pixel function, PNG files and a skin folder.
#pragma once

#include <stdlib.h>

#include <stb/stb_image_write.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "support/TestCanvas.h"
#include "ui/markup/SkinStore.h"

namespace rendertest {

using testsupport::Argb;

// A premultiplied top-down bitmap whose pixel (x, y) is fn(x, y) (0xAARRGGBB).
class CPatternBitmap {
public:
    CPatternBitmap(int width, int height, const std::function<uint32_t(int, int)>& fn) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = width;
        bmi.bmiHeader.biHeight = -height;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
        auto* px = static_cast<uint32_t*>(bits);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                px[y * width + x] = fn(x, y);
    }
    ~CPatternBitmap() { DeleteObject(m_hBitmap); }
    CPatternBitmap(const CPatternBitmap&) = delete;
    CPatternBitmap& operator=(const CPatternBitmap&) = delete;
    HBITMAP Handle() const { return m_hBitmap; }

private:
    HBITMAP m_hBitmap = nullptr;
};

// Straight (not premultiplied) RGBA pixels encoded as PNG bytes.
inline std::string EncodePng(int width, int height, const std::vector<uint8_t>& rgba) {
    std::string out;
    stbi_write_png_to_func(
        [](void* ctx, void* data, int size) {
            static_cast<std::string*>(ctx)->append(static_cast<const char*>(data), size);
        },
        &out, width, height, 4, rgba.data(), width * 4);
    return out;
}

// A width x height PNG filled with one straight RGBA colour.
inline std::string SolidPng(int width, int height, uint8_t r, uint8_t g, uint8_t b,
                            uint8_t a = 255) {
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = r;
        rgba[i + 1] = g;
        rgba[i + 2] = b;
        rgba[i + 3] = a;
    }
    return EncodePng(width, height, rgba);
}

// A fresh skin folder in the temporary directory that the skin store reads
// (folder mode) while the object lives.
class CTempSkin {
public:
    CTempSkin() {
        // A folder of its own: test programs run in parallel and must not
        // remove each other's files.
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lumora-render-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "cannot create " << pattern;
        m_path = pattern;
        Orvik::CSkinStore::OpenArchiveFile("", true);
        Orvik::CSkinStore::SetSkinPath((m_path.string() + "/").c_str());
    }
    ~CTempSkin() {
        Orvik::CSkinStore::SetSkinPath("");
        std::filesystem::remove_all(m_path);
    }
    CTempSkin(const CTempSkin&) = delete;
    CTempSkin& operator=(const CTempSkin&) = delete;

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    void Remove(const std::string& name) const { std::filesystem::remove(m_path / name); }
    std::string PathOf(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

}  // namespace rendertest
