// The frames of an animated GIF, decoded within the image budget and premultiplied.
#include "ui/render/GifFrames.h"

#include <cstdint>
#include <cstring>

#include "ui/render/ImageDecoder.h"

namespace Orvik {

namespace {

// Canvas size from the logical screen descriptor, 0 when the header is not a GIF's.
long long CanvasPixels(const BYTE* p, DWORD dwSize) {
    if (dwSize < 10 || std::memcmp(p, "GIF8", 4) != 0)
        return 0;
    long long w = p[6] | (p[7] << 8);
    long long h = p[8] | (p[9] << 8);
    return w * h;
}

HBITMAP MakePremultiplied(const uint8_t* pRgba, int w, int h) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap == nullptr || pBits == nullptr)
        return hBitmap;
    auto* px = static_cast<uint32_t*>(pBits);
    for (long long i = 0; i < static_cast<long long>(w) * h; ++i) {
        const uint8_t* s = pRgba + i * 4;
        uint32_t a = s[3];
        px[i] = (a << 24) | ((s[0] * a / 255) << 16) | ((s[1] * a / 255) << 8) | (s[2] * a / 255);
    }
    return hBitmap;
}

}  // namespace

void CGifFrames::Release() {
    for (HBITMAP h : m_aFrames)
        DeleteObject(h);
    m_aFrames.clear();
    m_aDelays.clear();
    m_nWidth = 0;
    m_nHeight = 0;
}

bool CGifFrames::Decode(const BYTE* pData, DWORD dwSize) {
    Release();
    long long nPixels = pData != nullptr ? CanvasPixels(pData, dwSize) : 0;
    if (nPixels <= 0 || nPixels > MAX_CANVAS_PIXELS || dwSize > 0x7FFFFFFF)
        return false;
    bool bDecoded = DecodeGifFrames(pData, dwSize, [&](const uint8_t* pRgba, int w, int h, int ms) {
        HBITMAP hFrame = MakePremultiplied(pRgba, w, h);
        if (hFrame == nullptr)
            return false;
        m_nWidth = w;
        m_nHeight = h;
        m_aFrames.push_back(hFrame);
        // The decoder reports milliseconds; the file stores hundredths.
        m_aDelays.push_back(ms > 0 ? static_cast<UINT>(ms / 10) : 0);
        return true;
    });
    if (!bDecoded || m_aFrames.empty())
        Release();
    return !m_aFrames.empty();
}

}  // namespace Orvik
