// A resource reference: either a name or a 16-bit numeric resource id.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

// One pointer-sized value, as the platform's resource functions take it:
// values below 65536 are ids, anything else points at a NUL-terminated name
// that the caller keeps alive.
class CUIResName {
public:
    CUIResName(const char* pstrName) : m_lpstr(pstrName) {}
    // The id is truncated to 16 bits.
    CUIResName(int nId) : m_lpstr(MAKEINTRESOURCEA(nId)) {}
    CUIResName(UINT nId) : m_lpstr(MAKEINTRESOURCEA(nId)) {}

    bool IsId() const { return IS_INTRESOURCE(m_lpstr); }
    // The id, or 0 for a name.
    WORD GetId() const {
        return IsId() ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(m_lpstr)) : 0;
    }
    // The name, or null for an id.
    const char* GetName() const { return IsId() ? nullptr : m_lpstr; }
    // The raw value, suitable for FindResourceA.
    const char* GetValue() const { return m_lpstr; }

private:
    const char* m_lpstr;
};

}  // namespace Orvik
