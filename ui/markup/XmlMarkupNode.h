// A handle on one element of a parsed skin document.
#pragma once

#include <cstddef>

#include "platform/win32_types.h"

namespace Orvik {

class CXmlMarkup;

// A cheap value naming one element. The document must outlive its nodes; a
// node whose document is null is invalid and answers null, 0 or false.
// Attributes are mapped on the first query; only the first 64 of an element
// are visible.
class CXmlMarkupNode {
public:
    static constexpr int MAX_ATTRIBUTES = 64;

    CXmlMarkupNode();
    CXmlMarkupNode(CXmlMarkup* pOwner, int iPos);

    bool IsValid() const { return m_pOwner != nullptr; }
    // Null for an invalid node.
    const char* GetTagName() const;
    CXmlMarkupNode GetNextSibling() const;
    CXmlMarkupNode GetFirstChild() const;
    bool HasChildren() const;

    int GetAttributeCount() const;
    bool HasAttributes() const { return GetAttributeCount() > 0; }
    // In document order; "" outside 0 .. count - 1, null for an invalid node.
    const char* GetAttributeName(int iIndex) const;
    const char* GetAttributeValue(int iIndex) const;
    // Exact, case-sensitive name match. Copies at most cchMax bytes of the
    // value into pstrValue, which holds cchMax + 1 bytes, and terminates it.
    bool FindAttribute(const char* pstrName, char* pstrValue, size_t cchMax) const;

private:
    struct XMLATTRIBUTE {
        ULONG iName;
        ULONG iValue;
    };

    // Fills the attribute cache once.
    void MapAttributes() const;
    // The name or value (by offset field) of attribute iIndex; "" when out of range.
    const char* AttributeText(int iIndex, ULONG XMLATTRIBUTE::*pOffset) const;
    // The document's text, or null when the node is invalid.
    char* GetText() const;

    int m_iPos;
    CXmlMarkup* m_pOwner;
    mutable int m_nAttributes;
    mutable bool m_bMapped;
    mutable XMLATTRIBUTE m_aAttributes[MAX_ATTRIBUTES];
};

}  // namespace Orvik
