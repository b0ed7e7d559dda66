// Tick count and sleeping.
#include <time.h>

#include <chrono>
#include <thread>

#include "platform/kernel.h"

DWORD GetTickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    // Truncating to 32 bits wraps the counter every 49.7 days, as callers expect.
    return DWORD(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

void Sleep(DWORD dwMilliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
