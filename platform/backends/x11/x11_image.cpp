// Presentation images over MIT-SHM, with a plain XPutImage fallback.
#include "platform/backends/x11/x11_image.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>

#include "platform/backends/x11/x11_connection.h"
#include "platform/backends/x11/x11_shm_wait.h"

namespace platform::x11 {

namespace {

// Up to this many pixels (64 KiB) a copy through the socket costs less than waiting for the
// server to let go of the shared segment.
constexpr int SMALL_PIXELS = 16384;

}  // namespace

Image::Image(Connection& connection, int width, int height)
    : m_connection(connection), m_width(width), m_height(height) {}

Image* Image::Create(Connection& connection, Visual* visual, int depth, int width, int height) {
    auto* image = new Image(connection, width, height);
    image->m_visual = visual;
    image->m_depth = depth;
    return image;
}

bool Image::MakeShared() {
    Display* dpy = m_connection.Dpy();
    m_image = XShmCreateImage(dpy, m_visual, unsigned(m_depth), ZPixmap, nullptr, &m_shm,
                              unsigned(m_width), unsigned(m_height));
    if (m_image == nullptr)
        return false;
    m_shm.shmid = shmget(IPC_PRIVATE, size_t(m_image->bytes_per_line) * m_height, IPC_CREAT | 0600);
    void* address = m_shm.shmid >= 0 ? shmat(m_shm.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
    if (address == reinterpret_cast<void*>(-1)) {
        if (m_shm.shmid >= 0)
            shmctl(m_shm.shmid, IPC_RMID, nullptr);
        XDestroyImage(m_image);
        m_image = nullptr;
        return false;
    }
    m_shm.shmaddr = m_image->data = static_cast<char*>(address);
    m_shm.readOnly = False;
    TakeErrorCount();
    bool attached = XShmAttach(dpy, &m_shm) != 0;
    XSync(dpy, False);  // a remote server refuses the attach only now
    attached = attached && TakeErrorCount() == 0;
    shmctl(m_shm.shmid, IPC_RMID, nullptr);  // freed once both sides detach
    if (!attached) {
        shmdt(m_shm.shmaddr);
        m_shm.shmaddr = m_image->data = nullptr;
        XDestroyImage(m_image);
        m_image = nullptr;
        m_connection.DisableShm();
        return false;
    }
    return true;
}

Image::~Image() {
    if (m_image == nullptr)
        return;
    XShmDetach(m_connection.Dpy(), &m_shm);
    XSync(m_connection.Dpy(), False);
    shmdt(m_shm.shmaddr);
    m_image->data = nullptr;  // the segment is ours, not Xlib's
    XDestroyImage(m_image);
}

// A window's first large put (its first frame, a shadow's picture) goes through the socket:
// a segment pays off only for a window that repaints large areas again.
bool Image::PlanSegment(int width, int height) {
    if (width * height <= SMALL_PIXELS)
        return false;
    if (!Shared() && (++m_largePuts < 2 || !m_connection.HasShm() || !MakeShared()))
        return false;
    return true;
}

uint32_t* Image::SegmentAt(int x, int y, size_t& strideInPixels) {
    WaitIdle();
    strideInPixels = size_t(m_image->bytes_per_line) / 4;
    return Row(y) + x;
}

void Image::PutSegment(Window window, GC gc, int x, int y, int width, int height) {
    Display* dpy = m_connection.Dpy();
    XShmPutImage(dpy, window, gc, m_image, x, y, x, y, unsigned(width), unsigned(height), True);
    m_pending = true;
    XFlush(dpy);
}

void Image::PutPixels(Window window, GC gc, const uint32_t* pixels, int strideBytes, int imageWidth,
                      int imageHeight, POINT src, POINT to, int width, int height) {
    // Xlib only reads the data: it is copied out before XPutImage returns.
    XImage* image = XCreateImage(m_connection.Dpy(), m_visual, unsigned(m_depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(const_cast<uint32_t*>(pixels)),
                                 unsigned(imageWidth), unsigned(imageHeight), 32, strideBytes);
    if (image == nullptr)
        return;
    image->byte_order = LSBFirst;  // our pixels are B, G, R, A in memory
    XPutImage(m_connection.Dpy(), window, gc, image, int(src.x), int(src.y), int(to.x), int(to.y),
              unsigned(width), unsigned(height));
    image->data = nullptr;  // the pixels are the caller's
    XDestroyImage(image);
    XFlush(m_connection.Dpy());
}

uint32_t* Image::Scratch(int width, int rows) {
    m_scratch.resize(size_t(width) * size_t(rows));
    return m_scratch.data();
}

int Image::BandRows(int width) {
    return std::max(1, SMALL_PIXELS / std::max(1, width));
}

void Image::Completed(ShmSeg segment) {
    if (Shared() && segment == m_shm.shmseg)
        m_pending = false;
}

// The segment is written only once the server has read the last request from it.
void Image::WaitIdle() {
    if (m_pending)
        WaitShmCompletion(m_connection.Dpy(), m_shm.shmseg, [this] { return m_pending; });
    m_pending = false;
}

}  // namespace platform::x11
