// The window core's clock: the monotonic clock, or a manual one that tests advance.
#include "platform/user/core_clock.h"

#include <atomic>

#include "platform/kernel.h"
#include "platform/user/thread_queue.h"

namespace platform::user {

namespace {
std::atomic<bool> g_manual{false};
std::atomic<uint64_t> g_manualNow{0};
}  // namespace

uint64_t CoreNowMs() {
    return g_manual ? g_manualNow.load() : NowMs();
}

DWORD CoreTicks() {
    return g_manual ? DWORD(g_manualNow.load()) : GetTickCount();
}

void SetManualClock(bool on) {
    if (on && !g_manual)
        g_manualNow = NowMs();
    g_manual = on;
}

void AdvanceManualClock(DWORD ms) {
    g_manualNow += ms;
}

bool IsManualClock() {
    return g_manual;
}

}  // namespace platform::user
