// The framework's narrow string.
#include "ui/core/UIString.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/kernel.h"

namespace Orvik {

namespace {

bool IsLead(char ch) {
    return IsDBCSLeadByte(static_cast<BYTE>(ch)) != FALSE;
}

// Length of the copy Assign makes: up to the first NUL, at most nLength bytes
// when nLength is not negative, without a trailing half character.
int CopyLength(const char* pstr, int nLength) {
    if (nLength < 0)
        return static_cast<int>(std::strlen(pstr));
    int n = static_cast<int>(strnlen(pstr, static_cast<size_t>(nLength)));
    bool bCut = n == nLength;  // the text may go on past the limit
    int i = 0;
    while (i < n) {
        if (!IsLead(pstr[i])) {
            ++i;
        } else if (i + 1 < n) {
            i += 2;
        } else {
            return bCut ? i : n;  // a lead byte that would be the last byte
        }
    }
    return n;
}

// One character of a scan: a double-byte character as one 16-bit unit.
unsigned NextUnit(const unsigned char*& p) {
    unsigned u = *p;
    if (u == 0)
        return 0;
    if (IsLead(static_cast<char>(u)) && p[1] != 0) {
        u = (u << 8) | p[1];
        p += 2;
    } else {
        ++p;
    }
    return u;
}

unsigned LowerUnit(unsigned u) {
    return (u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u;
}

int CompareUnits(const char* a, const char* b, bool bNoCase) {
    auto pa = reinterpret_cast<const unsigned char*>(a);
    auto pb = reinterpret_cast<const unsigned char*>(b ? b : "");
    for (;;) {
        unsigned ua = NextUnit(pa);
        unsigned ub = NextUnit(pb);
        if (bNoCase) {
            ua = LowerUnit(ua);
            ub = LowerUnit(ub);
        }
        if (ua != ub)
            return ua < ub ? -1 : 1;
        if (ua == 0)
            return 0;
    }
}

// True when p starts a one-byte character equal to ch.
bool IsSingle(const char* p, char ch) {
    return *p == ch && CharNextA(p) == p + 1;
}

}  // namespace

CUIString::CUIString() : m_pstr(m_szBuffer) {
    m_szBuffer[0] = '\0';
}

CUIString::CUIString(char ch) : CUIString() {
    m_szBuffer[0] = ch;
    m_szBuffer[1] = '\0';
}

CUIString::CUIString(const char* pstr, int nLength) : CUIString() {
    Assign(pstr, nLength);
}

CUIString::CUIString(const CUIString& src) : CUIString() {
    Assign(src.m_pstr);
}

CUIString::~CUIString() {
    if (IsOnHeap())
        std::free(m_pstr);
}

int CUIString::GetLength() const {
    return static_cast<int>(std::strlen(m_pstr));
}

void CUIString::Assign(const char* pstr, int nLength) {
    if (pstr == nullptr)
        pstr = "";
    int n = CopyLength(pstr, nLength);
    if (n < HEAP_THRESHOLD) {
        // The source may lie inside this string's own storage.
        std::memmove(m_szBuffer, pstr, static_cast<size_t>(n));
        m_szBuffer[n] = '\0';
        if (IsOnHeap())
            std::free(m_pstr);
        m_pstr = m_szBuffer;
        return;
    }
    char* p = m_pstr;
    if (!IsOnHeap()) {
        p = static_cast<char*>(std::malloc(static_cast<size_t>(n) + 1));
    } else if (n > GetLength()) {
        // Longer than the content, so the source cannot lie inside the block.
        p = static_cast<char*>(std::realloc(m_pstr, static_cast<size_t>(n) + 1));
    }
    if (p == nullptr)
        return;  // out of memory: keep the old value
    std::memmove(p, pstr, static_cast<size_t>(n));
    p[n] = '\0';
    m_pstr = p;
}

void CUIString::Empty() {
    Assign("");
}

bool CUIString::AppendBytes(const char* pstr, int nCount) {
    int nOld = GetLength();
    int nNew = nOld + nCount;
    char* p = m_pstr;
    if (nNew >= HEAP_THRESHOLD) {
        if (!IsOnHeap()) {
            p = static_cast<char*>(std::malloc(static_cast<size_t>(nNew) + 1));
            if (p != nullptr)
                std::memcpy(p, m_szBuffer, static_cast<size_t>(nOld));
        } else {
            p = static_cast<char*>(std::realloc(m_pstr, static_cast<size_t>(nNew) + 1));
        }
        if (p == nullptr)
            return false;
    }
    std::memcpy(p + nOld, pstr, static_cast<size_t>(nCount));
    p[nNew] = '\0';
    m_pstr = p;
    return true;
}

void CUIString::Append(const char* pstr) {
    if (pstr == nullptr || *pstr == '\0')
        return;
    int nLength = GetLength();
    if (pstr >= m_pstr && pstr <= m_pstr + nLength) {
        CUIString strCopy(pstr);  // growing would move the source
        AppendBytes(strCopy.m_pstr, strCopy.GetLength());
        return;
    }
    AppendBytes(pstr, static_cast<int>(std::strlen(pstr)));
}

void CUIString::Append(char ch) {
    if (ch != '\0')
        AppendBytes(&ch, 1);
}

int CUIString::Compare(const char* pstr) const {
    return CompareUnits(m_pstr, pstr, false);
}

int CUIString::CompareNoCase(const char* pstr) const {
    return CompareUnits(m_pstr, pstr, true);
}

void CUIString::MakeLower() {
    for (char* p = m_pstr; *p != '\0'; p = CharNextA(p)) {
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p + ('a' - 'A'));
    }
}

void CUIString::MakeUpper() {
    for (char* p = m_pstr; *p != '\0'; p = CharNextA(p)) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - ('a' - 'A'));
    }
}

CUIString CUIString::Left(int nLength) const {
    int nMax = GetLength();
    if (nLength < 0)
        nLength = 0;
    if (nLength > nMax)
        nLength = nMax;
    return CUIString(m_pstr, nLength);
}

CUIString CUIString::Mid(int nPos, int nLength) const {
    int nMax = GetLength();
    if (nPos < 0 || nPos > nMax)
        return CUIString();
    if (nLength < 0 || nLength > nMax - nPos)
        nLength = nMax - nPos;
    if (nLength <= 0)
        return CUIString();
    return CUIString(m_pstr + nPos, nLength);
}

CUIString CUIString::Right(int nLength) const {
    int nMax = GetLength();
    if (nLength < 0)
        nLength = 0;
    if (nLength > nMax)
        nLength = nMax;
    return CUIString(m_pstr + nMax - nLength, nLength);
}

int CUIString::Find(char ch, int nStart) const {
    int nLength = GetLength();
    if (nStart != 0 && (nStart < 0 || nStart >= nLength))
        return -1;
    for (const char* p = m_pstr + nStart; *p != '\0'; p = CharNextA(p)) {
        if (IsSingle(p, ch))
            return static_cast<int>(p - m_pstr);
    }
    return -1;
}

int CUIString::Find(const char* pstr, int nStart) const {
    if (pstr == nullptr)
        return -1;
    int nLength = GetLength();
    if (nStart != 0 && (nStart < 0 || nStart > nLength))
        return -1;
    size_t nSub = std::strlen(pstr);
    for (const char* p = m_pstr + nStart;; p = CharNextA(p)) {
        if (std::strncmp(p, pstr, nSub) == 0)
            return static_cast<int>(p - m_pstr);
        if (*p == '\0')
            return -1;
    }
}

int CUIString::ReverseFind(char ch) const {
    const char* pFound = nullptr;
    for (const char* p = m_pstr; *p != '\0'; p = CharNextA(p)) {
        if (IsSingle(p, ch))
            pFound = p;
    }
    return pFound ? static_cast<int>(pFound - m_pstr) : -1;
}

int CUIString::Replace(const char* pstrFrom, const char* pstrTo) {
    // An empty pattern matches everywhere and would never end.
    if (pstrFrom == nullptr || *pstrFrom == '\0')
        return 0;
    if (pstrTo == nullptr)
        pstrTo = "";
    int nFrom = static_cast<int>(std::strlen(pstrFrom));
    int nTo = static_cast<int>(std::strlen(pstrTo));
    int nPos = Find(pstrFrom);
    if (nPos < 0)
        return 0;
    // Searching on in the old text after each match is the same as resuming
    // after the inserted text, so a replacement is never searched again.
    CUIString strResult;
    int nCount = 0;
    int nCopied = 0;
    while (nPos >= 0) {
        strResult.AppendBytes(m_pstr + nCopied, nPos - nCopied);
        strResult.AppendBytes(pstrTo, nTo);
        nCopied = nPos + nFrom;
        nPos = Find(pstrFrom, nCopied);
        ++nCount;
    }
    strResult.AppendBytes(m_pstr + nCopied, GetLength() - nCopied);
    Assign(strResult.m_pstr);
    return nCount;
}

int CUIString::Format(const char* pstrFormat, ...) {
    va_list args;
    va_start(args, pstrFormat);
    int nResult = FormatV(pstrFormat, args);
    va_end(args);
    return nResult;
}

int CUIString::FormatV(const char* pstrFormat, va_list args) {
    va_list argsCopy;
    va_copy(argsCopy, args);
    int nLength = std::vsnprintf(nullptr, 0, pstrFormat, argsCopy);
    va_end(argsCopy);
    if (nLength < 0) {
        Empty();
        return 0;
    }
    // Formatted into a separate block: an argument may be this string.
    char* p = static_cast<char*>(std::malloc(static_cast<size_t>(nLength) + 1));
    if (p == nullptr)
        return 0;
    std::vsnprintf(p, static_cast<size_t>(nLength) + 1, pstrFormat, args);
    Assign(p);
    std::free(p);
    return nLength;
}

CUIString& CUIString::operator=(const CUIString& src) {
    if (this != &src)
        Assign(src.m_pstr);
    return *this;
}

CUIString& CUIString::operator=(const char* pstr) {
    Assign(pstr);
    return *this;
}

CUIString& CUIString::operator=(char ch) {
    char sz[2] = {ch, '\0'};
    Assign(sz);
    return *this;
}

CUIString& CUIString::operator+=(const CUIString& src) {
    Append(src.m_pstr);
    return *this;
}

CUIString& CUIString::operator+=(const char* pstr) {
    Append(pstr);
    return *this;
}

CUIString& CUIString::operator+=(char ch) {
    Append(ch);
    return *this;
}

CUIString CUIString::operator+(const CUIString& src) const {
    CUIString strResult(*this);
    strResult.Append(src.m_pstr);
    return strResult;
}

CUIString CUIString::operator+(const char* pstr) const {
    CUIString strResult(*this);
    strResult.Append(pstr);
    return strResult;
}

}  // namespace Orvik
