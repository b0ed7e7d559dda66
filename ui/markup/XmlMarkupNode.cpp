// A handle on one element of a parsed skin document.
#include "ui/markup/XmlMarkupNode.h"

#include <cstring>

#include "ui/markup/XmlMarkup.h"
#include "ui/markup/XmlParser.h"

namespace Orvik {

CXmlMarkupNode::CXmlMarkupNode()
    : m_iPos(0), m_pOwner(nullptr), m_nAttributes(0), m_bMapped(false), m_aAttributes() {}

CXmlMarkupNode::CXmlMarkupNode(CXmlMarkup* pOwner, int iPos)
    : m_iPos(iPos), m_pOwner(pOwner), m_nAttributes(0), m_bMapped(false), m_aAttributes() {}

char* CXmlMarkupNode::GetText() const {
    // A node of a released or reloaded document must not reach past its table.
    if (m_pOwner == nullptr || m_pOwner->m_pstrXml == nullptr || m_iPos <= 0 ||
        static_cast<ULONG>(m_iPos) >= m_pOwner->m_nElements)
        return nullptr;
    return m_pOwner->m_pstrXml;
}

const char* CXmlMarkupNode::GetTagName() const {
    char* pText = GetText();
    return pText ? pText + m_pOwner->m_pElements[m_iPos].iStart : nullptr;
}

CXmlMarkupNode CXmlMarkupNode::GetNextSibling() const {
    if (GetText() == nullptr)
        return CXmlMarkupNode();
    ULONG iPos = m_pOwner->m_pElements[m_iPos].iNext;
    return iPos ? CXmlMarkupNode(m_pOwner, static_cast<int>(iPos)) : CXmlMarkupNode();
}

CXmlMarkupNode CXmlMarkupNode::GetFirstChild() const {
    if (GetText() == nullptr)
        return CXmlMarkupNode();
    ULONG iPos = m_pOwner->m_pElements[m_iPos].iChild;
    return iPos ? CXmlMarkupNode(m_pOwner, static_cast<int>(iPos)) : CXmlMarkupNode();
}

bool CXmlMarkupNode::HasChildren() const {
    return GetText() != nullptr && m_pOwner->m_pElements[m_iPos].iChild != 0;
}

int CXmlMarkupNode::GetAttributeCount() const {
    MapAttributes();
    return m_nAttributes;
}

const char* CXmlMarkupNode::GetAttributeName(int iIndex) const {
    return AttributeText(iIndex, &XMLATTRIBUTE::iName);
}

const char* CXmlMarkupNode::GetAttributeValue(int iIndex) const {
    return AttributeText(iIndex, &XMLATTRIBUTE::iValue);
}

const char* CXmlMarkupNode::AttributeText(int iIndex, ULONG XMLATTRIBUTE::*pOffset) const {
    char* pText = GetText();
    if (pText == nullptr)
        return nullptr;
    MapAttributes();
    if (iIndex < 0 || iIndex >= m_nAttributes)
        return "";
    return pText + m_aAttributes[iIndex].*pOffset;
}

bool CXmlMarkupNode::FindAttribute(const char* pstrName, char* pstrValue, size_t cchMax) const {
    char* pText = GetText();
    if (pText == nullptr || pstrName == nullptr || pstrValue == nullptr)
        return false;
    MapAttributes();
    for (int i = 0; i < m_nAttributes; i++) {
        if (std::strcmp(pText + m_aAttributes[i].iName, pstrName) != 0)
            continue;
        const char* pstrFound = pText + m_aAttributes[i].iValue;
        size_t n = strnlen(pstrFound, cchMax);
        std::memcpy(pstrValue, pstrFound, n);
        pstrValue[n] = '\0';
        return true;
    }
    return false;
}

void CXmlMarkupNode::MapAttributes() const {
    char* pText = GetText();
    if (m_bMapped || pText == nullptr)
        return;
    m_bMapped = true;
    // Names and values are NUL-terminated runs between the tag name and the
    // element's data; the space that replaced "=" and the blanks left by
    // decoding are skipped as whitespace.
    const CXmlMarkup::XMLELEMENT& element = m_pOwner->m_pElements[m_iPos];
    char* p = pText + element.iStart;
    char* pEnd = pText + element.iData;
    p += std::strlen(p) + 1;
    while (p < pEnd && m_nAttributes < MAX_ATTRIBUTES) {
        CXmlParser::SkipWhitespace(p);
        if (p >= pEnd)
            return;
        ULONG iName = static_cast<ULONG>(p - pText);
        p += std::strlen(p) + 1;
        if (p >= pEnd)
            return;
        CXmlParser::SkipWhitespace(p);
        if (p >= pEnd || *p != '"')
            return;
        ++p;
        m_aAttributes[m_nAttributes++] = {iName, static_cast<ULONG>(p - pText)};
        p += std::strlen(p) + 1;
    }
}

}  // namespace Orvik
