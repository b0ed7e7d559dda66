// Object handles: stock objects, creation, selection, deletion and description.
#include <cstring>
#include <mutex>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_cache.h"
#include "platform/gdi/gdi_region.h"

namespace gdi {

namespace {

CGdiObject* MakeStock(CGdiObject* obj) {
    obj->MakeStock();
    return obj;
}

// The GUI font: 12-pixel characters from the CJK sans-serif face, which is
// what fontconfig resolves "sans-serif" to for Chinese text.
CGdiObject* MakeGuiFont() {
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "sans-serif");
    return MakeStock(new CGdiFont(lf));
}

CGdiObject* CreateStock(int index) {
    switch (index) {
        case WHITE_BRUSH:
            return MakeStock(new CGdiBrush(RGB(255, 255, 255), false));
        case LTGRAY_BRUSH:
            return MakeStock(new CGdiBrush(RGB(192, 192, 192), false));
        case GRAY_BRUSH:
            return MakeStock(new CGdiBrush(RGB(128, 128, 128), false));
        case DKGRAY_BRUSH:
            return MakeStock(new CGdiBrush(RGB(64, 64, 64), false));
        case BLACK_BRUSH:
            return MakeStock(new CGdiBrush(RGB(0, 0, 0), false));
        case NULL_BRUSH:
            return MakeStock(new CGdiBrush(0, true));
        case WHITE_PEN:
            return MakeStock(new CGdiPen(PS_SOLID, 1, RGB(255, 255, 255)));
        case BLACK_PEN:
            return MakeStock(new CGdiPen(PS_SOLID, 1, RGB(0, 0, 0)));
        case NULL_PEN:
            return MakeStock(new CGdiPen(PS_NULL, 1, 0));
        case SYSTEM_FONT:
        case DEFAULT_GUI_FONT:
            return MakeGuiFont();
        default:
            return nullptr;
    }
}

}  // namespace

CGdiObject* StockObject(int index) {
    constexpr int COUNT = DEFAULT_GUI_FONT + 1;
    static CGdiObject* table[COUNT] = {};
    static std::once_flag once;
    std::call_once(once, [] {
        for (int i = 0; i < COUNT; ++i)
            table[i] = CreateStock(i);
    });
    return index >= 0 && index < COUNT ? table[index] : nullptr;
}

CFontInstance* CGdiFont::Instance() {
    if (!m_pInstance)
        m_pInstance = CFontCache::Get().Resolve(m_logFont);
    return m_pInstance;
}

}  // namespace gdi

using namespace gdi;

HGDIOBJ GetStockObject(int i) {
    CGdiObject* obj = StockObject(i);
    return obj ? obj->Handle() : nullptr;
}

BOOL DeleteObject(HGDIOBJ ho) {
    CGdiObject* obj = CGdiObject::FromHandle(ho);
    if (!obj)
        return FALSE;
    obj->MarkDeleted();
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    CGdiObject* obj = CGdiObject::FromHandle(h);
    if (!dc || !obj)
        return nullptr;
    DCState& st = dc->State();
    CObjRef* slot = nullptr;
    switch (obj->Kind()) {
        case ObjKind::Bitmap:
            if (!dc->IsMemory())
                return nullptr;  // a window's DC keeps its surface
            slot = &st.bitmap;
            break;
        case ObjKind::Brush:
            slot = &st.brush;
            break;
        case ObjKind::Pen:
            slot = &st.pen;
            break;
        case ObjKind::Font:
            slot = &st.font;
            break;
        case ObjKind::Region:
            return reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(SelectClipRgn(hdc, h)));
    }
    HGDIOBJ previous = slot->Get()->Handle();
    *slot = CObjRef(obj);
    return previous;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    CDeviceContext* dc = CDeviceContext::FromHandle(hdc);
    if (!dc)
        return nullptr;
    const DCState& st = dc->State();
    switch (type) {
        case OBJ_BITMAP:
            return st.bitmap.Get()->Handle();
        case OBJ_BRUSH:
            return st.brush.Get()->Handle();
        case OBJ_PEN:
            return st.pen.Get()->Handle();
        case OBJ_FONT:
            return st.font.Get()->Handle();
        default:
            return nullptr;
    }
}

namespace {

template <class T>
int CopyOut(const T& value, int c, LPVOID pv) {
    if (!pv)
        return sizeof(T);
    int n = c < static_cast<int>(sizeof(T)) ? c : static_cast<int>(sizeof(T));
    if (n <= 0)
        return 0;
    std::memcpy(pv, &value, n);
    return n;
}

}  // namespace

int GetObjectA(HGDIOBJ h, int c, LPVOID pv) {
    CGdiObject* obj = CGdiObject::FromHandle(h);
    if (!obj)
        return 0;
    switch (obj->Kind()) {
        case ObjKind::Bitmap: {
            auto* bmp = static_cast<CGdiBitmap*>(obj);
            BITMAP bm = {0,
                         bmp->Width(),
                         bmp->Height(),
                         bmp->Width() * 4,
                         1,
                         32,
                         bmp->IsDib() ? bmp->Bits() : nullptr};
            return CopyOut(bm, c, pv);
        }
        case ObjKind::Brush: {
            auto* br = static_cast<CGdiBrush*>(obj);
            LOGBRUSH lb = {static_cast<UINT>(br->IsNull() ? BS_NULL : BS_SOLID), br->Color(), 0};
            return CopyOut(lb, c, pv);
        }
        case ObjKind::Pen: {
            auto* pen = static_cast<CGdiPen*>(obj);
            LOGPEN lp = {static_cast<UINT>(pen->Style()), POINT{pen->Width(), 0}, pen->Color()};
            return CopyOut(lp, c, pv);
        }
        case ObjKind::Font:
            return CopyOut(static_cast<CGdiFont*>(obj)->LogFont(), c, pv);
        case ObjKind::Region:
            return 0;
    }
    return 0;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return CGdiObject::Publish(new CGdiBrush(color & 0xFFFFFF, false));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    int style = iStyle & PS_STYLE_MASK;
    // A dash style or-ed with the inside-frame style (value 6) gives 6 or 7,
    // which cannot tell the dash apart: such pens frame inside, solid.
    if (style > PS_INSIDEFRAME)
        style = (style & PS_INSIDEFRAME) == PS_INSIDEFRAME ? PS_INSIDEFRAME : PS_SOLID;
    return CGdiObject::Publish(new CGdiPen(style, cWidth, color & 0xFFFFFF));
}

HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    if (!lplf)
        return nullptr;
    return CGdiObject::Publish(new CGdiFont(*lplf));
}
