// A font of a window host's tables: the handle, what it was made from, its metrics.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIString.h"

namespace Orvik {

// The metrics are measured on first use: a record whose metrics height is 0
// has not been measured yet.
struct FontInfo {
    HFONT hFont = nullptr;
    CUIString strFaceName;
    int nSize = 0;
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    TEXTMETRICA tm = {};
};

}  // namespace Orvik
