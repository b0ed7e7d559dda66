// A device context: target bitmap, selected objects, colours, window origin, clip, saved states.
#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/gdi_bitmap.h"
#include "platform/gdi/gdi_brush.h"
#include "platform/gdi/gdi_font.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_pen.h"
#include "platform/gdi/pixel_region.h"

namespace gdi {

// Everything SaveDC keeps and RestoreDC brings back.
struct DCState {
    CObjRef bitmap;
    CObjRef brush;
    CObjRef pen;
    CObjRef font;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    POINT windowOrg = {0, 0};
    POINT curPos = {0, 0};
    std::optional<CPixelRegion> clip;  // device coordinates; none = the whole target
};

class CDeviceContext {
public:
    // A memory DC starts with a 1 x 1 stock bitmap, like the original.
    static CDeviceContext* CreateMemory();
    // A DC over a window surface; it owns the surface's bitmap object.
    static CDeviceContext* CreateSurface(CGdiBitmap* pSurface);
    ~CDeviceContext();
    CDeviceContext(const CDeviceContext&) = delete;
    CDeviceContext& operator=(const CDeviceContext&) = delete;

    static CDeviceContext* FromHandle(HDC hdc);
    // A new DC's handle for its creator, or null (the DC freed) when no
    // handle was left for it.
    static HDC Publish(CDeviceContext* pDC);
    HDC Handle() const { return reinterpret_cast<HDC>(m_nHandle); }
    bool IsMemory() const { return m_bMemory; }

    DCState& State() { return m_state; }
    const DCState& State() const { return m_state; }
    CGdiBitmap* Target() const { return m_state.bitmap.As<CGdiBitmap>(); }
    CGdiBitmap* Surface() const { return m_pSurface; }
    CGdiBrush* Brush() const { return m_state.brush.As<CGdiBrush>(); }
    CGdiPen* Pen() const { return m_state.pen.As<CGdiPen>(); }
    CGdiFont* Font() const { return m_state.font.As<CGdiFont>(); }

    // Logical to device coordinates.
    POINT Offset() const;
    RECT ToDevice(const RECT& rc) const;
    // The pixels drawing may touch: the clip (if any) inside the target.
    CPixelRegion DrawableRegion() const;

    int Save();
    bool Restore(int nSaved);

private:
    CDeviceContext();
    uintptr_t m_nHandle;
    DCState m_state;
    std::vector<DCState> m_lstSaved;
    bool m_bMemory = true;
    CGdiBitmap* m_pSurface = nullptr;
};

// Stock objects, created on first use and never freed.
CGdiObject* StockObject(int index);

}  // namespace gdi
