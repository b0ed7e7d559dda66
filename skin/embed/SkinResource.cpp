// Registers the packed skin archive as the program's resource "ZIPRES" 129.
#include <cstddef>

#include "platform/kernel.h"

extern "C" const unsigned char lumora_skin_zip_begin[];
extern "C" const unsigned char lumora_skin_zip_end[];

namespace {

// Runs at static initialisation, before WinMain asks for the resource.
[[maybe_unused]] const bool g_bSkinRegistered = platform::RegisterEmbeddedResource(
    "ZIPRES", 129, lumora_skin_zip_begin, size_t(lumora_skin_zip_end - lumora_skin_zip_begin));

}  // namespace
