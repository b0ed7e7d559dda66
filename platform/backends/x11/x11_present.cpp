// Presenting the core's pixels: conversion into the window's image and, without a compositor, an
// alpha shape.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/extensions/shape.h>

#include <algorithm>

#include "platform/backends/x11/x11_backend.h"
#include "platform/backends/x11/x11_shared_pixels.h"
#include "platform/gdi.h"
#include "platform/gdi/region_rects.h"

namespace platform::x11 {

using platform::user::PresentRequest;

namespace {

constexpr uint32_t ALPHA_MASK = 0xff000000u;
constexpr uint32_t SHAPE_ALPHA = 128;  // pixels at least this opaque belong to the shape
// Up to this many pixels (64 KiB) the socket is quicker than a segment the next paint must wait
// for; smaller windows keep their pixels in the core.
constexpr int SMALL_PIXELS = 16384;

enum class Conversion { Copy, Opaque, Scale, Unpremultiply };

uint32_t ScalePixel(uint32_t p, uint32_t alpha) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= (((p >> shift) & 0xff) * alpha / 255) << shift;
    return out;
}

// Without a compositor the pixel is shown as it is: its colour must not be darkened by alpha.
uint32_t Unpremultiplied(uint32_t p) {
    uint32_t a = p >> 24;
    if (a == 0 || a == 255)
        return p | ALPHA_MASK;
    uint32_t out = ALPHA_MASK;
    for (int shift = 0; shift < 24; shift += 8)
        out |= std::min<uint32_t>(((p >> shift) & 0xff) * 255 / a, 255) << shift;
    return out;
}

void ConvertRow(const uint32_t* from, uint32_t* to, int count, Conversion how, uint32_t alpha) {
    for (int i = 0; i < count; ++i) {
        switch (how) {
            case Conversion::Copy:
                to[i] = from[i];
                break;
            case Conversion::Opaque:
                to[i] = from[i] | ALPHA_MASK;
                break;
            case Conversion::Scale:
                to[i] = ScalePixel(from[i], alpha);
                break;
            case Conversion::Unpremultiply:
                to[i] = Unpremultiplied(from[i]);
                break;
        }
    }
}

// Runs of shape-worthy pixels, row by row.
std::vector<XRectangle> AlphaRuns(const platform::user::SurfaceView& view) {
    std::vector<XRectangle> runs;
    for (int y = 0; y < view.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(view.pixels) + size_t(y) * view.strideBytes);
        for (int x = 0; x < view.width;) {
            if ((row[x] >> 24) < SHAPE_ALPHA) {
                ++x;
                continue;
            }
            int start = x;
            while (x < view.width && (row[x] >> 24) >= SHAPE_ALPHA)
                ++x;
            runs.push_back(
                XRectangle{short(start), short(y), static_cast<unsigned short>(x - start), 1});
        }
    }
    return runs;
}

std::vector<XRectangle> ToXRectangles(const std::vector<RECT>& rects) {
    std::vector<XRectangle> out;
    out.reserve(rects.size());
    for (const RECT& r : rects)
        out.push_back(XRectangle{short(r.left), short(r.top), (unsigned short)(r.right - r.left),
                                 (unsigned short)(r.bottom - r.top)});
    return out;
}

Conversion ChooseConversion(const WindowRecord& record, const PresentRequest& request,
                            bool translucent) {
    if (!record.argb)
        return Conversion::Copy;  // depth 24: the alpha byte is not looked at
    if (!translucent)
        return request.perPixelAlpha ? Conversion::Unpremultiply : Conversion::Opaque;
    if (!request.perPixelAlpha)
        return request.constantAlpha == 255 ? Conversion::Opaque : Conversion::Scale;
    return request.constantAlpha == 255 ? Conversion::Copy : Conversion::Scale;
}

}  // namespace

void X11Backend::Present(HWND hwnd, const PresentRequest& request) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    const platform::user::SurfaceView& view = request.surface;
    if (record == nullptr || record->xid == None || view.pixels == nullptr || view.width <= 0 ||
        view.height <= 0)
        return;
    if (record->image == nullptr || record->image->Width() != view.width ||
        record->image->Height() != view.height) {
        const XVisualInfo* argb = record->argb ? m_connection->ArgbVisual() : nullptr;
        Display* dpy = m_connection->Dpy();
        Visual* visual = argb ? argb->visual : DefaultVisual(dpy, m_connection->Screen());
        int depth = argb ? argb->depth : DefaultDepth(dpy, m_connection->Screen());
        record->image.reset(Image::Create(*m_connection, visual, depth, view.width, view.height));
        if (record->image == nullptr)
            return;
    }
    RECT dirty{std::max<LONG>(request.dirty.left, 0), std::max<LONG>(request.dirty.top, 0),
               std::min<LONG>(request.dirty.right, view.width),
               std::min<LONG>(request.dirty.bottom, view.height)};
    record->perPixelAlpha = request.perPixelAlpha;
    record->constantAlpha = request.constantAlpha;
    if (record->argb && !ShowsTranslucency() && (request.perPixelAlpha || record->alphaShaped))
        ApplyBounding(*record, &request);
    if (dirty.left >= dirty.right || dirty.top >= dirty.bottom)
        return;
    Conversion how = ChooseConversion(*record, request, ShowsTranslucency());
    if (how == Conversion::Copy && SendShared(*record, view, dirty))
        return;
    SendPixels(*record, view, dirty, int(how), request.constantAlpha);
}

// Layered windows keep their pixels in the core: a 32-bit window shown by a compositor, sent
// straight from its segment, stayed the server's white in about one launch in ten under load.
std::unique_ptr<platform::user::SurfaceMemory> X11Backend::NewSurfaceMemory(int width, int height,
                                                                            bool layered) {
    if (layered || width * height <= SMALL_PIXELS)
        return nullptr;
    return SharedPixels::Create(m_segments, width, height);
}

// A surface that lives in a segment is sent from there: no copy at all. A window made layered
// after its memory was lent is sent as a layered one, by copy.
bool X11Backend::SendShared(WindowRecord& record, const platform::user::SurfaceView& view,
                            const RECT& dirty) {
    if ((dirty.right - dirty.left) * (dirty.bottom - dirty.top) <= SMALL_PIXELS ||
        view.strideBytes != view.width * 4 || record.argb)
        return false;
    std::lock_guard<std::mutex> guard(m_segments->Lock());
    SharedPixels* shared = m_segments->ByAddress(view.pixels);
    if (shared == nullptr)
        return false;
    Display* dpy = m_connection->Dpy();
    const XVisualInfo* argb = record.argb ? m_connection->ArgbVisual() : nullptr;
    Visual* visual = argb != nullptr ? argb->visual : DefaultVisual(dpy, m_connection->Screen());
    int depth = argb != nullptr ? argb->depth : DefaultDepth(dpy, m_connection->Screen());
    return shared->Put(dpy, record.xid, record.gc, visual, depth, dirty);
}

// Unconverted pixels go straight from the surface; others through a segment written whole or
// a band-sized scratch, so a one-off large present keeps no buffer of its size.
void X11Backend::SendPixels(WindowRecord& record, const platform::user::SurfaceView& view,
                            const RECT& dirty, int how, BYTE constantAlpha) {
    Image& image = *record.image;
    int width = int(dirty.right - dirty.left), height = int(dirty.bottom - dirty.top);
    auto source = [&](int y) {
        return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(view.pixels) +
                                                 size_t(y) * view.strideBytes) +
               dirty.left;
    };
    POINT origin{dirty.left, dirty.top};
    if (image.PlanSegment(width, height)) {
        size_t stride = 0;
        uint32_t* to = image.SegmentAt(origin.x, origin.y, stride);
        for (int row = 0; row < height; ++row)
            ConvertRow(source(origin.y + row), to + size_t(row) * stride, width, Conversion(how),
                       constantAlpha);
        image.PutSegment(record.xid, record.gc, origin.x, origin.y, width, height);
        return;
    }
    if (Conversion(how) == Conversion::Copy) {
        image.PutPixels(record.xid, record.gc, static_cast<const uint32_t*>(view.pixels),
                        int(view.strideBytes), view.width, view.height, origin, origin, width,
                        height);
        return;
    }
    for (int top = 0; top < height; top += Image::BandRows(width)) {
        int rows = std::min(Image::BandRows(width), height - top);
        uint32_t* band = image.Scratch(width, rows);
        for (int row = 0; row < rows; ++row)
            ConvertRow(source(origin.y + top + row), band + size_t(row) * width, width,
                       Conversion(how), constantAlpha);
        image.PutPixels(record.xid, record.gc, band, width * 4, width, rows, POINT{0, 0},
                        POINT{origin.x, origin.y + top}, width, rows);
    }
}

void X11Backend::OnShmCompletion(const XShmCompletionEvent& e) {
    m_segments->MarkCompleted(e.shmseg);
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = FindX(e.drawable);
    if (record != nullptr && record->image != nullptr)
        record->image->Completed(e.shmseg);
}

// The bounding shape: the window region, cut to the opaque pixels when
// per-pixel alpha cannot be shown.
void X11Backend::ApplyBounding(WindowRecord& record, const PresentRequest* request) {
    if (!m_connection->HasShape() || record.xid == None)
        return;
    Display* dpy = m_connection->Dpy();
    bool byAlpha = request != nullptr && request->perPixelAlpha;
    if (record.bounding == nullptr && !byAlpha) {
        if (record.alphaShaped || request == nullptr)
            XShapeCombineMask(dpy, record.xid, ShapeBounding, 0, 0, None, ShapeSet);
        record.alphaShaped = false;
        return;
    }
    if (record.bounding != nullptr) {
        std::vector<XRectangle> rects = ToXRectangles(gdi::RegionRectangles(record.bounding));
        XShapeCombineRectangles(dpy, record.xid, ShapeBounding, 0, 0, rects.data(),
                                int(rects.size()), ShapeSet, Unsorted);
    }
    if (byAlpha) {
        std::vector<XRectangle> runs = AlphaRuns(request->surface);
        XShapeCombineRectangles(dpy, record.xid, ShapeBounding, 0, 0, runs.data(), int(runs.size()),
                                record.bounding != nullptr ? ShapeIntersect : ShapeSet, YXBanded);
    }
    record.alphaShaped = byAlpha;
}

void X11Backend::ApplyInput(const WindowRecord& record) {
    if (!m_connection->HasShape() || record.xid == None)
        return;
    Display* dpy = m_connection->Dpy();
    if (record.inputEmpty || record.ClickThrough())
        XShapeCombineRectangles(dpy, record.xid, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    else
        XShapeCombineMask(dpy, record.xid, ShapeInput, 0, 0, None, ShapeSet);
}

void X11Backend::SetNativeShape(HWND hwnd, platform::user::NativeShape which, HRGN region) {
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr) {
        if (region != nullptr)
            DeleteObject(region);
        return;
    }
    if (which == platform::user::NativeShape::Input) {
        RECT box{};
        // Only "no input anywhere" and "the whole window" are asked for.
        record->inputEmpty = region != nullptr && GetRgnBox(region, &box) == NULLREGION;
        if (region != nullptr)
            DeleteObject(region);
        ApplyInput(*record);
    } else {
        if (record->bounding != nullptr)
            DeleteObject(record->bounding);
        record->bounding = region;
        ApplyBounding(*record, nullptr);
    }
    XFlush(m_connection->Dpy());
}

}  // namespace platform::x11
