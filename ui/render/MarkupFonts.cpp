// Fonts markup text switches to: style variants of the current font and fonts named in tags.
#include "ui/render/MarkupFonts.h"

#include <atomic>
#include <climits>

#include "ui/render/MarkupToken.h"

namespace Orvik {

namespace {

// Fonts made for markup get ids far above the skin's own, from one counter
// for the whole process so that no two hosts' made fonts share an id.
std::atomic<int> g_nNextMarkupFontId{30000};

// Sizes beyond this make no sense on screen and only cost glyph memory.
constexpr int MAX_MARKUP_FONT_SIZE = 500;

struct FontRequest {
    CUIString strFace;
    int nSize = 0;
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
};

FontRequest Describe(const FontInfo& info) {
    return FontRequest{info.strFaceName, info.nSize, info.bBold, info.bUnderline, info.bItalic};
}

FontInfo* FindOrMake(IRenderResources& res, const FontRequest& rq, FontInfo* pFallback) {
    FontInfo* pInfo =
        res.LookupFontByStyle(rq.strFace, rq.nSize, rq.bBold, rq.bUnderline, rq.bItalic);
    if (pInfo == nullptr)
        pInfo = res.CreateWindowFont(g_nNextMarkupFontId++, rq.strFace, rq.nSize, rq.bBold,
                                     rq.bUnderline, rq.bItalic);
    return pInfo != nullptr ? pInfo : pFallback;
}

}  // namespace

FontInfo* MarkupFontVariant(IRenderResources& res, FontInfo* pCurrent, EFontStyle eStyle) {
    FontRequest rq = Describe(*pCurrent);
    bool& bFlag = eStyle == EFontStyle::Bold        ? rq.bBold
                  : eStyle == EFontStyle::Underline ? rq.bUnderline
                                                    : rq.bItalic;
    if (bFlag)
        return pCurrent;
    bFlag = true;
    return FindOrMake(res, rq, pCurrent);
}

FontInfo* MarkupFontFromTag(IRenderResources& res, FontInfo* pCurrent, const char* pstrParam) {
    const char* p = pstrParam;
    if (*p >= '0' && *p <= '9')
        return res.LookupFont(ReadMarkupNumber(p, INT_MAX));
    const char* pFaceEnd = p;
    while (*pFaceEnd != '\0' && *pFaceEnd != ' ')
        ++pFaceEnd;
    if (pFaceEnd == p)
        return pCurrent;
    FontRequest rq;
    rq.strFace.Assign(p, static_cast<int>(pFaceEnd - p));
    p = pFaceEnd;
    rq.nSize = ReadMarkupNumber(p, MAX_MARKUP_FONT_SIZE, 10);
    CUIString strStyle(p);
    strStyle.MakeLower();
    rq.bBold = strStyle.Find("bold") >= 0;
    rq.bUnderline = strStyle.Find("underline") >= 0;
    rq.bItalic = strStyle.Find("italic") >= 0;
    return FindOrMake(res, rq, pCurrent);
}

}  // namespace Orvik
