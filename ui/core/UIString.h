// The framework's narrow string: code page 936 bytes, short content held inline.
#pragma once

#include <cstdarg>

#include "platform/win32_types.h"

namespace Orvik {

// Content shorter than 63 bytes lives in an inline buffer; longer content in
// a heap block that grows by reallocation and is released as soon as a short
// value is assigned. Every scan steps over whole double-byte characters, so a
// trail byte is never taken for an ASCII character.
class CUIString {
public:
    // Content of this many bytes or more lives on the heap.
    static constexpr int HEAP_THRESHOLD = 63;

    CUIString();
    CUIString(char ch);
    // A negative length means the whole text; a null text counts as "".
    CUIString(const char* pstr, int nLength = -1);
    CUIString(const CUIString& src);
    ~CUIString();

    // Copies at most nLength bytes (all of pstr when negative) and never
    // leaves half of a double-byte character at the end.
    void Assign(const char* pstr, int nLength = -1);
    void Empty();
    bool IsEmpty() const { return m_pstr[0] == '\0'; }
    int GetLength() const;
    // Caller keeps nIndex within the content.
    char GetAt(int nIndex) const { return m_pstr[nIndex]; }
    void SetAt(int nIndex, char ch) { m_pstr[nIndex] = ch; }
    const char* GetData() const { return m_pstr; }
    operator const char*() const { return m_pstr; }
    // True while the content is held in the heap block.
    bool IsOnHeap() const { return m_pstr != m_szBuffer; }

    void Append(const char* pstr);
    void Append(char ch);

    // Byte order with a double-byte character compared as one unit; <0, 0, >0.
    int Compare(const char* pstr) const;
    // As Compare, ignoring the case of ASCII letters.
    int CompareNoCase(const char* pstr) const;

    void MakeLower();
    void MakeUpper();

    CUIString Left(int nLength) const;
    // A negative nLength means up to the end.
    CUIString Mid(int nPos, int nLength = -1) const;
    CUIString Right(int nLength) const;

    // Index of the first occurrence at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pstr, int nStart = 0) const;
    int ReverseFind(char ch) const;
    // Replaces every occurrence left to right; a replacement is never searched
    // again. Returns the number of replacements.
    int Replace(const char* pstrFrom, const char* pstrTo);

    // printf-style with no length limit; returns the formatted length.
    int Format(const char* pstrFormat, ...) __attribute__((format(printf, 2, 3)));
    int FormatV(const char* pstrFormat, va_list args);

    CUIString& operator=(const CUIString& src);
    CUIString& operator=(const char* pstr);
    CUIString& operator=(char ch);
    CUIString& operator+=(const CUIString& src);
    CUIString& operator+=(const char* pstr);
    CUIString& operator+=(char ch);
    CUIString operator+(const CUIString& src) const;
    CUIString operator+(const char* pstr) const;

    bool operator==(const CUIString& src) const { return Compare(src.m_pstr) == 0; }
    bool operator==(const char* pstr) const { return Compare(pstr) == 0; }
    bool operator!=(const char* pstr) const { return Compare(pstr) != 0; }
    bool operator<(const char* pstr) const { return Compare(pstr) < 0; }
    bool operator<=(const char* pstr) const { return Compare(pstr) <= 0; }
    bool operator>(const char* pstr) const { return Compare(pstr) > 0; }
    bool operator>=(const char* pstr) const { return Compare(pstr) >= 0; }

private:
    // Appends nCount bytes as they are; the source must not lie inside this
    // string. False (and unchanged) when the heap is exhausted.
    bool AppendBytes(const char* pstr, int nCount);

    char* m_pstr;
    char m_szBuffer[HEAP_THRESHOLD + 1];
};

}  // namespace Orvik
