// Device context state, coordinate mapping and SaveDC/RestoreDC.
#include "platform/gdi/DeviceContext.h"

#include <mutex>
#include <unordered_set>

namespace gdi {

namespace {

struct DCRegistry {
    std::mutex m_lock;
    std::unordered_set<const CDeviceContext*> m_setLive;
};

DCRegistry& LiveDCs() {
    static DCRegistry* registry = new DCRegistry;
    return *registry;
}

}  // namespace

CDeviceContext::CDeviceContext() {
    m_state.brush = CObjRef(StockObject(WHITE_BRUSH));
    m_state.pen = CObjRef(StockObject(BLACK_PEN));
    m_state.font = CObjRef(StockObject(SYSTEM_FONT));
    std::lock_guard<std::mutex> lock(LiveDCs().m_lock);
    LiveDCs().m_setLive.insert(this);
}

CDeviceContext::~CDeviceContext() {
    {
        std::lock_guard<std::mutex> lock(LiveDCs().m_lock);
        LiveDCs().m_setLive.erase(this);
    }
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
    auto* p = reinterpret_cast<const CDeviceContext*>(hdc);
    std::lock_guard<std::mutex> lock(LiveDCs().m_lock);
    return LiveDCs().m_setLive.count(p) ? const_cast<CDeviceContext*>(p) : nullptr;
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
