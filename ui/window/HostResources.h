// The window host's resource part: images, fonts, default lists and language texts.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIPtrArray.h"
#include "ui/core/UIStringMap.h"
#include "ui/render/FontInfo.h"
#include "ui/render/IRenderResources.h"
#include "ui/render/SkinImage.h"
#include "ui/window/IControlNodeUI.h"

namespace Orvik {

// Images and fonts live in per-window tables or, with the shared flag or in
// shared-resources mode, in process-wide tables that every host reads after
// its own. All tables have 83 buckets. The draw engine reads them through
// IRenderResources.
class CHostResources : public IRenderResources {
public:
    // The pointer position markup text picks its hover link by.
    explicit CHostResources(const POINT& ptMouse);
    ~CHostResources() override;
    CHostResources(const CHostResources&) = delete;
    CHostResources& operator=(const CHostResources&) = delete;

    // Fonts are measured with this DC; a memory DC stands in while null.
    void BindDC(HDC hDC) { m_hDcPaint = hDC; }
    bool IsSharedResources() const { return m_bSharedResources; }
    void SetSharedResources(bool bShared) { m_bSharedResources = bShared; }
    // Empties every per-window table.
    void RemoveAllTables();

    // --- text colours (0xAARRGGBB), the process defaults until a skin sets them ---
    DWORD GetDefaultDisabledColor() const { return m_dwDefaultDisabledColor; }
    DWORD GetDefaultFontColor() const { return m_dwDefaultFontColor; }
    DWORD GetDefaultLinkFontColor() const { return m_dwDefaultLinkFontColor; }
    DWORD GetDefaultLinkHoverFontColor() const { return m_dwDefaultLinkHoverFontColor; }
    DWORD GetDefaultSelectedBkColor() const { return m_dwDefaultSelectedBkColor; }
    void SetDefaultDisabledColor(DWORD dwColor) { m_dwDefaultDisabledColor = dwColor; }
    void SetDefaultFontColor(DWORD dwColor) { m_dwDefaultFontColor = dwColor; }
    void SetDefaultLinkFontColor(DWORD dwColor) { m_dwDefaultLinkFontColor = dwColor; }
    void SetDefaultLinkHoverFontColor(DWORD dwColor) { m_dwDefaultLinkHoverFontColor = dwColor; }
    void SetDefaultSelectedBkColor(DWORD dwColor) { m_dwDefaultSelectedBkColor = dwColor; }

    // --- images ---
    SkinImage* GetImage(const char* pstrName);
    SkinImage* AddImage(const char* pstrName, const char* pstrType, DWORD dwMask, bool bShared);
    SkinImage* FindOrLoadImage(const char* pstrName, const char* pstrType, DWORD dwMask);
    void RemoveAllImages(bool bShared);
    // Records keep their identity, so paint states pointing at them stay valid.
    void ReloadImages(const char* pstrName);

    // --- fonts ---
    void SetDefaultFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                        bool bItalic, bool bShared);
    HFONT AddFont(int nId, const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                  bool bItalic, bool bShared);
    HFONT GetFont(int nId);
    HFONT FindFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    FontInfo* GetFontInfo(int nId);
    FontInfo* GetFontInfo(HFONT hFont);
    FontInfo* GetDefaultFontInfo();
    void RemoveAllFonts(bool bShared);

    // --- default attribute lists, window custom attributes, option groups ---
    void AddDefaultAttributeList(const char* pstrControlName, const char* pstrList, bool bShared);
    const char* GetDefaultAttributeList(const char* pstrControlName) const;
    void RemoveAllDefaultAttributeLists(bool bShared);
    void AddWindowCustomAttribute(const char* pstrName, const char* pstrValue);
    const char* GetWindowCustomAttribute(const char* pstrName) const;
    void RemoveAllWindowCustomAttributes();
    bool AddOptionGroup(const char* pstrGroupName, IControlNodeUI* pControl);
    CUIPtrArray* GetOptionGroup(const char* pstrGroupName) const;
    void RemoveOptionFromGroup(const char* pstrGroupName, IControlNodeUI* pControl);
    void RemoveAllOptionGroups();

    // --- language texts, process-wide ---
    static void SetLanguageText(int nId, const char* pstrText);
    static const char* GetLanguageText(int nId);
    // Replaces every "%{id}" token that has a text.
    static void ExpandLanguageTokens(CUIString& str);

    // --- what the draw engine reads ---
    SkinImage* LookupImage(const char* pstrName) override;
    SkinImage* LookupOrLoadImage(const char* pstrName, const char* pstrType, DWORD dwMask) override;
    FontInfo* LookupFont(int nId) override;
    FontInfo* LookupDefaultFont() override;
    FontInfo* LookupFontByStyle(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                                bool bItalic) override;
    FontInfo* CreateWindowFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                               bool bUnderline, bool bItalic) override;
    DWORD LinkTextColor() const override { return m_dwDefaultLinkFontColor; }
    DWORD LinkHoverTextColor() const override { return m_dwDefaultLinkHoverFontColor; }
    DWORD SelectedTextBkColor() const override { return m_dwDefaultSelectedBkColor; }
    POINT LastMousePoint() const override { return m_ptMouse; }
    const char* LanguageText(int nId) const override { return GetLanguageText(nId); }

private:
    CUIStringMap& ImageTable(bool bShared);
    CUIStringMap& FontTable(bool bShared);
    // Measures a record whose metrics are still empty.
    FontInfo* Measured(FontInfo* pInfo);
    void MeasureFont(FontInfo& info);
    // The DC fonts are measured with: the window's, or a memory DC while no
    // window is bound.
    HDC MeasureDC() const;

    const POINT& m_ptMouse;
    HDC m_hDcPaint = nullptr;
    bool m_bSharedResources = false;
    DWORD m_dwDefaultDisabledColor;
    DWORD m_dwDefaultFontColor;
    DWORD m_dwDefaultLinkFontColor;
    DWORD m_dwDefaultLinkHoverFontColor;
    DWORD m_dwDefaultSelectedBkColor;
    FontInfo m_DefaultFontInfo;
    CUIStringMap m_mapFonts;
    CUIStringMap m_mapImages;
    CUIStringMap m_mapDefaultAttrs;
    CUIStringMap m_mapWindowCustomAttrs;
    CUIStringMap m_mapOptionGroups;
};

}  // namespace Orvik
