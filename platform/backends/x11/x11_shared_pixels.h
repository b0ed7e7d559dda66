// A window surface's pixels in a MIT-SHM segment, so a present sends them without a copy.
#pragma once

#include "platform/user/surface_memory.h"
#include "platform/win32_types.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <atomic>
#include <memory>

#include "platform/backends/x11/x11_segment_book.h"

namespace platform::x11 {

class SharedPixels final : public platform::user::SurfaceMemory {
public:
    // Null when the server cannot attach a segment (remote, or no MIT-SHM).
    static std::unique_ptr<SharedPixels> Create(std::shared_ptr<SegmentBook> book, int width,
                                                int height);
    ~SharedPixels() override;
    SharedPixels(const SharedPixels&) = delete;
    SharedPixels& operator=(const SharedPixels&) = delete;

    uint32_t* Pixels() override { return m_pixels; }
    void BeforeWrite() override;

    // Sends the rectangle to the same place in the window; the book's connection lock is held.
    bool Put(Display* dpy, Window window, GC gc, Visual* visual, int depth, const RECT& area);
    void Completed() { m_pending = false; }
    ShmSeg Segment() const { return m_shm.shmseg; }

private:
    SharedPixels(std::shared_ptr<SegmentBook> book, int width, int height);
    bool Attach(Display* dpy, bool verify);

    std::shared_ptr<SegmentBook> m_book;
    int m_width;
    int m_height;
    uint32_t* m_pixels = nullptr;
    XShmSegmentInfo m_shm{};
    std::atomic<bool> m_pending{false};  // the server may still be reading a put
};

}  // namespace platform::x11
