// A memory DC over a top-down DIB section and golden-image comparison, for drawing tests.
#pragma once

#include <unistd.h>

#include <stb/stb_image.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi.h"

namespace testsupport {

// Pixel values as the bitmap stores them: 0xAARRGGBB.
constexpr uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
inline int Channel(uint32_t px, int shift) {
    return static_cast<int>((px >> shift) & 0xFF);
}
// Largest difference between two pixels over the four channels.
inline int MaxChannelDiff(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift < 32; shift += 8)
        d = std::max(d, std::abs(Channel(a, shift) - Channel(b, shift)));
    return d;
}

class CTestCanvas {
public:
    CTestCanvas(int width, int height, uint32_t fill = 0, bool bottomUp = false)
        : m_nWidth(width), m_nHeight(height), m_bBottomUp(bottomUp) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = width;
        bmi.bmiHeader.biHeight = bottomUp ? height : -height;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_hDc = CreateCompatibleDC(nullptr);
        m_hBitmap = CreateDIBSection(m_hDc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_pBits = static_cast<uint32_t*>(bits);
        m_hOld = SelectObject(m_hDc, m_hBitmap);
        if (m_pBits)
            Fill(fill);
    }
    ~CTestCanvas() {
        SelectObject(m_hDc, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDc);
    }
    CTestCanvas(const CTestCanvas&) = delete;
    CTestCanvas& operator=(const CTestCanvas&) = delete;

    HDC Dc() const { return m_hDc; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Memory as CreateDIBSection handed it out.
    uint32_t* Bits() const { return m_pBits; }
    // Pixel (x, y) counted from the top of the picture.
    uint32_t& At(int x, int y) const {
        int row = m_bBottomUp ? m_nHeight - 1 - y : y;
        return m_pBits[static_cast<size_t>(row) * m_nWidth + x];
    }
    void Fill(uint32_t px) { std::fill(m_pBits, m_pBits + m_nWidth * m_nHeight, px); }
    // Bounding box of the pixels that differ from `background`; empty when none.
    RECT InkBounds(uint32_t background) const {
        RECT box = {m_nWidth, m_nHeight, 0, 0};
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (box.right == 0)
            return RECT{0, 0, 0, 0};
        return box;
    }

private:
    int m_nWidth;
    int m_nHeight;
    bool m_bBottomUp;
    HDC m_hDc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_pBits = nullptr;
};

namespace detail {

inline bool UpdateGoldenRequested() {
    const char* v = std::getenv("LUMORA_UPDATE_GOLDEN");
    return v && std::string(v) == "1";
}

// A picture as straight ARGB, the way SaveBitmapPng writes it.
inline std::vector<uint32_t> ToStraightArgb(const CTestCanvas& canvas, const std::string& scratch) {
    platform::SaveBitmapPng(canvas.Bitmap(), scratch.c_str());
    int w = 0, h = 0, n = 0;
    stbi_uc* data = stbi_load(scratch.c_str(), &w, &h, &n, 4);
    std::vector<uint32_t> px;
    if (!data)
        return px;
    for (int i = 0; i < w * h; ++i)
        px.push_back(Argb(data[i * 4 + 3], data[i * 4], data[i * 4 + 1], data[i * 4 + 2]));
    stbi_image_free(data);
    return px;
}

}  // namespace detail

// Compares the canvas with <goldenDir>/<name>.png allowing `tolerance` per
// channel. LUMORA_UPDATE_GOLDEN=1 rewrites the reference instead. On a
// mismatch the actual picture and a diff image (red where pixels differ)
// are written to <outputDir>/ and the message says where.
inline ::testing::AssertionResult MatchesGolden(const CTestCanvas& canvas,
                                                const std::string& goldenDir,
                                                const std::string& outputDir,
                                                const std::string& name, int tolerance) {
    std::string golden = goldenDir + "/" + name + ".png";
    if (detail::UpdateGoldenRequested()) {
        if (!platform::SaveBitmapPng(canvas.Bitmap(), golden.c_str()))
            return ::testing::AssertionFailure() << "cannot write " << golden;
        return ::testing::AssertionSuccess();
    }
    int w = 0, h = 0, n = 0;
    stbi_uc* ref = stbi_load(golden.c_str(), &w, &h, &n, 4);
    if (!ref)
        return ::testing::AssertionFailure()
               << "missing reference " << golden << " (run with LUMORA_UPDATE_GOLDEN=1)";
    std::string scratch = (std::filesystem::temp_directory_path() /
                           (name + "." + std::to_string(getpid()) + ".golden-test.png"))
                              .string();
    std::vector<uint32_t> actual = detail::ToStraightArgb(canvas, scratch);
    std::remove(scratch.c_str());
    if (w != canvas.Width() || h != canvas.Height() || actual.size() != size_t(w) * h) {
        stbi_image_free(ref);
        return ::testing::AssertionFailure() << "size differs from " << golden;
    }
    int bad = 0, worst = 0;
    CTestCanvas diff(w, h, Argb(255, 255, 255, 255));
    for (int i = 0; i < w * h; ++i) {
        uint32_t expect = Argb(ref[i * 4 + 3], ref[i * 4], ref[i * 4 + 1], ref[i * 4 + 2]);
        int d = MaxChannelDiff(expect, actual[i]);
        worst = std::max(worst, d);
        if (d > tolerance) {
            ++bad;
            diff.At(i % w, i / w) = Argb(255, 255, 0, 0);
        }
    }
    stbi_image_free(ref);
    if (bad == 0)
        return ::testing::AssertionSuccess();
    mkdir(outputDir.c_str(), 0755);
    std::string actualPath = outputDir + "/" + name + ".actual.png";
    platform::SaveBitmapPng(canvas.Bitmap(), actualPath.c_str());
    std::string diffPath = outputDir + "/" + name + ".diff.png";
    platform::SaveBitmapPng(diff.Bitmap(), diffPath.c_str());
    return ::testing::AssertionFailure()
           << bad << " pixels differ by more than " << tolerance << " (worst " << worst << "); see "
           << actualPath << " and " << diffPath;
}

}  // namespace testsupport
