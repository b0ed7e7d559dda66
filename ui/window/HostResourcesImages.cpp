// The resource part's image tables: lookup, loading, freeing and reloading.
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "ui/render/DrawEngine.h"
#include "ui/render/ImageDescriptor.h"
#include "ui/window/HostResources.h"
#include "ui/window/WindowHostShared.h"

namespace Orvik {

namespace {

bool HasType(const char* pstrType) {
    return pstrType != nullptr && *pstrType != '\0';
}

// With a resource type, a name beginning with a digit is a numeric id.
// Without one the name stays a file name: an id could only be looked up
// among typed resources and would never load.
SkinImage* LoadNamedImage(const char* pstrName, const char* pstrType, DWORD dwMask) {
    const char* pstrLoadType = HasType(pstrType) ? pstrType : nullptr;
    bool bColor = pstrLoadType != nullptr && std::strcmp(pstrLoadType, COLOR_IMAGE_TYPE) == 0;
    if (pstrLoadType != nullptr && !bColor && std::isdigit(static_cast<unsigned char>(pstrName[0])))
        return CDrawEngine::LoadImage(CUIResName(std::atoi(pstrName)), pstrLoadType, dwMask);
    return CDrawEngine::LoadImage(CUIResName(pstrName), pstrLoadType, dwMask);
}

// Takes over the pixels of a fresh load, keeping the record itself.
void AdoptPixels(SkinImage& image, SkinImage* pFresh) {
    CDrawEngine::FreeImage(&image, false);
    image.hBitmap = pFresh->hBitmap;
    image.pBits = pFresh->pBits;
    image.nWidth = pFresh->nWidth;
    image.nHeight = pFresh->nHeight;
    image.bAlpha = pFresh->bAlpha;
    delete pFresh;
}

}  // namespace

CUIStringMap& CHostResources::ImageTable(bool bShared) {
    return bShared ? SharedHostState().m_mapImages : m_mapImages;
}

SkinImage* CHostResources::GetImage(const char* pstrName) {
    if (pstrName == nullptr)
        return nullptr;
    auto* pImage = static_cast<SkinImage*>(m_mapImages.Find(pstrName));
    if (pImage == nullptr)
        pImage = static_cast<SkinImage*>(SharedHostState().m_mapImages.Find(pstrName));
    return pImage;
}

SkinImage* CHostResources::AddImage(const char* pstrName, const char* pstrType, DWORD dwMask,
                                    bool bShared) {
    if (pstrName == nullptr || *pstrName == '\0')
        return nullptr;
    SkinImage* pImage = LoadNamedImage(pstrName, pstrType, dwMask);
    if (pImage == nullptr)
        return nullptr;
    pImage->strResType = pstrType;
    pImage->dwMask = dwMask;
    CUIStringMap& table = ImageTable(bShared || m_bSharedResources);
    auto* pOld = static_cast<SkinImage*>(table.Set(pstrName, pImage));
    CDrawEngine::FreeImage(pOld);
    return pImage;
}

SkinImage* CHostResources::FindOrLoadImage(const char* pstrName, const char* pstrType,
                                           DWORD dwMask) {
    SkinImage* pImage = GetImage(pstrName);
    return pImage != nullptr ? pImage : AddImage(pstrName, pstrType, dwMask, false);
}

void CHostResources::RemoveAllImages(bool bShared) {
    CUIStringMap& table = ImageTable(bShared);
    for (int i = 0; i < table.GetSize(); ++i) {
        const char* key = table.GetAt(i);
        if (key != nullptr)
            CDrawEngine::FreeImage(static_cast<SkinImage*>(table.Find(key)));
    }
    table.RemoveAll();
}

void CHostResources::ReloadImages(const char* pstrName) {
    bool bAll = pstrName == nullptr || *pstrName == '\0';
    for (int i = 0; i < m_mapImages.GetSize(); ++i) {
        const char* key = m_mapImages.GetAt(i);
        if (key == nullptr || (!bAll && std::strcmp(key, pstrName) != 0))
            continue;
        auto* pImage = static_cast<SkinImage*>(m_mapImages.Find(key));
        if (pImage == nullptr)
            continue;
        SkinImage* pFresh = LoadNamedImage(key, pImage->strResType, pImage->dwMask);
        if (pFresh != nullptr)
            AdoptPixels(*pImage, pFresh);
    }
}

}  // namespace Orvik
