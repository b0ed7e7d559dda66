// PNG files of bitmaps on Windows: the pixels through GetDIBits, the file through libpng.
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/gdi.h"
#include "platform/kernel.h"

namespace {

// Any bitmap as top-down rows of 8-bit RGB. GDI leaves the fourth byte 0 for
// most drawing, so it is no alpha: the picture is opaque.
bool ReadRgb(HBITMAP hbm, int& w, int& h, std::vector<BYTE>& rgb) {
    BITMAP bm = {};
    if (GetObjectA(hbm, sizeof bm, &bm) == 0)
        return false;
    w = bm.bmWidth;
    h = std::abs(bm.bmHeight);
    if (w <= 0 || h <= 0)
        return false;
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> bgrx(size_t(w) * h * 4);
    HDC hdc = GetDC(nullptr);
    int nRows = GetDIBits(hdc, hbm, 0, UINT(h), bgrx.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hdc);
    if (nRows != h)
        return false;
    rgb.resize(size_t(w) * h * 3);
    for (size_t i = 0, n = size_t(w) * h; i < n; ++i) {
        rgb[i * 3] = bgrx[i * 4 + 2];
        rgb[i * 3 + 1] = bgrx[i * 4 + 1];
        rgb[i * 3 + 2] = bgrx[i * 4];
    }
    return true;
}

// libpng reports errors by longjmp: nothing here needs a destructor.
bool WriteRgbPng(std::FILE* pFile, int w, int h, const BYTE* pRgb) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, pFile);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y)
        png_write_row(png, pRgb + size_t(y) * w * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

namespace platform {

bool SaveBitmapPng(HBITMAP hbm, const char* pathUtf8) {
    int w = 0, h = 0;
    std::vector<BYTE> rgb;
    if (pathUtf8 == nullptr || !ReadRgb(hbm, w, h, rgb))
        return false;
    std::wstring strPath = Utf8ToWide(pathUtf8);
    std::FILE* pFile = _wfopen(strPath.c_str(), L"wb");
    if (pFile == nullptr)
        return false;
    bool bWritten = WriteRgbPng(pFile, w, h, rgb.data());
    bWritten = std::fclose(pFile) == 0 && bWritten;
    // A half-written picture would pass for a whole one.
    if (!bWritten)
        _wremove(strPath.c_str());
    return bWritten;
}

}  // namespace platform
