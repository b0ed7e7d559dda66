// What the draw engine takes from a window host: cached images, fonts, text colours, mouse, texts.
#pragma once

#include "platform/gdi.h"
#include "ui/render/FontInfo.h"
#include "ui/render/SkinImage.h"

namespace Orvik {

// The draw engine never sees the window host itself, only this view of its
// resource tables, so render stays below window and tests can fake it.
class IRenderResources {
public:
    virtual ~IRenderResources() = default;

    // --- images ---
    // The cached image of the name (per-window, then shared), or null.
    virtual SkinImage* LookupImage(const char* pstrName) = 0;
    // LookupImage, else loaded with type and mask into the window's cache.
    virtual SkinImage* LookupOrLoadImage(const char* pstrName, const char* pstrType,
                                         DWORD dwMask) = 0;

    // --- fonts: records come back measured ---
    // The font of the id (per-window, then shared), else the default font;
    // never null.
    virtual FontInfo* LookupFont(int nId) = 0;
    virtual FontInfo* LookupDefaultFont() = 0;
    // The first font with exactly these properties, or null.
    virtual FontInfo* LookupFontByStyle(const char* pstrFaceName, int nSize, bool bBold,
                                        bool bUnderline, bool bItalic) = 0;
    // Makes a font under the id in the window's table (the shared one in
    // shared-resources mode); null when it cannot be made.
    virtual FontInfo* CreateWindowFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                                       bool bUnderline, bool bItalic) = 0;

    // --- colours of markup text (0xAARRGGBB) ---
    virtual DWORD LinkTextColor() const = 0;
    virtual DWORD LinkHoverTextColor() const = 0;
    virtual DWORD SelectedTextBkColor() const = 0;

    // The last mouse position in client coordinates, (-1, -1) when unknown;
    // picks the hovered link.
    virtual POINT LastMousePoint() const { return POINT{-1, -1}; }
    // The text of a language id, or null; used to expand "%{id}" tokens.
    virtual const char* LanguageText(int /*nId*/) const { return nullptr; }
};

}  // namespace Orvik
