// Device context state, coordinate mapping and SaveDC/RestoreDC.
#include "platform/gdi/device_context.h"

#include "platform/gdi/handle_table.h"

namespace gdi {

CDeviceContext::CDeviceContext() : m_nHandle(CHandleTable::Instance().Add(this, HandleKind::DC)) {
    m_state.brush = CObjRef(StockObject(WHITE_BRUSH));
    m_state.pen = CObjRef(StockObject(BLACK_PEN));
    m_state.font = CObjRef(StockObject(SYSTEM_FONT));
}

CDeviceContext::~CDeviceContext() {
    CHandleTable::Instance().Remove(m_nHandle);
    m_lstSaved.clear();
    m_state = DCState();
    if (m_pSurface)
        delete m_pSurface;
}

CDeviceContext* CDeviceContext::CreateMemory() {
    auto* dc = new CDeviceContext;
    static CGdiBitmap* stockBitmap = [] {
        CGdiBitmap* bmp = CGdiBitmap::Create(1, 1, false, false);
        bmp->MakeStock();
        return bmp;
    }();
    dc->m_state.bitmap = CObjRef(stockBitmap);
    return dc;
}

CDeviceContext* CDeviceContext::CreateSurface(CGdiBitmap* pSurface) {
    auto* dc = new CDeviceContext;
    dc->m_bMemory = false;
    // The surface is never handed to the caller to delete; it dies with the DC.
    pSurface->MakeStock();
    dc->m_pSurface = pSurface;
    dc->m_state.bitmap = CObjRef(pSurface);
    return dc;
}

CDeviceContext* CDeviceContext::FromHandle(HDC hdc) {
    void* p = CHandleTable::Instance().Find(reinterpret_cast<uintptr_t>(hdc), HandleKind::DC);
    return static_cast<CDeviceContext*>(p);
}

HDC CDeviceContext::Publish(CDeviceContext* pDC) {
    if (pDC->m_nHandle == 0) {
        delete pDC;
        return nullptr;
    }
    return pDC->Handle();
}

POINT CDeviceContext::Offset() const {
    return POINT{-m_state.windowOrg.x, -m_state.windowOrg.y};
}

RECT CDeviceContext::ToDevice(const RECT& rc) const {
    POINT o = Offset();
    return RECT{rc.left + o.x, rc.top + o.y, rc.right + o.x, rc.bottom + o.y};
}

CPixelRegion CDeviceContext::DrawableRegion() const {
    CGdiBitmap* target = Target();
    CPixelRegion region(RECT{0, 0, target->Width(), target->Height()});
    if (m_state.clip)
        region.Intersect(*m_state.clip);
    return region;
}

int CDeviceContext::Save() {
    m_lstSaved.push_back(m_state);
    return static_cast<int>(m_lstSaved.size());
}

// A negative level counts back from the latest save; a positive one names the
// level SaveDC returned. Either way, that state and every later one are popped.
bool CDeviceContext::Restore(int nSaved) {
    int count = static_cast<int>(m_lstSaved.size());
    int level = nSaved < 0 ? count + 1 + nSaved : nSaved;
    if (level < 1 || level > count)
        return false;
    m_state = m_lstSaved[level - 1];
    m_lstSaved.resize(level - 1);
    return true;
}

}  // namespace gdi
