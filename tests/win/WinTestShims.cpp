// Stand-ins on Windows for the Linux-only helpers the shared tests call, and
// the stb decoder and encoder the tests link on Linux from Debian's libstb.
#include "WinTestShims.h"

#include "platform/gdi.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace platform {

// The run-time resource registry: nothing can be registered on Windows.
bool RegisterEmbeddedResource(const char*, unsigned short, const void*, size_t) {
    return false;
}

}  // namespace platform
