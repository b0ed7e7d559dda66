// Waiting for MIT-SHM's completion event of one segment before it is written again.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <functional>

namespace platform::x11 {

// Returns once pending() is false: the completion event of segment came here, or the message
// loop took it and cleared pending meanwhile. A lost event must not stall painting for good:
// after 2 s a sync stands in for it.
void WaitShmCompletion(Display* dpy, ShmSeg segment, const std::function<bool()>& pending);

}  // namespace platform::x11
