// Waiting for MIT-SHM's completion event of one segment before it is written again.
#include "platform/backends/x11/x11_shm_wait.h"

#include <poll.h>

namespace platform::x11 {

namespace {

constexpr int COMPLETION_WAIT_MS = 2000;
constexpr int POLL_MS = 10;

Bool IsCompletionOf(Display*, XEvent* event, XPointer arg) {
    const auto* segment = reinterpret_cast<const ShmSeg*>(arg);
    const auto* done = reinterpret_cast<const XShmCompletionEvent*>(event);
    return event->type == XShmGetEventBase(event->xany.display) + ShmCompletion &&
                   done->shmseg == *segment
               ? True
               : False;
}

}  // namespace

void WaitShmCompletion(Display* dpy, ShmSeg segment, const std::function<bool()>& pending) {
    XEvent event;
    for (int waited = 0; pending() && waited < COMPLETION_WAIT_MS; waited += POLL_MS) {
        if (XCheckIfEvent(dpy, &event, IsCompletionOf, reinterpret_cast<XPointer>(&segment)))
            return;
        pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&fd, 1, POLL_MS);
    }
    if (pending())
        XSync(dpy, False);
}

}  // namespace platform::x11
