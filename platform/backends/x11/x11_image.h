// A window's presentation image: shared memory when the server allows it, client memory otherwise.
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
    // Null only when even a client-memory image cannot be made.
    static Image* Create(Connection& connection, Visual* visual, int depth, int width, int height);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t* Row(int y) {
        return reinterpret_cast<uint32_t*>(m_image->data + y * m_image->bytes_per_line);
    }
    // Sends the rectangle to the window; waits until the server has read shared memory.
    void Put(Window window, GC gc, int x, int y, int width, int height);
    bool Shared() const { return m_shm.shmaddr != nullptr; }

private:
    Image(Connection& connection, int width, int height);
    bool MakeShared(Visual* visual, int depth);
    bool MakePlain(Visual* visual, int depth);

    Connection& m_connection;
    int m_width;
    int m_height;
    XImage* m_image = nullptr;
    XShmSegmentInfo m_shm{};
    std::vector<uint32_t> m_plain;
};

}  // namespace platform::x11
