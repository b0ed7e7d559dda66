// Reading one piece of markup text: a tag, an end tag, an escape, or plain text.
#include "ui/render/MarkupToken.h"

#include <algorithm>

#include "platform/kernel.h"

namespace Orvik {

namespace {

bool IsOpening(char ch) {
    return ch == '<' || ch == '{';
}

bool IsClosing(char ch) {
    return ch == '>' || ch == '}';
}

bool IsTagLetter(char ch) {
    return ch >= 'a' && ch <= 'z';
}

// The closing bracket at or after p, stepping over whole double-byte
// characters (a brace can be the second byte of one); null when none.
const char* FindClosing(const char* p) {
    for (; *p != '\0'; p = CharNextA(p)) {
        if (IsClosing(*p))
            return p;
    }
    return nullptr;
}

bool ReadEscape(const char* p, MarkupToken& token) {
    bool bBrace = p[0] == '<' && (p[1] == '{' || p[1] == '}') && p[2] == '>';
    bool bAngle = p[0] == '{' && (p[1] == '<' || p[1] == '>') && p[2] == '}';
    if (!bBrace && !bAngle)
        return false;
    token.eKind = EMarkupToken::Escape;
    token.chValue = p[1];
    token.nLength = 3;
    return true;
}

bool ReadEndTag(const char* p, MarkupToken& token) {
    if (p[1] != '/' || !IsTagLetter(p[2]))
        return false;
    const char* pClose = FindClosing(p + 3);
    if (pClose == nullptr)
        return false;
    token.eKind = EMarkupToken::EndTag;
    token.chValue = p[2];
    token.nLength = static_cast<int>(pClose + 1 - p);
    return true;
}

bool ReadTag(const char* p, MarkupToken& token) {
    if (!IsTagLetter(p[1]) || (p[2] != ' ' && !IsClosing(p[2])))
        return false;
    const char* pParam = p + 2;
    while (*pParam == ' ')
        ++pParam;
    const char* pClose = FindClosing(pParam);
    if (pClose == nullptr)
        return false;
    token.eKind = EMarkupToken::Tag;
    token.chValue = p[1];
    token.strParam.Assign(pParam, static_cast<int>(pClose - pParam));
    token.nLength = static_cast<int>(pClose + 1 - p);
    return true;
}

}  // namespace

MarkupToken ReadMarkupToken(const char* p) {
    MarkupToken token;
    if (!IsOpening(p[0]))
        return token;
    if (ReadTag(p, token) || ReadEndTag(p, token) || ReadEscape(p, token))
        return token;
    return MarkupToken{};
}

int RawEndLength(const char* p) {
    if (!IsOpening(p[0]) || p[1] != '/' || p[2] != 'r')
        return 0;
    const char* pClose = FindClosing(p + 3);
    return pClose != nullptr ? static_cast<int>(pClose + 1 - p) : 0;
}

int ReadMarkupNumber(const char*& p, int nMax, int nDefault) {
    while (*p == ' ')
        ++p;
    if (*p < '0' || *p > '9')
        return nDefault;
    long long nValue = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        nValue = std::min<long long>(nValue * 10 + (*p - '0'), nMax);
    return static_cast<int>(nValue);
}

}  // namespace Orvik
