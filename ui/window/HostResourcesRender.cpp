// The resource tables as the draw engine sees them: thin forwards to the part's own lookups.
#include "ui/window/HostResources.h"

namespace Orvik {

SkinImage* CHostResources::LookupImage(const char* pstrName) {
    return GetImage(pstrName);
}

SkinImage* CHostResources::LookupOrLoadImage(const char* pstrName, const char* pstrType,
                                             DWORD dwMask) {
    return FindOrLoadImage(pstrName, pstrType, dwMask);
}

FontInfo* CHostResources::LookupFont(int nId) {
    return GetFontInfo(nId);
}

FontInfo* CHostResources::LookupDefaultFont() {
    return GetDefaultFontInfo();
}

FontInfo* CHostResources::LookupFontByStyle(const char* pstrFaceName, int nSize, bool bBold,
                                            bool bUnderline, bool bItalic) {
    HFONT hFont = FindFont(pstrFaceName, nSize, bBold, bUnderline, bItalic);
    return hFont != nullptr ? GetFontInfo(hFont) : nullptr;
}

FontInfo* CHostResources::CreateWindowFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                                           bool bUnderline, bool bItalic) {
    HFONT hFont = AddFont(nId, pstrFaceName, nSize, bBold, bUnderline, bItalic, false);
    return hFont != nullptr ? GetFontInfo(hFont) : nullptr;
}

}  // namespace Orvik
