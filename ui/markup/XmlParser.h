// The in-place parse of one skin document into CXmlMarkup's element table.
#pragma once

#include "platform/win32_types.h"
#include "ui/markup/XmlMarkup.h"

namespace Orvik {

// Runs one parse over the document's text. Nesting is followed with an
// explicit stack of open elements rather than recursion, so a deeply nested
// document cannot exhaust the thread's stack.
class CXmlParser {
public:
    explicit CXmlParser(CXmlMarkup& doc);
    CXmlParser(const CXmlParser&) = delete;
    CXmlParser& operator=(const CXmlParser&) = delete;
    ~CXmlParser();

    // Parses the document's text; on failure the document holds the error.
    bool Parse();

    // Character classes shared with the attribute mapping.
    static void SkipWhitespace(char*& p);
    static void SkipIdentifier(char*& p);

private:
    // One nesting level: its parent element and the last element parsed in it.
    struct LEVEL {
        ULONG iParent;
        ULONG iPrevious;
    };
    // An element whose content has been read and whose end tag is pending.
    struct OPENELEMENT {
        LEVEL level;
        char* pName;
        char* pNameEnd;
        char* pDest;
    };
    enum class Step { Failed, ElementDone, LevelDone, ChildrenOpen };

    Step ParseLevel(char*& p, LEVEL& level, OPENELEMENT& open);
    Step ParseElement(char*& p, LEVEL& level, OPENELEMENT& open);
    bool CloseElement(char*& p, const OPENELEMENT& open);
    bool ParseAttributes(char*& p);
    void ParseData(char*& p, char*& pDest, char cEnd);
    static void ParseEntity(char*& p, char*& pDest);
    static void SkipDeclaration(char*& p);

    bool AppendElement(const char* p, LEVEL& level);
    bool Push(const OPENELEMENT& open);
    bool Fail(const char* pstrMessage, const char* pstrLocation);

    CXmlMarkup& m_doc;
    OPENELEMENT* m_pStack;
    int m_nStack;
    int m_nStackCapacity;
};

}  // namespace Orvik
