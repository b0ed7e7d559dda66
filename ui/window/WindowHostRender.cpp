// The window host's tables as the draw engine sees them: thin forwards to the host's own lookups.
#include "ui/window/WindowHostUI.h"

namespace Orvik {

SkinImage* CWindowHostUI::LookupImage(const char* pstrName) {
    return GetImage(pstrName);
}

SkinImage* CWindowHostUI::LookupOrLoadImage(const char* pstrName, const char* pstrType,
                                            DWORD dwMask) {
    return FindOrLoadImage(pstrName, pstrType, dwMask);
}

FontInfo* CWindowHostUI::LookupFont(int nId) {
    return GetFontInfo(nId);
}

FontInfo* CWindowHostUI::LookupDefaultFont() {
    return GetDefaultFontInfo();
}

FontInfo* CWindowHostUI::LookupFontByStyle(const char* pstrFaceName, int nSize, bool bBold,
                                           bool bUnderline, bool bItalic) {
    HFONT hFont = FindFont(pstrFaceName, nSize, bBold, bUnderline, bItalic);
    return hFont != nullptr ? GetFontInfo(hFont) : nullptr;
}

FontInfo* CWindowHostUI::CreateWindowFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                                          bool bUnderline, bool bItalic) {
    HFONT hFont = AddFont(nId, pstrFaceName, nSize, bBold, bUnderline, bItalic, false);
    return hFont != nullptr ? GetFontInfo(hFont) : nullptr;
}

}  // namespace Orvik
