// Pixels a backend lends a window so that presenting them needs no copy.
#pragma once

#include <cstdint>

namespace platform::user {

// Width x height pixels, rows width * 4 bytes apart. The display may still be reading them after
// a present: whoever writes calls BeforeWrite first.
class SurfaceMemory {
public:
    virtual ~SurfaceMemory() = default;
    virtual uint32_t* Pixels() = 0;
    // Returns once the display has finished reading the last present from these pixels.
    virtual void BeforeWrite() = 0;
};

}  // namespace platform::user
