// A window's way of sending pixels: the socket for small and one-off areas, a shared-memory
// segment for windows that repaint large areas again and again.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstdint>

#include <vector>
#include "platform/win32_types.h"

namespace platform::x11 {

class Connection;

class Image {
public:
    // Never null; the segment is made only once a second large area is sent.
    static Image* Create(Connection& connection, Visual* visual, int depth, int width, int height);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // How a rectangle travels: true through the segment (written whole, then PutSegment), false
    // through the socket (PutPixels, in bands of BandRows rows when it must be converted).
    bool PlanSegment(int width, int height);
    // The segment at (x, y), once the server has finished reading the last put from it.
    uint32_t* SegmentAt(int x, int y, size_t& strideInPixels);
    void PutSegment(Window window, GC gc, int x, int y, int width, int height);
    // Sends the rectangle (srcX, srcY, width, height) of the caller's pixels (imageWidth x
    // imageHeight, strideBytes apart) to (x, y); Xlib has copied them when it returns.
    void PutPixels(Window window, GC gc, const uint32_t* pixels, int strideBytes, int imageWidth,
                   int imageHeight, POINT src, POINT to, int width, int height);
    // A buffer for one band of converted rows.
    uint32_t* Scratch(int width, int rows);
    static int BandRows(int width);
    bool Shared() const { return m_shm.shmaddr != nullptr; }
    bool Pending() const { return m_pending; }
    // The server's completion event for this image's segment.
    void Completed(ShmSeg segment);

private:
    Image(Connection& connection, int width, int height);
    bool MakeShared();
    uint32_t* Row(int y) {
        return reinterpret_cast<uint32_t*>(m_image->data + y * m_image->bytes_per_line);
    }
    void WaitIdle();

    Connection& m_connection;
    int m_width;
    int m_height;
    Visual* m_visual = nullptr;
    int m_depth = 0;
    XImage* m_image = nullptr;  // over the segment
    XShmSegmentInfo m_shm{};
    std::vector<uint32_t> m_scratch;
    int m_largePuts = 0;
    bool m_pending = false;  // the server may still be reading the segment
};

}  // namespace platform::x11
