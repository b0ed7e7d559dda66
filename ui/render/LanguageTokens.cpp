// Expanding "%{id}" language tokens in a text from the language table.
#include "ui/render/LanguageTokens.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace Orvik {

namespace {

// Length of the token at p ("%{", digits, "}"), or 0; nId gets its value,
// saturated so that a long run of digits names no text instead of wrapping.
int TokenAt(const char* p, int& nId) {
    if (p[0] != '%' || p[1] != '{')
        return 0;
    long long nValue = 0;
    int i = 2;
    for (; p[i] >= '0' && p[i] <= '9'; ++i)
        nValue = std::min<long long>(nValue * 10 + (p[i] - '0'), INT_MAX);
    if (p[i] != '}')
        return 0;
    nId = static_cast<int>(nValue);
    return i + 1;
}

// How much replacing every token by the text would add to the string.
long long GrowthOf(const CUIString& str, const CUIString& token, const char* pstrText) {
    long long nCount = 0;
    for (int i = str.Find(token); i >= 0; i = str.Find(token, i + token.GetLength()))
        ++nCount;
    return nCount * (static_cast<long long>(std::strlen(pstrText)) - token.GetLength());
}

}  // namespace

void ExpandLanguageTokens(CUIString& strText, const LanguageLookup& lookup) {
    long long nLimit = static_cast<long long>(strText.GetLength()) + MAX_LANGUAGE_GROWTH;
    int nReplaced = 0;
    for (int iPos = strText.Find('%'); iPos >= 0 && nReplaced < MAX_LANGUAGE_REPLACEMENTS;
         iPos = strText.Find('%', iPos + 1)) {
        int nId = 0;
        int nLength = TokenAt(strText.GetData() + iPos, nId);
        const char* pstrText = nLength > 0 ? lookup(nId) : nullptr;
        if (pstrText == nullptr)
            continue;
        CUIString token = strText.Mid(iPos, nLength);
        if (strText.GetLength() + GrowthOf(strText, token, pstrText) > nLimit)
            break;
        strText.Replace(token, pstrText);
        ++nReplaced;
    }
}

void ExpandLanguageTokens(CUIString& strText, const IRenderResources& res) {
    ExpandLanguageTokens(strText, [&res](int nId) { return res.LanguageText(nId); });
}

}  // namespace Orvik
