// Keysym numbers of the X keyboard model and the virtual keys they stand for.
#pragma once

#include "platform/win32_types.h"

namespace platform::user {

// 0 when the key has no virtual key.
UINT VirtualKeyFromKeysym(UINT keysym);
// The keysym headless injection reports for a virtual key (0 when unknown).
UINT KeysymFromVirtualKey(UINT vk);

}  // namespace platform::user
