// Code page 936 beyond the GBK converter: user-defined areas and best fit.
#pragma once

#include "platform/kernel.h"

namespace platform::kernel {

// The private-use character of a user-defined double-byte code, or 0.
WCHAR UserDefinedToPrivateUse(BYTE lead, BYTE trail);
// The user-defined double-byte code (lead byte high) of a private-use
// character, or 0.
WORD PrivateUseToUserDefined(WCHAR ch);
// A character with a GBK form that stands in for ch, or 0 when none fits.
WCHAR BestFitFor(WCHAR ch);

}  // namespace platform::kernel
