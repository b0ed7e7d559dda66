// GIF (every frame) and BMP through a private build of stb_image that knows no other format.
#include <cstdlib>
#include <cstring>

#include "ui/render/ImageBudget.h"
#include "ui/render/ImageDecoder.h"

namespace Orvik {

namespace {

// What the decoder on this thread holds now; refusing an allocation past the
// budget makes stb_image fail cleanly instead of exhausting memory.
thread_local size_t t_nDecoderBytes = 0;

// Each block starts with its size so that free and realloc can count it.
constexpr size_t BLOCK_HEADER = 16;

void* BudgetMalloc(size_t nBytes) {
    if (nBytes > IMAGE_MAX_DECODER_BYTES - t_nDecoderBytes)
        return nullptr;
    auto* pBlock = static_cast<unsigned char*>(std::malloc(nBytes + BLOCK_HEADER));
    if (pBlock == nullptr)
        return nullptr;
    std::memcpy(pBlock, &nBytes, sizeof(nBytes));
    t_nDecoderBytes += nBytes;
    return pBlock + BLOCK_HEADER;
}

size_t BlockSize(void* p) {
    size_t nBytes = 0;
    std::memcpy(&nBytes, static_cast<unsigned char*>(p) - BLOCK_HEADER, sizeof(nBytes));
    return nBytes;
}

void BudgetFree(void* p) {
    if (p == nullptr)
        return;
    t_nDecoderBytes -= BlockSize(p);
    std::free(static_cast<unsigned char*>(p) - BLOCK_HEADER);
}

void* BudgetRealloc(void* p, size_t nBytes) {
    if (p == nullptr)
        return BudgetMalloc(nBytes);
    size_t nOld = BlockSize(p);
    void* pNew = BudgetMalloc(nBytes);
    if (pNew == nullptr)
        return nullptr;
    std::memcpy(pNew, p, nOld < nBytes ? nOld : nBytes);
    BudgetFree(p);
    return pNew;
}

}  // namespace

}  // namespace Orvik

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_GIF
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS Orvik::IMAGE_MAX_SIDE
#define STBI_MALLOC(sz) Orvik::BudgetMalloc(sz)
#define STBI_REALLOC(p, sz) Orvik::BudgetRealloc(p, sz)
#define STBI_FREE(p) Orvik::BudgetFree(p)
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace Orvik {

bool DecodeGifOrBmp(const uint8_t* pData, size_t nSize, RgbaImage& out) {
    if (pData == nullptr || nSize == 0 || nSize > size_t(INT32_MAX))
        return false;
    int x = 0, y = 0, n = 0;
    stbi_uc* pPixels = stbi_load_from_memory(pData, int(nSize), &x, &y, &n, 4);
    if (pPixels == nullptr)
        return false;
    bool bOk = IsWithinImageBudget(x, y);
    if (bOk) {
        out.Allocate(x, y);
        std::memcpy(out.pixels.data(), pPixels, out.pixels.size());
    }
    stbi_image_free(pPixels);
    return bOk;
}

bool DecodeGifFrames(const uint8_t* pData, size_t nSize, const GifFrameSink& onFrame) {
    if (pData == nullptr || nSize == 0 || nSize > size_t(INT32_MAX))
        return false;
    int* pDelays = nullptr;
    int w = 0, h = 0, nFrames = 0, nComp = 0;
    stbi_uc* pPixels =
        stbi_load_gif_from_memory(pData, int(nSize), &pDelays, &w, &h, &nFrames, &nComp, 4);
    bool bOk = pPixels != nullptr && nFrames > 0 && IsWithinImageBudget(w, h);
    size_t frameBytes = bOk ? size_t(w) * size_t(h) * 4 : 0;
    for (int i = 0; bOk && i < nFrames; ++i) {
        if (!onFrame(pPixels + frameBytes * size_t(i), w, h, pDelays != nullptr ? pDelays[i] : 0))
            break;
    }
    stbi_image_free(pPixels);
    // When it fails for memory, stb_image has freed the delays already
    // without clearing the pointer; without pixels there is nothing to free.
    if (pPixels != nullptr)
        stbi_image_free(pDelays);
    return bOk;
}

}  // namespace Orvik
