// The calling thread's id, as the kernel numbers threads.
#include <unistd.h>

#include "platform/kernel.h"

DWORD GetCurrentThreadId() {
    return DWORD(gettid());
}
