// Drawing an image attribute: parse once, load through the host's cache, place and draw.
#include <algorithm>

#include "ui/render/DrawEngine.h"
#include "ui/render/ImageDescriptor.h"
#include "ui/render/RenderRect.h"

namespace Orvik {

namespace {

// First use of a state: parse the descriptor and fetch the image. Never
// repeated for the same state, so a missing file costs one lookup.
bool ResolveImage(IRenderResources* pHost, ImagePaintState& state) {
    if (state.bAttempted)
        return false;
    state.bAttempted = true;
    if (state.strDescriptor.IsEmpty())
        return false;
    ImageLoadRequest request;
    ParseImageDescriptor(state, request);
    state.pImage = pHost->LookupOrLoadImage(state.strImageName, request.GetType(), request.dwMask);
    if (state.pImage == nullptr)
        return false;
    if (state.rcSource.IsNull())
        state.rcSource = CUIRect(0, 0, state.pImage->nWidth, state.pImage->nHeight);
    return true;
}

}  // namespace

bool CDrawEngine::DrawImageDescriptor(HDC hDC, IRenderResources* pHost, const RECT& rcItem,
                                      const RECT& rcPaint, ImagePaintState& state) {
    if (pHost == nullptr)
        return true;
    if (state.pImage == nullptr && !ResolveImage(pHost, state))
        return false;
    SkinImage* pImage = state.pImage;
    state.rcSource.right = std::min<LONG>(state.rcSource.right, pImage->nWidth);
    state.rcSource.bottom = std::min<LONG>(state.rcSource.bottom, pImage->nHeight);
    if (hDC == nullptr)
        return true;
    RECT rcDest = PlaceImageDestination(rcItem, state.rcDest);
    if (render::RectsMeet(rcDest, rcItem) && render::RectsMeet(rcDest, rcPaint))
        DrawImage(hDC, pImage->hBitmap, rcDest, rcPaint, state.rcSource, state.rcCorner,
                  pImage->bAlpha, state.uFade, state.bHole, state.bTiledX, state.bTiledY);
    return true;
}

}  // namespace Orvik
