// Handles and deferred deletion of drawing objects.
#include "platform/gdi/gdi_object.h"

#include "platform/gdi/handle_table.h"

namespace gdi {

// Handles are looked up in the table, never dereferenced, so a stale or
// foreign handle is refused.
CGdiObject::CGdiObject(ObjKind kind)
    : m_nKind(kind), m_nHandle(CHandleTable::Instance().Add(this, HandleKind::Object)) {}

CGdiObject::~CGdiObject() {
    CHandleTable::Instance().Remove(m_nHandle);
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
    CHandleTable::Instance().Remove(m_nHandle);  // the handle is gone for its owner already
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) {
    void* p = CHandleTable::Instance().Find(reinterpret_cast<uintptr_t>(h), HandleKind::Object);
    return static_cast<CGdiObject*>(p);
}

HGDIOBJ CGdiObject::Publish(CGdiObject* pObject) {
    if (pObject == nullptr)
        return nullptr;
    if (pObject->m_nHandle == 0) {
        delete pObject;
        return nullptr;
    }
    return pObject->Handle();
}

}  // namespace gdi
