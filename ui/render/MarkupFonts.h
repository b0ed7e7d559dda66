// Fonts markup text switches to: style variants of the current font and fonts named in tags.
#pragma once

#include "ui/render/IRenderResources.h"

namespace Orvik {

enum class EFontStyle { Bold, Underline, Italic };

// The current font with one more style. A font that has it already comes
// back itself; others are found among the host's fonts or made once.
FontInfo* MarkupFontVariant(IRenderResources& res, FontInfo* pCurrent, EFontStyle eStyle);

// The font of an f tag: a decimal font id, or a face name, an optional size
// (10) and the words "bold", "underline", "italic" in any case. The current
// font when the parameter names nothing or the font cannot be made.
FontInfo* MarkupFontFromTag(IRenderResources& res, FontInfo* pCurrent, const char* pstrParam);

}  // namespace Orvik
