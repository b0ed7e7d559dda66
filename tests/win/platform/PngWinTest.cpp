// Bitmaps written as PNG files on Windows: right pixels, opaque, wide paths, no half files.
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/gdi.h"
#include "platform/kernel.h"

namespace fs = std::filesystem;

namespace {

class PngWin : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder name outside every single-byte code page: the path must travel wide.
        m_dir = fs::temp_directory_path() / fs::path(u8"png-测试") /
                std::to_string(GetCurrentProcessId());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Utf8(const char* pstrName) const {
        std::u8string s = (m_dir / pstrName).u8string();
        return std::string(s.begin(), s.end());
    }
    // RGBA pixels read back (alpha 255 where the file has none), or empty.
    std::string ReadBack(const char* pstrName, int& w, int& h) const {
        std::ifstream in(m_dir / pstrName, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        int nChannels = 0;
        stbi_uc* pPixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(data.data()),
                                                 int(data.size()), &w, &h, &nChannels, 4);
        if (pPixels == nullptr)
            return {};
        std::string out(reinterpret_cast<char*>(pPixels), size_t(w) * h * 4);
        stbi_image_free(pPixels);
        return out;
    }

    fs::path m_dir;
};

// A 3x2 top-down DIB section: red, green, blue / white, black, grey; alpha bytes 0.
HBITMAP MakeDib() {
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hbm = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    const DWORD px[6] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF, 0x00000000, 0x00808080};
    if (hbm != nullptr)
        std::memcpy(pBits, px, sizeof px);
    return hbm;
}

}  // namespace

TEST_F(PngWin, ADibSectionIsWrittenTopDownAndOpaqueUnderAWidePath) {
    HBITMAP hbm = MakeDib();
    ASSERT_NE(hbm, nullptr);
    ASSERT_TRUE(platform::SaveBitmapPng(hbm, Utf8("dib.png").c_str()));
    DeleteObject(hbm);
    int w = 0, h = 0;
    std::string rgba = ReadBack("dib.png", w, h);
    ASSERT_EQ(w, 3);
    ASSERT_EQ(h, 2);
    const unsigned char expected[6][4] = {{255, 0, 0, 255}, {0, 255, 0, 255},
                                          {0, 0, 255, 255}, {255, 255, 255, 255},
                                          {0, 0, 0, 255},   {128, 128, 128, 255}};
    for (int i = 0; i < 6; ++i)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(static_cast<unsigned char>(rgba[size_t(i) * 4 + c]), expected[i][c])
                << "pixel " << i << " channel " << c;
}

TEST_F(PngWin, ACompatibleBitmapIsReadThroughTheScreensFormat) {
    HDC hScreen = GetDC(nullptr);
    HBITMAP hbm = CreateCompatibleBitmap(hScreen, 5, 4);
    HDC hMem = CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = SelectObject(hMem, hbm);
    RECT rc = {0, 0, 5, 4};
    HBRUSH hBrush = CreateSolidBrush(RGB(10, 200, 30));
    FillRect(hMem, &rc, hBrush);
    SelectObject(hMem, hOld);
    DeleteObject(hBrush);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);
    ASSERT_TRUE(platform::SaveBitmapPng(hbm, Utf8("ddb.png").c_str()));
    DeleteObject(hbm);
    int w = 0, h = 0;
    std::string rgba = ReadBack("ddb.png", w, h);
    ASSERT_EQ(w * h, 20);
    EXPECT_EQ(rgba.substr(0, 4), std::string("\x0A\xC8\x1E\xFF", 4));
}

TEST_F(PngWin, FailuresAreReportedAndLeaveNoFile) {
    HBITMAP hbm = MakeDib();
    ASSERT_NE(hbm, nullptr);
    EXPECT_FALSE(platform::SaveBitmapPng(hbm, nullptr));
    EXPECT_FALSE(platform::SaveBitmapPng(hbm, Utf8("missing/x.png").c_str()));
    EXPECT_FALSE(platform::SaveBitmapPng(nullptr, Utf8("none.png").c_str()));
    EXPECT_FALSE(fs::exists(m_dir / "none.png"));
    DeleteObject(hbm);
}
