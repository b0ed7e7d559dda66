// Unscaled AlphaBlend through our own row loops, clipped rectangle by rectangle.
#pragma once

#include "platform/gdi/device_context.h"

namespace gdi {

// Blends the source rectangle `src` of `source` onto `dst` (same size, device
// coordinates of the target DC) within the DC's clip. False when pixman must
// do it instead: no own loop is active, the source is the target bitmap, or the
// source rectangle leaves its bitmap.
bool BlendUnscaled(CDeviceContext& target, const CGdiBitmap& source, const RECT& dst,
                   const RECT& src, BYTE constAlpha, bool opaqueSource);

}  // namespace gdi
