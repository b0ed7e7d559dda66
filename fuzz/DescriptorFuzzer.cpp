// libFuzzer target: an image descriptor parsed, placed and drawn into a 680 x 480 memory DC.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/gdi.h"
#include "ui/render/DrawEngine.h"
#include "ui/render/ImageDescriptor.h"

using namespace Orvik;

namespace {

const int CANVAS_WIDTH = 680;
const int CANVAS_HEIGHT = 480;

// The images a descriptor can name: an opaque one and one with soft alpha,
// both made once from colour images of the loader.
SkinImage* NamedImage(const CUIString& name) {
    static SkinImage* s_pOpaque = CDrawEngine::LoadImage("FF336699", COLOR_IMAGE_TYPE);
    static SkinImage* s_pSoft = CDrawEngine::LoadImage("80FF8000", COLOR_IMAGE_TYPE);
    return name.GetLength() % 2 == 0 ? s_pOpaque : s_pSoft;
}

struct Canvas {
    HDC hDC = CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = nullptr;
    Canvas() {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {
            sizeof(BITMAPINFOHEADER), CANVAS_WIDTH, -CANVAS_HEIGHT, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        hBitmap = CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        SelectObject(hDC, hBitmap);
    }
};

// Item and paint rectangles picked by the first bytes: the whole canvas, a
// corner of it, or rectangles at the ends of the coordinate range.
RECT PickRect(uint8_t selector) {
    switch (selector % 4) {
        case 0:
            return RECT{0, 0, CANVAS_WIDTH, CANVAS_HEIGHT};
        case 1:
            return RECT{-30000, -30000, 30000, 30000};
        case 2:
            return RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
        default:
            return RECT{selector, selector / 2, CANVAS_WIDTH - selector, CANVAS_HEIGHT / 2};
    }
}

// As the draw engine does for a control: parse once, load, clamp the source
// to the image, place the destination and draw.
void DrawDescriptor(const Canvas& canvas, const RECT& rcItem, const RECT& rcPaint,
                    const std::string& text) {
    ImagePaintState state(text.c_str());
    ImageLoadRequest request;
    ParseImageDescriptor(state, request);
    bool bLoaded = request.GetType() != nullptr;
    SkinImage* pImage = bLoaded ? CDrawEngine::LoadImage(state.strImageName.GetData(),
                                                         request.GetType(), request.dwMask)
                                : NamedImage(state.strImageName);
    if (pImage == nullptr)
        return;
    if (state.rcSource.IsNull())
        state.rcSource = CUIRect(0, 0, pImage->nWidth, pImage->nHeight);
    state.rcSource.right = std::min<LONG>(state.rcSource.right, pImage->nWidth);
    state.rcSource.bottom = std::min<LONG>(state.rcSource.bottom, pImage->nHeight);
    RECT rcDest = PlaceImageDestination(rcItem, state.rcDest);
    CDrawEngine::DrawImage(canvas.hDC, pImage->hBitmap, rcDest, rcPaint, state.rcSource,
                           state.rcCorner, pImage->bAlpha, state.uFade, state.bHole, state.bTiledX,
                           state.bTiledY);
    if (bLoaded)
        CDrawEngine::FreeImage(pImage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize < 2)
        return 0;
    static Canvas s_canvas;
    std::string text(reinterpret_cast<const char*>(pData) + 2, nSize - 2);
    DrawDescriptor(s_canvas, PickRect(pData[0]), PickRect(pData[1]), text.c_str());
    return 0;
}
