// Holds the active backend and the thread that reads its events.
#include "platform/user/backend.h"

#include <atomic>

#include "platform/kernel.h"
#include "platform/user.h"

namespace platform::user {

namespace {
std::atomic<Backend*> g_installed{nullptr};
std::atomic<DWORD> g_ownerThread{0};
}  // namespace

std::unique_ptr<SurfaceMemory> Backend::NewSurfaceMemory(int, int, bool) {
    return nullptr;
}

Backend& ActiveBackend() {
    Backend* installed = g_installed.load();
    if (installed != nullptr)
        return *installed;
    return DefaultBackend();
}

void InstallBackend(Backend* backend) {
    g_installed.store(backend);
    g_ownerThread.store(backend != nullptr ? GetCurrentThreadId() : 0);
}

DWORD BackendOwnerThread() {
    return g_ownerThread.load();
}

void NoteWindowThread(DWORD threadId) {
    DWORD none = 0;
    g_ownerThread.compare_exchange_strong(none, threadId);
}

}  // namespace platform::user
