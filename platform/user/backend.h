// The small interface a display backend offers the user core.
#pragma once

#include "platform/win32_types.h"

namespace platform::user {

// The core owns windows, queues and timers; a backend only mirrors windows on
// a display and reports native events. Native events come back through the
// core's one translation point, never as messages made by the backend.
class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;
    // The native counterpart of a new window; false fails the creation.
    virtual bool CreateNativeWindow(HWND hwnd, const RECT& rect, DWORD style, DWORD exStyle) = 0;
    virtual void DestroyNativeWindow(HWND hwnd) = 0;
    // A descriptor that turns readable when native events wait, or -1 when the
    // backend never produces any. The UI thread's wait includes it.
    virtual int EventFd() const = 0;
    // Reads the native events that are ready and hands each to the core.
    virtual void DispatchNativeEvents() = 0;
};

// The active backend; the headless one unless another was installed.
Backend& ActiveBackend();
// Installs a backend before the first window exists; the core keeps it.
void InstallBackend(Backend* backend);

}  // namespace platform::user
