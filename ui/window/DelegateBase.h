// Listeners of controls: an object and a function, and the list that owns them.
#pragma once

#include "ui/core/UIPtrArray.h"

namespace Orvik {

// A listener returning false vetoes what it listens to.
class CDelegateBase {
public:
    CDelegateBase(void* pObject, void* pFn) : m_pObject(pObject), m_pFn(pFn) {}
    virtual ~CDelegateBase() = default;
    virtual CDelegateBase* Copy() const = 0;
    virtual bool Invoke(void* pParam) = 0;
    bool Equals(const CDelegateBase& rhs) const {
        return m_pObject == rhs.m_pObject && m_pFn == rhs.m_pFn;
    }

protected:
    void* GetObject() const { return m_pObject; }
    void* GetFn() const { return m_pFn; }

private:
    void* m_pObject;
    void* m_pFn;
};

// A plain function of the argument pointer, with a context object.
class CDelegateStatic : public CDelegateBase {
public:
    typedef bool (*Fn)(void* pObject, void* pParam);
    CDelegateStatic(void* pObject, Fn pFn) : CDelegateBase(pObject, reinterpret_cast<void*>(pFn)) {}
    CDelegateBase* Copy() const override { return new CDelegateStatic(*this); }
    bool Invoke(void* pParam) override {
        return reinterpret_cast<Fn>(GetFn())(GetObject(), pParam);
    }
};

// Owns copies of its listeners; an equal listener is stored once.
class CEventSource {
public:
    CEventSource() = default;
    CEventSource(const CEventSource&) = delete;
    CEventSource& operator=(const CEventSource&) = delete;
    ~CEventSource() {
        if (m_pbDestroyed != nullptr)
            *m_pbDestroyed = true;
        Clear();
    }

    bool IsEmpty() const { return m_aDelegates.IsEmpty(); }
    void Add(const CDelegateBase& d) {
        for (int i = 0; i < m_aDelegates.GetSize(); ++i)
            if (At(i)->Equals(d))
                return;
        m_aDelegates.Add(d.Copy());
    }
    void Remove(const CDelegateBase& d) {
        for (int i = 0; i < m_aDelegates.GetSize(); ++i)
            if (At(i)->Equals(d)) {
                delete At(i);
                m_aDelegates.Remove(i);
                return;
            }
    }
    // True unless a listener returns false, which stops the walk. A listener
    // may destroy the list's owner: the walk then ends without touching it.
    bool Invoke(void* pParam) {
        bool bDestroyed = false;
        bool* pbOuter = m_pbDestroyed;
        m_pbDestroyed = &bDestroyed;
        bool bResult = true;
        for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
            bResult = At(i)->Invoke(pParam);
            if (bDestroyed) {
                if (pbOuter != nullptr)
                    *pbOuter = true;
                return bResult;
            }
            if (!bResult)
                break;
        }
        m_pbDestroyed = pbOuter;
        return bResult;
    }
    void Clear() {
        for (int i = 0; i < m_aDelegates.GetSize(); ++i)
            delete At(i);
        m_aDelegates.Empty();
    }

private:
    CDelegateBase* At(int i) const { return static_cast<CDelegateBase*>(m_aDelegates[i]); }
    CUIPtrArray m_aDelegates;
    // Set while Invoke runs, so the destructor can tell it.
    bool* m_pbDestroyed = nullptr;
};

}  // namespace Orvik
