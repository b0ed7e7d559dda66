// The per-window UI host: for now its image and font tables and the process-wide ones.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIStringMap.h"
#include "ui/render/FontInfo.h"
#include "ui/render/IRenderResources.h"
#include "ui/render/SkinImage.h"

namespace Orvik {

// One host per skinned window. Images and fonts live in per-window tables
// or, with the shared flag or in shared-resources mode, in process-wide
// tables that every host reads after its own. All tables have 83 buckets.
// The root control, the paint cycle and event dispatch grow on this class.
class CWindowHostUI : public IRenderResources {
public:
    CWindowHostUI();
    ~CWindowHostUI();
    CWindowHostUI(const CWindowHostUI&) = delete;
    CWindowHostUI& operator=(const CWindowHostUI&) = delete;

    // The window's DC; null until a window is bound.
    HDC GetPaintDC() const { return m_hDcPaint; }
    bool IsSharedResources() const { return m_bSharedResources; }
    void SetSharedResources(bool bShared) { m_bSharedResources = bShared; }

    DWORD GetDefaultDisabledColor() const { return m_dwDefaultDisabledColor; }
    DWORD GetDefaultFontColor() const { return m_dwDefaultFontColor; }
    DWORD GetDefaultLinkFontColor() const { return m_dwDefaultLinkFontColor; }
    DWORD GetDefaultLinkHoverFontColor() const { return m_dwDefaultLinkHoverFontColor; }
    DWORD GetDefaultSelectedBkColor() const { return m_dwDefaultSelectedBkColor; }

    // --- images ---
    // The per-window table first, then the shared one; null when absent.
    SkinImage* GetImage(const char* pstrName);
    // Loads and stores the image under its name, replacing (and freeing) an
    // entry of that name in the same table. A name starting with a digit is
    // a numeric resource id when a resource type is given. Null on failure.
    SkinImage* AddImage(const char* pstrName, const char* pstrType = nullptr, DWORD dwMask = 0,
                        bool bShared = false);
    // GetImage, and AddImage into this window's table when absent.
    SkinImage* FindOrLoadImage(const char* pstrName, const char* pstrType = nullptr,
                               DWORD dwMask = 0);
    void RemoveAllImages(bool bShared = false);
    // Loads the named image (every image when the name is empty) of this
    // window's table again, for a file replaced on disk. Records keep their
    // identity, so paint states pointing at them stay valid.
    void ReloadImages(const char* pstrName = nullptr);

    // --- fonts ---
    // Replaces the window's default font, or with bShared the process one.
    void SetDefaultFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                        bool bItalic, bool bShared = false);
    // Stores a font under the decimal text of nId, replacing one of that id
    // in the same table. Null when the font cannot be made.
    HFONT AddFont(int nId, const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                  bool bItalic, bool bShared = false);
    // The font of the id (this window, then shared), else the default font.
    HFONT GetFont(int nId);
    // The first font with exactly these properties, or null.
    HFONT FindFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    // Records as GetFont finds them, measured; never null.
    FontInfo* GetFontInfo(int nId);
    FontInfo* GetFontInfo(HFONT hFont);
    // The window's default font while it has a face, else the process one.
    FontInfo* GetDefaultFontInfo();
    void RemoveAllFonts(bool bShared = false);

    // --- what the draw engine reads (WindowHostRender.cpp) ---
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

private:
    CUIStringMap& ImageTable(bool bShared);
    CUIStringMap& FontTable(bool bShared);
    // Measures a record whose metrics are still empty.
    FontInfo* Measured(FontInfo* pInfo);
    void MeasureFont(FontInfo& info);
    // The DC fonts are measured with: the window's, or a memory DC while no
    // window is bound.
    HDC MeasureDC() const;

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
};

}  // namespace Orvik
