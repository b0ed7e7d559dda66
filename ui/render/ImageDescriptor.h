// The image descriptor grammar: "file='a.png' corner='1,1,1,1' dest='4,30,68,32'".
#pragma once

#include "ui/core/UIString.h"
#include "ui/render/ImagePaintState.h"

namespace Orvik {

// How the named image is to be loaded, as the descriptor says.
struct ImageLoadRequest {
    CUIString strType;
    // The type applies only with a res or color item.
    bool bUseType = false;
    DWORD dwMask = 0;

    const char* GetType() const { return bUseType ? strType.GetData() : nullptr; }
};

// Descriptor numbers are clamped to +-this when parsed: no screen or image
// comes near it, and sums of a few of them stay far from overflowing.
constexpr LONG DESCRIPTOR_NUMBER_LIMIT = 1 << 20;

// The colour pseudo type: the name is a colour text, no bytes are read.
constexpr const char* COLOR_IMAGE_TYPE = "*COLOR*";

// Parses state.strDescriptor into the state's name, rectangles, fade and
// flags, and into request. A descriptor without any item, such as
// "logo.png", names a file. Parsing stops at the first deviation from the
// grammar and keeps what it has read.
void ParseImageDescriptor(ImagePaintState& state, ImageLoadRequest& request);

// The item rectangle, or the dest offsets inside it: right and bottom are
// offsets from the item's left and top, clamped to the item. Computed wide,
// so no item or offset can overflow it.
RECT PlaceImageDestination(const RECT& rcItem, const CUIRect& rcDest);

}  // namespace Orvik
