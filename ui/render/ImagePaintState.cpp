// Resetting an image paint state.
#include "ui/render/ImagePaintState.h"

namespace Orvik {

void ImagePaintState::Reset() {
    strDescriptor.Empty();
    strImageName.Empty();
    bAttempted = false;
    pImage = nullptr;
    rcDest.Empty();
    rcSource.Empty();
    rcCorner.Empty();
    uFade = 255;
    bHole = false;
    bTiledX = false;
    bTiledY = false;
}

void ImagePaintState::SetDescriptor(const char* pstrDescriptor) {
    Reset();
    strDescriptor = pstrDescriptor;
}

}  // namespace Orvik
