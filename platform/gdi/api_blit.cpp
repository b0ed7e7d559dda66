// Block transfers between DCs: BitBlt, StretchBlt and AlphaBlend through pixman composites,
// unscaled AlphaBlend through our own row loops.
#include <algorithm>
#include <cstdint>

#include "platform/gdi/blend_area.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"

using namespace gdi;

namespace {

// One transfer from a source rectangle to a destination rectangle, both in
// device coordinates of their DCs.
struct Transfer {
    RECT dst;
    RECT src;
    pixman_op_t op = PIXMAN_OP_SRC;
    bool ignoreSrcAlpha = false;
    BYTE constAlpha = 255;
    bool smooth = false;  // bilinear instead of nearest pixel when scaling
};

// Rectangles are clamped to +-this when they are built from a call's
// position and size, so their widths fit an int and pixman's 16.16 fixed
// point sees only values it can hold.
constexpr int64_t COORD_LIMIT = 1 << 29;
// Scale factors pixman's 16.16 matrix can express.
constexpr double MAX_SCALE = 32767.0;
constexpr double MIN_SCALE = 1.0 / 65536.0;

int Width(const RECT& rc) {
    return int(int64_t(rc.right) - rc.left);
}
int Height(const RECT& rc) {
    return int(int64_t(rc.bottom) - rc.top);
}

// The source pixels as an image whose origin is the source rectangle's
// top-left corner. When source and target are the same bitmap the pixels are
// copied first, since pixman cannot read and write overlapping memory.
pixman_image_t* SourceImage(CGdiBitmap* src, CGdiBitmap* dst, const Transfer& t) {
    pixman_image_t* view = src->CreateView(t.ignoreSrcAlpha, &t.src);
    if (!view || src != dst)
        return view;
    int w = pixman_image_get_width(view);
    int h = pixman_image_get_height(view);
    pixman_image_t* copy = pixman_image_create_bits(
        t.ignoreSrcAlpha ? PIXMAN_x8r8g8b8 : PIXMAN_a8r8g8b8, w, h, nullptr, 0);
    if (copy)
        pixman_image_composite32(PIXMAN_OP_SRC, view, nullptr, copy, 0, 0, 0, 0, 0, 0, w, h);
    pixman_image_unref(view);
    return copy;
}

bool IsScalable(const Transfer& t) {
    double sx = static_cast<double>(Width(t.src)) / Width(t.dst);
    double sy = static_cast<double>(Height(t.src)) / Height(t.dst);
    return sx >= MIN_SCALE && sx <= MAX_SCALE && sy >= MIN_SCALE && sy <= MAX_SCALE &&
           t.src.left > -MAX_SCALE && t.src.top > -MAX_SCALE;
}

// Maps destination pixels onto the source rectangle; the view starts at the
// part of that rectangle that lies inside the bitmap. The caller has checked
// IsScalable.
void SetScaling(pixman_image_t* img, const Transfer& t) {
    double sx = static_cast<double>(Width(t.src)) / Width(t.dst);
    double sy = static_cast<double>(Height(t.src)) / Height(t.dst);
    pixman_transform_t m;
    pixman_transform_init_identity(&m);
    m.matrix[0][0] = pixman_double_to_fixed(sx);
    m.matrix[1][1] = pixman_double_to_fixed(sy);
    m.matrix[0][2] = pixman_int_to_fixed(std::min<LONG>(t.src.left, 0));
    m.matrix[1][2] = pixman_int_to_fixed(std::min<LONG>(t.src.top, 0));
    pixman_image_set_transform(img, &m);
    pixman_image_set_filter(img, t.smooth ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, nullptr,
                            0);
    pixman_image_set_repeat(img, PIXMAN_REPEAT_PAD);
}

bool Run(CDeviceContext& dstDc, CDeviceContext& srcDc, const Transfer& t) {
    if (Width(t.dst) <= 0 || Height(t.dst) <= 0 || Width(t.src) <= 0 || Height(t.src) <= 0)
        return false;
    bool scaled = Width(t.dst) != Width(t.src) || Height(t.dst) != Height(t.src);
    if (scaled && !IsScalable(t))
        return false;
    if (!scaled && t.op == PIXMAN_OP_OVER &&
        BlendUnscaled(dstDc, *srcDc.Target(), t.dst, t.src, t.constAlpha, t.ignoreSrcAlpha))
        return true;
    pixman_image_t* src = SourceImage(srcDc.Target(), dstDc.Target(), t);
    if (!src)
        return true;  // the source rectangle lies outside the bitmap: nothing to copy
    int srcX = std::min<LONG>(t.src.left, 0);  // negative when the rectangle starts outside
    int srcY = std::min<LONG>(t.src.top, 0);
    if (scaled) {
        SetScaling(src, t);
        srcX = srcY = 0;
    }
    pixman_image_t* mask = nullptr;
    if (t.constAlpha < 255) {
        pixman_color_t c = {0, 0, 0, static_cast<uint16_t>(t.constAlpha * 257)};
        mask = pixman_image_create_solid_fill(&c);
    }
    CompositeClipped(dstDc, t.op, src, mask, srcX, srcY, 0, 0, t.dst.left, t.dst.top, Width(t.dst),
                     Height(t.dst));
    if (mask)
        pixman_image_unref(mask);
    pixman_image_unref(src);
    return true;
}

bool FillForRop(CDeviceContext& dc, const RECT& dst, DWORD rop) {
    COLORREF color;
    if (rop == BLACKNESS)
        color = RGB(0, 0, 0);
    else if (rop == WHITENESS)
        color = RGB(255, 255, 255);
    else if (rop == PATCOPY && !dc.Brush()->IsNull())
        color = dc.Brush()->Color();
    else
        return rop == PATCOPY;
    FillArea(dc, CPixelRegion(dst), color);
    return true;
}

LONG ClampCoord(int64_t value) {
    return LONG(std::clamp(value, -COORD_LIMIT, COORD_LIMIT));
}

RECT DeviceRect(const CDeviceContext& dc, int x, int y, int w, int h) {
    return dc.ToDevice(
        RECT{ClampCoord(x), ClampCoord(y), ClampCoord(int64_t(x) + w), ClampCoord(int64_t(y) + h)});
}

}  // namespace

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    CDeviceContext* dst = CDeviceContext::FromHandle(hdc);
    if (!dst)
        return FALSE;
    RECT dstRect = DeviceRect(*dst, x, y, cx, cy);
    if (rop != SRCCOPY)
        return FillForRop(*dst, dstRect, rop);
    CDeviceContext* src = CDeviceContext::FromHandle(hdcSrc);
    if (!src)
        return FALSE;
    Transfer t{dstRect, DeviceRect(*src, x1, y1, cx, cy)};
    return Run(*dst, *src, t);
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop) {
    CDeviceContext* dst = CDeviceContext::FromHandle(hdcDest);
    if (!dst)
        return FALSE;
    RECT dstRect = DeviceRect(*dst, xDest, yDest, wDest, hDest);
    if (rop != SRCCOPY)
        return FillForRop(*dst, dstRect, rop);
    CDeviceContext* src = CDeviceContext::FromHandle(hdcSrc);
    if (!src)
        return FALSE;
    Transfer t{dstRect, DeviceRect(*src, xSrc, ySrc, wSrc, hSrc)};
    t.smooth = dst->State().stretchMode == HALFTONE;
    return Run(*dst, *src, t);
}

BOOL AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
    CDeviceContext* dst = CDeviceContext::FromHandle(hdcDest);
    CDeviceContext* src = CDeviceContext::FromHandle(hdcSrc);
    if (!dst || !src || ftn.BlendOp != AC_SRC_OVER)
        return FALSE;
    Transfer t{DeviceRect(*dst, xoriginDest, yoriginDest, wDest, hDest),
               DeviceRect(*src, xoriginSrc, yoriginSrc, wSrc, hSrc)};
    CGdiBitmap* bmp = src->Target();
    if (t.src.left < 0 || t.src.top < 0 || t.src.right > bmp->Width() ||
        t.src.bottom > bmp->Height())
        return FALSE;
    if (ftn.SourceConstantAlpha == 0)
        return wDest > 0 && hDest > 0 && wSrc > 0 && hSrc > 0;
    t.op = PIXMAN_OP_OVER;
    t.ignoreSrcAlpha = (ftn.AlphaFormat & AC_SRC_ALPHA) == 0;
    t.constAlpha = ftn.SourceConstantAlpha;
    t.smooth = dst->State().stretchMode == HALFTONE;
    return Run(*dst, *src, t);
}
