// Window host: the process-wide language texts and the expansion of their tokens.
#include <cstdio>

#include "ui/render/LanguageTokens.h"
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
    // The same expansion as text drawing, so a tooltip and a label agree.
    Orvik::ExpandLanguageTokens(str, &CWindowHostUI::GetLanguageText);
}

}  // namespace Orvik
