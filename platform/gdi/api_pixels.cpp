// Single pixels and reading a DC's pixels back.
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"

using namespace gdi;

COLORREF GetPixel(HDC hdc, int x, int y) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return CLR_INVALID;
    POINT o = dc->Offset();
    x += o.x;
    y += o.y;
    if (!dc->DrawableRegion().Contains(x, y))
        return CLR_INVALID;
    uint32_t px = dc->Target()->Pixel(x, y);
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return CLR_INVALID;
    POINT o = dc->Offset();
    if (!dc->DrawableRegion().Contains(x + o.x, y + o.y))
        return CLR_INVALID;
    FillArea(*dc, CPixelRegion(RECT{x + o.x, y + o.y, x + o.x + 1, y + o.y + 1}), color);
    return color & 0xFFFFFF;
}

namespace platform {

bool ReadDCPixels(HDC hdc, const RECT& src, void* pDst, int dstStrideBytes) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    int w = src.right - src.left, h = src.bottom - src.top;
    if (!dc || !pDst || w <= 0 || h <= 0 || dstStrideBytes < w * 4 || dstStrideBytes % 4 != 0)
        return false;
    pixman_image_t* out = pixman_image_create_bits(PIXMAN_a8r8g8b8, w, h,
                                                   static_cast<uint32_t*>(pDst), dstStrideBytes);
    if (!out)
        return false;
    RECT dev = dc->ToDevice(src);
    // Clearing first makes the parts outside the target read as 0.
    pixman_image_composite32(PIXMAN_OP_CLEAR, out, nullptr, out, 0, 0, 0, 0, 0, 0, w, h);
    pixman_image_composite32(PIXMAN_OP_SRC, dc->Target()->Image(), nullptr, out, dev.left, dev.top,
                             0, 0, 0, 0, w, h);
    pixman_image_unref(out);
    return true;
}

}  // namespace platform
