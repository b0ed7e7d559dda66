// A window's way of sending pixels: the socket for small and one-off areas, a shared-memory
// segment for windows that repaint large areas again and again.
#pragma once

#include "platform/backends/x11/x11_platform_first.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <vector>

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
    // Where the pixels of the rectangle go before Put sends them: a scratch buffer sent with
    // XPutImage, or the segment once the server has finished reading the last put from it.
    uint32_t* BeginWrite(int x, int y, int width, int height, size_t& strideInPixels);
    // Sends the rectangle of the last BeginWrite to the window; never waits for the server.
    void Put(Window window, GC gc);
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
    bool UseSegment(int width, int height);
    void WaitIdle();
    void PutScratch(Window window, GC gc);

    Connection& m_connection;
    int m_width;
    int m_height;
    Visual* m_visual = nullptr;
    int m_depth = 0;
    XImage* m_image = nullptr;  // over the segment
    XShmSegmentInfo m_shm{};
    std::vector<uint32_t> m_scratch;
    int m_largePuts = 0;
    bool m_pending = false;     // the server may still be reading the segment
    bool m_viaScratch = false;  // the last BeginWrite went to the scratch buffer
    int m_x = 0, m_y = 0, m_w = 0, m_h = 0;
};

}  // namespace platform::x11
