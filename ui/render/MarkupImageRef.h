// The image an i tag of markup text names: the image, its resource type and a strip frame.
#pragma once

#include "ui/core/UIString.h"

namespace Orvik {

// Either "name [frames [frame]]", a horizontal strip of frames of which one
// is shown, or items key='value' with file, res and restype.
struct MarkupImageRef {
    CUIString strName;
    CUIString strType;
    // The type applies only to an embedded resource (res with restype).
    bool bTyped = false;
    int nFrames = 1;
    int nFrame = 0;
};

MarkupImageRef ParseMarkupImageRef(const char* pstrParam);

}  // namespace Orvik
