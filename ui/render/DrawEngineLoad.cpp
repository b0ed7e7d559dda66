// Image loading: skin bytes decoded within the image budget into premultiplied bitmaps.
#include <cstring>

#include "ui/markup/SkinStore.h"
#include "ui/render/DrawEngine.h"
#include "ui/render/ImageDecoder.h"
#include "ui/render/ImageDescriptor.h"
#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

// Pixel rows of 8-bit R, G, B, A, as the decoders hand them out.
struct RgbaPixels {
    const BYTE* pData;
    int nWidth;
    int nHeight;
};

HBITMAP CreateTopDownBitmap(int cx, int cy, BYTE** ppBits) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (pBits == nullptr && hBitmap != nullptr) {
        DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    *ppBits = static_cast<BYTE*>(pBits);
    return hBitmap;
}

// One pixel premultiplied into 0xAARRGGBB; opaque pixels keep their bytes.
DWORD Premultiply(const BYTE* rgba) {
    DWORD a = rgba[3];
    DWORD r = rgba[0], g = rgba[1], b = rgba[2];
    if (a != 255) {
        r = r * a / 255;
        g = g * a / 255;
        b = b * a / 255;
    }
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Turns straight RGBA into the record's premultiplied BGRA bitmap, clearing
// pixels equal to the mask.
SkinImage* MakeImage(const RgbaPixels& src, DWORD dwMask) {
    auto* pImage = new SkinImage;
    pImage->hBitmap = CreateTopDownBitmap(src.nWidth, src.nHeight, &pImage->pBits);
    if (pImage->hBitmap == nullptr) {
        delete pImage;
        return nullptr;
    }
    pImage->nWidth = src.nWidth;
    pImage->nHeight = src.nHeight;
    size_t nPixels = static_cast<size_t>(src.nWidth) * src.nHeight;
    auto* pOut = reinterpret_cast<DWORD*>(pImage->pBits);
    for (size_t i = 0; i < nPixels; ++i) {
        const BYTE* rgba = src.pData + i * 4;
        DWORD value = Premultiply(rgba);
        if (rgba[3] != 255)
            pImage->bAlpha = true;
        if (value == dwMask) {
            value = 0;
            pImage->bAlpha = true;
        }
        pOut[i] = value;
    }
    return pImage;
}

SkinImage* LoadColorImage(const char* pstrColor, DWORD dwMask) {
    DWORD argb = ParseColor(pstrColor);
    BYTE rgba[4] = {static_cast<BYTE>(argb >> 16), static_cast<BYTE>(argb >> 8),
                    static_cast<BYTE>(argb), static_cast<BYTE>(argb >> 24)};
    return MakeImage(RgbaPixels{rgba, 1, 1}, dwMask);
}

SkinImage* DecodeImage(const CSkinBuffer& data, DWORD dwMask) {
    RgbaImage decoded;
    if (!DecodeImageData(data.GetData(), data.GetSize(), decoded))
        return nullptr;
    return MakeImage(RgbaPixels{decoded.pixels.data(), decoded.nWidth, decoded.nHeight}, dwMask);
}

}  // namespace

SkinImage* CDrawEngine::LoadImage(CUIResName name, const char* pstrType, DWORD dwMask) {
    if (pstrType != nullptr && std::strcmp(pstrType, COLOR_IMAGE_TYPE) == 0)
        return name.IsId() ? nullptr : LoadColorImage(name.GetName(), dwMask);
    CSkinBuffer data;
    if (!CSkinStore::ReadImageData(name, pstrType, data))
        return nullptr;
    return DecodeImage(data, dwMask);
}

void CDrawEngine::FreeImage(SkinImage* pImage, bool bDelete) {
    if (pImage == nullptr)
        return;
    if (pImage->hBitmap != nullptr)
        DeleteObject(pImage->hBitmap);
    pImage->hBitmap = nullptr;
    pImage->pBits = nullptr;
    if (bDelete)
        delete pImage;
}

HBITMAP CDrawEngine::CreateArgbBitmap(HDC hDC, int cx, int cy, BYTE** ppBits) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(cx) * cy * 4;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (ppBits != nullptr)
        *ppBits = static_cast<BYTE*>(pBits);
    return hBitmap;
}

}  // namespace Orvik
