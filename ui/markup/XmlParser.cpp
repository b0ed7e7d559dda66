// The in-place parse of one skin document.
#include "ui/markup/XmlParser.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/kernel.h"

namespace Orvik {

namespace {

bool IsIdentifierChar(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_' || ch == ':';
}

// The five named entities, each ended by a semicolon.
struct ENTITY {
    const char* pstrName;
    size_t cchName;
    char chValue;
};
constexpr ENTITY ENTITIES[] = {
    {"amp;", 4, '&'}, {"lt;", 3, '<'}, {"gt;", 3, '>'}, {"quot;", 5, '"'}, {"apos;", 5, '\''},
};

}  // namespace

CXmlParser::CXmlParser(CXmlMarkup& doc)
    : m_doc(doc), m_pStack(nullptr), m_nStack(0), m_nStackCapacity(0) {}

CXmlParser::~CXmlParser() {
    std::free(m_pStack);
}

void CXmlParser::SkipWhitespace(char*& p) {
    while (static_cast<unsigned char>(*p) >= 1 && static_cast<unsigned char>(*p) <= 32)
        ++p;
}

void CXmlParser::SkipIdentifier(char*& p) {
    while (IsIdentifierChar(*p))
        ++p;
}

bool CXmlParser::Parse() {
    m_doc.ClearError();
    char* p = m_doc.m_pstrXml;
    LEVEL level = {0, 0};
    if (!AppendElement(p, level))
        return false;  // index 0 means "no element"
    level.iPrevious = 0;
    for (;;) {
        OPENELEMENT open;
        Step step = ParseLevel(p, level, open);
        if (step == Step::Failed)
            return false;
        if (step == Step::ChildrenOpen) {
            if (!Push(open))
                return false;
            level = {open.level.iPrevious, 0};
            continue;
        }
        // This level is finished: back to the element that contains it.
        if (m_nStack == 0)
            return true;
        open = m_pStack[--m_nStack];
        if (!CloseElement(p, open))
            return false;
        level = open.level;
    }
}

CXmlParser::Step CXmlParser::ParseLevel(char*& p, LEVEL& level, OPENELEMENT& open) {
    for (;;) {
        SkipWhitespace(p);
        // A missing end tag of the root or of its children is tolerated.
        if (*p == '\0' && level.iParent <= 1)
            return Step::LevelDone;
        if (*p != '<') {
            Fail("Expected start tag", p);
            return Step::Failed;
        }
        if (p[1] == '/')
            return Step::LevelDone;
        *p++ = '\0';
        SkipWhitespace(p);
        if (*p == '!' || *p == '?') {
            SkipDeclaration(p);
            continue;
        }
        Step step = ParseElement(p, level, open);
        if (step != Step::ElementDone)
            return step;
    }
}

void CXmlParser::SkipDeclaration(char*& p) {
    // Comments end at "->", declarations and instructions at "?>".
    char chEnd = *p == '!' ? '-' : '?';
    while (*p != '\0' && !(*p == chEnd && p[1] == '>'))
        p = CharNextA(p);
    if (*p != '\0')
        p += 2;
}

CXmlParser::Step CXmlParser::ParseElement(char*& p, LEVEL& level, OPENELEMENT& open) {
    char* pText = m_doc.m_pstrXml;
    if (!AppendElement(p, level))
        return Step::Failed;
    ULONG iPos = level.iPrevious;
    char* pName = p;
    SkipIdentifier(p);
    char* pNameEnd = p;
    if (*p == '\0') {
        Fail("Error parsing element name", p);
        return Step::Failed;
    }
    if (!ParseAttributes(p))
        return Step::Failed;
    SkipWhitespace(p);
    if (p[0] == '/' && p[1] == '>') {
        m_doc.m_pElements[iPos].iData = static_cast<ULONG>(p - pText);
        *p = '\0';
        p += 2;
        *pNameEnd = '\0';
        return Step::ElementDone;
    }
    if (*p != '>') {
        Fail("Expected start-tag closing", p);
        return Step::Failed;
    }
    m_doc.m_pElements[iPos].iData = static_cast<ULONG>(++p - pText);
    open = {level, pName, pNameEnd, p};
    ParseData(p, open.pDest, '<');
    if (*p == '\0') {
        if (level.iParent > 1) {
            Fail("Expected end-tag start", p);
            return Step::Failed;
        }
        *pNameEnd = '\0';
        return Step::LevelDone;
    }
    if (p[1] != '/')
        return Step::ChildrenOpen;
    return CloseElement(p, open) ? Step::ElementDone : Step::Failed;
}

bool CXmlParser::CloseElement(char*& p, const OPENELEMENT& open) {
    // Children that ran to the end of the text leave no end tag to check.
    if (p[0] == '<' && p[1] == '/') {
        *open.pDest = '\0';
        *p = '\0';
        p += 2;
        SkipWhitespace(p);
        size_t cchName = static_cast<size_t>(open.pNameEnd - open.pName);
        if (std::strncmp(p, open.pName, cchName) != 0)
            return Fail("Unmatched closing tag", p);
        p += cchName;
        SkipWhitespace(p);
        if (*p != '>')
            return Fail("Unmatched closing tag", *p != '\0' ? p + 1 : p);
        ++p;
    }
    *open.pNameEnd = '\0';
    return true;
}

bool CXmlParser::ParseAttributes(char*& p) {
    if (*p == '>' || *p == '/')
        return true;  // the slash is left for "/>"
    *p = '\0';        // ends the tag name
    for (;;) {
        ++p;
        SkipWhitespace(p);
        if (*p == '\0' || *p == '>' || *p == '/')
            return true;
        SkipIdentifier(p);
        char* pNameEnd = p;
        SkipWhitespace(p);
        if (*p != '=')
            return Fail("Error while parsing attributes", p);
        *p++ = ' ';
        *pNameEnd = '\0';
        SkipWhitespace(p);
        if (*p != '"')
            return Fail("Expected attribute value", *p != '\0' ? p + 1 : p);
        char* pDest = ++p;
        ParseData(p, pDest, '"');
        if (*p == '\0')
            return Fail("Error while parsing attribute string", p);
        *pDest = '\0';
        // The attribute mapping steps over the quote as a separator.
        if (p != pDest)
            *p = ' ';
    }
}

void CXmlParser::ParseData(char*& p, char*& pDest, char cEnd) {
    while (*p != '\0' && *p != cEnd) {
        while (*p == '&')
            ParseEntity(++p, pDest);
        if (*p == '\0' || *p == cEnd)
            break;
        if (*p == ' ') {
            *pDest++ = *p++;
        } else {
            char* pNext = CharNextA(p);
            while (p < pNext)
                *pDest++ = *p++;
        }
    }
    // Bytes freed by decoding become blanks, so the attribute mapping can
    // walk over a shortened value.
    for (char* pFill = pDest + 1; pFill < p; ++pFill)
        *pFill = ' ';
}

void CXmlParser::ParseEntity(char*& p, char*& pDest) {
    for (const ENTITY& entity : ENTITIES) {
        if (std::strncmp(p, entity.pstrName, entity.cchName) == 0) {
            *pDest++ = entity.chValue;
            p += entity.cchName;
            return;
        }
    }
    *pDest++ = '&';  // anything else stays literal text
}

bool CXmlParser::AppendElement(const char* p, LEVEL& level) {
    if (m_doc.m_nElements >= m_doc.m_nReservedElements) {
        ULONG nOld = m_doc.m_nReservedElements;
        if (nOld > (UINT_MAX / sizeof(CXmlMarkup::XMLELEMENT)) / 2)
            return false;
        ULONG nNew = nOld + nOld / 2 + 500;
        auto pElements = static_cast<CXmlMarkup::XMLELEMENT*>(
            std::realloc(m_doc.m_pElements, nNew * sizeof(CXmlMarkup::XMLELEMENT)));
        if (pElements == nullptr)
            return false;
        m_doc.m_pElements = pElements;
        m_doc.m_nReservedElements = nNew;
    }
    ULONG iPos = m_doc.m_nElements++;
    m_doc.m_pElements[iPos] = {static_cast<ULONG>(p - m_doc.m_pstrXml), 0, 0, level.iParent, 0};
    if (level.iPrevious != 0) {
        m_doc.m_pElements[level.iPrevious].iNext = iPos;
    } else if (level.iParent != 0) {
        m_doc.m_pElements[level.iParent].iChild = iPos;
    }
    level.iPrevious = iPos;
    return true;
}

bool CXmlParser::Push(const OPENELEMENT& open) {
    if (m_nStack == m_nStackCapacity) {
        if (m_nStackCapacity > INT_MAX / 4)
            return false;
        int nNew = m_nStackCapacity == 0 ? 16 : m_nStackCapacity * 2;
        auto pStack = static_cast<OPENELEMENT*>(
            std::realloc(m_pStack, static_cast<size_t>(nNew) * sizeof(OPENELEMENT)));
        if (pStack == nullptr)
            return false;
        m_pStack = pStack;
        m_nStackCapacity = nNew;
    }
    m_pStack[m_nStack++] = open;
    return true;
}

bool CXmlParser::Fail(const char* pstrMessage, const char* pstrLocation) {
    return m_doc.SetError(pstrMessage, pstrLocation);
}

}  // namespace Orvik
