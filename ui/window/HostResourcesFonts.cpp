// The resource part's font tables and the default fonts.
#include <cstdio>
#include <cstring>

#include "ui/window/HostResources.h"
#include "ui/window/WindowHostShared.h"

namespace Orvik {

namespace {

// A font from the system GUI font's description: the face (cut to the
// platform's limit on a character boundary), pixel size and styles.
HFONT CreateSkinFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                     bool bItalic) {
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    CUIString face(pstrFaceName, LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face.GetData(), face.GetLength() + 1);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -nSize;
    if (bBold)
        lf.lfWeight += FW_BOLD;
    lf.lfUnderline = bUnderline ? 1 : 0;
    lf.lfItalic = bItalic ? 1 : 0;
    return CreateFontIndirectA(&lf);
}

void Describe(FontInfo& info, const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
              bool bItalic) {
    info.strFaceName = pstrFaceName;
    info.nSize = nSize;
    info.bBold = bBold;
    info.bUnderline = bUnderline;
    info.bItalic = bItalic;
    info.tm = TEXTMETRICA{};
}

CUIString FontKey(int nId) {
    CUIString key;
    key.Format("%d", nId);
    return key;
}

bool Matches(const FontInfo& info, const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
             bool bItalic) {
    return info.strFaceName == pstrFaceName && info.nSize == nSize && info.bBold == bBold &&
           info.bUnderline == bUnderline && info.bItalic == bItalic;
}

// Calls fn on every record of the table in enumeration order until it
// returns true; the record it stopped at, or null.
template <typename Fn>
FontInfo* FirstFont(CUIStringMap& table, Fn fn) {
    for (int i = 0; i < table.GetSize(); ++i) {
        const char* key = table.GetAt(i);
        auto* pInfo = key != nullptr ? static_cast<FontInfo*>(table.Find(key)) : nullptr;
        if (pInfo != nullptr && fn(*pInfo))
            return pInfo;
    }
    return nullptr;
}

}  // namespace

CUIStringMap& CHostResources::FontTable(bool bShared) {
    return bShared ? SharedHostState().m_mapFonts : m_mapFonts;
}

HDC CHostResources::MeasureDC() const {
    if (m_hDcPaint != nullptr)
        return m_hDcPaint;
    // Until hosts are bound to windows, a memory DC stands in for the
    // window's DC; font metrics do not depend on the target.
    WindowHostShared& shared = SharedHostState();
    if (shared.m_hMeasureDC == nullptr)
        shared.m_hMeasureDC = CreateCompatibleDC(nullptr);
    return shared.m_hMeasureDC;
}

void CHostResources::MeasureFont(FontInfo& info) {
    HDC hDC = MeasureDC();
    if (hDC == nullptr || info.hFont == nullptr)
        return;
    HGDIOBJ hOld = SelectObject(hDC, info.hFont);
    GetTextMetricsA(hDC, &info.tm);
    SelectObject(hDC, hOld);
}

FontInfo* CHostResources::Measured(FontInfo* pInfo) {
    if (pInfo->tm.tmHeight == 0)
        MeasureFont(*pInfo);
    return pInfo;
}

void CHostResources::SetDefaultFont(const char* pstrFaceName, int nSize, bool bBold,
                                    bool bUnderline, bool bItalic, bool bShared) {
    HFONT hFont = CreateSkinFont(pstrFaceName, nSize, bBold, bUnderline, bItalic);
    if (hFont == nullptr)
        return;
    FontInfo& info = bShared ? SharedHostState().m_DefaultFontInfo : m_DefaultFontInfo;
    if (info.hFont != nullptr)
        DeleteObject(info.hFont);
    info.hFont = hFont;
    Describe(info, pstrFaceName, nSize, bBold, bUnderline, bItalic);
    if (m_hDcPaint != nullptr)
        MeasureFont(info);
}

HFONT CHostResources::AddFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                              bool bUnderline, bool bItalic, bool bShared) {
    HFONT hFont = CreateSkinFont(pstrFaceName, nSize, bBold, bUnderline, bItalic);
    if (hFont == nullptr)
        return nullptr;
    auto* pInfo = new FontInfo;
    pInfo->hFont = hFont;
    Describe(*pInfo, pstrFaceName, nSize, bBold, bUnderline, bItalic);
    if (m_hDcPaint != nullptr)
        MeasureFont(*pInfo);
    CUIStringMap& table = FontTable(bShared || m_bSharedResources);
    CUIString key = FontKey(nId);
    auto* pOld = static_cast<FontInfo*>(table.Set(key, pInfo));
    if (pOld != nullptr) {
        DeleteObject(pOld->hFont);
        delete pOld;
    }
    return hFont;
}

HFONT CHostResources::GetFont(int nId) {
    return GetFontInfo(nId)->hFont;
}

HFONT CHostResources::FindFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                               bool bItalic) {
    auto match = [&](const FontInfo& info) {
        return Matches(info, pstrFaceName, nSize, bBold, bUnderline, bItalic);
    };
    FontInfo* pInfo = FirstFont(m_mapFonts, match);
    if (pInfo == nullptr)
        pInfo = FirstFont(SharedHostState().m_mapFonts, match);
    return pInfo != nullptr ? pInfo->hFont : nullptr;
}

FontInfo* CHostResources::GetFontInfo(int nId) {
    if (nId < 0)
        return GetDefaultFontInfo();
    CUIString key = FontKey(nId);
    auto* pInfo = static_cast<FontInfo*>(m_mapFonts.Find(key));
    if (pInfo == nullptr)
        pInfo = static_cast<FontInfo*>(SharedHostState().m_mapFonts.Find(key));
    return pInfo != nullptr ? Measured(pInfo) : GetDefaultFontInfo();
}

FontInfo* CHostResources::GetFontInfo(HFONT hFont) {
    auto byHandle = [hFont](const FontInfo& info) { return info.hFont == hFont; };
    FontInfo* pInfo = FirstFont(m_mapFonts, byHandle);
    if (pInfo == nullptr)
        pInfo = FirstFont(SharedHostState().m_mapFonts, byHandle);
    return pInfo != nullptr ? Measured(pInfo) : GetDefaultFontInfo();
}

FontInfo* CHostResources::GetDefaultFontInfo() {
    if (!m_DefaultFontInfo.strFaceName.IsEmpty())
        return Measured(&m_DefaultFontInfo);
    return Measured(&SharedHostState().m_DefaultFontInfo);
}

void CHostResources::RemoveAllFonts(bool bShared) {
    CUIStringMap& table = FontTable(bShared);
    FirstFont(table, [](FontInfo& info) {
        DeleteObject(info.hFont);
        delete &info;
        return false;
    });
    table.RemoveAll();
}

}  // namespace Orvik
