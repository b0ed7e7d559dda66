// Holds the active backend.
#include "platform/user/backend.h"

#include <atomic>

#include "platform/user/headless_backend.h"

namespace platform::user {

namespace {
std::atomic<Backend*> g_installed{nullptr};
}

Backend& ActiveBackend() {
    Backend* installed = g_installed.load();
    if (installed != nullptr)
        return *installed;
    static HeadlessBackend headless;
    return headless;
}

void InstallBackend(Backend* backend) {
    g_installed.store(backend);
}

}  // namespace platform::user
