// Base of every drawing object behind an HGDIOBJ: kind, handle check, selection counting.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/gdi.h"

namespace gdi {

enum class ObjKind {
    Bitmap = OBJ_BITMAP,
    Brush = OBJ_BRUSH,
    Pen = OBJ_PEN,
    Font = OBJ_FONT,
    Region = OBJ_REGION
};

// Objects are owned by whoever created the handle; a DC that selects one holds
// a reference, so DeleteObject on a selected object only marks it and the last
// DC to let go frees it. Stock objects are never freed.
class CGdiObject {
public:
    explicit CGdiObject(ObjKind kind);
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    ObjKind Kind() const { return m_nKind; }
    // Null only when the handle table was full; Publish frees such an object.
    HGDIOBJ Handle() const { return reinterpret_cast<HGDIOBJ>(m_nHandle); }
    bool IsStock() const { return m_bStock; }
    void MakeStock() { m_bStock = true; }

    void AddRef() { ++m_nRefs; }
    void Release();
    // The owner gave the handle up; frees now or when the last reference goes.
    void MarkDeleted();

    // The live object behind a handle, or null for anything else.
    static CGdiObject* FromHandle(HGDIOBJ h);
    // A new object's handle for its creator, or null (the object freed) when
    // no handle was left for it.
    static HGDIOBJ Publish(CGdiObject* pObject);

private:
    ObjKind m_nKind;
    uintptr_t m_nHandle;
    int m_nRefs = 0;
    bool m_bDeleted = false;
    bool m_bStock = false;
};

// A live object of one kind, or null.
template <class T>
T* ObjectAs(HGDIOBJ h) {
    CGdiObject* p = CGdiObject::FromHandle(h);
    return p && p->Kind() == T::KIND ? static_cast<T*>(p) : nullptr;
}

// A counted reference held by a DC (or a saved DC state) to a selected object.
class CObjRef {
public:
    CObjRef() = default;
    explicit CObjRef(CGdiObject* p) : m_pObj(p) {
        if (m_pObj)
            m_pObj->AddRef();
    }
    CObjRef(const CObjRef& o) : CObjRef(o.m_pObj) {}
    CObjRef& operator=(const CObjRef& o) {
        CObjRef tmp(o);
        std::swap(m_pObj, tmp.m_pObj);
        return *this;
    }
    ~CObjRef() {
        if (m_pObj)
            m_pObj->Release();
    }
    CGdiObject* Get() const { return m_pObj; }
    template <class T>
    T* As() const {
        return static_cast<T*>(m_pObj);
    }

private:
    CGdiObject* m_pObj = nullptr;
};

}  // namespace gdi
