// A window surface's pixels in a MIT-SHM segment, so a present sends them without a copy.
#include "platform/backends/x11/x11_shared_pixels.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include "platform/backends/x11/x11_connection.h"
#include "platform/backends/x11/x11_shm_wait.h"

namespace platform::x11 {

SharedPixels::SharedPixels(std::shared_ptr<SegmentBook> book, int width, int height)
    : m_book(std::move(book)), m_width(width), m_height(height) {}

std::unique_ptr<SharedPixels> SharedPixels::Create(std::shared_ptr<SegmentBook> book, int width,
                                                   int height) {
    std::unique_ptr<SharedPixels> pixels(new SharedPixels(book, width, height));
    std::lock_guard<std::mutex> guard(book->Lock());
    Connection* connection = book->LiveConnection();
    if (connection == nullptr || !connection->HasShm())
        return nullptr;
    if (!pixels->Attach(connection->Dpy(), !book->AttachVerified())) {
        connection->DisableShm();
        return nullptr;
    }
    book->NoteAttachVerified();
    return pixels;
}

// The first segment of a connection is checked with a round trip, as a remote server refuses it
// only then; later ones are trusted. The id goes at once: the memory lives while attached.
bool SharedPixels::Attach(Display* dpy, bool verify) {
    size_t bytes = size_t(m_width) * size_t(m_height) * 4;
    m_shm.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (m_shm.shmid < 0)
        return false;
    void* address = shmat(m_shm.shmid, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(m_shm.shmid, IPC_RMID, nullptr);
        return false;
    }
    m_shm.shmaddr = static_cast<char*>(address);
    m_shm.readOnly = True;
    TakeErrorCount();
    bool attached = XShmAttach(dpy, &m_shm) != 0;
    if (verify) {
        XSync(dpy, False);
        attached = attached && TakeErrorCount() == 0;
    }
    shmctl(m_shm.shmid, IPC_RMID, nullptr);
    if (!attached) {
        shmdt(m_shm.shmaddr);
        m_shm.shmaddr = nullptr;
        return false;
    }
    m_pixels = reinterpret_cast<uint32_t*>(m_shm.shmaddr);
    m_book->Add(this, m_pixels, m_shm.shmseg);
    return true;
}

SharedPixels::~SharedPixels() {
    if (m_pixels == nullptr)
        return;
    {
        std::lock_guard<std::mutex> guard(m_book->Lock());
        m_book->Remove(m_pixels, m_shm.shmseg);
        Connection* connection = m_book->LiveConnection();
        // The server keeps its own mapping until it has read the last put.
        if (connection != nullptr) {
            XShmDetach(connection->Dpy(), &m_shm);
            XFlush(connection->Dpy());
        }
    }
    shmdt(m_shm.shmaddr);
}

bool SharedPixels::Put(Display* dpy, Window window, GC gc, Visual* visual, int depth,
                       const RECT& area) {
    XImage* image = XShmCreateImage(dpy, visual, unsigned(depth), ZPixmap, m_shm.shmaddr, &m_shm,
                                    unsigned(m_width), unsigned(m_height));
    if (image == nullptr)
        return false;
    bool fits = image->bytes_per_line == m_width * 4 && image->bits_per_pixel == 32;
    if (fits) {
        image->byte_order = LSBFirst;  // B, G, R, A in memory
        m_pending = true;
        XShmPutImage(dpy, window, gc, image, int(area.left), int(area.top), int(area.left),
                     int(area.top), unsigned(area.right - area.left),
                     unsigned(area.bottom - area.top), True);
        XFlush(dpy);
    }
    image->data = nullptr;  // the segment is ours, not Xlib's
    XDestroyImage(image);
    return fits;
}

// Waits for the completion event of the last put; the message loop may take it first.
void SharedPixels::BeforeWrite() {
    if (!m_pending)
        return;
    Display* dpy = nullptr;
    {
        std::lock_guard<std::mutex> guard(m_book->Lock());
        Connection* connection = m_book->LiveConnection();
        dpy = connection != nullptr ? connection->Dpy() : nullptr;
    }
    if (dpy != nullptr)
        WaitShmCompletion(dpy, m_shm.shmseg, [this] { return m_pending.load(); });
    m_pending = false;
}

}  // namespace platform::x11
