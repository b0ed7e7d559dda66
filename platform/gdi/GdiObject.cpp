// Handle registry and deferred deletion of drawing objects.
#include "platform/gdi/GdiObject.h"

#include <mutex>
#include <unordered_set>

namespace gdi {

namespace {

// Handles are checked against the live set so a stale or foreign handle is
// refused instead of dereferenced.
struct Registry {
    std::mutex m_lock;
    std::unordered_set<const CGdiObject*> m_setLive;
};

Registry& Live() {
    static Registry* registry = new Registry;  // outlives every static object
    return *registry;
}

}  // namespace

CGdiObject::CGdiObject(ObjKind kind) : m_nKind(kind) {
    std::lock_guard<std::mutex> lock(Live().m_lock);
    Live().m_setLive.insert(this);
}

CGdiObject::~CGdiObject() {
    std::lock_guard<std::mutex> lock(Live().m_lock);
    Live().m_setLive.erase(this);
}

void CGdiObject::Release() {
    if (--m_nRefs == 0 && m_bDeleted && !m_bStock)
        delete this;
}

void CGdiObject::MarkDeleted() {
    if (m_bStock)
        return;
    if (m_nRefs == 0) {
        delete this;
        return;
    }
    m_bDeleted = true;
    std::lock_guard<std::mutex> lock(Live().m_lock);
    Live().m_setLive.erase(this);  // the handle is gone for its owner already
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) {
    auto* p = reinterpret_cast<const CGdiObject*>(h);
    std::lock_guard<std::mutex> lock(Live().m_lock);
    return Live().m_setLive.count(p) ? const_cast<CGdiObject*>(p) : nullptr;
}

}  // namespace gdi
