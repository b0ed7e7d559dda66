// Expanding "%{id}" language tokens in a text from the host's language table.
#include "ui/render/LanguageTokens.h"

#include <algorithm>
#include <climits>
#include <string>

#include "platform/kernel.h"

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

}  // namespace

void ExpandLanguageTokens(CUIString& strText, const IRenderResources& res) {
    if (strText.Find('%') < 0)
        return;
    std::string out;
    const char* p = strText.GetData();
    while (*p != '\0') {
        int nId = 0;
        int nLength = TokenAt(p, nId);
        const char* pstrText = nLength > 0 ? res.LanguageText(nId) : nullptr;
        const char* pNext = pstrText != nullptr ? p + nLength : CharNextA(p);
        if (pstrText != nullptr)
            out += pstrText;
        else
            out.append(p, pNext);
        p = pNext;
    }
    strText.Assign(out.c_str(), static_cast<int>(out.size()));
}

}  // namespace Orvik
