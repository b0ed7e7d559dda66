// One image attribute of a control: its descriptor and what the descriptor says.
#pragma once

#include "ui/core/UIRect.h"
#include "ui/core/UIString.h"

namespace Orvik {

struct SkinImage;

// Filled from the descriptor on the first draw. The control owns the state
// and resets it whenever the attribute changes; the image belongs to the
// window host's cache.
struct ImagePaintState {
    CUIString strDescriptor;
    CUIString strImageName;
    // Set on the first draw: a failed load is not retried until Reset.
    bool bAttempted = false;
    SkinImage* pImage = nullptr;
    // Offsets inside the control's rectangle; all 0 means the whole rectangle.
    CUIRect rcDest;
    // Part of the image; all 0 means the whole image.
    CUIRect rcSource;
    // 9-grid borders in source pixels, drawn unscaled.
    CUIRect rcCorner;
    BYTE uFade = 255;
    bool bHole = false;
    bool bTiledX = false;
    bool bTiledY = false;

    ImagePaintState() = default;
    explicit ImagePaintState(const char* pstrDescriptor) : strDescriptor(pstrDescriptor) {}

    // Back to the defaults, keeping nothing of the old descriptor.
    void Reset();
    // Reset, then take a new descriptor.
    void SetDescriptor(const char* pstrDescriptor);
};

}  // namespace Orvik
