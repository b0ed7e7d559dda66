// A stand-in for a window host's resources: real platform fonts and images in plain tables.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "ui/render/IRenderResources.h"

namespace rendertest {

// Fonts are made and measured like the host makes them; images are solid
// blocks or horizontal strips of coloured frames. Counts what it is asked
// to make, so tests can see fonts being reused.
class CFakeRenderResources : public Orvik::IRenderResources {
public:
    static constexpr const char* FACE = "DejaVu Sans";
    static constexpr DWORD LINK = 0xFF0000FF;
    static constexpr DWORD LINK_HOVER = 0xFF00C000;
    static constexpr DWORD SELECTED = 0xFFFFFF00;

    explicit CFakeRenderResources(int nDefaultSize = 14) {
        m_pDefault = Make(FACE, nDefaultSize, false, false, false);
    }
    ~CFakeRenderResources() override {
        for (auto& pFont : m_fonts)
            DeleteObject(pFont->hFont);
        for (auto& entry : m_images)
            DeleteObject(entry.second->hBitmap);
    }

    Orvik::FontInfo* AddFont(int nId, const char* pstrFace, int nSize, bool bBold = false,
                             bool bUnderline = false, bool bItalic = false) {
        Orvik::FontInfo* pInfo = Make(pstrFace, nSize, bBold, bUnderline, bItalic);
        m_byId[nId] = pInfo;
        return pInfo;
    }
    // cx x cy pixels, frames of equal width coloured from `colors` in turn.
    void AddImage(const std::string& name, int cx, int cy, std::vector<uint32_t> colors) {
        auto pImage = std::make_unique<Orvik::SkinImage>();
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        pImage->hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        auto* px = static_cast<uint32_t*>(pBits);
        int cxFrame = cx / static_cast<int>(colors.size());
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                px[y * cx + x] = colors[std::min<size_t>(x / cxFrame, colors.size() - 1)];
        pImage->pBits = static_cast<BYTE*>(pBits);
        pImage->nWidth = cx;
        pImage->nHeight = cy;
        m_images[name] = std::move(pImage);
    }
    void SetMouse(POINT pt) { m_ptMouse = pt; }
    void SetLanguageText(int nId, const std::string& text) { m_texts[nId] = text; }
    int FontsMade() const { return static_cast<int>(m_fonts.size()); }
    const std::vector<std::string>& ImagesAskedFor() const { return m_asked; }

    Orvik::SkinImage* LookupImage(const char* pstrName) override {
        auto it = m_images.find(pstrName);
        return it != m_images.end() ? it->second.get() : nullptr;
    }
    Orvik::SkinImage* LookupOrLoadImage(const char* pstrName, const char* pstrType,
                                        DWORD) override {
        m_asked.push_back(std::string(pstrName) + (pstrType ? std::string("|") + pstrType : ""));
        return LookupImage(pstrName);
    }
    Orvik::FontInfo* LookupFont(int nId) override {
        auto it = m_byId.find(nId);
        return it != m_byId.end() ? it->second : m_pDefault;
    }
    Orvik::FontInfo* LookupDefaultFont() override { return m_pDefault; }
    Orvik::FontInfo* LookupFontByStyle(const char* pstrFace, int nSize, bool bBold, bool bUnderline,
                                       bool bItalic) override {
        for (auto& pFont : m_fonts)
            if (pFont->strFaceName == pstrFace && pFont->nSize == nSize && pFont->bBold == bBold &&
                pFont->bUnderline == bUnderline && pFont->bItalic == bItalic)
                return pFont.get();
        return nullptr;
    }
    Orvik::FontInfo* CreateWindowFont(int nId, const char* pstrFace, int nSize, bool bBold,
                                      bool bUnderline, bool bItalic) override {
        return AddFont(nId, pstrFace, nSize, bBold, bUnderline, bItalic);
    }
    DWORD LinkTextColor() const override { return LINK; }
    DWORD LinkHoverTextColor() const override { return LINK_HOVER; }
    DWORD SelectedTextBkColor() const override { return SELECTED; }
    POINT LastMousePoint() const override { return m_ptMouse; }
    const char* LanguageText(int nId) const override {
        auto it = m_texts.find(nId);
        return it != m_texts.end() ? it->second.c_str() : nullptr;
    }

private:
    Orvik::FontInfo* Make(const char* pstrFace, int nSize, bool bBold, bool bUnderline,
                          bool bItalic) {
        LOGFONTA lf = {};
        lf.lfHeight = -nSize;
        lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = bUnderline;
        lf.lfItalic = bItalic;
        std::strncpy(lf.lfFaceName, pstrFace, LF_FACESIZE - 1);
        auto pInfo = std::make_unique<Orvik::FontInfo>();
        pInfo->hFont = CreateFontIndirectA(&lf);
        pInfo->strFaceName = pstrFace;
        pInfo->nSize = nSize;
        pInfo->bBold = bBold;
        pInfo->bUnderline = bUnderline;
        pInfo->bItalic = bItalic;
        HDC hDC = CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = SelectObject(hDC, pInfo->hFont);
        GetTextMetricsA(hDC, &pInfo->tm);
        SelectObject(hDC, hOld);
        DeleteDC(hDC);
        m_fonts.push_back(std::move(pInfo));
        return m_fonts.back().get();
    }

    Orvik::FontInfo* m_pDefault = nullptr;
    std::vector<std::unique_ptr<Orvik::FontInfo>> m_fonts;
    std::map<int, Orvik::FontInfo*> m_byId;
    std::map<std::string, std::unique_ptr<Orvik::SkinImage>> m_images;
    std::map<int, std::string> m_texts;
    std::vector<std::string> m_asked;
    POINT m_ptMouse = {-1, -1};
};

}  // namespace rendertest
