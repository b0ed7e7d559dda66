// Window host: the process-wide language texts and the expansion of their tokens.
#include <cctype>
#include <cstdio>

#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

CUIString IdKey(int nId) {
    char szKey[16];
    std::snprintf(szKey, sizeof szKey, "%d", nId);
    return CUIString(szKey);
}

}  // namespace

void CWindowHostUI::SetLanguageText(int nId, const char* pstrText) {
    CUIStringMap& map = SharedHostState().m_mapLanguageTexts;
    delete static_cast<CUIString*>(
        map.Set(IdKey(nId), new CUIString(pstrText != nullptr ? pstrText : "")));
}

const char* CWindowHostUI::GetLanguageText(int nId) {
    auto* pText = static_cast<CUIString*>(SharedHostState().m_mapLanguageTexts.Find(IdKey(nId)));
    return pText != nullptr ? pText->GetData() : nullptr;
}

void CWindowHostUI::ExpandLanguageTokens(CUIString& str) {
    // Scanning restarts one byte after each '%', so replacements that bring
    // new '%' characters are looked at too; a text holding its own token
    // would grow without end, hence the bound on the number of rounds.
    int nRounds = 0;
    for (int iPos = str.Find('%'); iPos >= 0 && nRounds < 1000; iPos = str.Find('%', iPos + 1)) {
        if (str.GetAt(iPos + 1) != '{')
            continue;
        int iEnd = iPos + 2;
        int nId = 0;
        while (std::isdigit(static_cast<unsigned char>(str.GetAt(iEnd))) && iEnd - iPos < 12)
            nId = nId * 10 + (str.GetAt(iEnd++) - '0');
        if (str.GetAt(iEnd) != '}')
            continue;
        const char* pstrText = GetLanguageText(nId);
        if (pstrText == nullptr)
            continue;
        CUIString token = str.Mid(iPos, iEnd - iPos + 1);
        str.Replace(token, pstrText);
        ++nRounds;
    }
}

}  // namespace Orvik
