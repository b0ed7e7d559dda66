// Presentation images over MIT-SHM, with a plain XPutImage fallback.
#include "platform/backends/x11/x11_image.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include "platform/backends/x11/x11_connection.h"

namespace platform::x11 {

Image::Image(Connection& connection, int width, int height)
    : m_connection(connection), m_width(width), m_height(height) {}

Image* Image::Create(Connection& connection, Visual* visual, int depth, int width, int height) {
    auto* image = new Image(connection, width, height);
    if (connection.HasShm() && image->MakeShared(visual, depth))
        return image;
    if (image->MakePlain(visual, depth))
        return image;
    delete image;
    return nullptr;
}

bool Image::MakeShared(Visual* visual, int depth) {
    Display* dpy = m_connection.Dpy();
    m_image = XShmCreateImage(dpy, visual, unsigned(depth), ZPixmap, nullptr, &m_shm,
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

bool Image::MakePlain(Visual* visual, int depth) {
    m_plain.assign(size_t(m_width) * m_height, 0);
    m_image = XCreateImage(m_connection.Dpy(), visual, unsigned(depth), ZPixmap, 0,
                           reinterpret_cast<char*>(m_plain.data()), unsigned(m_width),
                           unsigned(m_height), 32, m_width * 4);
    if (m_image == nullptr)
        return false;
    m_image->byte_order = LSBFirst;  // our pixels are B, G, R, A in memory
    return true;
}

Image::~Image() {
    if (m_image == nullptr)
        return;
    if (Shared()) {
        XShmDetach(m_connection.Dpy(), &m_shm);
        XSync(m_connection.Dpy(), False);
        shmdt(m_shm.shmaddr);
    }
    m_image->data = nullptr;  // the pixels are ours, not Xlib's
    XDestroyImage(m_image);
}

void Image::Put(Window window, GC gc, int x, int y, int width, int height) {
    Display* dpy = m_connection.Dpy();
    if (Shared()) {
        XShmPutImage(dpy, window, gc, m_image, x, y, x, y, unsigned(width), unsigned(height),
                     False);
        XSync(dpy, False);  // the next copy into the segment must not race the server
        return;
    }
    XPutImage(dpy, window, gc, m_image, x, y, x, y, unsigned(width), unsigned(height));
    XFlush(dpy);
}

}  // namespace platform::x11
