// The resource part: the process-wide language texts and the expansion of their tokens.
#include <cstdio>

#include "ui/render/LanguageTokens.h"
#include "ui/window/HostResources.h"
#include "ui/window/WindowHostShared.h"

namespace Orvik {

namespace {

CUIString IdKey(int nId) {
    char szKey[16];
    std::snprintf(szKey, sizeof szKey, "%d", nId);
    return CUIString(szKey);
}

}  // namespace

void CHostResources::SetLanguageText(int nId, const char* pstrText) {
    CUIStringMap& map = SharedHostState().m_mapLanguageTexts;
    delete static_cast<CUIString*>(
        map.Set(IdKey(nId), new CUIString(pstrText != nullptr ? pstrText : "")));
}

const char* CHostResources::GetLanguageText(int nId) {
    auto* pText = static_cast<CUIString*>(SharedHostState().m_mapLanguageTexts.Find(IdKey(nId)));
    return pText != nullptr ? pText->GetData() : nullptr;
}

void CHostResources::ExpandLanguageTokens(CUIString& str) {
    // The same expansion as text drawing, so a tooltip and a label agree.
    Orvik::ExpandLanguageTokens(str, &CHostResources::GetLanguageText);
}

}  // namespace Orvik
