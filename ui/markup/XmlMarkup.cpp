// The skin document parser: loading, conversion to the narrow code page, errors.
#include "ui/markup/XmlMarkup.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/kernel.h"
#include "ui/markup/SkinBuffer.h"
#include "ui/markup/SkinStore.h"
#include "ui/markup/XmlParser.h"

namespace Orvik {

namespace {

char* NewEmptyText() {
    return static_cast<char*>(std::calloc(1, 1));
}

// UTF-16 to a new NUL-terminated narrow text; characters the code page lacks
// become its default character. One call into the converter: a UTF-16 unit
// never needs more than two bytes of code page 936.
char* NarrowFromWide(const WCHAR* pWide, int nWide) {
    if (nWide <= 0)
        return NewEmptyText();
    size_t cbMax = static_cast<size_t>(nWide) * 2;
    auto pText = static_cast<char*>(std::malloc(cbMax + 1));
    if (pText == nullptr)
        return nullptr;
    int nNarrow = WideCharToMultiByte(CP_ACP, 0, pWide, nWide, pText, static_cast<int>(cbMax),
                                      nullptr, nullptr);
    pText[nNarrow > 0 ? nNarrow : 0] = '\0';
    return pText;
}

char* TextFromUtf8(const BYTE* pByte, DWORD dwSize) {
    if (dwSize > 2 && pByte[0] == 0xEF && pByte[1] == 0xBB && pByte[2] == 0xBF) {
        pByte += 3;
        dwSize -= 3;
    }
    if (dwSize == 0)
        return NewEmptyText();
    if (dwSize > INT_MAX)
        return nullptr;
    auto pstr = reinterpret_cast<const char*>(pByte);
    // A UTF-8 byte never yields more than one UTF-16 unit, so one call does.
    auto pWide = static_cast<WCHAR*>(std::malloc(static_cast<size_t>(dwSize) * sizeof(WCHAR)));
    if (pWide == nullptr)
        return nullptr;
    int nWide = MultiByteToWideChar(CP_UTF8, 0, pstr, static_cast<int>(dwSize), pWide,
                                    static_cast<int>(dwSize));
    char* pText = NarrowFromWide(pWide, nWide);
    std::free(pWide);
    return pText;
}

// The caller's bytes stay untouched: a big-endian text is swapped in a copy.
char* TextFromUtf16(const BYTE* pByte, DWORD dwSize) {
    if (dwSize < 2)
        return nullptr;
    bool bLittle = pByte[0] == 0xFF && pByte[1] == 0xFE;
    bool bBig = pByte[0] == 0xFE && pByte[1] == 0xFF;
    if (!bLittle && !bBig)
        return nullptr;
    DWORD nUnits = dwSize / 2 - 1;
    if (nUnits > INT_MAX)
        return nullptr;
    if (nUnits == 0)
        return NewEmptyText();
    auto pWide = static_cast<WCHAR*>(std::malloc(nUnits * sizeof(WCHAR)));
    if (pWide == nullptr)
        return nullptr;
    for (DWORD i = 0; i < nUnits; i++) {
        BYTE b0 = pByte[2 + 2 * i];
        BYTE b1 = pByte[3 + 2 * i];
        pWide[i] = static_cast<WCHAR>(bLittle ? (b0 | (b1 << 8)) : ((b0 << 8) | b1));
    }
    char* pText = NarrowFromWide(pWide, static_cast<int>(nUnits));
    std::free(pWide);
    return pText;
}

char* TextFromAnsi(const BYTE* pByte, DWORD dwSize) {
    auto pText = static_cast<char*>(std::malloc(static_cast<size_t>(dwSize) + 1));
    if (pText == nullptr)
        return nullptr;
    std::memcpy(pText, pByte, dwSize);
    pText[dwSize] = '\0';
    return pText;
}

// Copies at most cchMax bytes up to the first NUL, never ending in half of a
// double-byte character.
void CopyTruncated(char* pDest, const char* pSrc, size_t cchMax) {
    size_t n = 0;
    while (n < cchMax && pSrc[n] != '\0') {
        size_t nChar = static_cast<size_t>(CharNextA(pSrc + n) - (pSrc + n));
        if (n + nChar > cchMax)
            break;
        n += nChar;
    }
    std::memcpy(pDest, pSrc, n);
    pDest[n] = '\0';
}

}  // namespace

CXmlMarkup::CXmlMarkup(const char* pstrXml)
    : m_pstrXml(nullptr),
      m_pElements(nullptr),
      m_nElements(0),
      m_nReservedElements(0),
      m_bPreserveWhitespace(true) {
    ClearError();
    if (pstrXml != nullptr)
        Load(pstrXml);
}

CXmlMarkup::~CXmlMarkup() {
    Release();
}

bool CXmlMarkup::Load(const char* pstrXml) {
    Release();
    ClearError();
    if (pstrXml == nullptr)
        pstrXml = "";
    size_t cchLength = std::strlen(pstrXml);
    return ParseText(TextFromAnsi(reinterpret_cast<const BYTE*>(pstrXml), DWORD(cchLength)));
}

bool CXmlMarkup::LoadFromMemory(const BYTE* pByte, DWORD dwSize, MarkupEncoding encoding) {
    Release();
    ClearError();
    if (pByte == nullptr)
        dwSize = 0;
    static const BYTE EMPTY = 0;
    if (pByte == nullptr)
        pByte = &EMPTY;
    switch (encoding) {
        case MarkupEncoding::Utf8:
            return ParseText(TextFromUtf8(pByte, dwSize));
        case MarkupEncoding::Utf16:
            return ParseText(TextFromUtf16(pByte, dwSize));
        case MarkupEncoding::Ansi:
            return ParseText(TextFromAnsi(pByte, dwSize));
    }
    return false;
}

bool CXmlMarkup::LoadFromFile(const char* pstrFilename, MarkupEncoding encoding) {
    Release();
    ClearError();
    CSkinBuffer data;
    const char* pstrError = nullptr;
    if (!CSkinStore::ReadDocument(pstrFilename, data, pstrError)) {
        SetError(pstrError, "");
        return false;
    }
    if (!LoadFromMemory(data.GetData(), data.GetSize(), encoding))
        return false;
    return true;
}

bool CXmlMarkup::ParseText(char* pstrXml) {
    if (pstrXml == nullptr)
        return false;
    m_pstrXml = pstrXml;
    CXmlParser parser(*this);
    if (parser.Parse())
        return true;
    Release();
    return false;
}

void CXmlMarkup::Release() {
    std::free(m_pstrXml);
    std::free(m_pElements);
    m_pstrXml = nullptr;
    m_pElements = nullptr;
    m_nElements = 0;
    m_nReservedElements = 0;
}

CXmlMarkupNode CXmlMarkup::GetRoot() {
    if (m_nElements <= 1)
        return CXmlMarkupNode();
    return CXmlMarkupNode(this, 1);
}

void CXmlMarkup::ClearError() {
    m_szErrorMsg[0] = '\0';
    m_szErrorXml[0] = '\0';
}

bool CXmlMarkup::SetError(const char* pstrMessage, const char* pstrLocation) {
    CopyTruncated(m_szErrorMsg, pstrMessage ? pstrMessage : "", sizeof(m_szErrorMsg) - 1);
    CopyTruncated(m_szErrorXml, pstrLocation ? pstrLocation : "", sizeof(m_szErrorXml) - 1);
    return false;
}

}  // namespace Orvik
