// A resource reference: either a name or a 16-bit numeric resource id.
#include "ui/core/UIResName.h"

namespace Orvik {

// Every operation is inline; the value is one pointer.
static_assert(sizeof(CUIResName) == sizeof(void*), "CUIResName is one pointer-sized value");

}  // namespace Orvik
