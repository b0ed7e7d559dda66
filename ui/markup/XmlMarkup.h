// The skin document parser: a small, strict XML dialect parsed in place.
#pragma once

#include "platform/win32_types.h"
#include "ui/markup/XmlMarkupNode.h"

namespace Orvik {

enum class MarkupEncoding { Utf8 = 0, Utf16 = 1, Ansi = 2 };

// Holds one document as narrow code page text and a flat table of elements;
// names and values become NUL-terminated runs inside the text. A failed load
// leaves the document empty and keeps the first error's message and the text
// where it happened until the next load.
class CXmlMarkup {
public:
    explicit CXmlMarkup(const char* pstrXml = nullptr);
    CXmlMarkup(const CXmlMarkup&) = delete;
    CXmlMarkup& operator=(const CXmlMarkup&) = delete;
    ~CXmlMarkup();

    // Parses a copy of the narrow text.
    bool Load(const char* pstrXml);
    // Converts the bytes to the narrow code page, then parses. Utf8 skips a
    // byte-order mark; Utf16 needs one (either byte order); Ansi is taken as is.
    bool LoadFromMemory(const BYTE* pByte, DWORD dwSize,
                        MarkupEncoding encoding = MarkupEncoding::Utf8);
    // Reads the named document through the skin store; its failure message
    // becomes this document's error.
    bool LoadFromFile(const char* pstrFilename, MarkupEncoding encoding = MarkupEncoding::Utf8);
    // Frees the text and the elements; the last error stays readable.
    void Release();
    bool IsValid() const { return m_nElements > 1; }

    // The root element, or an invalid node when the document has none.
    CXmlMarkupNode GetRoot();

    const char* GetLastErrorMessage() const { return m_szErrorMsg; }
    const char* GetLastErrorLocation() const { return m_szErrorXml; }

private:
    friend class CXmlMarkupNode;
    friend class CXmlParser;

    // Offsets into the text and indices into the element table; 0 means none.
    struct XMLELEMENT {
        ULONG iStart;
        ULONG iChild;
        ULONG iNext;
        ULONG iParent;
        ULONG iData;
    };

    // Takes ownership of a malloc'ed, NUL-terminated text and parses it.
    bool ParseText(char* pstrXml);
    void ClearError();
    bool SetError(const char* pstrMessage, const char* pstrLocation);

    char* m_pstrXml;
    XMLELEMENT* m_pElements;
    ULONG m_nElements;
    ULONG m_nReservedElements;
    bool m_bPreserveWhitespace;
    char m_szErrorMsg[100];
    char m_szErrorXml[50];
};

}  // namespace Orvik
